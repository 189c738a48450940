#include "model/Devices.h"

namespace vx {

std::optional<DeviceRange> RangeOfLetter(char letter) {
    for (const DeviceRange& range :
         {kXRange, kYRange, kMRange, kSRange, kTRange, kCRange, kDRange}) {
        if (range.letter == letter) return range;
    }
    return std::nullopt;
}

char LetterOfKind(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::X:
            return 'X';
        case DeviceKind::Y:
            return 'Y';
        case DeviceKind::M:
            return 'M';
        case DeviceKind::S:
            return 'S';
        case DeviceKind::T:
        case DeviceKind::TValue:
            return 'T';
        case DeviceKind::C:
        case DeviceKind::CValue:
            return 'C';
        case DeviceKind::D:
            return 'D';
    }
    return '?';
}

std::string DeviceText(char letter, std::int32_t number) {
    std::string text(1, letter);
    text += std::to_string(number);
    return text;
}

}  // namespace vx
