#include "HelpWindowsFixture.h"

using RulesWindow = HelpWindowsTest;

TEST_F(RulesWindow, ChoosesTheRulesByTheLanguageOfItsLoad) {
    struct Case {
        QString code;
        bool english, russian;
    };
    const Case cases[] = {{u"eng"_qs, true, false},
                          {u"rus"_qs, false, true},
                          {u""_qs, true, true},
                          {u"Eng"_qs, true, true}};
    for (const Case& c : cases) {
        form.Param.setText(c.code);
        Форма1* rules = openRules();
        ASSERT_NE(rules, nullptr);
        EXPECT_EQ(rules->Метка2.isVisible(), c.english) << c.code.toStdString();
        EXPECT_EQ(rules->Метка1.isVisible(), c.russian) << c.code.toStdString();
        rules->Комманда1.click();
        ASSERT_TRUE(unloaded(rules));
    }
}

TEST_F(RulesWindow, OpensOnceAndKeepsItsLanguageUntilReloaded) {
    form.Param.setText(u"rus"_qs);
    QPointer<Форма1> first = openRules();
    EXPECT_EQ(first->pos(), QPoint(168, 130));
    EXPECT_EQ(first->size(), QSize(401, 247));
    EXPECT_EQ(first->Изображение1.pixmap().size(), QSize(109, 110));
    form.ApplyLanguage(u"eng"_qs);
    EXPECT_EQ(openRules(), first);
    EXPECT_FALSE(first->Метка2.isVisible());
    first->Комманда1.click();
    ASSERT_TRUE(unloaded(first.data()));
    EXPECT_TRUE(openRules()->Метка2.isVisible());
}

TEST_F(RulesWindow, OnlyItsButtonClosesIt) {
    form.Param.setText(u"eng"_qs);
    Форма1* rules = openRules();
    click(*rules, {2, 100});                 // background
    click(*rules, {40, 60});                 // rules text
    click(*rules, {380, 60});                // picture, beside the English text
    click(*rules, centreOf(rules->Метка3));  // web link
    click(*rules, centreOf(rules->Метка4));  // e-mail link
    press(*rules, Qt::Key_Escape);
    QTest::qWait(0);
    ASSERT_TRUE(rules->isVisible());
    EXPECT_EQ(urls.opened.size(), 2);

    QPointer<QWidget> closed = rules;
    click(*rules, centreOf(rules->Комманда1));
    EXPECT_TRUE(unloaded(closed));
    // Enter presses the button, which holds the focus.
    closed = openRules();
    press(*closed, Qt::Key_Return);
    EXPECT_TRUE(unloaded(closed));
}

TEST_F(RulesWindow, LinksLightUpUntilThePointerCrossesAResetSource) {
    form.Param.setText(u"eng"_qs);
    Форма1* rules = openRules();
    moveOver(*rules, centreOf(rules->Метка3));
    moveOver(*rules, centreOf(rules->Метка4));
    EXPECT_EQ(textColour(rules->Метка3), kYellow);
    EXPECT_EQ(textColour(rules->Метка4), kGreen);
    EXPECT_EQ(rules->Метка3.cursor().hotSpot(), QPoint(12, 1));

    moveOver(*rules, {380, 60});  // the picture leaves them lit
    EXPECT_EQ(textColour(rules->Метка3), kYellow);

    // The gap between the links lies over the rules text.
    moveOver(*rules, {rules->Метка4.x() + 5, rules->Метка4.y() - 1});
    EXPECT_EQ(textColour(rules->Метка3), kWhite);
    EXPECT_EQ(textColour(rules->Метка4), kWhite);

    moveOver(*rules, centreOf(rules->Метка4));
    moveOver(*rules, centreOf(rules->Комманда1));
    EXPECT_EQ(textColour(rules->Метка4), kWhite);
}
