#include <QSignalBlocker>

#include "Accessibility.h"
#include "Form1.h"
#include "UserText.h"

// The state labels and the default button are there for the program alone;
// the blinking pictures only repeat, for the eye, that the clock is alive.
void Form1::shapeForAssistiveTechnology() {
    for (QWidget* unseen : std::initializer_list<QWidget*>{
             &SlogoC, &ParamP, &Param, &Время, &Комманда2, &Изображение1, &Изображение2})
        hideFromAssistiveTechnology(*unseen);
    setAccessibleRole(Комбо1, QAccessible::ComboBox);
    keepChangesQuiet(VBTime);
}

void Form1::nameForAssistiveTechnology(const QString& code) {
    const auto name = [&code](QWidget& control, const UserText& name) {
        control.setAccessibleName(name.in(code));
    };
    const auto describe = [&code](QWidget& control, const UserText& description) {
        control.setAccessibleDescription(description.in(code));
    };
    name(Рамка3, {u"Logo"_qs, u"Логотип"_qs});
    name(TalkPict, {u"Horalo, the talking clock: click for the clock face"_qs,
                    u"Хорало, говорящие часы: щелчок показывает циферблат"_qs});
    name(Рамка2, {u"Clock face"_qs, u"Циферблат"_qs});
    describe(Рамка2, {u"Back to logo"_qs, u"Назад к логотипу"_qs});
    // The interval box is named by the caption of its frame, as a sighted user reads it.
    name(Рамка1, {u"Interval"_qs, u"Интервал"_qs});
    describe(Рамка1,
             {u"How often the voice says the time"_qs,
              u"Устанавливает, через какой интервал времени голос будет произносить время"_qs});
    name(Комбо1, {u"Interval"_qs, u"Интервал"_qs});
    describe(Комбо1, {u"Choose 15, 30 or 60 minutes from the list; typed values are not used"_qs,
                      u"Значения не прописывать: выберите 15, 30 или 60 минут из списка"_qs});
    // The entries stay as they are written; a screen reader says them in the interface language.
    const UserText entries[] = {{u"15 minutes"_qs, u"15 минут"_qs},
                                {u"30 minutes"_qs, u"30 минут"_qs},
                                {u"60 minutes"_qs, u"60 минут"_qs}};
    // Any change of an entry would put the entry back into the box, over what the user typed.
    const QSignalBlocker quiet(Комбо1.model());
    for (int entry = 0; entry < Комбо1.count(); ++entry)
        Комбо1.setItemData(entry, entries[entry].in(code), Qt::AccessibleTextRole);
}
