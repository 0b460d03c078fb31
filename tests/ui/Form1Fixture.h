#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ManualTime.h"
#include "ManualTray.h"
#include "SpeechLog.h"
#include "ui/Form1.h"

// A main window on a clock the test moves, speaking through the recording
// speech libraries; messages for the user are collected instead of shown.
class Form1Test : public testing::Test {
  protected:
    // `settingsFolder` is where the store keeps its file, inside a fresh temporary folder.
    explicit Form1Test(const QString& speechDir = recordingSpeechDir(),
                       const QString& settingsFolder = u"config"_qs)
        : speech(speechDir, [this](const QString& m) { messages.append(m); }),
          settingsRoot(settingsDir.filePath(settingsFolder)) {
        settings.setFailureReporter([this](const QString& m) { messages.append(m); });
    }

    // Lets time pass up to `t` and runs the pass that the change of second brings.
    void passAt(QTime t) {
        time.set(t);
        ticker.runPass();
    }
    // The user sets the system clock to `t`; the pass after the change follows.
    void clockSetTo(QTime t) {
        time.setClock(t);
        ticker.runPass();
    }

    SpeechLog log;
    QStringList messages;
    ManualTime time{QTime(13, 0, 0)};
    SecondTicker ticker{time};
    SpeechBackends speech;
    QTemporaryDir settingsDir;
    QString settingsRoot;
    SettingsStore settings{settingsRoot};
    ManualTray tray;
    int programEnds = 0;
    Form1 form{{time, ticker, speech, settings, tray, [this] { ++programEnds; }}};

    QString stored(const QString& key) const {
        return settings.GetSetting(u"Zef"_qs, u"Options"_qs, key, u"<absent>"_qs);
    }
};
