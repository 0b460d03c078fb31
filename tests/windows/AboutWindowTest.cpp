#include "HelpWindowsFixture.h"

using AboutWindow = HelpWindowsTest;

TEST_F(AboutWindow, ChoosesTheCreditsByTheLanguageOfItsLoad) {
    const std::pair<QString, bool> cases[] = {
        {u"eng"_qs, true}, {u"rus"_qs, false}, {u""_qs, false}, {u"Eng"_qs, false}};
    for (const auto& [code, english] : cases) {
        form.Param.setText(code);
        Form2* about = openAbout();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->Метка3.isVisible(), english) << code.toStdString();
        EXPECT_EQ(about->Метка2.isVisible(), !english) << code.toStdString();
        about->close();
        ASSERT_TRUE(unloaded(about));
    }
}

TEST_F(AboutWindow, OpensOnceAndKeepsItsLanguageUntilReloaded) {
    form.Param.setText(u"eng"_qs);
    QPointer<QWidget> first = openAbout();
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_EQ(first->pos(), QPoint(194, 39));
    EXPECT_EQ(first->size(), QSize(369, 162));
    EXPECT_EQ(static_cast<Form2*>(first.data())->Изображение1.pixmap().size(), QSize(128, 99));
    form.ApplyLanguage(u"rus"_qs);
    EXPECT_EQ(openAbout(), first);
    EXPECT_TRUE(static_cast<Form2*>(first.data())->Метка3.isVisible());

    // Closing it never ends the program, nor does it keep the program alive.
    EXPECT_FALSE(first->testAttribute(Qt::WA_QuitOnClose));
    first->close();
    ASSERT_TRUE(unloaded(first));
    Form2* second = openAbout();
    EXPECT_TRUE(second->Метка2.isVisible());
    EXPECT_FALSE(second->Метка3.isVisible());
}

TEST_F(AboutWindow, EveryClickClosesItButOnTheLinksAndThePicture) {
    form.Param.setText(u"rus"_qs);
    const std::pair<const char*, QPoint> closing[] = {
        {"background", {2, 100}}, {"banner", {10, 10}}, {"credits", {30, 100}}};
    for (const auto& [where, at] : closing) {
        QPointer<QWidget> about = openAbout();
        click(*about, at);
        EXPECT_TRUE(unloaded(about)) << where;
    }
    Form2* about = openAbout();
    click(*about, centreOf(about->Метка5));
    click(*about, centreOf(about->Метка4));
    click(*about, centreOf(about->Изображение1));
    QTest::qWait(0);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(urls.opened.size(), 2);
    QPointer<QWidget> closed = about;
    click(*about, centreOf(about->Комманда1));
    EXPECT_TRUE(unloaded(closed));
}

TEST_F(AboutWindow, EnterAndEscapeClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QPointer<QWidget> about = openAbout();
        press(*about, key);
        EXPECT_TRUE(unloaded(about)) << key;
    }
}

TEST_F(AboutWindow, LinksLightUpUntilThePointerCrossesAResetSource) {
    Form2* about = openAbout();
    const QColor designed = QApplication::palette().color(QPalette::HighlightedText);
    EXPECT_EQ(textColour(about->Метка5), designed);
    EXPECT_EQ(about->Метка5.cursor().hotSpot(), QPoint(12, 1));
    EXPECT_EQ(about->Метка4.cursor().hotSpot(), QPoint(7, 7));
    EXPECT_EQ(about->Метка4.cursor().pixmap().size(), QSize(32, 32));
    moveOver(*about, centreOf(about->Метка5));
    moveOver(*about, centreOf(about->Метка4));
    EXPECT_EQ(textColour(about->Метка5), kRed);
    EXPECT_EQ(textColour(about->Метка4), kGreen);

    // The gap between the links lies over the banner.
    moveOver(*about, {about->Метка4.x() + 5, about->Метка4.y() - 1});
    EXPECT_EQ(textColour(about->Метка5), kWhite);
    EXPECT_EQ(textColour(about->Метка4), kWhite);

    moveOver(*about, centreOf(about->Метка5));
    moveOver(*about, centreOf(about->Комманда1));
    EXPECT_EQ(textColour(about->Метка5), kRed);
    moveOver(*about, centreOf(about->Изображение1));
    EXPECT_EQ(textColour(about->Метка5), kWhite);
}
