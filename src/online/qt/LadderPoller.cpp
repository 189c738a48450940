#include "online/qt/LadderPoller.h"

#include <exception>

namespace vx {

TLadderPoller::TLadderPoller(QObject* parent, DeviceImage& image, ModbusCalls& calls,
                             PollState& state)
    : QObject(parent), image_(image), calls_(calls), state_(state) {
    setObjectName(QStringLiteral("LadderPoller"));
    timer_.setObjectName(QStringLiteral("LadderStakeout"));
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &TLadderPoller::LadderStakeoutTimer);
}

TLadderPoller::~TLadderPoller() {
    Stop();
}

bool TLadderPoller::Start(const LinkParameters& parameters) {
    if (Enabled()) return true;
    image_.ForgetReads();  // what an earlier link read is not this one's
    if (!calls_.Open(parameters)) return false;
    state_.Reset();
    failureTold_ = false;
    timer_.start();
    return true;
}

void TLadderPoller::Stop() {
    if (!Enabled()) return;
    timer_.stop();
    calls_.Close();
}

TLadderPoller::Hold::Hold(TLadderPoller* poller)
    : poller_(poller), running_(poller != nullptr && poller->Enabled()) {
    if (running_) poller_->timer_.stop();
}

TLadderPoller::Hold::~Hold() {
    if (running_) poller_->timer_.start();
}

void TLadderPoller::SetScheme(ScanScheme scheme) {
    scheme_ = std::move(scheme);
    state_.pollStep = 0;
}

void TLadderPoller::LadderStakeoutTimer() {
    TickResult result;
    try {
        result = LadderStakeoutTick(state_, scheme_, image_, calls_);
    } catch (const std::exception&) {
        return;  // a failed step ends quietly; the next one goes on
    }
    if (result.answered) {
        failureTold_ = false;
        emit Answered(QString::fromStdString(state_.spinner));
    }
    if (result.repaint) emit RepaintWanted();
    if (result.gaveUp && !failureTold_) {
        failureTold_ = true;
        emit LinkFailed();
    }
}

}  // namespace vx
