// The last values read from the controller.
//
// One area per device kind, indexed by device number; X and Y by the decimal
// reading of their octal label (X17 is entry 17, so the 378 inputs a read of
// X0-X377 delivers fit the area). Bit areas keep one byte per bit as the link
// delivers them (nonzero is ON); word areas keep 16-bit words. The D area runs
// to D20000: D10000 and up are the controller's system registers.
//
// Every accessor checks its range: a number outside the area reads as nothing
// and writes nothing, so a device named by a damaged cell or a bad answer can
// never reach memory outside the image.
//
// Each entry also knows whether its value came from the controller: a read
// answered marks its entries read, a read given up marks them unread again
// (their values are no longer live), and clearing the image or forgetting the
// reads (when a link opens) marks every entry unread. A window shows an
// unread entry greyed or blank, never as a live value.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/Devices.h"

namespace vx {

class DeviceImage {
  public:
    // Entries per area.
    static constexpr int kXEntries = 381;
    static constexpr int kYEntries = 381;
    static constexpr int kTEntries = 401;  // timer contacts
    static constexpr int kCEntries = 201;  // counter contacts
    static constexpr int kMEntries = 10001;
    static constexpr int kSEntries = 201;
    static constexpr int kDEntries = 20001;
    static constexpr int kTValueEntries = 401;
    static constexpr int kCValueEntries = 201;
    static constexpr int kFirstSystemRegister = 10000;

    DeviceImage();

    // X, Y, M, S and the T and C contacts are bits; D and the T and C current
    // values are words.
    static constexpr bool IsBitKind(DeviceKind kind) {
        const int k = static_cast<int>(kind);
        return k >= 0 && k <= static_cast<int>(DeviceKind::C);
    }
    static constexpr bool IsWordKind(DeviceKind kind) {
        const int k = static_cast<int>(kind);
        return k >= static_cast<int>(DeviceKind::D) && k < kDeviceKindCount;
    }
    // Entries of the kind's area; 0 for a value that names no kind.
    static constexpr int Entries(DeviceKind kind) {
        switch (kind) {
            case DeviceKind::X:
                return kXEntries;
            case DeviceKind::Y:
                return kYEntries;
            case DeviceKind::M:
                return kMEntries;
            case DeviceKind::S:
                return kSEntries;
            case DeviceKind::T:
                return kTEntries;
            case DeviceKind::C:
                return kCEntries;
            case DeviceKind::D:
                return kDEntries;
            case DeviceKind::TValue:
                return kTValueEntries;
            case DeviceKind::CValue:
                return kCValueEntries;
        }
        return 0;
    }
    // Whether entries number to number + count - 1 all lie in the kind's area.
    static constexpr bool Holds(DeviceKind kind, std::int64_t number, std::int64_t count = 1) {
        return count >= 1 && number >= 0 && number + count <= Entries(kind);
    }

    // A bit of a bit area, a word of a word area; nothing outside the area or
    // for a kind of the other sort.
    std::optional<bool> Bit(DeviceKind kind, int number) const;
    std::optional<std::uint16_t> Word(DeviceKind kind, int number) const;
    // D number and D number + 1 as one 32-bit value, the low word first.
    std::optional<std::uint32_t> RegisterPair(int number) const;

    // Each gives false and changes nothing when the entry is not in the area.
    bool SetBit(DeviceKind kind, int number, bool on);
    bool SetWord(DeviceKind kind, int number, std::uint16_t value);
    bool SetRegisterPair(int number, std::uint32_t value);

    // The count entries from start of a bit or word area, where a read answer
    // is copied; an empty span when they do not all lie in the area.
    std::span<std::uint8_t> BitSpan(DeviceKind kind, int start, int count);
    std::span<const std::uint8_t> BitSpan(DeviceKind kind, int start, int count) const;
    std::span<std::uint16_t> WordSpan(DeviceKind kind, int start, int count);
    std::span<const std::uint16_t> WordSpan(DeviceKind kind, int start, int count) const;

    // Whether the entry's value was read from the controller (and its last
    // read not given up); false outside the area.
    bool WasRead(DeviceKind kind, int number) const;
    // Marks the count entries from start read or unread; false and nothing
    // changed when they do not all lie in the area.
    bool MarkRead(DeviceKind kind, int start, int count, bool read);
    // Every entry unread; the values stay.
    void ForgetReads();

    // Every bit OFF, every word 0, every entry unread.
    void Clear();

    bool operator==(const DeviceImage&) const = default;

  private:
    std::array<std::vector<std::uint8_t>, 6> bits_;                 // X, Y, M, S, T, C by kind
    std::array<std::vector<std::uint16_t>, 3> words_;               // D, T values, C values
    std::array<std::vector<std::uint8_t>, kDeviceKindCount> read_;  // by kind: 1 = read
};

// The image that ladder monitoring, the device memory monitor and the online
// dialogs share for the whole run.
DeviceImage& TheDeviceImage();

}  // namespace vx
