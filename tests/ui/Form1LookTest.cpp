#include "Form1Fixture.h"

using Form1Look = Form1Test;

TEST_F(Form1Look, ArtworkIsThereAtItsSizes) {
    EXPECT_EQ(form.TalkPict.pixmap().size(), QSize(109, 48));
    EXPECT_EQ(form.Изображение1.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(form.Изображение2.pixmap().size(), QSize(32, 32));
    EXPECT_TRUE(form.windowIcon().availableSizes().contains(QSize(32, 32)));
    EXPECT_NE(form.Изображение1.pixmap().toImage(), form.Изображение2.pixmap().toImage());
}

TEST_F(Form1Look, ShowLogoTogglesItsMarkAndTheFlag) {
    form.slogo.trigger();
    EXPECT_FALSE(form.slogo.isChecked());
    EXPECT_EQ(form.SlogoC.text(), u"no");
    form.slogo.trigger();
    EXPECT_TRUE(form.slogo.isChecked());
    EXPECT_EQ(form.SlogoC.text(), u"yes");
}

TEST_F(Form1Look, ShowLogoFollowsTheMarkNotTheFlagsText) {
    form.slogo.setChecked(false);
    form.SlogoC.setText(QString());
    form.slogo.trigger();
    EXPECT_TRUE(form.slogo.isChecked());
    EXPECT_EQ(form.SlogoC.text(), u"yes");
}

TEST_F(Form1Look, AnimationShowsOnePictureAtATimeFromTheFirstSecondOn) {
    EXPECT_FALSE(form.Изображение1.isHidden());
    EXPECT_FALSE(form.Изображение2.isHidden());
    for (int second = 1; second <= 4; ++second) {
        passAt(QTime(10, 0, second));
        const bool rightShown = second % 2 == 1;
        EXPECT_EQ(form.Изображение2.isHidden(), !rightShown) << second;
        EXPECT_EQ(form.Изображение1.isHidden(), rightShown) << second;
        EXPECT_NE(form.Часы2.isEnabled(), form.Часы3.isEnabled());
    }
}
