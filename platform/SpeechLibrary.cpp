#include "platform/SpeechLibrary.h"

#include <QDir>
#include <QFileInfo>

QString speechLibraryFileName(const QString& baseName) {
#if defined(Q_OS_WIN)
    return baseName + QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("lib") + baseName + QStringLiteral(".dylib");
#else
    return QStringLiteral("lib") + baseName + QStringLiteral(".so");
#endif
}

SpeechLibrary::SpeechLibrary(const QString& directory, const QString& baseName)
    : library_(QDir(directory).filePath(speechLibraryFileName(baseName))) {}

SpeechLibrary::Outcome SpeechLibrary::Speak() {
    QString reason;
    if (!speak_ && !load(&reason)) return {false, reason};
    const int code = speak_();
    if (code == 0) return {true, {}};
    return {false, failureText(code)};
}

bool SpeechLibrary::load(QString* reason) {
    if (!QFileInfo::exists(library_.fileName())) {
        *reason = QStringLiteral("the file does not exist");
    } else if (!library_.load()) {
        *reason = library_.errorString();
    } else if ((speak_ = reinterpret_cast<SpeakFunction>(library_.resolve("Speak")))) {
        errorText_ = reinterpret_cast<ErrorTextFunction>(library_.resolve("SpeakErrorText"));
        return true;
    } else {
        *reason = QStringLiteral("the library has no Speak function");
        library_.unload();
    }
    // QLibrary remembers a failed load; setting the name afresh makes the next call look again.
    library_.setFileName(library_.fileName());
    return false;
}

QString SpeechLibrary::failureText(int code) const {
    const char* text = errorText_ ? errorText_(code) : nullptr;
    const QString what = text ? QString::fromUtf8(text) : QStringLiteral("speech failed");
    return QStringLiteral("%1 (code %2)").arg(what).arg(code);
}
