// Saves one key over and over until it is killed, and ends at once with the
// message on the first failure. Prints one line as it starts saving.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "SettingsStore.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_writer FOLDER KEY\n");
        return 2;
    }
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    store.setFailureReporter([](const UserText& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message.english));
        std::exit(1);
    });
    const QStringList texts{"15 минут", "30 минут", "60 минут"};
    std::puts("saving");
    std::fflush(stdout);
    for (int i = 0;; ++i) store.SaveSetting("Zef", "Options", argv[2], texts[i % texts.size()]);
}
