#include <QTest>

#include "StartUpFixture.h"

class Tray : public StartUp {
  protected:
    void SetUp() override { splash.Form_Load(); }
    void minimise() { form1().setWindowState(form1().windowState() | Qt::WindowMinimized); }
    bool restored() { return QTest::qWaitForWindowExposed(&form1()) && !form1().isMinimized(); }
};

TEST_F(Tray, LeftDoubleAndRightClicksRestoreMiddleDoesNot) {
    tray.click(TrayIcon::Click::Middle);
    EXPECT_FALSE(form1().isVisible());
    for (TrayIcon::Click click :
         {TrayIcon::Click::Left, TrayIcon::Click::Double, TrayIcon::Click::Right}) {
        tray.click(click);
        EXPECT_TRUE(restored());
        minimise();
        EXPECT_FALSE(form1().isVisible());
        EXPECT_TRUE(tray.shown);
    }
}

// Restoring is a resize step: the interval chosen meanwhile is applied and stored.
TEST_F(Tray, RestoringAppliesTheChosenInterval) {
    form1().Комбо1.setEditText(u"60 минут"_qs);
    tray.click(TrayIcon::Click::Left);
    EXPECT_TRUE(form1().Min60.isEnabled());
    EXPECT_EQ(storedNow(u"Interval"_qs), u"60 минут");
}

// Without a notification area a minimised window must stay reachable: it stays
// on the taskbar. Once a notification area appears, minimising goes there.
TEST_F(Tray, WithoutANotificationAreaMinimisingKeepsTheWindow) {
    tray.click(TrayIcon::Click::Left);
    ASSERT_TRUE(restored());
    tray.available = false;
    minimise();
    EXPECT_TRUE(form1().isVisible());
    EXPECT_TRUE(form1().isMinimized());

    tray.click(TrayIcon::Click::Left);
    ASSERT_TRUE(restored());
    tray.available = true;
    minimise();
    EXPECT_FALSE(form1().isVisible());
}

TEST_F(StartUp, WithoutANotificationAreaTheStartShowsTheWindow) {
    tray.available = false;
    stored({{u"Logo", u"no"}});
    splash.Form_Load();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form1()));
    EXPECT_FALSE(form1().isMinimized());
}
