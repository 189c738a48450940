// The controller's system parameters as the project carries them.
//
// Two strings of upper-case hexadecimal digits travel with the project. Each
// field is a value written in hexadecimal, zero-padded on the left to the
// field's width; the fields follow each other with no separator.
//
// SysParamString, 51 digits (position 1-based, width in digits):
//   1:2 series   3:2 version   5:5 "00000"   10:2 COM1 station
//   12:1 COM1 baud   13:2 time-out (ms)   15:1 COM1 frame   16:1 COM3 baud
//   17:1 COM3 frame   18:1 COM2 mode   19:2 COM3 role   21:1 CAN function
//   22:1 CAN baud   23:1 CAN frame format   24:1 CAN frame type
//   25:2 CANopen node ID   27:1 node start   28:3 TPDO inhibit (ms)
//   31:3, 34:3, 37:3, 40:3 CANown data-share area: own ID 2, codes 3, 4, 5
//   43:3, 46:3 CANown Modbus-slave area: own ID 3, code 6
//   49:1 analog resolution   50:2 flag byte
// Flag byte: bit 0 C block, bit 1 encoder 0 in "A相" mode, bit 3 compiled C
// library, bits 4-5 internal timer interrupt, bit 6 encoder 1 in "A相" mode;
// bits 2 and 7 are always 0, and at most one of bits 0 and 3 is set.
//
// HoldParamString, 23 digits written (a new project has 26, the last three
// "0", which nobody reads): 1:1, 2:1, 3:1 external interrupts X00, X01, X02;
// 4:4 first retentive relay M, 8:4 first retentive register D, 12:4 first
// retentive 16-bit counter C, 16:4 first of the 40 battery-kept registers,
// 20:4 first of the 4 encoder-count registers.
//
// Fields are read with HexFieldToInt: a missing or unreadable field reads 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr int kSysParamDigits = 51;
inline constexpr int kHoldParamDigits = 23;

// The fields of SysParamString, in string order.
enum class SysField {
    Series,
    Version,
    Reserved,  // always "00000"
    Station,
    Com1Baud,
    Timeout,
    Com1Frame,
    Com3Baud,
    Com3Frame,
    Com2Mode,
    Com3Role,
    CanUse,
    CanBaud,
    CanFormat,
    CanFrameType,
    CanNodeId,
    NmtStart,
    TpdoInhibit,
    ShareOwnId,  // data-share area: own ID 2
    ShareCode3,
    ShareCode4,
    ShareCode5,
    SlaveOwnId,  // Modbus-slave area: own ID 3
    SlaveCode6,
    AdBits,
    Flags,
};
inline constexpr int kSysFieldCount = 26;

struct ParamFieldInfo {
    const char* name;  // the dialog's control, or a description
    int position;      // 1-based
    int width;         // digits
    int minimum;       // what the dialog offers
    int maximum;
    int newProject;  // the value of a new project
};

// Position, width, range and default of a field.
const ParamFieldInfo& InfoOf(SysField field);

// Bits of the flag byte.
inline constexpr int kFlagCBlock = 0x01;
inline constexpr int kFlagEncoder0A = 0x02;
inline constexpr int kFlagCLibrary = 0x08;
inline constexpr int kFlagTimerShift = 4;
inline constexpr int kFlagTimerMask = 0x30;
inline constexpr int kFlagEncoder1A = 0x40;
// The flag byte as it may be stored: bits 2 and 7 cleared, and of the C block
// and the C library only the library when both are set (loading ticks the
// library's box after the block's, and ticking one clears the other).
int NormalFlags(int flags);

struct SysParams {
    std::array<int, kSysFieldCount> values{};

    // A new project's parameters.
    SysParams();

    int Get(SysField field) const { return values[static_cast<std::size_t>(field)]; }
    void Set(SysField field, int value) { values[static_cast<std::size_t>(field)] = value; }

