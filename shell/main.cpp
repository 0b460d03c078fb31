#include <QApplication>

#include "core/SpeechBackend.h"
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
    UserMessages messages;
    SpeechBackends speech(QApplication::applicationDirPath(), messages.reporter());
    SettingsStore settings;
    settings.setFailureReporter(messages.reporter());
    Form1 form({time, ticker, speech, settings});
    messages.followLanguageOf(form.Param);
    ticker.start();
    form.show();
    return app.exec();
}
