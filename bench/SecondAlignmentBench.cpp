// How soon after each change of the wall-clock second the main window's pass
// runs (and with it a due announcement's speech call), and how often the idle
// program wakes up. Runs the real main window on the offscreen platform.
//
//     second_alignment_bench [seconds]      default 10
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "Form1.h"
#include "SecondTicker.h"
#include "SettingsStore.h"
#include "SpeechBackend.h"
#include "SystemTrayIcon.h"

namespace {

// Context switches of every thread of this process so far: each one is a wake-up.
long long contextSwitches() {
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.contains("ctxt_switches:"))
                total += line.split(':').last().trimmed().toLongLong();
    }
    return total;
}

double percentile(std::vector<int> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * (values.size() - 1) + 0.5))];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 10;

    SystemTime time;
    SecondTicker ticker(time);
    SecondTimer probe(true);  // added first: ticks at the start of every pass
    ticker.add(probe);
    std::vector<int> offsets;
    QObject::connect(&probe, &SecondTimer::timeout,
                     [&] { offsets.push_back(QTime::currentTime().msec()); });

    QTemporaryDir settingsDir;
    SettingsStore settings(settingsDir.path());
    SpeechBackends speech(QApplication::applicationDirPath(), [](const UserText&) {});
    SystemTrayIcon tray;
    Form1 form({time, ticker, speech, settings, tray, {}});
    form.Param.setText(QString());  // the checks run, nothing is said
    form.Min10.setEnabled(true);
    form.RestoreFromTray();
    ticker.start();

    long long switchesAtStart = 0;
    QTimer::singleShot(1500, [&] {  // past start-up
        offsets.clear();
        switchesAtStart = contextSwitches();
    });
    QTimer::singleShot(1500 + seconds * 1000, [&] { app.quit(); });
    app.exec();
    const double wakeups = double(contextSwitches() - switchesAtStart) / seconds;

    std::printf("passes: %zu in %d s\n", offsets.size(), seconds);
    std::printf("pass start after the second changes: median %.0f ms, 95th %.0f ms, max %.0f ms\n",
                percentile(offsets, 0.5), percentile(offsets, 0.95), percentile(offsets, 1.0));
    std::printf("idle wake-ups (context switches, all threads): %.1f per second\n", wakeups);
    return 0;
}
