#include "online/AnalogEncoder.h"

#include "model/MyPublic.h"

namespace vx {

int EncoderBase(std::string_view holdParamString) {
    return HexFieldToInt(holdParamString, 20, 4);
}

int AnalogStart(int tab, int encoderBase) {
    switch (tab) {
        case kAd24Tab:
            return kAd24Start;
        case kEncoderTab:
            return encoderBase;
        default:
            return kAd12Start;
    }
}

std::array<std::string, 4> EncoderLabels(int e) {
    std::array<std::string, 4> labels;
    for (int i = 0; i < 4; ++i)
        labels[static_cast<std::size_t>(i)] =
            "EN" + std::to_string(i) + " (D" + std::to_string(e + 2 * i) + ")";
    return labels;
}

std::string TenthsText(std::uint16_t value) {
    return std::to_string(value / 10) + "." + std::to_string(value % 10);
}

std::array<std::string, 4> AnalogValues(int tab, int start, const DeviceImage& image) {
    std::array<std::string, 4> texts;
    for (int i = 0; i < 4; ++i) {
        std::string& text = texts[static_cast<std::size_t>(i)];
        if (tab == kAd12Tab) {
            if (const auto word = image.Word(DeviceKind::D, start + i)) text = TenthsText(*word);
        } else if (const auto pair = image.RegisterPair(start + 2 * i)) {
            text = std::to_string(static_cast<std::int32_t>(*pair));
        }
    }
    return texts;
}

}  // namespace vx
