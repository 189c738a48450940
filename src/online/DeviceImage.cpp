#include "online/DeviceImage.h"

#include <algorithm>

namespace vx {
namespace {

constexpr std::size_t BitIndex(DeviceKind kind) {
    return static_cast<std::size_t>(kind);
}
constexpr std::size_t WordIndex(DeviceKind kind) {
    return static_cast<std::size_t>(kind) - static_cast<std::size_t>(DeviceKind::D);
}

}  // namespace

DeviceImage::DeviceImage() {
    for (int k = 0; k < kDeviceKindCount; ++k) {
        const DeviceKind kind = static_cast<DeviceKind>(k);
        const auto size = static_cast<std::size_t>(Entries(kind));
        read_[static_cast<std::size_t>(k)].assign(size, 0);
        if (IsBitKind(kind)) {
            bits_[BitIndex(kind)].assign(size, 0);
        } else {
            words_[WordIndex(kind)].assign(size, 0);
        }
    }
}

std::optional<bool> DeviceImage::Bit(DeviceKind kind, int number) const {
    if (!IsBitKind(kind) || !Holds(kind, number)) return std::nullopt;
    return bits_[BitIndex(kind)][static_cast<std::size_t>(number)] != 0;
}

std::optional<std::uint16_t> DeviceImage::Word(DeviceKind kind, int number) const {
    if (!IsWordKind(kind) || !Holds(kind, number)) return std::nullopt;
    return words_[WordIndex(kind)][static_cast<std::size_t>(number)];
}

std::optional<std::uint32_t> DeviceImage::RegisterPair(int number) const {
    if (!Holds(DeviceKind::D, number, 2)) return std::nullopt;
    const std::vector<std::uint16_t>& d = words_[WordIndex(DeviceKind::D)];
    const auto n = static_cast<std::size_t>(number);
    return static_cast<std::uint32_t>(d[n]) | (static_cast<std::uint32_t>(d[n + 1]) << 16);
}

bool DeviceImage::SetBit(DeviceKind kind, int number, bool on) {
    if (!IsBitKind(kind) || !Holds(kind, number)) return false;
    bits_[BitIndex(kind)][static_cast<std::size_t>(number)] = on ? 1 : 0;
    return true;
}

bool DeviceImage::SetWord(DeviceKind kind, int number, std::uint16_t value) {
    if (!IsWordKind(kind) || !Holds(kind, number)) return false;
    words_[WordIndex(kind)][static_cast<std::size_t>(number)] = value;
    return true;
}

bool DeviceImage::SetRegisterPair(int number, std::uint32_t value) {
    if (!Holds(DeviceKind::D, number, 2)) return false;
    std::vector<std::uint16_t>& d = words_[WordIndex(DeviceKind::D)];
    const auto n = static_cast<std::size_t>(number);
    d[n] = static_cast<std::uint16_t>(value & 0xFFFFu);
    d[n + 1] = static_cast<std::uint16_t>(value >> 16);
    return true;
}

std::span<std::uint8_t> DeviceImage::BitSpan(DeviceKind kind, int start, int count) {
    if (!IsBitKind(kind) || !Holds(kind, start, count)) return {};
    return std::span<std::uint8_t>(bits_[BitIndex(kind)])
        .subspan(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

std::span<const std::uint8_t> DeviceImage::BitSpan(DeviceKind kind, int start, int count) const {
    if (!IsBitKind(kind) || !Holds(kind, start, count)) return {};
    return std::span<const std::uint8_t>(bits_[BitIndex(kind)])
        .subspan(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

std::span<std::uint16_t> DeviceImage::WordSpan(DeviceKind kind, int start, int count) {
    if (!IsWordKind(kind) || !Holds(kind, start, count)) return {};
    return std::span<std::uint16_t>(words_[WordIndex(kind)])
        .subspan(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

std::span<const std::uint16_t> DeviceImage::WordSpan(DeviceKind kind, int start, int count) const {
    if (!IsWordKind(kind) || !Holds(kind, start, count)) return {};
    return std::span<const std::uint16_t>(words_[WordIndex(kind)])
        .subspan(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

bool DeviceImage::WasRead(DeviceKind kind, int number) const {
    if (!Holds(kind, number)) return false;
    return read_[static_cast<std::size_t>(kind)][static_cast<std::size_t>(number)] != 0;
}

bool DeviceImage::MarkRead(DeviceKind kind, int start, int count, bool read) {
    if (!Holds(kind, start, count)) return false;
    std::vector<std::uint8_t>& marks = read_[static_cast<std::size_t>(kind)];
    std::fill_n(marks.begin() + start, count, static_cast<std::uint8_t>(read ? 1 : 0));
    return true;
}

void DeviceImage::ForgetReads() {
    for (std::vector<std::uint8_t>& marks : read_)
        std::fill(marks.begin(), marks.end(), std::uint8_t{0});
}

void DeviceImage::Clear() {
    ForgetReads();
    for (std::vector<std::uint8_t>& area : bits_)
        std::fill(area.begin(), area.end(), std::uint8_t{0});
    for (std::vector<std::uint16_t>& area : words_)
        std::fill(area.begin(), area.end(), std::uint16_t{0});
}

DeviceImage& TheDeviceImage() {
    static DeviceImage image;
    return image;
}

}  // namespace vx
