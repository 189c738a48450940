// The 10 ms timer `Timer1` of the utility windows that watch registers (the
// analog and encoder monitor, the pulse test, the CAN modules): one window of
// D registers read round and round into the shared device image.
//
// Each window opens its own link with the tool's link parameters when it is
// shown and closes it when it closes, only if its own open succeeded; a link
// that does not open leaves the window idle (the window tells it). Starting
// forgets what the device image read before, so that a window shows only
// what its own link read; a read the controller does not answer is reported
// (GaveUp) and its registers are unread again. Writes are
// made with the timer paused, so that no tick runs while the write waits for
// its confirmation.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/RegisterCalls.h"

namespace vx {

class TRegisterPoller : public QObject {
    Q_OBJECT
  public:
    explicit TRegisterPoller(QObject* parent = nullptr, RegisterCalls& calls = TheRegisterCalls(),
                             DeviceImage& image = TheDeviceImage(),
                             PollState& state = ThePollState());
    ~TRegisterPoller() override;

    QTimer& Timer1() { return timer_; }
    bool Polling() const { return timer_.isActive(); }
    bool LinkOpen() const { return linkOpen_; }

    // Opens the link and, when it opened, starts polling count registers from
    // start with the poll state reset. False, and nothing started, when the
    // link did not open.
    bool Start(int start, int count);
    // Stops the timer and closes the link, when this poller opened it.
    void Stop();
    // Another window of registers; the read in flight still lands where it was asked.
    void SetWindow(int start, int count);
    int WindowStart() const { return start_; }

    // Writes count words (the low word first) to D address with the timer
    // paused, then restores the timer. False when the link is not open or the
    // controller did not confirm.
    bool Write(const std::uint16_t* words, int address, int count);

    // One tick, as the timer makes it.
    void Timer1Timer();

  signals:
    // An answer has come into the image; the spinner turned.
    void Answered(const QString& spinner);
    // A read went unanswered and was given up.
    void GaveUp();

  private:
    RegisterCalls& calls_;
    DeviceImage& image_;
    PollState& state_;
    QTimer timer_;
    bool linkOpen_ = false;
    int start_ = 0;
    int count_ = 0;
};

}  // namespace vx
