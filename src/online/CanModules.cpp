#include "online/CanModules.h"

#include "model/MyPublic.h"

namespace vx {

std::string XyLabel(int id) {
    const int xy = id >= 0 && id <= kCanModules ? kCanXyTable[static_cast<std::size_t>(id)] : 0;
    return "XY:" + std::to_string(xy);
}

CanView CanViewOf(const DeviceImage& image) {
    CanView view;
    for (int n = 1; n <= kCanModules; ++n) {
        const std::uint16_t value = image.Word(DeviceKind::D, kCanStart + n).value_or(0);
        std::string& cell = view.cells[static_cast<std::size_t>(n - 1)];
        if (!image.WasRead(DeviceKind::D, kCanStart + n)) {
            cell.clear();  // not known: neither online nor offline
            view.known = false;
            continue;
        }
        if (value == 0) {
            cell = "*";
            continue;
        }
        cell = std::to_string(n) + ":" + std::to_string(value);
        ++view.onlineCount;
        if (view.currentId == 0) view.currentId = n;
    }
    if (!view.known) view.currentId = kCanIdUnknown;
    return view;
}

int ModuleIdOfText(std::string_view text) {
    if (text.empty()) return 1;
    const std::optional<std::int32_t> n = DecimalToInt(text);
    if (!n || *n < 1) return 1;
    return *n > kCanModules ? kCanModules : *n;
}

void CanIdUpdate::Start(int requestedId) {
    pending_ = true;
    requested_ = requestedId;
    answers_ = 0;
}

CanIdUpdate::Step CanIdUpdate::Answer(int currentId) {
    if (!pending_) return Step::None;
    if (currentId == requested_) {
        pending_ = false;
        return Step::Done;
    }
    if (++answers_ > kCanRepeatAnswers) {
        answers_ = 0;
        return Step::Resend;
    }
    return Step::Wait;
}

}  // namespace vx
