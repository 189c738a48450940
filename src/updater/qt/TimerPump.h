// Runs a TimerSet from the Qt event loop: one precise single-shot timer,
// always set for the next due time.
#pragma once

#include <QObject>
#include <QTimer>

#include "updater/Timers.h"

namespace vx {

class TimerPump final : public QObject {
    Q_OBJECT

  public:
    // The timers must outlive the pump.
    explicit TimerPump(TimerSet& timers, QObject* parent = nullptr);
    ~TimerPump() override;

  private:
    void Fire();
    void Reschedule();

    TimerSet& timers_;
    QTimer timer_;
    bool running_ = false;
};

}  // namespace vx
