#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <memory>

#include "ui/UserMessage.h"

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
