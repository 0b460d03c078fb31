// How soon a listener hears the time: from the call of Speak to the first
// sample reaching the sound sink (the lead-in's start) and to the onset of
// speech, for the first call in a fresh process (library load and engine
// start), for later calls, and for the espeak-ng command-line program saying
// the same phrase to the same sink, as talking-clock scripts do.
//
// The sink is a private PulseAudio null sink; its monitor is recorded with
// arrival times. Speech onset is the arrival of the first sample above the
// speech level. The lead-in is silence and cannot be seen on the monitor, so
// the first sample's arrival is the onset less the known time from the stream's
// start to its onset: lead-in plus the voice's own quiet start, as the same
// phrase synthesized into memory shows. Playback is continuous once started, so
// that difference holds on the sink too.
//
//   speech_latency_bench [RUNS]     RUNS per kind and language, default 5
#include <QCoreApplication>
#include <QLibrary>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "EnglishPhrase.h"
#include "EspeakEngine.h"
#include "EspeakProgram.h"
#include "FliteEngine.h"
#include "LocalClock.h"
#include "MonitorRecorder.h"
#include "PrivateSoundServer.h"
#include "RussianStress.h"
#include "SpeechPlayer.h"
#include "TimeAnnouncer.h"

namespace {

using Clock = MonitorRecorder::Clock;
using Ms = std::chrono::duration<double, std::milli>;
using horalo::speech::Language;

struct Subject {
    const char* title;
    const char* library;
    const char* espeakVoice;  // the command-line program's voice
    Language language;
};

const Subject kSubjects[] = {
    {"English",
     ENG_LIBRARY,
     "en",
     {horalo::speech::kFliteEnglish, horalo::speech::englishTimePhrase}},
    {"Russian",
     VOICE_LIBRARY,
     "ru",
     {horalo::speech::kEspeakRussian, horalo::speech::russianEngineText}},
};

// One call, as seen from outside.
struct Call {
    Clock::time_point start;
    Clock::time_point end;
    bool ok;
};

// One call, as heard on the sink.
struct Heard {
    double firstSampleMs;
    double onsetMs;
    double callMs;
};

std::string phraseNow(const Language& language) {
    const auto now = horalo::speech::localClockTime();
    const auto phrase = now ? language.engineText(now->hour, now->minute) : std::nullopt;
    return phrase.value_or("");
}

// From the engine's first sample to its first sample above the speech level.
double engineQuietStartMs(const Language& language, const std::string& phrase) {
    horalo::speech::Pcm pcm;
    horalo::speech::synthesizeInto(language.engine, phrase, pcm);
    return quietStartMs(pcm);
}

// The child's side of a cold call: load the library, call Speak, report the
// time just before the load.
int coldChild(const char* library) {
    const Clock::time_point start = Clock::now();
    QLibrary lib(QString::fromUtf8(library));
    auto speak = reinterpret_cast<int (*)()>(lib.resolve("Speak"));
    const int code = speak ? speak() : -1;
    std::printf("%lld %d\n", static_cast<long long>(start.time_since_epoch().count()), code);
    return 0;
}

Call coldCall(const Subject& subject) {
    QProcess child;
    const Clock::time_point spawned = Clock::now();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--cold"), QString::fromUtf8(subject.library)});
    child.waitForFinished(30000);
    const Clock::time_point end = Clock::now();
    long long start = 0;
    int code = -1;
    const bool parsed =
        std::sscanf(child.readAllStandardOutput().constData(), "%lld %d", &start, &code) == 2;
    return {parsed ? Clock::time_point(Clock::duration(start)) : spawned, end, parsed && code == 0};
}

Call steadyCall(int (*speak)()) {
    const Clock::time_point start = Clock::now();
    const int code = speak();
    return {start, Clock::now(), code == 0};
}

Call commandLineCall(const Subject& subject, const std::string& phrase) {
    QProcess cli;
    const Clock::time_point start = Clock::now();
    cli.start(QStringLiteral("espeak-ng"),
              {QStringLiteral("-v"), QString::fromUtf8(subject.espeakVoice),
               QString::fromStdString(phrase)});
    const bool ok = cli.waitForFinished(30000) && cli.exitCode() == 0;
    return {start, Clock::now(), ok};
}

std::optional<Heard> hear(const MonitorRecorder& recorder, const Call& call, double offsetMs) {
    // Speak returns while its phrase plays: the next call waits for its end.
    const auto speech =
        recorder.speechAfter(call.start, std::chrono::milliseconds(700), std::chrono::seconds(20));
    if (!call.ok || !speech) return std::nullopt;
    const double onset = Ms(speech->start - call.start).count();
    return Heard{onset - offsetMs, onset, Ms(call.end - call.start).count()};
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Row {
    const char* kind;
    std::vector<Heard> heard;
    int failed = 0;
    double firstSample() const { return median(pick(&Heard::firstSampleMs)); }
    double onset() const { return median(pick(&Heard::onsetMs)); }
    double call() const { return median(pick(&Heard::callMs)); }
    std::vector<double> pick(double Heard::*field) const {
        std::vector<double> v;
        for (const Heard& h : heard) v.push_back(h.*field);
        return v;
    }
};

template <typename MakeCall>
Row measure(const char* kind, int runs, const MonitorRecorder& recorder, double offsetMs,
            MakeCall makeCall) {
    Row row{kind, {}};
    for (int i = 0; i < runs; ++i) {
        if (const auto heard = hear(recorder, makeCall(), offsetMs))
            row.heard.push_back(*heard);
        else
            ++row.failed;
    }
    return row;
}

void printRow(const Row& row) {
    std::printf("  %-22s %9.1f %9.1f %9.1f   %zu", row.kind, row.firstSample(), row.onset(),
                row.call(), row.heard.size());
    if (row.failed) std::printf("  (%d not heard)", row.failed);
    std::printf("\n");
}

void printRatio(const char* what, const Row& row, const Row& cli) {
    std::printf("  %-22s first sample x%.2f, onset x%.2f\n", what,
                row.firstSample() / cli.firstSample(), row.onset() / cli.onset());
}

bool benchSubject(const Subject& subject, int runs, const MonitorRecorder& recorder) {
    QLibrary library(QString::fromUtf8(subject.library));
    auto speak = reinterpret_cast<int (*)()>(library.resolve("Speak"));
    if (!speak) {
        std::fprintf(stderr, "%s: %s\n", subject.library, qPrintable(library.errorString()));
        return false;
    }
    const std::string phrase = phraseNow(subject.language);
    const double quiet = engineQuietStartMs(subject.language, phrase);
    const double programQuiet = quietStartMs(espeakProgramSpeech(subject.espeakVoice, phrase));
    const double leadIn = double(horalo::speech::kLeadIn.count());

    const Row cold = measure("Speak, first call", runs, recorder, leadIn + quiet,
                             [&] { return coldCall(subject); });
    speak();  // this process's first call, not counted
    const Row steady = measure("Speak, later calls", runs, recorder, leadIn + quiet,
                               [&] { return steadyCall(speak); });
    const Row cli = measure("espeak-ng program", runs, recorder, programQuiet,
                            [&] { return commandLineCall(subject, phraseNow(subject.language)); });

    std::printf("\n%s: \"%s\"\n", subject.title, phrase.c_str());
    std::printf("  %-22s %9s %9s %9s   %s\n", "median ms from call", "1st sample", "onset",
                "returned", "runs");
    for (const Row* row : {&cold, &steady, &cli}) printRow(*row);
    printRatio("first call / program", cold, cli);
    printRatio("later calls / program", steady, cli);
    const bool heard = !cold.heard.empty() && !steady.heard.empty() && !cli.heard.empty();
    const bool met = heard && steady.firstSample() < 60 && steady.onset() < 250 &&
                     cold.firstSample() < cli.firstSample() &&
                     steady.firstSample() < cli.firstSample();
    std::printf(
        "  targets (later calls: 1st sample < 60, onset < 250; 1st sample before the "
        "program's): %s\n",
        met ? "met" : "NOT met");
    return cold.failed + steady.failed + cli.failed == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--cold") return coldChild(argv[2]);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    PrivateSoundServer server;
    if (!server.running()) {
        std::fprintf(stderr, "no private sound server: %s\n", qPrintable(server.error()));
        return 1;
    }
    MonitorRecorder recorder(PrivateSoundServer::kMonitor, PrivateSoundServer::kRate);
    if (!recorder.recording()) {
        std::fprintf(stderr, "cannot record %s\n", PrivateSoundServer::kMonitor);
        return 1;
    }
    std::printf("Speech latency, %d runs each, lead-in %lld ms, null sink at %d Hz\n", runs,
                static_cast<long long>(horalo::speech::kLeadIn.count()), PrivateSoundServer::kRate);
    bool allHeard = true;
    for (const Subject& subject : kSubjects)
        allHeard = benchSubject(subject, runs, recorder) && allHeard;
    return allHeard ? 0 : 1;
}
