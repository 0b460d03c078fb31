#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <memory>

#include "UserMessage.h"

namespace {

// The text of the message box on show, closed on the way.
QString shownAndClosed() {
    QMessageBox* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) shown = box;
    if (!shown) return u"<none shown>"_qs;
    const QString text = shown->text();
    shown->close();
    return text;
}

}  // namespace

TEST(UserMessage, IsShownWithoutBlockingAndClosesAway) {
    tellUser(u"Russian speech is unavailable"_qs);  // returns at once: not modal
    QMessageBox* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) shown = box;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), u"Russian speech is unavailable");
    EXPECT_FALSE(shown->isModal());
    EXPECT_TRUE(shown->testAttribute(Qt::WA_DeleteOnClose));
    shown->close();
}

TEST(UserMessage, FollowsTheInterfaceLanguageOfTheMoment) {
    const UserText text{u"Cannot save"_qs, u"Не удаётся сохранить"_qs};
    UserMessages messages;
    const UserReport report = messages.reporter();
    report(text);  // before the main window exists
    EXPECT_EQ(shownAndClosed(), text.english);

    auto language = std::make_unique<QLabel>(u"rus"_qs);
    messages.followLanguageOf(*language);
    report(text);
    EXPECT_EQ(shownAndClosed(), text.russian);
    for (const char16_t* other : {u"eng", u"", u"Rus", u"rus "}) {
        language->setText(QString::fromUtf16(other));
        report(text);
        EXPECT_EQ(shownAndClosed(), text.english) << QString::fromUtf16(other).toStdString();
    }

    language->setText(u"rus"_qs);
    language.reset();  // the main window is gone
    report(text);
    EXPECT_EQ(shownAndClosed(), text.english);
}
