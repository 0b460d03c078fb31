#include "SpeechLibraryFolder.h"

#include <QDir>
#include <QFileInfo>

#include "SpeechLibrary.h"

namespace {

bool holdsSpeechLibrary(const QString& folder) {
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(speechLibraryFileName(QStringLiteral("Eng")))) ||
           QFileInfo::exists(dir.filePath(speechLibraryFileName(QStringLiteral("Voice"))));
}

}  // namespace

QString privateLibraryFolder(const QString& executableDir) {
    return QDir::cleanPath(
        QDir(executableDir).filePath(QStringLiteral(HORALO_PRIVATE_LIBRARY_DIR)));
}

QString speechLibraryFolder(const QString& executableDir) {
    const QString privateFolder = privateLibraryFolder(executableDir);
    for (const QString& folder : {executableDir, privateFolder})
        if (holdsSpeechLibrary(folder)) return folder;
    return QFileInfo(privateFolder).isDir() ? privateFolder : executableDir;
}
