#include <QTest>

#include "Form1Fixture.h"

class Form1Views : public Form1Test {
  protected:
    void SetUp() override {
        form.RestoreFromTray();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    bool clockView() const {
        EXPECT_NE(form.Рамка2.isHidden(), form.Рамка3.isHidden());
        return !form.Рамка2.isHidden() && form.ParamP.text() == u"ani";
    }
};

// The logo opens the clock; every part of the clock leads back, and so does
// the pointer crossing the pane's bare background, but not the pointer
// resting on the clock face or a picture.
TEST_F(Form1Views, LogoOpensTheClockAndTheClockLeadsBack) {
    QTest::mouseClick(&form.TalkPict, Qt::LeftButton);
    ASSERT_TRUE(clockView());
    QTest::mouseMove(&form.VBTime, form.VBTime.rect().center());
    QTest::mouseMove(&form.Изображение1, QPoint(10, 10));
    EXPECT_TRUE(clockView());
    for (QLabel* part : {&form.VBTime, &form.Изображение1, &form.Изображение2}) {
        part->show();
        form.ShowClockView();
        QTest::mouseClick(part, Qt::LeftButton);
        EXPECT_FALSE(clockView()) << qPrintable(part->objectName());
    }
    form.ShowClockView();
    QTest::mouseMove(&form.Рамка2, QPoint(form.Рамка2.width() / 2, form.Рамка2.height() - 4));
    EXPECT_FALSE(clockView());
    EXPECT_EQ(form.ParamP.text(), u"logo");
}
