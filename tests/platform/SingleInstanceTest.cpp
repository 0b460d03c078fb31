#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <future>

#include "SingleInstance.h"

namespace {

TEST(SingleInstance, ALaterClaimHandsOverToTheRunningOneOfItsSession) {
    QTemporaryDir dir;
    SingleInstance first(dir.path(), "session");
    ASSERT_TRUE(first.claim());
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    SingleInstance second(dir.path(), "session");
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(shown.wait(5000));
    EXPECT_EQ(shown.count(), 1);

    SingleInstance otherSession(dir.path(), "another session");
    EXPECT_TRUE(otherSession.claim());
    EXPECT_EQ(shown.count(), 1);
}

// Two starts at once: while one is between looking for a running program and
// listening, the other waits for it, then finds it.
TEST(SingleInstance, AClaimWaitsForARacingStartToListenThenHandsOver) {
    QTemporaryDir dir;
    const SingleInstance racer(dir.path(), "session");
    QLockFile racersTurn(racer.lockPath());
    ASSERT_TRUE(racersTurn.lock());

    auto claimed = std::async(std::launch::async, [&] {
        SingleInstance late(dir.path(), "session");
        return late.claim();
    });
    EXPECT_EQ(claimed.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
    QLocalServer racerListens;
    ASSERT_TRUE(racerListens.listen(racer.socketPath()));
    racersTurn.unlock();
    EXPECT_FALSE(claimed.get());
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

TEST(SingleInstance, ASocketLeftByAKilledProgramIsTakenOver) {
    QTemporaryDir dir;
    SingleInstance next(dir.path(), "session");
    leaveDeadSocket(next.socketPath());
    ASSERT_TRUE(QFileInfo::exists(next.socketPath()));

    EXPECT_TRUE(next.claim());
    SingleInstance later(dir.path(), "session");
    EXPECT_FALSE(later.claim());
}

}  // namespace
