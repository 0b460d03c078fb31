#include <QApplication>

#include "core/SpeechBackend.h"
#include "platform/ClockWatch.h"
#include "platform/SecondTicker.h"
#include "platform/SettingsStore.h"
#include "platform/TimeSource.h"
#include "ui/Form1.h"
#include "ui/UserMessage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalo"));

    SystemTime time;
    SecondTicker ticker(time);
    const std::unique_ptr<ClockWatch> clockWatch = makeClockWatch(time);
    QObject::connect(clockWatch.get(), &ClockWatch::clockSet, &ticker, &SecondTicker::clockWasSet);
    SpeechBackends speech(QApplication::applicationDirPath(), tellUser);
    SettingsStore settings;
    settings.setFailureReporter(tellUser);
    Form1 form({time, ticker, speech, settings});
    ticker.start();
    form.show();
    return app.exec();
}
