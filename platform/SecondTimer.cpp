#include "SecondTimer.h"

#include "SecondTicker.h"

SecondTimer::SecondTimer(bool enabled) : enabled_(enabled) {}

SecondTimer::~SecondTimer() {
    if (ticker_) ticker_->remove(*this);
}

void SecondTimer::setEnabled(bool enabled) {
    if (enabled && !enabled_) enabledInPass_ = ticker_ ? ticker_->passCount() : 0;
    enabled_ = enabled;
}

void SecondTimer::tick(quint64 pass) {
    if (enabled_ && enabledInPass_ < pass) Q_EMIT timeout();
}
