#include "online/ForceDevice.h"

namespace vx {

std::optional<int> BitWriteCode(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Y:
            return 109;
        case DeviceKind::M:
            return 5;
        case DeviceKind::S:
            return 14;
        case DeviceKind::T:
            return 110;
        case DeviceKind::C:
            return 111;
        default:
            return std::nullopt;
    }
}

bool Forceable(DeviceCode code) {
    return code != kNoDevice && BitWriteCode(DeviceCodeKind(code)).has_value();
}

std::string DeviceName(DeviceCode code) {
    if (code == kNoDevice) return {};
    return DeviceText(LetterOfKind(DeviceCodeKind(code)), DeviceCodeNumber(code));
}

std::string ForcePrompt(bool on, DeviceCode code) {
    return (on ? "SET:  " : "RST:  ") + DeviceName(code);
}

}  // namespace vx
