#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QActionEvent>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>

namespace {

constexpr char kRole[] = "horaloAccessibleRole";
constexpr char kHidden[] = "horaloAccessibleHidden";
constexpr char kQuiet[] = "horaloAccessibleQuiet";
constexpr char kShapedMenu[] = "horaloAccessibleMenu";
constexpr char kSpokenValue[] = "horaloAccessibleSpokenValue";
constexpr char kEditorStandIn[] = "horaloAccessibleEditor";

bool flagged(const QObject& object, const char* property) {
    return object.property(property).toBool();
}

bool hidden(const QObject& object) {
    return flagged(object, kHidden);
}

// What a screen reader takes for the editor of a choice box (see presentAsOneChoice).
QObject* editorStandIn(const QWidget& widget) {
    for (QObject* child : widget.children())
        if (flagged(*child, kEditorStandIn)) return child;
    return nullptr;
}

// The children assistive technology reaches, in the order Qt itself lists them;
// a combo box first offers its list, which opens as a window of its own, and
// the stand-in for its editor.
QList<QObject*> reachableChildren(const QWidget& widget) {
    QList<QObject*> children;
    if (const auto* box = qobject_cast<const QComboBox*>(&widget)) {
        children.append(box->view());
        if (QObject* editor = editorStandIn(widget)) children.append(editor);
    }
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
class ShapedInterface : public QAccessibleWidget {
  public:
    explicit ShapedInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override { return roleOf(*widget()); }

    int childCount() const override { return int(reachableChildren(*widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> children = reachableChildren(*widget());
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return int(reachableChildren(*widget()).indexOf(child->object()));
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && flagged(*widget(), kQuiet))
            if (const auto* label = qobject_cast<const QLabel*>(widget())) return label->text();
        if (kind == QAccessible::Value && role() == QAccessible::ComboBox)
            if (const auto* box = qobject_cast<const QComboBox*>(widget())) return valueOf(*box);
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

// An element of the tree with nothing below it, whose texts are only read.
class LeafInterface : public QAccessibleInterface {
  public:
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
};

// The editor of a choice box as a screen reader reads it: an editable text
// that holds the box's value, in words of the list's own. A screen reader
// reads the new text of a combo box's editor as the arrow keys change it.
class ChoiceEditorInterface : public LeafInterface, public QAccessibleTextInterface {
  public:
    ChoiceEditorInterface(QObject* standIn, QComboBox* box) : standIn_(standIn), box_(box) {}

    bool isValid() const override { return standIn_ && box_; }
    QObject* object() const override { return standIn_; }
    QWindow* window() const override { return box_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(box_);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return box_->accessibleName();
        if (kind == QAccessible::Description) return box_->accessibleDescription();
        if (kind == QAccessible::Value) return value();
        return {};
    }
    QRect rect() const override {
        const QWidget* editor = box_->lineEdit();
        return editor ? QRect(editor->mapToGlobal(QPoint(0, 0)), editor->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::EditableText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.editable = true;
        state.focusable = true;
        state.focused = box_->hasFocus();
        state.invisible = !box_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : nullptr;
    }

    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return int(value().size()); }
    int cursorPosition() const override { return characterCount(); }
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

  private:
    QString value() const { return valueOf(*box_); }

    QPointer<QObject> standIn_;
    QPointer<QComboBox> box_;
};

// An item of a menu as Qt presents it, but a checkable one as a check box: the
// platform bridge tells checked and unchecked apart for a check box, and says
// nothing of an unchecked menu item.
class MenuItemInterface : public LeafInterface, public QAccessibleActionInterface {
  public:
    MenuItemInterface(QAction* item, QMenu* menu) : item_(item), menu_(menu) {}

    bool isValid() const override { return item_ && menu_; }
    QObject* object() const override { return item_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return QString(item_->text()).remove(u'&');
        if (kind == QAccessible::Accelerator)
            return item_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    QRect rect() const override {
        const QRect place = menu_->actionGeometry(item_);
        return {menu_->mapToGlobal(place.topLeft()), place.size()};
    }
    QAccessible::Role role() const override {
        if (item_->isSeparator()) return QAccessible::Separator;
        return item_->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.checkable = item_->isCheckable();
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

    QStringList actionNames() const override {
        if (item_->isCheckable()) return {pressAction(), toggleAction()};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() || name == toggleAction()) item_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QAction> item_;
    QPointer<QMenu> menu_;
};

// A menu whose items are MenuItemInterface, found by their place in it
// whatever their role; Qt's own finds a menu item only.
class MenuInterface : public QAccessibleWidget {
  public:
    explicit MenuInterface(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    int childCount() const override { return int(menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAction*> items = menu()->actions();
        if (index < 0 || index >= items.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(items.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return int(menu()->actions().indexOf(qobject_cast<QAction*>(child->object())));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAction* item = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
        return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
    }
    // The menu bar's title that opens it, as for Qt's own menus.
    QAccessibleInterface* parent() const override {
        QAction* title = menu()->menuAction();
        for (QObject* owner : title->associatedObjects())
            if (auto* bar = qobject_cast<QMenuBar*>(owner))
                if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bar))
                    return face->child(int(bar->actions().indexOf(title)));
        return QAccessibleWidget::parent();
    }

  private:
    QMenu* menu() const { return static_cast<QMenu*>(widget()); }
};

// A change of a check mark is told at once, whether the menu is open or not.
class MarkTeller : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ActionAdded) {
            QAction* item = static_cast<QActionEvent*>(event)->action();
            connect(item, &QAction::toggled, item, [item] {
                QAccessible::State changed;
                changed.checked = true;
                QAccessibleStateChangeEvent told(item, changed);
                QAccessible::updateAccessibility(&told);
            });
        }
        return false;
    }
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
    if (object && flagged(*object, kEditorStandIn))
        if (auto* box = qobject_cast<QComboBox*>(object->parent()))
            return new ChoiceEditorInterface(object, box);
    if (auto* item = qobject_cast<QAction*>(object))
        for (QObject* owner : item->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(owner); menu && flagged(*menu, kShapedMenu))
                return new MenuItemInterface(item, menu);
    if (auto* menu = qobject_cast<QMenu*>(object); menu && flagged(*menu, kShapedMenu))
        return new MenuInterface(menu);
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
    if (QLineEdit* editor = box.lineEdit()) {
        hideFromAssistiveTechnology(*editor);
        // Qt may have met the editor as the box made it; it is met anew, as absent,
        // or its texts would still be told.
        QAccessibleInterface* met = QAccessible::queryAccessibleInterface(editor);
        if (met && met->isValid())
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(met));
    }
    auto* standIn = new QObject(&box);
    mark(*standIn, kEditorStandIn, true);
    box.setProperty(kSpokenValue, valueOf(box));
    const auto tell = [&box, standIn] {
        const QString before = box.property(kSpokenValue).toString();
        const QString now = valueOf(box);
        if (now == before) return;
        box.setProperty(kSpokenValue, now);
        QAccessibleTextUpdateEvent event(standIn, 0, before, now);
        QAccessible::updateAccessibility(&event);
    };
    QObject::connect(&box, &QComboBox::currentTextChanged, &box, tell);
}

void presentMenu(QMenu& menu) {
    mark(menu, kShapedMenu, true);
    menu.installEventFilter(new MarkTeller(&menu));
}
