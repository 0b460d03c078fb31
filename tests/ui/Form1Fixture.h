#pragma once

#include <gtest/gtest.h>

#include "ManualTime.h"
#include "SpeechLog.h"
#include "ui/Form1.h"

// A main window on a clock the test moves, speaking through the recording
// speech libraries; messages for the user are collected instead of shown.
class Form1Test : public testing::Test {
  protected:
    explicit Form1Test(const QString& speechDir = recordingSpeechDir())
        : speech(speechDir, [this](const QString& m) { messages.append(m); }) {}

    // Sets the clock and runs the pass that the change of second brings.
    void passAt(QTime t) {
        time.set(t);
        ticker.runPass();
    }

    SpeechLog log;
    QStringList messages;
    ManualTime time{QTime(13, 0, 0)};
    SecondTicker ticker{time};
    SpeechBackends speech;
    Form1 form{{time, ticker, speech}};
};
