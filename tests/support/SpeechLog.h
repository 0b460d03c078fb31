#pragma once

#include <QStringList>
#include <QTemporaryDir>

// Points the recording speech libraries at a fresh log and reads it back.
class SpeechLog {
  public:
    SpeechLog();
    ~SpeechLog();
    // The libraries called so far, oldest first: "Eng", "Voice".
    QStringList calls() const;
    void clear();
    // Adds a line of the test's own, to order other events among the calls.
    void note(const QString& line);
    // Makes every Speak return `code` until changed.
    static void setResult(int code);

  private:
    QTemporaryDir dir_;
    QString path_;
};

// Directories the test build puts its speech libraries in.
QString recordingSpeechDir();     // libEng.so and libVoice.so that record their calls
QString speechWithoutSpeakDir();  // libEng.so and libVoice.so without a Speak
