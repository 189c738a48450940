#include "online/MemoryPoll.h"

#include <algorithm>

namespace vx {
namespace {

constexpr int kMEnd = 10000;  // M0-M9999
constexpr int kDEnd = 10000;  // D0-D9999

}  // namespace

PollFlags FlagsOfTab(MonitorTab tab) {
    PollFlags f;
    switch (tab) {
        case MonitorTab::X:
            f.x = true;
            break;
        case MonitorTab::Y:
            f.y = true;
            break;
        case MonitorTab::M:
            f.m = true;
            break;
        case MonitorTab::S:
            f.s = true;
            break;
        case MonitorTab::T:
            f.tBits = true;
            f.tValues = true;
            break;
        case MonitorTab::C:
            f.cBits = true;
            f.cValues = true;
            break;
        case MonitorTab::D:
            f.d = true;
            break;
        case MonitorTab::SD:
            f.sd = true;
            break;
        case MonitorTab::Close:
            break;
    }
    return f;
}

void PollWindows::Drawn(DeviceKind kind, int number) {
    if (kind == DeviceKind::M) mMaxDrawn = std::max(mMaxDrawn, number);
    if (kind == DeviceKind::D) dMaxDrawn = std::max(dMaxDrawn, number);
}

void PollWindows::Follow(MonitorTab tab) {
    if (tab == MonitorTab::D) {
        dOffset = std::max(dMaxDrawn - 299, 0);
        dMaxDrawn = 0;
    } else if (tab == MonitorTab::M) {
        mOffset = std::max(mMaxDrawn - 299, 0);
        mMaxDrawn = 0;
    }
}

std::optional<PollRead> PollStepRead(int step, const PollFlags& f, const PollWindows& w) {
    auto bits = [](DeviceKind kind, int start, int count) {
        return PollRead{true, kind, start, count, ReadAreaCode(kind)};
    };
    auto words = [](DeviceKind kind, int start, int count) {
        return PollRead{false, kind, start, count, ReadAreaCode(kind)};
    };
    if (step == 0 && f.x) return bits(DeviceKind::X, 0, 378);
    if (step == 1 && f.y) return bits(DeviceKind::Y, 0, 378);
    if (step == 2 && f.tBits) return bits(DeviceKind::T, 0, 400);
    if (step == 3 && f.cBits) return bits(DeviceKind::C, 0, 200);
    if (step >= 4 && step <= 7 && f.m) {
        int start = (step - 4) * kMWindowRead + w.mOffset;
        if (start + kMWindowRead > kMEnd) start = kMEnd - kMWindowRead;
        return bits(DeviceKind::M, std::max(start, 0), kMWindowRead);
    }
    if (step == 8 && f.s) return bits(DeviceKind::S, 0, 200);
    if (step >= 9 && step <= 12 && f.tValues)
        return words(DeviceKind::TValue, (step - 9) * kDWindowRead, kDWindowRead);
    if (step >= 13 && step <= 14 && f.cValues)
        return words(DeviceKind::CValue, (step - 13) * kDWindowRead, kDWindowRead);
    if (step >= 15 && step <= 18 && f.d) {
        int start = (step - 15) * kDWindowRead + w.dOffset;
        if (start + kDWindowRead > kDEnd) start = kDEnd - kDWindowRead;
        return words(DeviceKind::D, std::max(start, 0), kDWindowRead);
    }
    if (step >= 19 && step <= kLastPollStep && f.sd)
        return words(DeviceKind::D, (step - 19) * kDWindowRead + DeviceImage::kFirstSystemRegister,
                     kDWindowRead);
    return std::nullopt;
}

TickResult MemoryMonitorTick(PollState& s, const PollFlags& flags, const PollWindows& windows,
                             DeviceImage& image, ModbusCalls& calls) {
    TickResult result;
    if (s.answerReady) {
        if (s.pollStep > static_cast<std::size_t>(kLastPollStep)) s.pollStep = 0;
        for (int step = static_cast<int>(s.pollStep); step <= kLastPollStep; ++step) {
            const std::optional<PollRead> read = PollStepRead(step, flags, windows);
            if (!read) continue;
            s.isBit = read->bits;
            s.kind = read->kind;
            s.start = read->start;
            s.count = read->count;
            s.areaCode = read->areaCode;
            if (read->bits) {
                calls.ReadBits(read->start, read->count, read->areaCode);
            } else {
                calls.ReadWords(read->start, read->count, read->areaCode);
            }
            s.pollStep = static_cast<std::size_t>(step) + 1;
            s.answerReady = false;
            s.retryCount = 0;
            result.sent = true;
            return result;
        }
        s.pollStep = 0;  // nothing flagged from here: the next tick starts at the first step
        return result;
    }

    s.retryCount += 1;
    if (s.retryCount < kRetakeLimit) {
        if (RetakeOutstanding(s, image, calls)) {
            s.answerReady = true;
            s.retryCount = 0;
            s.spinner = s.spinner == kMemorySpinnerDot ? kMemorySpinnerBlank : kMemorySpinnerDot;
            result.answered = true;
        }
    } else {
        s.retryCount = 0;
        s.answerReady = true;  // given up: the next tick sends the next step
        image.MarkRead(s.kind, s.start, s.count, false);
        result.gaveUp = true;
    }
    return result;
}

}  // namespace vx
