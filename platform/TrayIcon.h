#pragma once

#include <QIcon>
#include <QString>
#include <functional>

// The program's one icon in the desktop's notification area.
class TrayIcon {
  public:
    enum class Click { Left, Double, Right, Middle };

    virtual ~TrayIcon() = default;

    virtual void add(const QIcon& icon, const QString& tip) = 0;
    virtual void remove() = 0;
    // Whether the desktop has a notification area right now. One can appear
    // later (a panel that starts after the program); an added icon then shows
    // up in it by itself.
    virtual bool isAvailable() const = 0;

    // Receives every click on the icon.
    std::function<void(Click)> onClick;
};
