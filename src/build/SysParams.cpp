#include "build/SysParams.h"

#include <algorithm>

#include "model/MyPublic.h"

namespace vx {
namespace {

constexpr std::array<ParamFieldInfo, kSysFieldCount> kSysFields = {{
    {"PlcSeries", 1, 2, 0, 10, 2},       {"PlcVersion", 3, 2, 0, 2, 0},
    {"reserved", 5, 5, 0, 0, 0},         {"SpinEdit1", 10, 2, 0, 255, 1},
    {"Baud_rate", 12, 1, 0, 4, 3},       {"SpinEdit2", 13, 2, 10, 255, 100},
    {"ComboBox1", 15, 1, 0, 2, 2},       {"ComboBox2", 16, 1, 0, 9, 9},
    {"ComboBox3", 17, 1, 0, 2, 2},       {"ComboBox4", 18, 1, 0, 1, 0},
    {"LabelCOM3Model", 19, 2, 0, 1, 0},  {"CAN_Use", 21, 1, 0, 2, 0},
    {"ComboBox5", 22, 1, 0, 7, 5},       {"ComboBox6", 23, 1, 0, 1, 0},
    {"ComboBox7", 24, 1, 0, 1, 0},       {"CAN_ID1a", 25, 2, 1, 127, 1},
    {"NMT_Master", 27, 1, 0, 1, 0},      {"TPDO_INHIBIT", 28, 3, 1, 4000, 100},
    {"CAN_ID2a", 31, 3, 100, 2038, 100}, {"CAN_ID2b", 34, 3, 0, 2038, 101},
    {"CAN_ID2c", 37, 3, 100, 2038, 102}, {"CAN_ID2d", 40, 3, 100, 2038, 103},
    {"CAN_ID3a", 43, 3, 100, 2038, 200}, {"CAN_ID3b", 46, 3, 100, 2038, 201},
    {"ADbit", 49, 1, 0, 1, 0},           {"flags", 50, 2, 0, 0x7B, 0},
}};

constexpr int kSeriesCount = 11;
constexpr int kFallbackSeries = 8;

int SetBit(int flags, int bit, bool on) {
    return on ? (flags | bit) : (flags & ~bit);
}

}  // namespace

const ParamFieldInfo& InfoOf(SysField field) {
    return kSysFields[static_cast<std::size_t>(field)];
}

int NormalFlags(int flags) {
    flags &= 0x7B;
    if ((flags & kFlagCBlock) && (flags & kFlagCLibrary)) flags &= ~kFlagCBlock;
    return flags;
}

SysParams::SysParams() {
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = kSysFields[i].newProject;
}

void SysParams::SetCBlock(bool on) {
    int flags = SetBit(Get(SysField::Flags), kFlagCBlock, on);
    if (on) flags &= ~kFlagCLibrary;
    Set(SysField::Flags, flags);
}

void SysParams::SetCLibrary(bool on) {
    int flags = SetBit(Get(SysField::Flags), kFlagCLibrary, on);
    if (on) flags &= ~kFlagCBlock;
    Set(SysField::Flags, flags);
}

void SysParams::SetEncoder0Mode(int mode) {
    Set(SysField::Flags, SetBit(Get(SysField::Flags), kFlagEncoder0A, mode != 0));
}

void SysParams::SetEncoder1Mode(int mode) {
    Set(SysField::Flags, SetBit(Get(SysField::Flags), kFlagEncoder1A, mode != 0));
}

void SysParams::SetTimerInterrupt(int mode) {
    const int bits = (std::clamp(mode, 0, 3) << kFlagTimerShift) & kFlagTimerMask;
    Set(SysField::Flags, (Get(SysField::Flags) & ~kFlagTimerMask) | bits);
}

std::string HexField(int value, int width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::int64_t largest = 1;
    for (int i = 0; i < width; ++i)
        largest *= 16;
    std::int64_t v = std::clamp<std::int64_t>(value, 0, largest - 1);
    std::string text(static_cast<std::size_t>(std::max(width, 0)), '0');
    for (int i = width - 1; i >= 0 && v > 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[v % 16];
        v /= 16;
    }
    return text;
}

SysParams ParseSysParams(std::string_view text) {
    SysParams params;
    for (std::size_t i = 0; i < kSysFields.size(); ++i) {
        params.values[i] = HexFieldToInt(text, kSysFields[i].position, kSysFields[i].width);
    }
    params.Set(SysField::Reserved, 0);
    params.Set(SysField::Flags, NormalFlags(params.Get(SysField::Flags)));
    return params;
}

std::string FormatSysParams(const SysParams& params) {
    std::string text;
    text.reserve(kSysParamDigits);
    for (std::size_t i = 0; i < kSysFields.size(); ++i) {
        int value = params.values[i];
        if (static_cast<SysField>(i) == SysField::Reserved) value = 0;
        if (static_cast<SysField>(i) == SysField::Flags) value = NormalFlags(value);
        text += HexField(value, kSysFields[i].width);
    }
    return text;
}

HoldParams ParseHoldParams(std::string_view text) {
    HoldParams params;
    for (int i = 0; i < 3; ++i)
        params.interrupts[static_cast<std::size_t>(i)] = HexFieldToInt(text, i + 1, 1);
    params.relayStart = HexFieldToInt(text, 4, 4);
    params.registerStart = HexFieldToInt(text, 8, 4);
    params.counterStart = HexFieldToInt(text, 12, 4);
    params.batteryStart = HexFieldToInt(text, 16, 4);
    params.encoderStart = HexFieldToInt(text, 20, 4);
    return params;
}

std::string FormatHoldParams(const HoldParams& params) {
    std::string text;
    text.reserve(kHoldParamDigits);
    for (int mode : params.interrupts)
        text += HexField(mode, 1);
    for (int value : {params.relayStart, params.registerStart, params.counterStart,
                      params.batteryStart, params.encoderStart}) {
        text += HexField(value, 4);
    }
    return text;
}

bool HoldNeedsRebuild(std::string_view text) {
    return HexFieldToInt(text, 8, 4) < 500;
}

std::string RebuiltHoldParamString(std::string_view text) {
    HoldParams rebuilt;
    const HoldParams read = ParseHoldParams(text);
    rebuilt.interrupts = read.interrupts;
    rebuilt.relayStart = 531;
    rebuilt.registerStart = 1299;
    rebuilt.counterStart = 169;
    rebuilt.batteryStart = 50;
    rebuilt.encoderStart = 2300;
    return FormatHoldParams(rebuilt);
}

int SnapRelayStart(int value) {
    value = std::clamp(value, 500, 1299);
    return (value - 484) / 16 * 16 + 499;
}

const std::vector<std::string>& PlcSeriesNames() {
    static const std::vector<std::string> names = {"KZ6-10MR", "KZ6-14MR", "KZ6-14MT", "KZ6-24MR",
                                                   "KZ6-24MT", "KZ6-32MR", "KZ6-32MT", "KZ6-48MR",
                                                   "KZ6-48MT", "KZ6-60MT", "KZ6-PG16"};
    return names;
}

std::vector<std::string> PlcVersionNames(int series) {
    if (series < 0 || series >= kSeriesCount) return {};
    if (series <= 2) return {"V1.0", "V2.0"};
    return {"V1.0", "V2.0", "V3.0"};
}

int ShownSeries(int series) {
    return series >= 0 && series < kSeriesCount ? series : kFallbackSeries;
}

int ShownVersion(int series, int version) {
    const int count = static_cast<int>(PlcVersionNames(ShownSeries(series)).size());
    return version >= 0 && version < count ? version : count - 1;
}

std::string ShownModelVersion(std::string_view sysParamString) {
    const SysParams params = ParseSysParams(sysParamString);
    const int series = ShownSeries(params.Get(SysField::Series));
    const int version = ShownVersion(series, params.Get(SysField::Version));
    return PlcSeriesNames()[static_cast<std::size_t>(series)] + "/" +
           PlcVersionNames(series)[static_cast<std::size_t>(version)];
}

}  // namespace vx
