#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "UserText.h"

// The program reads only files it needs, and trusts none of them: a pipe, a
// device or a folder put where a file belongs would make a plain read wait
// forever or fail oddly, and a file far larger than any real one would make
// it run out of memory. Each file is opened without waiting, must be a
// regular file no larger than its limit, and is refused when it has grown
// past that limit by the time it has been read.

// Generous bounds: the speech libraries weigh a few megabytes, the settings file
// a few hundred bytes.
constexpr qint64 kSpeechLibraryLimit = qint64(256) << 20;
constexpr qint64 kSettingsFileLimit = qint64(1) << 20;

// Why the file at `path` is no file the program may read, or nothing. A file
// that does not exist (nor its folder) is no problem here: each caller knows
// what that means.
std::optional<UserText> unreadableFileProblem(const QString& path, qint64 limit);

struct FileBytes {
    QByteArray bytes;
    std::optional<UserText> problem;  // set when `bytes` is not the whole file
};
// The whole file, read under the same checks.
FileBytes readWholeFile(const QString& path, qint64 limit);

// Words a file that cannot be read, with the system's reason.
inline UserText unreadableFile(const QString& systemReason) {
    return UserText{QStringLiteral("the file cannot be read (%1)"),
                    QStringLiteral("файл не читается (%1)")}
        .arg(systemReason);
}
