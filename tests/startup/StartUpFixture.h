#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ManualTime.h"
#include "ManualTray.h"
#include "SpeechLog.h"
#include "ui/Form1Instance.h"
#include "windows/Форма2.h"

// The program as it starts: the splash window and the main window behind it,
// on a settings file of the test's own, speaking through the recording
// libraries, with a notification area the test controls.
class StartUp : public testing::Test {
  protected:
    // Stores values as an earlier run would have left them.
    void stored(std::initializer_list<std::pair<const char16_t*, const char16_t*>> values) {
        SettingsStore earlierRun(settingsDir.path());
        for (const auto& [key, text] : values)
            earlierRun.SaveSetting(u"Zef"_qs, u"Options"_qs, QString::fromUtf16(key),
                                   QString::fromUtf16(text));
    }
    QString storedNow(const QString& key) const {
        return SettingsStore(settingsDir.path())
            .GetSetting(u"Zef"_qs, u"Options"_qs, key, u"<absent>"_qs);
    }
    QString settingsFile() const { return settings.location(u"Zef"_qs); }

    SpeechLog log;
    QStringList messages;
    ManualTime time{QTime(13, 0, 0)};
    SecondTicker ticker{time};
    SpeechBackends speech{recordingSpeechDir(), [this](const QString& m) { messages.append(m); }};
    QTemporaryDir settingsDir;
    SettingsStore settings{settingsDir.path()};
    ManualTray tray;
    int programEnds = 0;
    Form1Instance form1{{time, ticker, speech, settings, tray, [this] { ++programEnds; }}};
    Форма2 splash{settings, form1};
};
