#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <optional>

#include "PrivateFolder.h"
#include "UserText.h"

// One running program per user and session. The first start listens on a
// local socket; a later start finds it, asks the running program to show
// itself, waits for its answer and is told to end, before it has said or
// stored anything.
//
// The socket and its lock lie in a folder private to the user (PrivateFolder),
// so no other account can listen in the program's place or block it; a socket
// that answers from another account is not taken for the program either.
// The socket is named after the session: the display (platform, Wayland and
// X11 display names) and the settings folder. Two programs that would speak on
// the same desktop from the same settings are one too many; a test with
// settings of its own is a session of its own.
class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    // `folder` holds the socket and its lock; `key` names the session.
    SingleInstance(const QString& folder, const QString& key);
    // The user's private runtime folder and this session's key.
    SingleInstance();
    ~SingleInstance() override;

    enum class Claim {
        Running,     // this process is now the running program
        HandedOver,  // another one runs and was asked to show itself: end this one
        Failed,      // neither could be made sure of: problem() says why
    };
    // Starts that race each other are taken one at a time, so exactly one wins;
    // a socket left behind by a killed program is taken over.
    Claim claim();
    const std::optional<UserText>& problem() const { return problem_; }

    QString socketPath() const { return socketPath_; }
    // The lock a start holds from looking for the running program to listening.
    QString lockPath() const { return socketPath_ + QStringLiteral(".lock"); }

  signals:
    // Another start asked this program to show itself.
    void showRequested();

  private:
    explicit SingleInstance(const PrivateFolder& folder);
    enum class Answer { None, Shown, Silent, Stranger };
    Answer handOver();
    bool listen();
    void readRequest();

    QString socketPath_;
    QLocalServer server_;
    std::optional<UserText> problem_;
};
