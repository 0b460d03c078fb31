// How well a listener understands the time: 48 phrases spread over the day,
// said by the English library's engine into memory and by the espeak-ng
// program, are transcribed by an offline recogniser (pocketsphinx, US English
// model) twice: with its open vocabulary, and restricted to a grammar of time
// phrases. Prints, per voice and mode, the word error rate (word edits over
// words said) and the share of phrases transcribed fully right; "am" or "for"
// count as "a m" and "four", which sound the same. flite's other US voice,
// cmu_us_slt, is measured beside the library's cmu_us_rms. Every phrase gets
// the library's lead-in of silence before it and as much after, as a listener
// hears it.
//
// Needs pocketsphinx, pocketsphinx-en-us and sox: make bench installs them
// (tools/install-deps.sh bench/intelligibility-packages.txt).
//
//   intelligibility_bench [--show]    --show lists what was heard wrong
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "EnglishPhrase.h"
#include "EspeakProgram.h"
#include "FliteEngine.h"
#include "FliteSlt.h"
#include "SpeechPlayer.h"
#include "WordError.h"

namespace {

using horalo::speech::Pcm;

constexpr int kPhrases = 48;
constexpr int kRecogniserRate = 16000;
const QString kModel = QStringLiteral("/usr/share/pocketsphinx/model/en-us");

struct Voice {
    const char* title;
    Pcm (*speak)(const std::string& text);
};

Pcm libraryEngine(const std::string& text) {
    Pcm pcm;
    horalo::speech::synthesizeInto(horalo::speech::kFliteEnglish, text, pcm);
    return pcm;
}

// `pcm` with the lead-in's silence on either side.
Pcm withSilenceAround(Pcm pcm) {
    const auto silence = size_t(pcm.sampleRate * horalo::speech::kLeadIn.count() / 1000);
    pcm.samples.insert(pcm.samples.begin(), silence, 0);
    pcm.samples.insert(pcm.samples.end(), silence, 0);
    return pcm;
}

Pcm espeakProgram(const std::string& text) {
    return espeakProgramSpeech("en", text);
}

const Voice kVoices[] = {
    {"Eng (flite cmu_us_rms)", libraryEngine},
    {"flite cmu_us_slt", fliteSltSpeech},
    {"espeak-ng program, en", espeakProgram},
};

// Every half hour, on the quarter marks the clock announces and on odd minutes
// between them: midnight and noon, every hour word, "oh" and the teens.
std::vector<std::string> phrases() {
    std::vector<std::string> result;
    for (int i = 0; i < kPhrases; ++i) {
        const int hour = i / 2;
        const int minute = i % 2 ? (i * 29) % 60 : 15 * (hour % 4);
        result.push_back(horalo::speech::englishTimePhrase(hour, minute).value_or(""));
    }
    return result;
}

bool writeWave(const QString& path, const Pcm& pcm) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto dataBytes = uint32_t(pcm.samples.size() * sizeof(int16_t));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << uint32_t(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << uint32_t(16) << uint16_t(1) << uint16_t(1) << uint32_t(pcm.sampleRate)
        << uint32_t(pcm.sampleRate * 2) << uint16_t(2) << uint16_t(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    out.writeRawData(reinterpret_cast<const char*>(pcm.samples.data()), int(dataBytes));
    return out.status() == QDataStream::Ok;
}

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        return false;
    }
    return true;
}

// Writes `pcm` as a 16 kHz wave, resampled by sox where need be.
bool writeForRecogniser(const QDir& dir, const QString& name, const Pcm& pcm) {
    if (pcm.sampleRate == kRecogniserRate) return writeWave(dir.filePath(name + ".wav"), pcm);
    const QString original = dir.filePath(name + ".orig.wav");
    return writeWave(original, pcm) && run(QStringLiteral("sox"), {original, QStringLiteral("-r"),
                                                                   QString::number(kRecogniserRate),
                                                                   dir.filePath(name + ".wav")});
}

// One transcription per utterance, in order, from pocketsphinx_batch's
// "words (id score)" lines.
std::vector<std::string> transcribe(const QDir& dir, const QStringList& ids,
                                    const QStringList& grammar) {
    const QString control = dir.filePath(QStringLiteral("control"));
    const QString hypotheses = dir.filePath(QStringLiteral("hypotheses"));
    QFile list(control);
    if (!list.open(QIODevice::WriteOnly)) return {};
    list.write((ids.join('\n') + '\n').toUtf8());
    list.close();
    QStringList arguments{"-hmm",    kModel + "/en-us",
                          "-dict",   kModel + "/cmudict-en-us.dict",
                          "-adcin",  "yes",
                          "-adchdr", "44",
                          "-cepdir", dir.path(),
                          "-cepext", ".wav",
                          "-ctl",    control,
                          "-hyp",    hypotheses,
                          "-dither", "yes",
                          "-logfn",  "/dev/null"};
    arguments += grammar;
    if (!run(QStringLiteral("pocketsphinx_batch"), arguments)) return {};
    QFile file(hypotheses);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<std::string> result;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        result.push_back(heardWords(line.left(line.lastIndexOf('(')).toStdString()));
    return result;
}

bool showMistakes = false;

void printScore(const char* mode, const std::vector<std::string>& said,
                const std::vector<std::string>& heard) {
    const WordScore score = wordScore(said, heard);
    for (size_t i = 0; showMistakes && i < said.size(); ++i)
        if (said[i] != heard[i])
            std::printf("    said \"%s\", heard \"%s\"\n", said[i].c_str(), heard[i].c_str());
    std::printf("  %-14s word error %5.1f%%   fully right %2d of %zu (%3.0f%%)\n", mode,
                100.0 * score.wordErrorRate(), score.phrasesRight, said.size(),
                100.0 * score.phrasesRight / double(said.size()));
}

bool benchVoice(const Voice& voice, const std::vector<std::string>& texts, const QString& grammar) {
    QTemporaryDir dir;
    QStringList ids;
    std::vector<std::string> said;
    for (size_t i = 0; i < texts.size(); ++i) {
        const QString id = QStringLiteral("p%1").arg(i);
        if (!writeForRecogniser(QDir(dir.path()), id, withSilenceAround(voice.speak(texts[i]))))
            return false;
        ids << id;
        said.push_back(spokenWords(texts[i]));
    }
    const auto open = transcribe(QDir(dir.path()), ids, {"-lm", kModel + "/en-us.lm.bin"});
    const auto restricted = transcribe(QDir(dir.path()), ids, {"-jsgf", grammar});
    if (open.size() != said.size() || restricted.size() != said.size()) return false;
    std::printf("\n%s\n", voice.title);
    printScore("open", said, open);
    printScore("time grammar", said, restricted);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    showMistakes = argc > 1 && std::string(argv[1]) == "--show";
    const QString grammar = QStringLiteral(TIME_GRAMMAR);
    const std::vector<std::string> texts = phrases();
    std::printf("Intelligibility: %d English phrases through pocketsphinx (en-us, -dither yes)\n",
                kPhrases);
    bool ok = true;
    for (const Voice& voice : kVoices) ok = benchVoice(voice, texts, grammar) && ok;
    return ok ? 0 : 1;
}
