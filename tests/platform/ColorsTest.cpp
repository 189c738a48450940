#include "platform/Colors.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(Colors, RgbValuesKeepRedInTheLowByte) {
    EXPECT_EQ(RGBColor(0xAD, 0xC7, 0xE0), 0xE0C7AD);
    EXPECT_EQ(RedOf(0x0080FF), 0xFF);
    EXPECT_EQ(BlueOf(0xFF80FF), 0xFF);
    EXPECT_EQ(ColorToRGB(0x1234567), 0x234567) << "the high byte of an RGB colour is dropped";
}

TEST(Colors, NamedColoursHaveTheFrameworksChannels) {
    struct Named {
        const char* name;
        TColor color;
        int red, green, blue;
    };
    const Named table[] = {
        {"clGray", clGray, 128, 128, 128},
        {"clNavy", clNavy, 0, 0, 128},
        {"clRed", clRed, 255, 0, 0},
        {"clBlue", clBlue, 0, 0, 255},
        {"clMoneyGreen", clMoneyGreen, 192, 220, 192},
        {"clSkyBlue", clSkyBlue, 166, 202, 240},
        {"clCream", clCream, 255, 251, 240},
        {"clMedGray", clMedGray, 160, 160, 164},
    };
    for (const Named& n : table) {
        EXPECT_EQ(RedOf(n.color), n.red) << n.name;
        EXPECT_EQ(GreenOf(n.color), n.green) << n.name;
        EXPECT_EQ(BlueOf(n.color), n.blue) << n.name;
        EXPECT_EQ(RGBColor(n.red, n.green, n.blue), n.color) << n.name;
    }
}

TEST(Colors, SystemColoursResolveThroughAReplaceableTable) {
    EXPECT_TRUE(IsSystemColor(clWindow));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clInfoBk), RGBColor(255, 255, 225));

    SystemColorTable dark = DefaultSystemColors();
    dark[5] = RGBColor(30, 30, 30);
    SetSystemColors(dark);
    EXPECT_EQ(ColorToRGB(clWindow), RGBColor(30, 30, 30));
    SetSystemColors(DefaultSystemColors());
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
}

TEST(Colors, NoColourAndUnknownSystemIndicesGiveBlack) {
    EXPECT_EQ(ColorToRGB(clNone), clBlack);
    EXPECT_EQ(ColorToRGB(clDefault), clBlack);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
    EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Colors, HalvesRoundToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{127.5, 128}, {4.5, 4},   {0.5, 0},  {1.5, 2},
                                            {-0.5, 0},    {-1.5, -2}, {2.49, 2}, {2.51, 3}};
    for (auto [v, expected] : cases)
        EXPECT_EQ(RoundHalfEven(v), expected) << v;
}

}  // namespace
}  // namespace vx
