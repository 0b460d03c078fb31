#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include "ScopedEnvironment.h"

// A PulseAudio server of our own with one null sink, in a temporary folder,
// started on construction and stopped on destruction. While it runs, this
// process's sound clients (PULSE_SERVER) reach it and nothing else; its sink's
// monitor, kMonitor, records whatever is played.
class PrivateSoundServer {
  public:
    static constexpr int kRate = 22050;  // espeak-ng's rate; flite's 16 kHz is resampled
    static constexpr const char* kMonitor = "horalo_sink.monitor";

    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    bool running() const { return error_.isEmpty(); }
    QString error() const { return error_; }  // why it does not run

    // Stops the server where it stands, as a hung one, or lets it go on.
    void stall(bool stalled);

  private:
    bool start();

    QTemporaryDir dir_;
    QProcess server_;
    ScopedEnvironment environment_;
    QString error_;
};
