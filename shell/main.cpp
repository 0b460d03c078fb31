#include <QApplication>
#include <cstdio>

#include "ClockWatch.h"
#include "CommandLine.h"
#include "EndRequests.h"
#include "Form1Instance.h"
#include "HelpWindows.h"
#include "LinkLauncher.h"
#include "SecondTicker.h"
#include "SessionBus.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "SpeechBackend.h"
#include "SpeechLibraryFolder.h"
#include "SystemTrayIcon.h"
#include "TimeSource.h"
#include "UserMessage.h"
#include "Форма2.h"

namespace {

// The language the user chose last time, read before anything is stored.
QString storedLanguage() {
    return SettingsStore().GetSetting(QStringLiteral("Zef"), QStringLiteral("Options"),
                                      QStringLiteral("Language"), QString());
}

// Without a language the clock has nothing to say the time in; no language
// also means English.
int cannotSayTime() {
    std::fprintf(stderr,
                 "horalo: Horalo cannot say the time: no language is chosen yet. Open its window "
                 "and choose English (F5) or Russian (F6).\n");
    return 1;
}

// A start that cannot make sure it is the only one says so and ends: two
// clocks would speak at once, and a silent end would leave the user with none.
int refuseToStart(const UserText& problem) {
    const QString language = storedLanguage();
    tellUserBeforeEnd(
        UserText{QStringLiteral("Horalo does not start: it cannot make sure that it runs only "
                                "once (%1)."),
                 QStringLiteral("Хорало не запускается: не удаётся убедиться, что оно запущено "
                                "только один раз (%1).")}
            .arg(problem)
            .in(language));
    return 1;
}

// The last step of the exit: every window closes. Choices that could not be
// stored are told first, and the program waits for the user to read that.
void endProgram(const SettingsStore& settings, const UserMessages& messages) {
    QApplication::closeAllWindows();
    if (settings.allSaved()) {
        QCoreApplication::exit(0);
        return;
    }
    messages.tellBeforeEnd(
        UserText{QStringLiteral("%1 Horalo ends now, so the choices of this run are not stored."),
                 QStringLiteral("%1 Хорало завершает работу, поэтому выбор этого сеанса не "
                                "сохранён.")}
            .arg(settings.saveFailure()));
    QCoreApplication::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    useNoSessionBusUnlessOffered();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalo"));
    QApplication::setApplicationVersion(QStringLiteral(HORALO_VERSION));
    // The program lives in the notification area: its last window closing is not its end.
    QApplication::setQuitOnLastWindowClosed(false);
    const std::optional<SingleInstance::Request> request = readCommandLine(storedLanguage);
    if (!request) return 1;
    // A start while the program runs only hands its request to the running one,
    // before it has said or stored anything.
    SingleInstance instance;
    switch (instance.claim(*request)) {
        case SingleInstance::Claim::HandedOver:
            return 0;
        case SingleInstance::Claim::Declined:
            return cannotSayTime();
        case SingleInstance::Claim::Failed:
            return refuseToStart(*instance.problem());
        case SingleInstance::Claim::Running:
            break;
    }
    // Asked to say the time with no clock running, this start is the clock, whose
    // greeting says it: only in a language chosen before, or it would say nothing.
    if (*request == SingleInstance::Request::SayTime) {
        const QString language = storedLanguage();
        if (language != u"eng" && language != u"rus") return cannotSayTime();
    }

    SystemTime time;
    SecondTicker ticker(time);
    const std::unique_ptr<ClockWatch> clockWatch = makeClockWatch(time);
    QObject::connect(clockWatch.get(), &ClockWatch::clockSet, &ticker, &SecondTicker::clockWasSet);
    UserMessages messages;
    SpeechBackends speech(speechLibraryFolder(QApplication::applicationDirPath()),
                          messages.reporter());
    SettingsStore settings;
    settings.setFailureReporter(messages.reporter());
    SystemTrayIcon tray;
    // Messages follow the interface language from the main window's first moment,
    // so a failed greeting is told in the language of the greeting.
    Form1Instance form1({time, ticker, speech, settings, tray,
                         [&settings, &messages] { endProgram(settings, messages); }},
                        [&messages](Form1& form) { messages.followLanguageOf(form.Param); });

    // Logging out, shutting down or being told to end closes the main window,
    // which runs the exit step once: nothing the user chose is lost.
    const auto closeMainWindow = [&form1] { form1().close(); };
    EndRequests endRequests(closeMainWindow);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, closeMainWindow);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, closeMainWindow);

    QObject::connect(&instance, &SingleInstance::showRequested,
                     [&form1] { form1().RestoreFromTray(); });
    instance.onSayTime([&form1] { return form1().SayTimeNow(); });

    DesktopLinkLauncher launcher;
    ticker.start();
    Форма2 splash(settings, form1);
    splash.Form_Load();
    connectHelpWindows(form1(), launcher);
    return app.exec();
}
