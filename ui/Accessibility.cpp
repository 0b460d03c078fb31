#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr char kRole[] = "horaloAccessibleRole";
constexpr char kHidden[] = "horaloAccessibleHidden";
constexpr char kQuiet[] = "horaloAccessibleQuiet";

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

// What Qt would say, with the program's role and its own list of children. A
// combo box is named by its accessible name on every platform, as other
// controls are (Qt on Linux names it by the text it holds); that text is its value.
class ShapedInterface : public QAccessibleWidget {
  public:
    explicit ShapedInterface(QWidget* widget) : QAccessibleWidget(widget) {}

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
        if (kind == QAccessible::Value && role() == QAccessible::ComboBox)
            if (const auto* box = qobject_cast<const QComboBox*>(widget()))
                return box->currentText();
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
void mark(QWidget& widget, const char* property, const QVariant& value) {
    static const bool installed = (QAccessible::installFactory(shapedControls), true);
    Q_UNUSED(installed);
    widget.setProperty(property, value);
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
