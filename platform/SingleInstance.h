#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "PrivateFolder.h"
#include "UserText.h"

// One running program per user and session. The first start listens on a
// local socket; a later start finds it, hands the running program its request
// (show the window, or say the time), waits for its answer and is told to end,
// before it has said or stored anything.
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

    // What a later start asks of the running program.
    enum class Request { Show, SayTime };
    enum class Claim {
        Running,     // this process is now the running program
        HandedOver,  // another one runs and took the request: end this one
        Declined,    // another one runs but cannot do what was asked: end this one
        Failed,      // neither could be made sure of: problem() says why
    };
    // Starts that race each other are taken one at a time, so exactly one wins;
    // a socket left behind by a killed program is taken over. Only a start that
    // does not become the running program hands `request` over.
    Claim claim(Request request = Request::Show);
    const std::optional<UserText>& problem() const { return problem_; }

    QString socketPath() const { return socketPath_; }
    // The lock a start holds from looking for the running program to listening.
    QString lockPath() const { return socketPath_ + QStringLiteral(".lock"); }

    // Says the time when another start asks for it; false when it cannot, which
    // that start is told. Without one, every such request is declined.
    void onSayTime(std::function<bool()> sayTime) { sayTime_ = std::move(sayTime); }

  signals:
    // Another start asked this program to show itself.
    void showRequested();

  private:
    explicit SingleInstance(const PrivateFolder& folder);
    enum class Answer { None, Taken, Declined, Silent, Stranger };
    Answer handOver(Request request);
    bool listen();
    void readRequest();

    QString socketPath_;
    QLocalServer server_;
    std::optional<UserText> problem_;
    std::function<bool()> sayTime_;
};
