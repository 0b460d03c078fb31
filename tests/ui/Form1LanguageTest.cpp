#include <QAccessible>
#include <QLineEdit>

#include "Form1Fixture.h"

using Form1Language = Form1Test;

namespace {

// The menu bar and buttons as a user reads them.
QStringList captions(Form1& form) {
    QStringList all{form.windowTitle(), form.Комманда1.text(), form.Комманда3.text(),
                    form.Рамка1.title()};
    for (QMenu* menu : {&form.main, &form.language, &form.help}) {
        all << menu->title();
        for (QAction* item : menu->actions())
            all << item->text() + (item->isChecked() ? u" [x]"_qs : QString());
    }
    return all;
}

}  // namespace

TEST_F(Form1Language, RussianCaptionsEverywhereAndRussianChecked) {
    form.rus.trigger();
    EXPECT_EQ(captions(form), (QStringList{
                                  u"Хорало"_qs,
                                  u"Сказать время"_qs,
                                  u"Выход"_qs,
                                  u"Интервал"_qs,
                                  u"&Программа"_qs,
                                  u"&Показывать Логотип [x]"_qs,
                                  u"&Настройки по умолчанию"_qs,
                                  u"&Сказать время"_qs,
                                  u"&Выход"_qs,
                                  u"&Язык"_qs,
                                  u"&Английский"_qs,
                                  u"&Русский [x]"_qs,
                                  u"&Помощь"_qs,
                                  u"&Правила"_qs,
                                  u"&О программе"_qs,
                              }));
    EXPECT_EQ(form.Param.text(), u"rus");
}

TEST_F(Form1Language, BackToEnglishWithoutTheDesignTitlesTrailingBlank) {
    const QStringList design = captions(form);
    form.rus.trigger();
    form.eng.trigger();
    QStringList expected = design;
    expected[0] = u"Horalo"_qs;
    EXPECT_EQ(captions(form), expected);
    EXPECT_EQ(form.Param.text(), u"eng");
}

TEST_F(Form1Language, SwitchingTouchesNeitherTipsNorIntervalNorStore) {
    form.Комбо1.setEditText(u"30 минут"_qs);
    const QStringList tips{form.Рамка1.toolTip(), form.Рамка2.toolTip(), form.Комбо1.toolTip()};
    for (int i = 0; i < 2; ++i) {
        form.rus.trigger();
        form.eng.trigger();
    }
    form.eng.trigger();  // the language already in force: stays checked
    EXPECT_TRUE(form.eng.isChecked());
    EXPECT_FALSE(form.rus.isChecked());
    EXPECT_EQ(QStringList({form.Рамка1.toolTip(), form.Рамка2.toolTip(), form.Комбо1.toolTip()}),
              tips);
    EXPECT_EQ(form.Комбо1.currentText(), u"30 минут");
    EXPECT_EQ(form.Комбо1.count(), 3);
    EXPECT_EQ(stored(u"Language"_qs), u"<absent>");
    EXPECT_EQ(stored(u"Interval"_qs), u"<absent>");
}

TEST_F(Form1Language, AnnouncementsFollowTheNewLanguage) {
    form.Min60.setEnabled(true);
    form.rus.trigger();
    passAt(QTime(15, 0, 0));
    form.eng.trigger();
    passAt(QTime(16, 0, 0));
    EXPECT_EQ(log.calls(), (QStringList{u"Voice"_qs, u"Eng"_qs}));
}

// What a screen reader is told follows the language; the interval box is named
// by its frame's caption, whatever the platform, and its value is an entry in
// the words of its list, or a typed text as it stands.
TEST_F(Form1Language, ScreenReaderNamesFollowTheLanguage) {
    form.Комбо1.setEditText(u"20 минут"_qs);
    const auto said = [this](QWidget& control, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(&control)->text(text);
    };
    const auto entry = [this] {
        return form.Комбо1.itemData(0, Qt::AccessibleTextRole).toString();
    };
    EXPECT_EQ(said(form.Комбо1), u"Interval");
    EXPECT_EQ(entry(), u"15 minutes");
    form.rus.trigger();
    EXPECT_EQ(said(form.Комбо1), u"Интервал");
    EXPECT_EQ(said(form.Комбо1, QAccessible::Value), u"20 минут");
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(form.Комбо1.lineEdit())->isValid());
    EXPECT_EQ(entry(), u"15 минут");
    EXPECT_TRUE(said(form.TalkPict).startsWith(u"Хорало"));
    form.eng.trigger();
    EXPECT_EQ(said(form.Рамка1), u"Interval");
    EXPECT_TRUE(said(form.TalkPict).startsWith(u"Horalo"));
    EXPECT_EQ(form.Комбо1.currentText(), u"20 минут");
    form.Комбо1.setCurrentIndex(1);
    EXPECT_EQ(said(form.Комбо1, QAccessible::Value), u"30 minutes");
}
