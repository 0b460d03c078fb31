#include "EspeakProgram.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "MonitorRecorder.h"

namespace {

constexpr int kWaveHeader = 44;  // the program writes a plain RIFF header

}  // namespace

horalo::speech::Pcm espeakProgramSpeech(const char* voice, const std::string& text) {
    QProcess program;
    program.start(QStringLiteral("espeak-ng"),
                  {QStringLiteral("-v"), QString::fromUtf8(voice), QStringLiteral("--stdout"),
                   QString::fromStdString(text)});
    if (!program.waitForFinished(30000) || program.exitCode() != 0) return {};
    const QByteArray wave = program.readAllStandardOutput();
    if (wave.size() <= kWaveHeader) return {};
    horalo::speech::Pcm pcm;
    uint32_t rate = 0;
    std::memcpy(&rate, wave.constData() + 24, sizeof rate);
    pcm.sampleRate = int(rate);
    pcm.samples.resize(size_t(wave.size() - kWaveHeader) / sizeof(int16_t));
    std::memcpy(pcm.samples.data(), wave.constData() + kWaveHeader,
                pcm.samples.size() * sizeof(int16_t));
    return pcm;
}

double quietStartMs(const horalo::speech::Pcm& pcm) {
    if (pcm.sampleRate <= 0) return 0;
    const auto loud = std::find_if(pcm.samples.begin(), pcm.samples.end(), [](int16_t s) {
        return std::abs(s) >= MonitorRecorder::kSpeechLevel;
    });
    return 1000.0 * double(loud - pcm.samples.begin()) / pcm.sampleRate;
}
