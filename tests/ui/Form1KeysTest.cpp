#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "Form1Fixture.h"

class Form1Keys : public Form1Test {
  protected:
    void SetUp() override {
        form.RestoreFromTray();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QLineEdit& comboText() { return *form.Комбо1.lineEdit(); }
};

TEST_F(Form1Keys, EnterInTheComboBoxGoesToTheDefaultButtonAndChangesNothing) {
    QSignalSpy defaultButton(&form.Комманда2, &QPushButton::clicked);
    comboText().setText(u"45 минут"_qs);
    QTest::keyClick(&comboText(), Qt::Key_Return);
    QTest::keyClick(&comboText(), Qt::Key_Enter);
    EXPECT_EQ(defaultButton.count(), 2);
    EXPECT_EQ(form.Комбо1.currentText(), u"45 минут");
    EXPECT_EQ(form.Комбо1.count(), 3);  // typed text never joins the list
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(log.calls().isEmpty());
}

TEST_F(Form1Keys, EnterOnAFocusedButtonPressesThatButton) {
    form.Param.setText(u"eng"_qs);
    QSignalSpy defaultButton(&form.Комманда2, &QPushButton::clicked);
    form.Комманда1.setFocus();
    QTest::keyClick(&form.Комманда1, Qt::Key_Return);
    EXPECT_EQ(log.calls(), QStringList{u"Eng"_qs});
    EXPECT_EQ(defaultButton.count(), 0);
}

TEST_F(Form1Keys, EscapeAnywhereIsExit) {
    QSignalSpy exitButton(&form.Комманда3, &QPushButton::clicked);
    QTest::keyClick(&comboText(), Qt::Key_Escape);
    EXPECT_EQ(exitButton.count(), 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Form1Keys, EscapeOnAnotherButtonIsExitToo) {
    QSignalSpy exitButton(&form.Комманда3, &QPushButton::clicked);
    form.Комманда1.setFocus();
    QTest::keyClick(&form.Комманда1, Qt::Key_Escape);
    EXPECT_EQ(exitButton.count(), 1);
}

TEST_F(Form1Keys, EachShortcutReachesItsMenuItem) {
    const std::pair<QAction*, QKeyCombination> items[] = {
        {&form.slogo, Qt::CTRL | Qt::Key_L},
        {&form.options, Qt::Key_F3},
        {&form.saytime, Qt::CTRL | Qt::Key_S},
        {&form.eng, Qt::Key_F5},
        {&form.rus, Qt::Key_F6},
        {&form.pravila, Qt::Key_F1},
        {&form.about, Qt::Key_F2},
        {&form.esc, Qt::CTRL | Qt::Key_Q},
    };
    for (const auto& [item, keys] : items) {
        QSignalSpy triggered(item, &QAction::triggered);
        QTest::keyClick(&comboText(), keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << qPrintable(item->objectName());
    }
    EXPECT_FALSE(form.isVisible());  // Ctrl+Q came last and closed the window
}

// The invisible default button is no stop: it would hold the focus unseen.
TEST_F(Form1Keys, TabGoesFromTheComboBoxThroughTheVisibleButtons) {
    EXPECT_TRUE(form.Комбо1.hasFocus());
    QWidget* expected[] = {&form.Комманда1, &form.Комманда3, &form.Комбо1};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(next->hasFocus()) << qPrintable(next->objectName());
    }
}

TEST_F(Form1Keys, ComboBoxTakesClicksAboveItsFrame) {
    const QPoint middle = form.Комбо1.geometry().center();
    QWidget* hit = form.client.childAt(middle);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == &form.Комбо1 || form.Комбо1.isAncestorOf(hit));
    QTest::mouseClick(hit, Qt::LeftButton);
    EXPECT_TRUE(form.Комбо1.hasFocus());
}

TEST_F(Form1Keys, StateLabelsAreNeverSeen) {
    for (QLabel* label : {&form.Param, &form.ParamP, &form.SlogoC, &form.Время})
        EXPECT_TRUE(label->visibleRegion().isEmpty()) << qPrintable(label->objectName());
    EXPECT_FALSE(form.Param.isVisible());
    EXPECT_FALSE(form.Время.isVisible());
    EXPECT_EQ(form.ParamP.text(), u"logo");
    EXPECT_EQ(form.SlogoC.text(), u"yes");
    EXPECT_EQ(form.Param.text(), u"eng");
}
