#include "SpeechLog.h"

#include <QFile>

SpeechLog::SpeechLog() : path_(dir_.filePath(QStringLiteral("speech.log"))) {
    qputenv("HORALO_SPEECH_LOG", path_.toLocal8Bit());
    setResult(0);
}

SpeechLog::~SpeechLog() {
    qunsetenv("HORALO_SPEECH_LOG");
    qunsetenv("HORALO_SPEECH_RESULT");
}

QStringList SpeechLog::calls() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void SpeechLog::clear() {
    QFile::remove(path_);
}

void SpeechLog::note(const QString& line) {
    QFile file(path_);
    if (file.open(QIODevice::Append)) file.write(line.toUtf8() + '\n');
}

void SpeechLog::setResult(int code) {
    qputenv("HORALO_SPEECH_RESULT", QByteArray::number(code));
}

QString recordingSpeechDir() {
    return QStringLiteral(HORALO_RECORDING_SPEECH_DIR);
}

QString speechWithoutSpeakDir() {
    return QStringLiteral(HORALO_SPEECH_WITHOUT_SPEAK_DIR);
}
