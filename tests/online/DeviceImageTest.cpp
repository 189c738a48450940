#include "online/DeviceImage.h"

#include <gtest/gtest.h>

#include <memory>

namespace vx {
namespace {

struct Area {
    DeviceKind kind;
    int entries;
    bool bits;
};

constexpr Area kAreas[] = {
    {DeviceKind::X, 381, true},       {DeviceKind::Y, 381, true},
    {DeviceKind::M, 10001, true},     {DeviceKind::S, 201, true},
    {DeviceKind::T, 401, true},       {DeviceKind::C, 201, true},
    {DeviceKind::D, 20001, false},    {DeviceKind::TValue, 401, false},
    {DeviceKind::CValue, 201, false},
};

TEST(DeviceImageAreas, EveryAreaHoldsExactlyItsEntries) {
    auto image = std::make_unique<DeviceImage>();
    for (const Area& area : kAreas) {
        SCOPED_TRACE(static_cast<int>(area.kind));
        const int last = area.entries - 1;
        EXPECT_EQ(DeviceImage::Entries(area.kind), area.entries);
        EXPECT_EQ(DeviceImage::IsBitKind(area.kind), area.bits);
        EXPECT_EQ(DeviceImage::IsWordKind(area.kind), !area.bits);
        if (area.bits) {
            EXPECT_TRUE(image->SetBit(area.kind, last, true));
            EXPECT_EQ(image->Bit(area.kind, last), true);
            EXPECT_EQ(image->Bit(area.kind, 0), false);
            EXPECT_FALSE(image->SetBit(area.kind, area.entries, true));
            EXPECT_EQ(image->Bit(area.kind, area.entries), std::nullopt);
            EXPECT_EQ(image->Bit(area.kind, -1), std::nullopt);
            EXPECT_EQ(image->Word(area.kind, 0), std::nullopt) << "a bit area has no words";
        } else {
            EXPECT_TRUE(image->SetWord(area.kind, last, 0xBEEF));
            EXPECT_EQ(image->Word(area.kind, last), 0xBEEF);
            EXPECT_FALSE(image->SetWord(area.kind, area.entries, 1));
            EXPECT_EQ(image->Word(area.kind, area.entries), std::nullopt);
            EXPECT_EQ(image->Word(area.kind, -1), std::nullopt);
            EXPECT_EQ(image->Bit(area.kind, 0), std::nullopt) << "a word area has no bits";
        }
    }
    const auto none = static_cast<DeviceKind>(9);
    EXPECT_EQ(DeviceImage::Entries(none), 0);
    EXPECT_EQ(image->Bit(none, 0), std::nullopt);
    EXPECT_EQ(image->Word(none, 0), std::nullopt);
    EXPECT_TRUE(image->BitSpan(none, 0, 1).empty());
}

TEST(DeviceImageAreas, RefusedWritesLeaveTheImageAsItWas) {
    auto image = std::make_unique<DeviceImage>();
    const auto fresh = std::make_unique<DeviceImage>();
    EXPECT_FALSE(image->SetBit(DeviceKind::D, 0, true));
    EXPECT_FALSE(image->SetWord(DeviceKind::M, 0, 1));
    EXPECT_FALSE(image->SetWord(DeviceKind::D, -1, 1));
    EXPECT_FALSE(image->SetRegisterPair(20000, 0xFFFFFFFF));
    EXPECT_TRUE(*image == *fresh);
}

TEST(DeviceImageRegisters, PairsReadLowWordFirst) {
    auto image = std::make_unique<DeviceImage>();
    ASSERT_TRUE(image->SetWord(DeviceKind::D, 100, 0x5678));
    ASSERT_TRUE(image->SetWord(DeviceKind::D, 101, 0x1234));
    EXPECT_EQ(image->RegisterPair(100), 0x12345678u);

    ASSERT_TRUE(image->SetRegisterPair(9999, 0xCAFE0001));
    EXPECT_EQ(image->Word(DeviceKind::D, 9999), 0x0001) << "low word in the first register";
    EXPECT_EQ(image->Word(DeviceKind::D, 10000), 0xCAFE) << "the pair reaches a system register";

    EXPECT_TRUE(image->SetRegisterPair(19999, 7));
    EXPECT_EQ(image->RegisterPair(19999), 7u);
    EXPECT_EQ(image->RegisterPair(20000), std::nullopt) << "D20001 is not in the image";
    EXPECT_EQ(image->RegisterPair(-1), std::nullopt);
}

TEST(DeviceImageSpans, AnswersAreCopiedIntoRangesThatFit) {
    auto image = std::make_unique<DeviceImage>();

    std::span<std::uint8_t> inputs = image->BitSpan(DeviceKind::X, 0, 378);
    ASSERT_EQ(inputs.size(), 378u) << "a read of X0-X377 fits the input area";
    inputs[17] = 2;  // the link delivers nonzero for ON
    EXPECT_EQ(image->Bit(DeviceKind::X, 17), true);

    std::span<std::uint16_t> system = image->WordSpan(DeviceKind::D, 10500, 100);
    ASSERT_EQ(system.size(), 100u);
    system[99] = 42;
    EXPECT_EQ(image->Word(DeviceKind::D, 10599), 42);

    EXPECT_EQ(image->WordSpan(DeviceKind::D, 19901, 100).size(), 100u);
    EXPECT_TRUE(image->WordSpan(DeviceKind::D, 19902, 100).empty());
    EXPECT_TRUE(image->BitSpan(DeviceKind::M, 9999, 3).empty());
    EXPECT_TRUE(image->BitSpan(DeviceKind::M, -1, 2).empty());
    EXPECT_TRUE(image->BitSpan(DeviceKind::M, 0, 0).empty());
    EXPECT_TRUE(image->BitSpan(DeviceKind::D, 0, 1).empty()) << "D holds words";
    EXPECT_TRUE(image->WordSpan(DeviceKind::T, 0, 1).empty()) << "T contacts are bits";

    const DeviceImage& reader = *image;
    EXPECT_EQ(reader.WordSpan(DeviceKind::TValue, 300, 100).size(), 100u);
    EXPECT_TRUE(reader.WordSpan(DeviceKind::TValue, 302, 100).empty());
    EXPECT_EQ(reader.BitSpan(DeviceKind::X, 17, 1)[0], 2);
}

TEST(DeviceImageAreas, ClearTurnsEverythingOffAndZero) {
    auto image = std::make_unique<DeviceImage>();
    image->SetBit(DeviceKind::M, 10000, true);
    image->SetWord(DeviceKind::CValue, 200, 9);
    image->SetRegisterPair(0, 0xFFFFFFFF);
    image->MarkRead(DeviceKind::D, 0, 2, true);
    image->Clear();
    EXPECT_TRUE(*image == DeviceImage());
    EXPECT_EQ(image->Bit(DeviceKind::M, 10000), false);
    EXPECT_FALSE(image->WasRead(DeviceKind::D, 0));
}

TEST(DeviceImageAreas, ReadMarksStayInsideTheirAreaAndAreForgotten) {
    auto image = std::make_unique<DeviceImage>();
    EXPECT_FALSE(image->WasRead(DeviceKind::M, 0)) << "nothing is read at first";
    EXPECT_TRUE(image->MarkRead(DeviceKind::Y, 370, 11, true));
    EXPECT_FALSE(image->MarkRead(DeviceKind::Y, 371, 11, true)) << "past the area";
    EXPECT_FALSE(image->MarkRead(DeviceKind::Y, -1, 2, true));
    EXPECT_TRUE(image->WasRead(DeviceKind::Y, 380));
    EXPECT_FALSE(image->WasRead(DeviceKind::Y, 369));
    EXPECT_FALSE(image->WasRead(DeviceKind::Y, 381));
    EXPECT_FALSE(image->WasRead(DeviceKind::X, 380)) << "each kind apart";
    image->SetBit(DeviceKind::Y, 375, true);
    image->ForgetReads();
    EXPECT_FALSE(image->WasRead(DeviceKind::Y, 380));
    EXPECT_EQ(image->Bit(DeviceKind::Y, 375), true) << "the values stay";
}

}  // namespace
}  // namespace vx
