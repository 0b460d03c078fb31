#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include "OwnerlessLock.h"

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// One line each way: the request, then the running program's answer once it
// has done what was asked.
constexpr char kShowRequest[] = "show\n";
constexpr char kShownAnswer[] = "shown\n";
constexpr char kSayTimeRequest[] = "say-time\n";
constexpr char kSaidAnswer[] = "said\n";
constexpr char kDeclinedAnswer[] = "declined\n";
// A running program accepts at once: the system queues the connection. Only a
// vanished one makes a start wait, and not for long.
constexpr int kConnectTimeoutMs = 1000;
// A running program answers as soon as its thread is free; one that stays
// silent this long hangs, and a start neither waits for it nor runs beside it.
constexpr int kAnswerTimeoutMs = 10000;
constexpr int kLockTimeoutMs = 10000;

// The X display that DISPLAY names, spelt one way: this machine's own socket
// ("unix:0" or ":0") without a host, and no screen (":0.1" is on the same
// desktop as ":0").
QString xDisplay(const QString& display) {
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon < 0) return display;
    const QString host = display.left(colon);
    const QString number = display.mid(colon + 1);
    return (host == u"unix" ? QString() : host) + u':' + number.left(number.indexOf(u'.'));
}

// The Wayland compositor's socket as a whole path: WAYLAND_DISPLAY names it in
// the runtime folder unless it is a path, and is wayland-0 when unset.
QString waylandSocket() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    return QDir::cleanPath(QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(name));
}

// The desktop this start shows on, by the platform Qt runs on (whatever the
// environment asked for) and that platform's display, and the user's settings
// folder: however they are spelt, one desktop and one user give one key.
QString sessionKey() {
    QString platform = QGuiApplication::platformName();
    QString display;
    if (platform == u"xcb") {
        display = xDisplay(qEnvironmentVariable("DISPLAY"));
    } else if (platform.startsWith(u"wayland")) {
        platform = QStringLiteral("wayland");
        display = waylandSocket();
    }
    const QFileInfo settings(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QString canonical = settings.canonicalFilePath();
    return QStringList{platform, display,
                       canonical.isEmpty() ? QDir::cleanPath(settings.filePath()) : canonical}
        .join(u'\n');
}

// A short name: socket paths are limited to about a hundred bytes.
QString socketName(const QString& key) {
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("horalo-%1.socket").arg(QString::fromLatin1(hash.toHex().left(16)));
}

// Whether the program at the other end runs under this user's account.
bool peerIsThisUser(const QLocalSocket& socket) {
#ifdef Q_OS_LINUX
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::geteuid();
#else
    Q_UNUSED(socket);
    return true;
#endif
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& key)
    : socketPath_(folder.isEmpty() ? QString() : QDir(folder).filePath(socketName(key))) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
}

SingleInstance::SingleInstance() : SingleInstance(privateRuntimeFolder()) {}

SingleInstance::SingleInstance(const PrivateFolder& folder)
    : SingleInstance(folder.path, sessionKey()) {
    problem_ = folder.problem;
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim(Request request) {
    if (socketPath_.isEmpty()) return Claim::Failed;
    // The lock makes racing starts take turns between looking and listening;
    // the system lets it go when its holder dies.
    removeOwnerlessLock(lockPath());
    QLockFile lock(lockPath());
    if (!lock.tryLock(kLockTimeoutMs)) {
        problem_ = UserText{QStringLiteral("the lock \"%1\" cannot be taken"),
                            QStringLiteral("не удаётся занять блокировку \"%1\"")}
                       .arg(lockPath());
        return Claim::Failed;
    }
    switch (handOver(request)) {
        case Answer::Taken:
            return Claim::HandedOver;
        case Answer::Declined:
            return Claim::Declined;
        case Answer::Silent:
            problem_ = {QStringLiteral("Horalo already runs here but does not answer"),
                        QStringLiteral("Хорало уже запущено, но не отвечает")};
            return Claim::Failed;
        case Answer::Stranger:
            problem_ = UserText{QStringLiteral("another user's program answers at \"%1\""),
                                QStringLiteral("по адресу \"%1\" отвечает программа другого "
                                               "пользователя")}
                           .arg(socketPath_);
            return Claim::Failed;
        case Answer::None:
            break;
    }
    return listen() ? Claim::Running : Claim::Failed;
}

SingleInstance::Answer SingleInstance::handOver(Request request) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return Answer::None;
    if (!peerIsThisUser(socket)) return Answer::Stranger;
    const bool show = request == Request::Show;
    socket.write(show ? kShowRequest : kSayTimeRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kAnswerTimeoutMs)) return Answer::Silent;
    const QByteArray answer = socket.readLine();
    if (answer == (show ? kShownAnswer : kSaidAnswer)) return Answer::Taken;
    if (!show && answer == kDeclinedAnswer) return Answer::Declined;
    return Answer::Silent;
}

bool SingleInstance::listen() {
    // Nobody answers: whatever socket file is there was left by a killed program.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(socketPath_)) return true;
    problem_ = UserText{QStringLiteral("it cannot listen at \"%1\" (%2)"),
                        QStringLiteral("не удаётся ожидать вызовов по адресу \"%1\" (%2)")}
                   .arg(socketPath_, server_.errorString());
    return false;
}

void SingleInstance::readRequest() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        const auto serve = [this, socket] {
            if (!socket->canReadLine()) return;
            const QByteArray request = socket->readLine();
            if (request == kShowRequest) {
                socket->write(kShownAnswer);
                emit showRequested();
            }
            if (request == kSayTimeRequest)
                socket->write(sayTime_ && sayTime_() ? kSaidAnswer : kDeclinedAnswer);
        };
        connect(socket, &QLocalSocket::readyRead, this, serve);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        serve();
    }
}
