#include "online/qt/RegisterPoller.h"

#include <exception>

#include "online/RegisterPoll.h"

namespace vx {

TRegisterPoller::TRegisterPoller(QObject* parent, RegisterCalls& calls, DeviceImage& image,
                                 PollState& state)
    : QObject(parent), calls_(calls), image_(image), state_(state) {
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &TRegisterPoller::Timer1Timer);
}

TRegisterPoller::~TRegisterPoller() {
    Stop();
}

bool TRegisterPoller::Start(int start, int count) {
    Stop();
    image_.ForgetReads();  // what an earlier link read is not this one's
    if (!calls_.Open(ToolLinkParameters())) return false;
    linkOpen_ = true;
    state_.Reset();
    SetWindow(start, count);
    timer_.start();
    return true;
}

void TRegisterPoller::Stop() {
    timer_.stop();
    if (!linkOpen_) return;
    linkOpen_ = false;
    calls_.Close();
}

void TRegisterPoller::SetWindow(int start, int count) {
    start_ = start;
    count_ = count;
}

bool TRegisterPoller::Write(const std::uint16_t* words, int address, int count) {
    if (!linkOpen_) return false;
    const bool running = timer_.isActive();
    timer_.stop();
    const bool ok = calls_.WriteWords(words, address, count, kRegisterWriteArea);
    if (running) timer_.start();
    return ok;
}

void TRegisterPoller::Timer1Timer() {
    RegisterPollResult result;
    try {
        result = RegisterPollTick(state_, start_, count_, image_, calls_);
    } catch (const std::exception&) {
        return;  // a failed tick ends quietly; the next one goes on
    }
    if (result.answered) emit Answered(QString::fromStdString(state_.spinner));
    if (result.gaveUp) emit GaveUp();
}

}  // namespace vx
