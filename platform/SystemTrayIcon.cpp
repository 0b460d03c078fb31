#include "platform/SystemTrayIcon.h"

namespace {

std::optional<TrayIcon::Click> clickOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return TrayIcon::Click::Left;
        case QSystemTrayIcon::DoubleClick:
            return TrayIcon::Click::Double;
        case QSystemTrayIcon::Context:
            return TrayIcon::Click::Right;
        case QSystemTrayIcon::MiddleClick:
            return TrayIcon::Click::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace

SystemTrayIcon::SystemTrayIcon() {
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         const auto click = clickOf(reason);
                         if (click && onClick) onClick(*click);
                     });
}

void SystemTrayIcon::add(const QIcon& icon, const QString& tip) {
    icon_.setIcon(icon);
    icon_.setToolTip(tip);
    icon_.show();
}

void SystemTrayIcon::remove() {
    icon_.hide();
}

bool SystemTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}
