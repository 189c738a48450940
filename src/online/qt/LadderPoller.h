// The timer `LadderStakeout` of ladder monitoring: every 10 ms one step of the
// poller over the request list, into the shared device image.
//
// It opens the link when it starts and closes it when it stops, only if its
// own open succeeded; the owner sets the request list. The poller reports
// each answer (with the spinner text for status panel 2), when the grid
// should be repainted, and, once until the next answer, that a read went
// unanswered (the controller is not there or has gone away).
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "online/CommunicationsScheme.h"
#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"

namespace vx {

class TLadderPoller : public QObject {
    Q_OBJECT
  public:
    // Polls the image through the calls (the tool's link unless told otherwise).
    explicit TLadderPoller(QObject* parent = nullptr, DeviceImage& image = TheDeviceImage(),
                           ModbusCalls& calls = TheModbusCalls(),
                           PollState& state = ThePollState());

    ~TLadderPoller() override;

    QTimer& LadderStakeout() { return timer_; }
    bool Enabled() const { return timer_.isActive(); }
    // Opens the link and, when it opened, resets the poll state (nothing
    // outstanding, from the first request) and starts the timer. A failed
    // open changes nothing and is not reported.
    bool Start(const LinkParameters& parameters);
    // Stops the timer and closes the link, when it was running.
    void Stop();

    // Holds the timer while a write is on the line, so that no read is
    // started meanwhile; the link stays open. The timer runs again when the
    // hold ends, if it ran when the hold began.
    class Hold {
      public:
        explicit Hold(TLadderPoller* poller);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        TLadderPoller* poller_;
        bool running_;
    };

    const ScanScheme& Scheme() const { return scheme_; }
    // A new request list; the sweep starts again at its first request.
    void SetScheme(ScanScheme scheme);

    // One step, as the timer makes it.
    void LadderStakeoutTimer();

  signals:
    void Answered(const QString& spinner);
    void RepaintWanted();
    // A read was given up after an answer or since the start; not again
    // until an answer has come.
    void LinkFailed();

  private:
    DeviceImage& image_;
    ModbusCalls& calls_;
    PollState& state_;
    ScanScheme scheme_;
    QTimer timer_;
    bool failureTold_ = false;
};

}  // namespace vx
