#pragma once

#include "platform/TrayIcon.h"

// A notification area the test controls: whether the desktop has one, what the
// program put into it, and clicks on the icon.
class ManualTray : public TrayIcon {
  public:
    void add(const QIcon& icon, const QString& tip) override {
        shown = true;
        this->icon = icon;
        this->tip = tip;
    }
    void remove() override { shown = false; }
    bool isAvailable() const override { return available; }
    void click(Click click) { onClick(click); }

    bool available = true;
    bool shown = false;
    QIcon icon;
    QString tip;
};
