#include "StartUpFixture.h"

namespace {

struct SplashCase {
    const char* name;
    const char16_t* stored;  // nullptr: nothing stored
    bool splashStays;
    bool logoChecked;
};

const SplashCase kSplashCases[] = {
    {"NothingStored", nullptr, true, true},
    {"Yes", u"yes", true, true},
    {"No", u"no", false, false},
    {"CapitalYes", u"Yes", true, true},
    {"SortsAfterYes", u"z", true, true},
    {"LongerThanYes", u"yes!", true, true},
};

class Splash : public StartUp, public testing::WithParamInterface<SplashCase> {};

}  // namespace

// Whatever is stored, the start ends with the main window created, loaded and
// in the notification area; the splash stays up only on the keep path.
TEST_P(Splash, StartEndsWithTheMainWindowInTheTray) {
    const SplashCase& c = GetParam();
    stored({{u"Language", u"eng"}});
    if (c.stored) stored({{u"Logo", c.stored}});
    splash.Form_Load();

    Form1& form = form1();
    EXPECT_EQ(log.calls(), QStringList{u"Eng"_qs});  // loaded once, greeting included
    EXPECT_TRUE(tray.shown);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(splash.isVisible(), c.splashStays);
    EXPECT_EQ(splash.Часы1.isActive(), c.splashStays);
    EXPECT_EQ(form.slogo.isChecked(), c.logoChecked);

    if (c.splashStays) {
        splash.Часы1_Timer();
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(splash.Часы1.isActive());
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_EQ(form.Min10.isEnabled(), false);  // no interval stored: no check runs
    EXPECT_EQ(log.calls(), QStringList{u"Eng"_qs});
}

INSTANTIATE_TEST_SUITE_P(StoredLogo, Splash, testing::ValuesIn(kSplashCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A click on the icon while the splash is up brings the window; the splash's
// own show at its end leaves it there.
TEST_F(StartUp, IconClickDuringTheSplashShowsTheWindowForGood) {
    splash.Form_Load();
    tray.click(TrayIcon::Click::Left);
    EXPECT_TRUE(form1().isVisible());
    splash.Часы1_Timer();
    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(form1().isMinimized());
}
