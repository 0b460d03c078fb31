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
