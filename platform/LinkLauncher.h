#pragma once

#include <QUrl>

// Hands an address to the program the desktop associates with it (web browser,
// mail program), without waiting for that program.
class LinkLauncher {
  public:
    virtual ~LinkLauncher() = default;
    // False when the desktop has no program for the address.
    virtual bool open(const QUrl& url) = 0;
};

// The desktop's own association, through Qt: no shell and no command line is
// involved, so nothing in the address is ever interpreted as a command.
class DesktopLinkLauncher final : public LinkLauncher {
  public:
    bool open(const QUrl& url) override;
};
