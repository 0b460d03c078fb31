#include "windows/ControlEvents.h"

#include <QMouseEvent>

namespace {

class ControlEvents : public QObject {
  public:
    explicit ControlEvents(QWidget& control) : QObject(&control) {
        setObjectName(kName);
        control.installEventFilter(this);
    }

    // One filter per control holds all its handlers.
    static ControlEvents& of(QWidget& control) {
        auto* events = control.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
        return events ? static_cast<ControlEvents&>(*events) : *new ControlEvents(control);
    }

    std::function<void()> click;
    std::function<void()> move;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseMove:
                return run(move);
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (click) pressed_ = leftButton(event);
                return bool(click);
            case QEvent::MouseButtonRelease: {
                const bool clicked = pressed_ && leftButton(event) && over(watched, event);
                pressed_ = false;
                if (click && clicked) click();
                return bool(click);
            }
            default:
                return false;
        }
    }

  private:
    static constexpr QLatin1String kName{"controlEvents"};

    static bool run(const std::function<void()>& handler) {
        if (handler) handler();
        return bool(handler);
    }
    static bool leftButton(QEvent* event) {
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    }
    static bool over(QObject* watched, QEvent* event) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        return static_cast<QWidget*>(watched)->rect().contains(at.toPoint());
    }

    bool pressed_ = false;
};

}  // namespace

void onClick(QWidget& control, std::function<void()> handler) {
    ControlEvents::of(control).click = std::move(handler);
}

void onPointerMove(QWidget& control, std::function<void()> handler) {
    control.setMouseTracking(true);
    ControlEvents::of(control).move = std::move(handler);
}
