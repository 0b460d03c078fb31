#pragma once

#include <QObject>

class SecondTicker;

// A timer of the main window that ticks once a second. Its ticks come from a
// SecondTicker, so all of them fall right after the wall-clock second changes
// and the idle program wakes up once a second, not once per timer.
class SecondTimer final : public QObject {
    Q_OBJECT
  public:
    explicit SecondTimer(bool enabled);
    ~SecondTimer() override;
    SecondTimer(const SecondTimer&) = delete;
    SecondTimer& operator=(const SecondTimer&) = delete;

    bool isEnabled() const { return enabled_; }
    // Enabling an enabled timer leaves it as it is; a newly enabled timer ticks
    // at the next second, never in the pass that enabled it.
    void setEnabled(bool enabled);

  Q_SIGNALS:
    void timeout();

  private:
    friend class SecondTicker;
    // Called by the ticker in its pass number `pass`.
    void tick(quint64 pass);

    bool enabled_;
    quint64 enabledInPass_ = 0;
    SecondTicker* ticker_ = nullptr;
};
