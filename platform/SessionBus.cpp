#include "SessionBus.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

void useNoSessionBusUnlessOffered() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return;
    // The user's bus, which both libraries find there themselves.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus"))))
        return;
    // An address of no transport: a connection fails at once, with no launch.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
