#include "core/SpeechBackend.h"

SpeechBackend::SpeechBackend(const QString& language, const QString& directory,
                             const QString& baseName, const UserReport& report)
    : language_(language), library_(directory, baseName), report_(report) {}

bool SpeechBackend::Speak() {
    const SpeechLibrary::Outcome outcome = library_.Speak();
    if (!outcome.spoken && !reported_) {
        reported_ = true;
        report_(QStringLiteral("%1 speech is unavailable: %2: %3.\n"
                               "Horalo keeps running and tries again at the next announcement.")
                    .arg(language_, library_.filePath(), outcome.reason));
    }
    return outcome.spoken;
}

SpeechBackends::SpeechBackends(const QString& directory, UserReport report)
    : report(std::move(report)),
      Eng(QStringLiteral("English"), directory, QStringLiteral("Eng"), this->report),
      Voice(QStringLiteral("Russian"), directory, QStringLiteral("Voice"), this->report) {}
