#include <QApplication>

#include "core/SpeechBackend.h"
#include "platform/ClockWatch.h"
#include "platform/EndRequests.h"
#include "platform/LinkLauncher.h"
#include "platform/SecondTicker.h"
#include "platform/SettingsStore.h"
#include "platform/SystemTrayIcon.h"
#include "platform/TimeSource.h"
#include "ui/Form1Instance.h"
#include "ui/UserMessage.h"
#include "windows/HelpWindows.h"
#include "windows/Форма2.h"

namespace {

void endProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalo"));
    // The program lives in the notification area: its last window closing is not its end.
    QApplication::setQuitOnLastWindowClosed(false);

    SystemTime time;
    SecondTicker ticker(time);
    const std::unique_ptr<ClockWatch> clockWatch = makeClockWatch(time);
    QObject::connect(clockWatch.get(), &ClockWatch::clockSet, &ticker, &SecondTicker::clockWasSet);
    SpeechBackends speech(QApplication::applicationDirPath(), tellUser);
    SettingsStore settings;
    settings.setFailureReporter(tellUser);
    SystemTrayIcon tray;
    Form1Instance form1({time, ticker, speech, settings, tray, endProgram});

    // Logging out, shutting down or being told to end closes the main window,
    // which runs the exit step once: nothing the user chose is lost.
    const auto closeMainWindow = [&form1] { form1().close(); };
    EndRequests endRequests(closeMainWindow);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, closeMainWindow);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, closeMainWindow);

    DesktopLinkLauncher launcher;
    ticker.start();
    Форма2 splash(settings, form1);
    splash.Form_Load();
    connectHelpWindows(form1(), launcher);
    return app.exec();
}
