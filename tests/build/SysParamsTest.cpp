// The parameter strings: defaults, where each field lies, the rebuild of a
// retentive-area string the dialog never wrote, the relay snap and the flag
// byte's rules.
#include "build/SysParams.h"

#include <gtest/gtest.h>

#include <random>

namespace vx {
namespace {

constexpr const char* kNewSys = "0200000000136429200005000100640640650660670C80C9000";
constexpr const char* kNewHold = "0000213025700A90FA008FC000";

TEST(SysParamsTest, NewProjectDefaults) {
    EXPECT_EQ(FormatSysParams(SysParams{}), kNewSys);
    EXPECT_EQ(ParseSysParams(kNewSys), SysParams{});
    EXPECT_EQ(FormatHoldParams(HoldParams{}), std::string(kNewHold).substr(0, kHoldParamDigits));
    EXPECT_EQ(ParseHoldParams(kNewHold), HoldParams{});
    EXPECT_FALSE(HoldNeedsRebuild(kNewHold));
}

TEST(SysParamsTest, FieldsFollowEachOtherWithoutGaps) {
    int next = 1;
    for (int f = 0; f < kSysFieldCount; ++f) {
        const ParamFieldInfo& info = InfoOf(static_cast<SysField>(f));
        EXPECT_EQ(info.position, next) << info.name;
        next += info.width;
    }
    EXPECT_EQ(next - 1, kSysParamDigits);
}

// Each field written alone lands at its place and nowhere else, and reads back.
TEST(SysParamsTest, EachFieldByPositionAndWidth) {
    struct Case {
        SysField field;
        int position;
        int width;
        int value;
        const char* digits;
    };
    const Case cases[] = {
        {SysField::Series, 1, 2, 10, "0A"},          {SysField::Version, 3, 2, 1, "01"},
        {SysField::Station, 10, 2, 254, "FE"},       {SysField::Com1Baud, 12, 1, 4, "4"},
        {SysField::Timeout, 13, 2, 10, "0A"},        {SysField::Com1Frame, 15, 1, 1, "1"},
        {SysField::Com3Baud, 16, 1, 0, "0"},         {SysField::Com3Frame, 17, 1, 0, "0"},
        {SysField::Com2Mode, 18, 1, 1, "1"},         {SysField::Com3Role, 19, 2, 1, "01"},
        {SysField::CanUse, 21, 1, 2, "2"},           {SysField::CanBaud, 22, 1, 7, "7"},
        {SysField::CanFormat, 23, 1, 1, "1"},        {SysField::CanFrameType, 24, 1, 1, "1"},
        {SysField::CanNodeId, 25, 2, 127, "7F"},     {SysField::NmtStart, 27, 1, 1, "1"},
        {SysField::TpdoInhibit, 28, 3, 4000, "FA0"}, {SysField::ShareOwnId, 31, 3, 2038, "7F6"},
        {SysField::ShareCode3, 34, 3, 0, "000"},     {SysField::ShareCode4, 37, 3, 300, "12C"},
        {SysField::ShareCode5, 40, 3, 400, "190"},   {SysField::SlaveOwnId, 43, 3, 500, "1F4"},
        {SysField::SlaveCode6, 46, 3, 600, "258"},   {SysField::AdBits, 49, 1, 1, "1"},
        {SysField::Flags, 50, 2, 0x49, "48"},  // C block and library: the library wins
    };
    const std::string base = kNewSys;
    for (const Case& c : cases) {
        SCOPED_TRACE(InfoOf(c.field).name);
        EXPECT_EQ(InfoOf(c.field).position, c.position);
        EXPECT_EQ(InfoOf(c.field).width, c.width);
        SysParams params;
        params.Set(c.field, c.value);
        const std::string text = FormatSysParams(params);
        ASSERT_EQ(text.size(), 51u);
        const auto at = static_cast<std::size_t>(c.position - 1);
        const auto width = static_cast<std::size_t>(c.width);
        EXPECT_EQ(text.substr(at, width), c.digits);
        EXPECT_EQ(text.substr(0, at), base.substr(0, at));
        EXPECT_EQ(text.substr(at + width), base.substr(at + width));
        const int readBack = c.field == SysField::Flags ? NormalFlags(c.value) : c.value;
        EXPECT_EQ(ParseSysParams(text).Get(c.field), readBack);
    }
}

TEST(SysParamsTest, ValuesThatDoNotFitAreHeldToTheirField) {
    SysParams params;
    params.Set(SysField::Station, 300);
    params.Set(SysField::TpdoInhibit, -4);
    params.Set(SysField::Reserved, 77);
    const std::string text = FormatSysParams(params);
    ASSERT_EQ(text.size(), 51u);
    EXPECT_EQ(text.substr(9, 2), "FF");
    EXPECT_EQ(text.substr(27, 3), "000");
    EXPECT_EQ(text.substr(4, 5), "00000");
    EXPECT_EQ(HexField(0x1234, 3), "FFF");
    EXPECT_EQ(HexField(0xAB, 4), "00AB");
}

TEST(SysParamsTest, ShortOrBrokenStringsReadZero) {
    const SysParams empty = ParseSysParams("");
    for (int f = 0; f < kSysFieldCount; ++f)
        EXPECT_EQ(empty.Get(static_cast<SysField>(f)), 0);
    const SysParams shortText = ParseSysParams("0A01");
    EXPECT_EQ(shortText.Get(SysField::Series), 10);
    EXPECT_EQ(shortText.Get(SysField::Version), 1);
    EXPECT_EQ(shortText.Get(SysField::Station), 0);
    EXPECT_EQ(ParseSysParams("0Z00000000").Get(SysField::Series), 0);
    EXPECT_EQ(FormatSysParams(shortText).size(), 51u);
}

// Strings from a damaged project file: every field is read inside its digits,
// and what is written from them reads back the same.
TEST(SysParamsTest, DamagedStringsReadBackAsWritten) {
    std::mt19937 random(51);
    static constexpr char kChars[] = "0123456789ABCDEFabcdefGz -\xB0\xA1";
    for (int round = 0; round < 300; ++round) {
        std::string text = round % 2 ? kNewSys : kNewHold;
        text.resize(random() % 60, '0');
        for (int changes = static_cast<int>(random() % 6); changes > 0 && !text.empty(); --changes)
            text[random() % text.size()] = kChars[random() % (sizeof kChars - 1)];
        const SysParams sys = ParseSysParams(text);
        for (int f = 0; f < kSysFieldCount; ++f) {
            const ParamFieldInfo& info = InfoOf(static_cast<SysField>(f));
            ASSERT_GE(sys.values[static_cast<std::size_t>(f)], 0) << text;
            ASSERT_LT(sys.values[static_cast<std::size_t>(f)], 1 << (4 * info.width)) << text;
        }
        ASSERT_EQ(ParseSysParams(FormatSysParams(sys)), sys) << text;
        const HoldParams hold = ParseHoldParams(text);
        ASSERT_EQ(ParseHoldParams(FormatHoldParams(hold)), hold) << text;
        ASSERT_FALSE(HoldNeedsRebuild(RebuiltHoldParamString(text))) << text;
        ASSERT_FALSE(ShownModelVersion(text).empty());
    }
}

TEST(SysParamsTest, FlagByteBitsAndTheExclusiveCLanguageChoice) {
    SysParams p;
    p.SetCBlock(true);
    EXPECT_EQ(p.Get(SysField::Flags), kFlagCBlock);
    p.SetCLibrary(true);
    EXPECT_TRUE(p.CLibrary());
    EXPECT_FALSE(p.CBlock()) << "ticking the library clears the block";
    p.SetCBlock(true);
    EXPECT_TRUE(p.CBlock());
    EXPECT_FALSE(p.CLibrary());
    p.SetCBlock(false);
    EXPECT_EQ(p.Get(SysField::Flags), 0);

    p.SetEncoder0Mode(1);
    p.SetTimerInterrupt(1);
    p.SetEncoder1Mode(1);
    EXPECT_EQ(p.Get(SysField::Flags), 0x52);
    EXPECT_EQ(FormatSysParams(p).substr(49, 2), "52");
    p.SetTimerInterrupt(9);  // held to the two bits
    EXPECT_EQ(p.TimerInterrupt(), 3);
    p.SetTimerInterrupt(0);
    EXPECT_EQ(p.Get(SysField::Flags), 0x42);
    EXPECT_EQ(p.Encoder0Mode(), 1);
    EXPECT_EQ(p.Encoder1Mode(), 1);

    // Bits 2 and 7 are never stored, and both C choices read as the library.
    EXPECT_EQ(NormalFlags(0x84), 0x00);
    EXPECT_EQ(NormalFlags(0x09), kFlagCLibrary);
    EXPECT_EQ(NormalFlags(0xFF), 0x7A);
    std::string text = kNewSys;
    text.replace(49, 2, "8D");
    const SysParams read = ParseSysParams(text);
    EXPECT_TRUE(read.CLibrary());
    EXPECT_FALSE(read.CBlock());
    EXPECT_EQ(FormatSysParams(read).substr(49, 2), "08");
}

TEST(SysParamsTest, HoldFieldsByPosition) {
    HoldParams hold;
    hold.interrupts = {1, 2, 3};
    hold.relayStart = 1299;
    hold.registerStart = 500;
    hold.counterStart = 199;
    hold.batteryStart = 5000;
    hold.encoderStart = 0;
    const std::string text = FormatHoldParams(hold);
    EXPECT_EQ(text,
              "123"
              "0513"
              "01F4"
              "00C7"
              "1388"
              "0000");
    EXPECT_EQ(ParseHoldParams(text), hold);
}

TEST(SysParamsTest, HoldRebuiltWhenItsFirstRetentiveRegisterIsBelow500) {
    struct Case {
        const char* text;
        bool rebuild;
        const char* rebuilt;
    };
    const Case cases[] = {
        {kNewHold, false, nullptr},
        {"31202130000", true,
         "31202130513"
         "00A9003208FC"},
        {"000021301F300A90FA008FC", true,
         "00002130513"
         "00A9003208FC"},
        {"000021301F400A90FA008FC", false, nullptr},
        {"", true,
         "00002130513"
         "00A9003208FC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HoldNeedsRebuild(c.text), c.rebuild);
        if (c.rebuild) {
            EXPECT_EQ(RebuiltHoldParamString(c.text), c.rebuilt);
            EXPECT_FALSE(HoldNeedsRebuild(RebuiltHoldParamString(c.text)));
        }
    }
}

TEST(SysParamsTest, RelaySnapFollowsTheFormula) {
    const std::pair<int, int> cases[] = {
        {500, 515},   {514, 515},   {515, 515},   {530, 531}, {531, 531},   {546, 547},
        {1282, 1283}, {1298, 1299}, {1299, 1299}, {100, 515}, {4000, 1299},
    };
    for (const auto& [typed, snapped] : cases)
        EXPECT_EQ(SnapRelayStart(typed), snapped) << typed;
}

TEST(SysParamsTest, ShownModelAndVersion) {
    ASSERT_EQ(PlcSeriesNames().size(), 11u);
    for (int series = 0; series < 11; ++series) {
        const auto versions = PlcVersionNames(series);
        EXPECT_EQ(versions.size(), series <= 2 ? 2u : 3u);
        EXPECT_EQ(versions.front(), "V1.0");
    }
    EXPECT_TRUE(PlcVersionNames(11).empty());
    EXPECT_EQ(ShownSeries(11), 8);
    EXPECT_EQ(ShownSeries(-1), 8);
    EXPECT_EQ(ShownVersion(1, 2), 1) << "the last version of a two-version series";
    EXPECT_EQ(ShownVersion(5, 2), 2);
    EXPECT_EQ(ShownModelVersion(kNewSys), PlcSeriesNames()[2] + "/V1.0");
    EXPECT_EQ(ShownModelVersion("FF05"), PlcSeriesNames()[8] + "/V3.0");
}

}  // namespace
}  // namespace vx
