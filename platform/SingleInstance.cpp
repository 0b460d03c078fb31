#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {

constexpr char kShowRequest[] = "show\n";
// A running program accepts at once, even while it speaks: the system queues
// the connection. Only a vanished one makes a start wait, and not for long.
constexpr int kConnectTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 10000;

QString sessionKey() {
    const QString settings =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QStringList{qEnvironmentVariable("QT_QPA_PLATFORM"),
                       qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY"),
                       settings}
        .join(u'\n');
}

// A short name: socket paths are limited to about a hundred bytes.
QString socketName(const QString& key) {
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("horalo-%1.socket").arg(QString::fromLatin1(hash.toHex().left(16)));
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& key)
    : socketPath_(QDir(folder).filePath(socketName(key))) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
}

SingleInstance::SingleInstance()
    : SingleInstance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                     sessionKey()) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim() {
    // The lock makes racing starts take turns between looking and listening;
    // the system lets it go when its holder dies.
    QLockFile lock(lockPath());
    lock.tryLock(kLockTimeoutMs);
    if (handOver()) return false;
    listen();
    return true;
}

bool SingleInstance::handOver() {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen() {
    // Nobody answers: whatever socket file is there was left by a killed program.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_))
        qWarning("horalo: cannot listen on %s (%s); a second start will not find this one",
                 qUtf8Printable(socketPath_), qUtf8Printable(server_.errorString()));
}

void SingleInstance::readRequest() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        const auto serve = [this, socket] {
            if (socket->canReadLine() && socket->readLine() == kShowRequest) emit showRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, serve);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        serve();
    }
}
