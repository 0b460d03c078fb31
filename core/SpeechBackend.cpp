#include "SpeechBackend.h"

SpeechBackend::SpeechBackend(UserText unavailable, const QString& directory,
                             const QString& baseName, UserReport report)
    : unavailable_(std::move(unavailable)),
      library_(directory, baseName),
      report_(std::move(report)) {}

bool SpeechBackend::Speak() {
    const SpeechLibrary::Outcome outcome = library_.Speak();
    if (!outcome.spoken && !failing_)
        report_(UserText{QStringLiteral("%1: %2: %3.\nHoralo keeps running and tries again at "
                                        "the next announcement."),
                         QStringLiteral("%1: %2: %3.\nХорало продолжает работу и попробует "
                                        "снова при следующем объявлении времени.")}
                    .arg(unavailable_, library_.filePath(), outcome.reason));
    failing_ = !outcome.spoken;
    return outcome.spoken;
}

SpeechBackends::SpeechBackends(const QString& directory, const UserReport& report)
    : Eng({QStringLiteral("English speech is unavailable"),
           QStringLiteral("Английская речь недоступна")},
          directory, QStringLiteral("Eng"), report),
      Voice({QStringLiteral("Russian speech is unavailable"),
             QStringLiteral("Русская речь недоступна")},
            directory, QStringLiteral("Voice"), report) {}
