// The controller's identity as the information dialog reads it: five words
// from D2090.
//
//   D2090        factory year
//   D2091        factory month
//   D2092        firmware version
//   D2093/D2094  32-bit identifier (serial number), low word first
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vx {

inline constexpr int kIdentityRegister = 2090;
inline constexpr int kIdentityWords = 5;
// Ticks of 100 ms the dialog waits for the answer: from the 21st it gives up.
inline constexpr int kIdentityTickLimit = 21;

// The labels' bare captions, shown while nothing has been read.
inline constexpr const char* kFactoryYearCaption = "出厂年份:";
inline constexpr const char* kFactoryMonthCaption = "出厂月份:";
inline constexpr const char* kFirmwareCaption = "固件版本:";

struct PlcIdentity {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t version = 0;
    std::uint32_t serial = 0;
};

// The identity of the five words from D2090 (fewer words give the zero identity).
PlcIdentity IdentityOfWords(std::span<const std::uint16_t> words);

struct PlcInfoTexts {
    std::string year;     // "出厂年份: 2011"
    std::string month;    // "出厂月份: 3"
    std::string version;  // "固件版本: 101"
    std::string caption;  // "PLC信息  [ 4294967295 ]"
};

// The texts in the interface language (English: "Factory year: 2011", ...,
// "PLC Information  [ 4294967295 ]").
PlcInfoTexts InfoTexts(const PlcIdentity& identity, bool chinese = true);
// The labels' bare captions in the interface language (caption empty).
PlcInfoTexts BareInfoTexts(bool chinese);

}  // namespace vx
