#pragma once

#include <QSystemTrayIcon>
#include <optional>

#include "platform/TrayIcon.h"

// The notification-area icon of the desktop the program runs on.
class SystemTrayIcon final : public TrayIcon {
  public:
    SystemTrayIcon();

    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;
    bool isAvailable() const override;

  private:
    QSystemTrayIcon icon_;
};
