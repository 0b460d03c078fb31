#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>
#include <future>

#include "SingleInstance.h"

namespace {

using Claim = SingleInstance::Claim;
using Request = SingleInstance::Request;

// Runs `claim` on its own thread while this one serves the test's sockets.
template <typename F>
auto whileServing(F claim) {
    auto result = std::async(std::launch::async, claim);
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return result.get();
}

TEST(SingleInstance, ALaterClaimHandsOverToTheRunningOneOfItsSession) {
    QTemporaryDir dir;
    SingleInstance first(dir.path(), "session");
    ASSERT_EQ(first.claim(), Claim::Running);
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    EXPECT_EQ(whileServing([&] { return SingleInstance(dir.path(), "session").claim(); }),
              Claim::HandedOver);
    EXPECT_EQ(shown.count(), 1);

    SingleInstance otherSession(dir.path(), "another session");
    EXPECT_EQ(otherSession.claim(), Claim::Running);
    EXPECT_EQ(shown.count(), 1);
}

// A start asked to have the time said hands that over instead of showing the
// window, and learns whether the running program could say it.
TEST(SingleInstance, ASayTimeRequestIsAnsweredByWhatTheRunningOneCouldDo) {
    QTemporaryDir dir;
    SingleInstance running(dir.path(), "session");
    ASSERT_EQ(running.claim(), Claim::Running);
    QSignalSpy shown(&running, &SingleInstance::showRequested);
    const auto askToSayTime = [&] {
        return whileServing(
            [&] { return SingleInstance(dir.path(), "session").claim(Request::SayTime); });
    };

    EXPECT_EQ(askToSayTime(), Claim::Declined);  // nothing to say it with yet
    int said = 0;
    bool canSay = false;
    running.onSayTime([&] {
        ++said;
        return canSay;
    });
    EXPECT_EQ(askToSayTime(), Claim::Declined);
    canSay = true;
    EXPECT_EQ(askToSayTime(), Claim::HandedOver);
    EXPECT_EQ(said, 2);
    EXPECT_EQ(shown.count(), 0);
}

// Two starts at once: while one is between looking for a running program and
// listening, the other waits for it, then finds it.
TEST(SingleInstance, AClaimWaitsForARacingStartToListenThenHandsOver) {
    QTemporaryDir dir;
    const SingleInstance racer(dir.path(), "session");
    QLockFile racersTurn(racer.lockPath());
    ASSERT_TRUE(racersTurn.lock());

    auto claimed = std::async(std::launch::async,
                              [&] { return SingleInstance(dir.path(), "session").claim(); });
    EXPECT_EQ(claimed.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
    QLocalServer racerListens;
    ASSERT_TRUE(racerListens.listen(racer.socketPath()));
    QObject::connect(&racerListens, &QLocalServer::newConnection, [&] {
        QLocalSocket* call = racerListens.nextPendingConnection();
        QObject::connect(call, &QLocalSocket::readyRead, [call] {
            if (call->readAll() == "show\n") call->write("shown\n");
        });
    });
    racersTurn.unlock();
    while (claimed.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    EXPECT_EQ(claimed.get(), Claim::HandedOver);
}

// What a program killed while listening leaves: a socket file nobody answers.
void leaveDeadSocket(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(),
                 sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::listen(fd, 1);
    ::close(fd);
}

// Left behind by a killed program: a dead socket, and a lock that names no
// owner (killed while taking it). Neither holds up the next start.
TEST(SingleInstance, WhatAKilledProgramLeftIsTakenOver) {
    QTemporaryDir dir;
    SingleInstance next(dir.path(), "session");
    leaveDeadSocket(next.socketPath());
    QFile lock(next.lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();

    QElapsedTimer taken;
    taken.start();
    EXPECT_EQ(next.claim(), Claim::Running);
    EXPECT_LT(taken.elapsed(), 9000) << "the ownerless lock held the start up";
    EXPECT_EQ(whileServing([&] { return SingleInstance(dir.path(), "session").claim(); }),
              Claim::HandedOver);
}

// A program that takes the call and never answers hangs: a start neither waits
// for it for ever nor runs a second clock beside it; it says why.
TEST(SingleInstance, ASilentProgramIsNeitherWaitedForNorJoined) {
    QTemporaryDir dir;
    SingleInstance start(dir.path(), "session");
    QLocalServer hung;
    ASSERT_TRUE(hung.listen(start.socketPath()));

    EXPECT_EQ(start.claim(), Claim::Failed);
    ASSERT_TRUE(start.problem());
    EXPECT_TRUE(start.problem()->english.contains("does not answer"));
    EXPECT_TRUE(start.problem()->russian.contains("не отвечает"));
}

// Without a runtime folder of the session's the socket goes to a folder of the
// user's own, never a shared or relative one; a folder others can reach is
// not taken.
TEST(SingleInstance, TheSocketLiesOnlyInAFolderPrivateToTheUser) {
    QTemporaryDir home;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), realHome = qgetenv("HOME");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("HOME", realHome);
    });
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    ASSERT_TRUE(cache.startsWith(home.path())) << qPrintable(cache);

    SingleInstance start;
    ASSERT_EQ(start.claim(), Claim::Running) << qPrintable(start.problem()->english);
    const QString own = QDir(cache).filePath("horalo-runtime");
    EXPECT_EQ(QFileInfo(start.socketPath()).absolutePath(), own);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(own).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    const QString shared = home.filePath("shared");
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    const QString link = home.filePath("link");
    ASSERT_TRUE(QFile::link(own, link));
    for (const QString& folder : {shared, link}) {
        SCOPED_TRACE(qPrintable(folder));
        const auto problem = privateFolderProblem(folder);
        ASSERT_TRUE(problem);
        EXPECT_TRUE(problem->english.contains(folder)) << qPrintable(problem->english);
    }
    EXPECT_FALSE(privateFolderProblem(own));

    ASSERT_EQ(::chmod(QFile::encodeName(own).constData(), 0755), 0);
    SingleInstance refused;
    EXPECT_EQ(refused.claim(), Claim::Failed);
    ASSERT_TRUE(refused.problem());
    EXPECT_TRUE(refused.problem()->english.contains("others may use it (mode 755)"))
        << qPrintable(refused.problem()->english);
}

}  // namespace
