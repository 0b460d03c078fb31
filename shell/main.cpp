#include <QApplication>

#include "core/SpeechBackend.h"
#include "platform/LinkLauncher.h"
#include "platform/SecondTicker.h"
#include "platform/SettingsStore.h"
#include "platform/TimeSource.h"
#include "ui/Form1.h"
#include "ui/UserMessage.h"
#include "windows/HelpWindows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalo"));

    SystemTime time;
    SecondTicker ticker(time);
    SpeechBackends speech(QApplication::applicationDirPath(), tellUser);
    SettingsStore settings;
    settings.setFailureReporter(tellUser);
    DesktopLinkLauncher launcher;
    Form1 form({time, ticker, speech, settings});
    connectHelpWindows(form, launcher);
    ticker.start();
    form.show();
    return app.exec();
}
