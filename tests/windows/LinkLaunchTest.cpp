#include <QAccessible>

#include "HelpWindowsFixture.h"

using LinkLaunch = HelpWindowsTest;

TEST_F(LinkLaunch, EachClickOpensTheLinkAddressAgain) {
    Form2* about = openAbout();
    click(*about, centreOf(about->Метка5));
    click(*about, centreOf(about->Метка5));
    click(*about, centreOf(about->Метка4));
    Форма1* rules = openRules();
    click(*rules, centreOf(rules->Метка3));
    click(*rules, centreOf(rules->Метка4));
    const QString web = u"http://www.horalo.example.org"_qs;
    const QString mail = u"mailto:author@horalo.example.org"_qs;
    EXPECT_EQ(urls.opened, QStringList({web, web, mail, web, mail}));
    EXPECT_TRUE(messagesShown().isEmpty());
}

// A screen reader's press on a link opens it as a click does: the window stays
// open, the link takes no keyboard focus, and it says where it leads.
TEST_F(LinkLaunch, TheAccessiblePressActionOpensEachLinkLikeAClick) {
    form.Param.setText(u"rus"_qs);
    Form2* about = openAbout();
    Форма1* rules = openRules();
    for (QLabel* link : {&about->Метка5, &about->Метка4, &rules->Метка3, &rules->Метка4}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(link);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Link);
        EXPECT_FALSE(face->state().focusable);
        EXPECT_EQ(face->text(QAccessible::Description), link->text());
        EXPECT_TRUE(face->text(QAccessible::Name).contains(u"Хорало"_qs) ||
                    face->text(QAccessible::Name) == u"Написать автору")
            << qPrintable(face->text(QAccessible::Name));
        ASSERT_TRUE(face->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    const QString web = u"http://www.horalo.example.org"_qs;
    const QString mail = u"mailto:author@horalo.example.org"_qs;
    EXPECT_EQ(urls.opened, QStringList({web, mail, web, mail}));
    EXPECT_TRUE(about->isVisible());
}

// A caption never reaches a shell: it is opened as one web address, or refused.
TEST_F(LinkLaunch, CaptionsWithShellCharactersAreOneAddressOrRefused) {
    form.Param.setText(u"rus"_qs);
    const QString refused;
    const std::pair<QString, QString> cases[] = {
        {u"www.horalo.example.org&touch /tmp/x"_qs, refused},
        {u"www.horalo.example.org;reboot"_qs, refused},
        {u"www.horalo.example.org|cat"_qs, refused},
        {u"www.horalo.example.org/`id`"_qs, refused},
        {u"\"www.horalo.example.org\""_qs, refused},
        {u"file:///etc/passwd"_qs, refused},
        {u"www.horalo.example.org/$(id)"_qs, u"http://www.horalo.example.org/$(id)"_qs},
        {u"www.horalo.example.org/it's"_qs, u"http://www.horalo.example.org/it's"_qs},
        {u"HTTPS://www.horalo.example.org/a"_qs, u"https://www.horalo.example.org/a"_qs},
    };
    const int childrenBefore = childProcesses();
    Form2* about = openAbout();
    for (const auto& [caption, expected] : cases) {
        urls.opened.clear();
        about->Метка5.setText(caption);
        click(*about, centreOf(about->Метка5));
        const QStringList messages = messagesShown();
        if (expected.isEmpty()) {
            EXPECT_TRUE(urls.opened.isEmpty()) << caption.toStdString();
            EXPECT_EQ(messages, QStringList{u"Ссылку нельзя открыть: это не адрес сайта."_qs});
        } else {
            EXPECT_EQ(urls.opened, QStringList{expected}) << caption.toStdString();
            EXPECT_TRUE(messages.isEmpty());
        }
    }
    EXPECT_EQ(childProcesses(), childrenBefore);
}

TEST_F(LinkLaunch, SaysSoWhenTheDesktopHasNoProgramForTheAddress) {
    if (QGuiApplication::platformName() != u"offscreen")
        GTEST_SKIP() << "needs a desktop without one";
    QDesktopServices::unsetUrlHandler(u"mailto"_qs);
    form.Param.setText(u"eng"_qs);
    Форма1* rules = openRules();
    click(*rules, centreOf(rules->Метка4));
    EXPECT_EQ(messagesShown(), QStringList{u"No program on this computer opens this link."_qs});
}
