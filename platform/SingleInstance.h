#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One running program per user and session. The first start listens on a
// local socket; a later start finds it, asks the running program to show
// itself and is told to end, before it has said or stored anything.
//
// The socket lies in the user's runtime folder, named after the session: the
// display (platform, Wayland and X11 display names) and the settings folder. Two programs that
// would speak on the same desktop from the same settings are one too many; a test with settings of
// its own is a session of its own.
class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    // `folder` holds the socket and its lock; `key` names the session.
    SingleInstance(const QString& folder, const QString& key);
    // The user's runtime folder and this session's key.
    SingleInstance();
    ~SingleInstance() override;

    // True when this process is now the running program. False when another
    // one runs: it has been asked to show itself, and this process should end.
    // Starts that race each other are taken one at a time, so exactly one wins;
    // a socket left behind by a killed program is taken over.
    bool claim();

    QString socketPath() const { return socketPath_; }
    // The lock a start holds from looking for the running program to listening.
    QString lockPath() const { return socketPath_ + QStringLiteral(".lock"); }

  signals:
    // Another start asked this program to show itself.
    void showRequested();

  private:
    bool handOver();
    void listen();
    void readRequest();

    QString socketPath_;
    QLocalServer server_;
};
