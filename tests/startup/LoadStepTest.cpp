#include "StartUpFixture.h"

namespace {

struct Restored {
    QStringList said;
    bool logoChecked;
    bool clockView;
    QString title;
    bool russianChecked;
    QString param;
    QString interval;
    std::array<bool, 3> checks;  // Min10, Min30, Min60
};

struct LoadCase {
    const char* name;
    std::initializer_list<std::pair<const char16_t*, const char16_t*>> stored;
    Restored expected;
};

const LoadCase kLoadCases[] = {
    {"NothingStored", {}, {{}, false, false, u"Horalo "_qs, false, {}, {}, {false, false, false}}},
    {"RussianHalfHoursClockNoSplash",
     {{u"Language", u"rus"}, {u"Interval", u"30 минут"}, {u"Picture", u"ani"}, {u"Logo", u"no"}},
     {{u"Voice"_qs},
      false,
      true,
      u"Хорало"_qs,
      true,
      u"rus"_qs,
      u"30 минут"_qs,
      {false, true, false}}},
    {"EnglishQuartersLogoSplash",
     {{u"Language", u"eng"}, {u"Interval", u"15 минут"}, {u"Picture", u"logo"}, {u"Logo", u"yes"}},
     {{u"Eng"_qs},
      true,
      false,
      u"Horalo"_qs,
      false,
      u"eng"_qs,
      u"15 минут"_qs,
      {true, false, false}}},
    {"LanguageInAnotherCase",
     {{u"Language", u"Eng"}, {u"Picture", u"Ani"}},
     {{}, false, false, u"Horalo "_qs, false, u"Eng"_qs, {}, {false, false, false}}},
    {"IntervalOffTheList",
     {{u"Language", u"eng"}, {u"Interval", u"45 минут"}},
     {{u"Eng"_qs},
      false,
      false,
      u"Horalo"_qs,
      false,
      u"eng"_qs,
      u"45 минут"_qs,
      {false, false, false}}},
};

class LoadStep : public StartUp, public testing::WithParamInterface<LoadCase> {};

}  // namespace

// The first use of the main window restores it as the last run left it, and
// laying it out minimised stores nothing before the stored values are read.
TEST_P(LoadStep, RestoresTheWindowAsTheLastRunLeftIt) {
    stored(GetParam().stored);
    const QString intervalBefore = storedNow(u"Interval"_qs);
    Form1& form = form1();
    const Restored& expected = GetParam().expected;

    EXPECT_EQ(storedNow(u"Interval"_qs), intervalBefore);
    EXPECT_EQ(log.calls(), expected.said);
    EXPECT_EQ(form.slogo.isChecked(), expected.logoChecked);
    EXPECT_EQ(form.Рамка2.isHidden(), !expected.clockView);
    EXPECT_EQ(form.Рамка3.isHidden(), expected.clockView);
    EXPECT_EQ(form.windowTitle(), expected.title);
    EXPECT_EQ(form.rus.isChecked(), expected.russianChecked);
    EXPECT_EQ(form.eng.isChecked(), !expected.russianChecked);
    EXPECT_EQ(form.Param.text(), expected.param);
    EXPECT_EQ(form.Комбо1.currentText(), expected.interval);
    EXPECT_EQ((std::array{form.Min10.isEnabled(), form.Min30.isEnabled(), form.Min60.isEnabled()}),
              expected.checks);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.tip, u" Хорало 2.5 ");
}

INSTANTIATE_TEST_SUITE_P(Stored, LoadStep, testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });
