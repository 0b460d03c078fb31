#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

namespace {

constexpr char kRole[] = "horaloAccessibleRole";
constexpr char kHidden[] = "horaloAccessibleHidden";
constexpr char kQuiet[] = "horaloAccessibleQuiet";
constexpr char kCheckItemOf[] = "horaloAccessibleCheckItemOf";
constexpr char kSpokenValue[] = "horaloAccessibleSpokenValue";

bool flagged(const QObject& object, const char* property) {
    return object.property(property).toBool();
}

bool hidden(const QObject& object) {
    return flagged(object, kHidden);
}

// The children assistive technology reaches, in the order Qt itself lists them;
// a combo box first offers its list, which opens as a window of its own.
QList<QWidget*> reachableChildren(const QWidget& widget) {
    QList<QWidget*> children;
    if (const auto* box = qobject_cast<const QComboBox*>(&widget))
        children.append(static_cast<QWidget*>(box->view()));
    for (QObject* child : widget.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow() && !hidden(*control)) children.append(control);
    }
    return children;
}

QAccessible::Role roleOf(const QWidget& widget) {
    const QVariant role = widget.property(kRole);
    if (role.isValid()) return QAccessible::Role(role.toInt());
    if (qobject_cast<const QLabel*>(&widget)) return QAccessible::StaticText;
    if (qobject_cast<const QGroupBox*>(&widget)) return QAccessible::Grouping;
    return QAccessible::Client;
}

// An entry of the list is read as its list reads it, in words of its own where
// it has them; a text that is none of the entries is read as it stands.
QString valueOf(const QComboBox& box) {
    const QString text = box.currentText();
    const int entry = box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QString spoken =
        entry < 0 ? QString() : box.itemData(entry, Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? text : spoken;
}

// What Qt would say, with the program's role and its own list of children. A
// combo box is named by its accessible name on every platform, as other
// controls are (Qt on Linux names it by the text it holds); that text is its value.
class ShapedInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ShapedInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && box())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A choice box's value, read only, as the text a screen reader reads.
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return int(value().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

    QAccessible::Role role() const override { return roleOf(*widget()); }

    int childCount() const override { return int(reachableChildren(*widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = reachableChildren(*widget());
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return int(reachableChildren(*widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && flagged(*widget(), kQuiet))
            if (const auto* label = qobject_cast<const QLabel*>(widget())) return label->text();
        if (kind == QAccessible::Value && box()) return value();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        if (role() == QAccessible::Link) return {pressAction()};
        return QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (role() == QAccessible::Link && name == pressAction())
            click(*widget());
        else
            QAccessibleWidget::doAction(name);
    }

  private:
    const QComboBox* box() const {
        return role() == QAccessible::ComboBox ? qobject_cast<const QComboBox*>(widget()) : nullptr;
    }
    QString value() const { return box() ? valueOf(*box()) : QString(); }

    // The same press and release a pointer gives, in the middle of the control.
    static void click(QWidget& control) {
        const QPointF middle = QRectF(control.rect()).center();
        const QPointF global = control.mapToGlobal(middle);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent event(type, middle, global, Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(&control, &event);
        }
    }
};

// A checkable menu item as a check box: the platform bridge tells checked and
// unchecked apart for a check box, and would say nothing of an unchecked item.
class CheckItemInterface : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CheckItemInterface(QAction* item, QMenu* menu) : item_(item), menu_(menu) {}

    bool isValid() const override { return item_ && menu_; }
    QObject* object() const override { return item_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return QString(item_->text()).remove(u'&');
        if (kind == QAccessible::Accelerator)
            return item_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect place = menu_->actionGeometry(item_);
        return {menu_->mapToGlobal(place.topLeft()), place.size()};
    }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.checkable = true;
        state.checked = item_->isChecked();
        state.focusable = true;
        state.focused = menu_->activeAction() == item_;
        state.invisible = !menu_->isVisible();
        state.disabled = !item_->isEnabled();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() || name == toggleAction()) item_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QAction> item_;
    QPointer<QMenu> menu_;
};

// A control that is not there for assistive technology: the platform bridge
// drops every event whose control has no valid interface.
class AbsentInterface : public QAccessibleObject {
  public:
    explicit AbsentInterface(QObject* object) : QAccessibleObject(object) {}

    bool isValid() const override { return false; }
    QAccessibleInterface* parent() const override { return nullptr; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

// Plain containers may hold hidden controls, added at any time: they always
// list their children through the program.
bool container(const QString& className) {
    return className == u"QWidget" || className == u"QGroupBox";
}

QAccessibleInterface* shapedControls(const QString& className, QObject* object) {
    if (auto* item = qobject_cast<QAction*>(object))
        if (auto* menu = qobject_cast<QMenu*>(item->property(kCheckItemOf).value<QObject*>()))
            return new CheckItemInterface(item, menu);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (hidden(*widget)) return new AbsentInterface(widget);
    if (widget->property(kRole).isValid() || flagged(*widget, kQuiet) || container(className))
        return new ShapedInterface(widget);
    return nullptr;
}

// Qt asks the factory installed last first, and keeps the interface it gets
// for the life of the control: a control is marked before it is first shown,
// given a text or put on its parent, all of which ask for its interface.
void mark(QObject& object, const char* property, const QVariant& value) {
    static const bool installed = (QAccessible::installFactory(shapedControls), true);
    Q_UNUSED(installed);
    object.setProperty(property, value);
}

}  // namespace

void setAccessibleRole(QWidget& widget, QAccessible::Role role) {
    mark(widget, kRole, int(role));
}

void hideFromAssistiveTechnology(QWidget& widget) {
    mark(widget, kHidden, true);
}

void keepChangesQuiet(QWidget& widget) {
    mark(widget, kQuiet, true);
    // A label tells of a new text only while it has a name of its own; that
    // name is never read, the text is.
    widget.setAccessibleName(QStringLiteral("live text"));
}

void presentAsOneChoice(QComboBox& box) {
    if (QLineEdit* editor = box.lineEdit()) hideFromAssistiveTechnology(*editor);
    box.setProperty(kSpokenValue, valueOf(box));
    // Told as the text it holds, a screen reader reads the new value of the
    // box that has its focus.
    const auto tell = [&box] {
        const QString before = box.property(kSpokenValue).toString();
        const QString now = valueOf(box);
        if (now == before) return;
        box.setProperty(kSpokenValue, now);
        QAccessibleTextUpdateEvent event(&box, 0, before, now);
        QAccessible::updateAccessibility(&event);
    };
    QObject::connect(&box, &QComboBox::currentTextChanged, &box, tell);
}

void presentCheckItems(QMenu& menu) {
    for (QAction* item : menu.actions()) {
        if (!item->isCheckable()) continue;
        mark(*item, kCheckItemOf, QVariant::fromValue<QObject*>(&menu));
        QObject::connect(item, &QAction::toggled, item, [item] {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(item, changed);
            QAccessible::updateAccessibility(&event);
        });
    }
}
