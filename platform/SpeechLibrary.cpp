#include "SpeechLibrary.h"

#include <QDir>
#include <QFile>

#include "LibraryCheck.h"

namespace {

// What the codes that Speak of the speech libraries returns mean, for the user.
UserText failure(int code) {
    switch (code) {
        case 1:
            return {QStringLiteral("no sound device is available"),
                    QStringLiteral("нет доступного звукового устройства")};
        case 2:
            return {QStringLiteral("the voice data of the speech synthesizer is missing"),
                    QStringLiteral("не установлены голосовые данные синтезатора речи")};
        case 3:
            return {QStringLiteral("the speech synthesizer failed"),
                    QStringLiteral("сбой синтезатора речи")};
        case 4:
            return {QStringLiteral("the sound could not be played"),
                    QStringLiteral("звук не удалось воспроизвести")};
        case 5:
            return {QStringLiteral("the time could not be put into words"),
                    QStringLiteral("время не удалось выразить словами")};
    }
    return {QStringLiteral("speech failed"), QStringLiteral("сбой речи")};
}

}  // namespace

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
    : path_(QDir(directory).filePath(speechLibraryFileName(baseName))) {}

SpeechLibrary::Outcome SpeechLibrary::Speak() {
    if (!speak_)
        if (std::optional<UserText> problem = load()) return {false, *problem};
    const int code = speak_();
    if (code == 0) return {true, {}};
    return {false, UserText{QStringLiteral("%1 (code %2)"), QStringLiteral("%1 (код %2)")}.arg(
                       failure(code), QString::number(code))};
}

std::optional<UserText> SpeechLibrary::load() {
    if (!QFile::exists(path_))
        return UserText{QStringLiteral("the file does not exist"),
                        QStringLiteral("файл не найден")};
    if (std::optional<UserText> problem = libraryFileProblem(path_)) return problem;
    // Setting the name afresh also makes QLibrary forget an earlier failure.
    library_.setFileName(path_);
    if (!library_.load())
        return UserText{QStringLiteral("the library cannot be loaded (%1)"),
                        QStringLiteral("библиотеку не удаётся загрузить (%1)")}
            .arg(library_.errorString());
    speak_ = reinterpret_cast<SpeakFunction>(library_.resolve("Speak"));
    if (speak_) return std::nullopt;
    library_.unload();
    return UserText{QStringLiteral("the library has no Speak function"),
                    QStringLiteral("в библиотеке нет функции Speak")};
}
