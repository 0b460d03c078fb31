#include "platform/LinkLauncher.h"

#include <QDesktopServices>

bool DesktopLinkLauncher::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