    // The flag byte's parts. Switching the C block or the C library on
    // switches the other off.
    bool CBlock() const { return (Get(SysField::Flags) & kFlagCBlock) != 0; }
    bool CLibrary() const { return (Get(SysField::Flags) & kFlagCLibrary) != 0; }
    void SetCBlock(bool on);
    void SetCLibrary(bool on);
    // Encoder modes: 0 "AB相", 1 "A相".
    int Encoder0Mode() const { return (Get(SysField::Flags) & kFlagEncoder0A) != 0 ? 1 : 0; }
    int Encoder1Mode() const { return (Get(SysField::Flags) & kFlagEncoder1A) != 0 ? 1 : 0; }
    void SetEncoder0Mode(int mode);
    void SetEncoder1Mode(int mode);
    // Internal timer interrupt, 0-3 (0 off, 1 every millisecond).
    int TimerInterrupt() const {
        return (Get(SysField::Flags) & kFlagTimerMask) >> kFlagTimerShift;
    }
    void SetTimerInterrupt(int mode);

    bool operator==(const SysParams&) const = default;
};

// Every field read from the string (a short string reads 0 for the fields it
// lacks); the flag byte comes back as NormalFlags.
SysParams ParseSysParams(std::string_view text);
// The 51 digits. The reserved field is always "00000"; a value that does not
// fit its field is held to the field's range (0 to the largest value of its
// digits), so no field ever moves another; the flag byte is written as
// NormalFlags.
std::string FormatSysParams(const SysParams& params);

// One value as a field: upper-case hexadecimal, zero-padded to `width`
// digits, held to 0 .. 16^width - 1.
std::string HexField(int value, int width);

struct HoldParams {
    std::array<int, 3> interrupts{};  // X00, X01, X02: 0 off, 1 rising, 2 falling, 3 both
    int relayStart = 531;             // M, 500-1299, of the form 499 + 16k
    int registerStart = 599;          // D, 500-1299
    int counterStart = 169;           // C, 165-199
    int batteryStart = 4000;          // first of 40 battery-kept D, 0-5000
    int encoderStart = 2300;          // first of 4 encoder-count D, 0-5000

    bool operator==(const HoldParams&) const = default;
};

// The interrupt modes' captions.
inline constexpr std::array<const char*, 4> kInterruptModeNames = {
    "不用", "上升沿(自动调用Sub_30)", "下降沿(自动调用Sub_30)", "上升沿&下降沿(自动调用Sub_30)"};

HoldParams ParseHoldParams(std::string_view text);
// The 23 digits.
std::string FormatHoldParams(const HoldParams& params);

// A string whose first retentive register (8:4) is below 500 has never been
// set by the dialog; it is rebuilt as its three interrupt digits followed by
// 531, 1299, 169, 50 and 2300.
bool HoldNeedsRebuild(std::string_view text);
std::string RebuiltHoldParamString(std::string_view text);

// The first retentive relay as the controller takes it: held to 500-1299,
// then (value - 484) div 16 x 16 + 499, so 500 becomes 515, 530 becomes 531
// and 531 and 1299 stay.
int SnapRelayStart(int value);

// The controller series the dialog and the about box offer (11 rows), and
// the hardware versions of a series (two for series 0-2, three for 3-10,
// each list beginning with "V1.0"; empty for an index outside 0-10).
const std::vector<std::string>& PlcSeriesNames();
std::vector<std::string> PlcVersionNames(int series);
// The series the dialog shows for a stored index: the index, or 8 when the
// list has no such row.
int ShownSeries(int series);
// The version the dialog shows: the stored index when the series' list has
// it, else the list's last version.
int ShownVersion(int series, int version);
// The model and version the dialog shows for a stored string, joined by "/"
// ("KZ6-14MR/V1.0"), as the status bar and the project tab show them.
std::string ShownModelVersion(std::string_view sysParamString);

}  // namespace vx
