#include "PrivateSoundServer.h"

#include <signal.h>

#include <QDir>
#include <QFile>

#include "PulseStream.h"

namespace {

constexpr int kStartTimeoutMs = 10000;

QString configuration(const QString& socket) {
    return QStringLiteral(
               "load-module module-null-sink sink_name=horalo_sink rate=%1 channels=1\n"
               "load-module module-native-protocol-unix auth-anonymous=1 socket=%2\n"
               "set-default-sink horalo_sink\n")
        .arg(PrivateSoundServer::kRate)
        .arg(socket);
}

bool answers() {
    horalo::speech::PulseStream stream;
    return stream.connect(horalo::speech::PulseStream::Clock::now() +
                          std::chrono::milliseconds(500)) == horalo::speech::SoundServer::Reachable;
}

}  // namespace

PrivateSoundServer::PrivateSoundServer() {
    if (!start()) {
        server_.kill();
        server_.waitForFinished();
    }
}

PrivateSoundServer::~PrivateSoundServer() {
    if (server_.state() == QProcess::NotRunning) return;
    stall(false);
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished();
    }
}

void PrivateSoundServer::stall(bool stalled) {
    if (server_.state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(server_.processId()), stalled ? SIGSTOP : SIGCONT);
}

bool PrivateSoundServer::start() {
    if (!dir_.isValid()) return error_ = QStringLiteral("no temporary folder"), false;
    const QDir dir(dir_.path());
    dir.mkpath(QStringLiteral("home"));
    dir.mkpath(QStringLiteral("runtime"));
    const QString socket = dir.filePath(QStringLiteral("native"));
    QFile script(dir.filePath(QStringLiteral("server.pa")));
    if (!script.open(QIODevice::WriteOnly) || script.write(configuration(socket).toUtf8()) < 0)
        return error_ = QStringLiteral("cannot write the server configuration"), false;
    script.close();

    // The server's own files stay in the temporary folder, whoever runs it.
    QProcessEnvironment serverEnvironment = QProcessEnvironment::systemEnvironment();
    serverEnvironment.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    serverEnvironment.insert(QStringLiteral("PULSE_RUNTIME_PATH"),
                             dir.filePath(QStringLiteral("runtime")));
    serverEnvironment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                             dir.filePath(QStringLiteral("runtime")));
    server_.setProcessEnvironment(serverEnvironment);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
                   QStringLiteral("--enable-memfd=no"), QStringLiteral("--log-target=stderr"),
                   QStringLiteral("--log-level=error"), QStringLiteral("-F"), script.fileName()});
    if (!server_.waitForStarted())
        return error_ = QStringLiteral("pulseaudio does not start: ") + server_.errorString(),
               false;

    environment_.set("PULSE_SERVER", ("unix:" + socket).toUtf8());
    environment_.set("PULSE_COOKIE", dir.filePath(QStringLiteral("cookie")).toUtf8());
    for (int waited = 0; waited < kStartTimeoutMs; waited += 50) {
        if (server_.state() == QProcess::NotRunning) break;
        if (answers()) return true;
        server_.waitForFinished(50);
    }
    return error_ = QStringLiteral("pulseaudio did not come up"), false;
}
