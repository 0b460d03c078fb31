// Saves the interval over and over until it is killed. Prints one line after
// the first save so that its owner knows the loop is running.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "SettingsStore.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_writer FOLDER\n");
        return 2;
    }
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    store.setFailureReporter([](const UserText& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message.english));
        std::exit(1);
    });
    const QStringList texts{"15 минут", "30 минут", "60 минут"};
    for (int i = 0;; ++i) {
        store.SaveSetting("Zef", "Options", "Interval", texts[i % texts.size()]);
        if (i == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
