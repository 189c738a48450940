#include "widgets/WgCommon.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/Registry.h"

namespace vx {
namespace {

constexpr TOsVersion Win95{kPlatform9x, 4, 0};
constexpr TOsVersion Win98{kPlatform9x, 4, 10};
constexpr TOsVersion WinME{kPlatform9x, 4, 90};
constexpr TOsVersion NT4{kPlatformNT, 4, 0};
constexpr TOsVersion Win2000{kPlatformNT, 5, 0};
constexpr TOsVersion WinXP{kPlatformNT, 5, 1};
constexpr TOsVersion Win2003{kPlatformNT, 5, 2};
constexpr TOsVersion Vista{kPlatformNT, 6, 0};
constexpr TOsVersion Win7{kPlatformNT, 6, 1};

TEST(WgVersionTest, ExactTestsMatchOnlyTheirOwnVersion) {
    const TOsVersion all[] = {Win95, NT4, Win98, WinME, Win2000, WinXP, Win2003, Vista};
    for (int v = 0; v < 8; ++v) {
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(RunningUnder(v, all[i]), v == i) << "test " << v << " on version " << i;
    }
    EXPECT_FALSE(RunningUnder(7, Win7));
}

TEST(WgVersionTest, AtLeastComparesMajorAndMinorTogether) {
    // A later major version passes whatever its minor number.
    EXPECT_TRUE(RunningAtLeast(5, Vista)) << "Vista is later than XP";
    EXPECT_TRUE(RunningAtLeast(6, Vista)) << "Vista is later than Server 2003";
    EXPECT_TRUE(RunningAtLeast(5, Win7));
    EXPECT_TRUE(RunningAtLeast(2, Win2000)) << "2000 is later than 98";
    EXPECT_TRUE(RunningAtLeast(3, WinXP)) << "XP is later than ME";
    // Earlier ones do not.
    EXPECT_FALSE(RunningAtLeast(5, Win2000));
    EXPECT_FALSE(RunningAtLeast(7, Win2003));
    EXPECT_FALSE(RunningAtLeast(2, Win95));
    EXPECT_FALSE(RunningAtLeast(2, NT4));
    // The NT tests never pass on the 9x line.
    EXPECT_FALSE(RunningAtLeast(1, WinME));
    EXPECT_FALSE(RunningAtLeast(4, TOsVersion{kPlatform9x, 5, 0}));
    EXPECT_TRUE(RunningAtLeast(0, Win95));
    EXPECT_TRUE(RunningAtLeast(0, Vista));
    EXPECT_TRUE(RunningAtLeast(1, NT4));
}

TEST(WgVersionTest, UnknownNumbersAreNeverTrue) {
    for (const TOsVersion& os : {Win95, NT4, Vista, Win7}) {
        EXPECT_FALSE(RunningUnder(8, os));
        EXPECT_FALSE(RunningAtLeast(8, os));
        EXPECT_FALSE(RunningUnder(-1, os));
        EXPECT_FALSE(RunningAtLeast(-1, os));
    }
}

TEST(WgVersionTest, TheHostIsACurrentNtDesktop) {
    EXPECT_TRUE(RunningAtLeast(7));
    EXPECT_FALSE(RunningUnder(0));
    EXPECT_FALSE(RunningUnder(1));
}

TEST(WgCommonTest, StripAcceleratorsDropsSinglesAndHalvesDoubles) {
    EXPECT_EQ(StripAccelerators("&File"), "File");
    EXPECT_EQ(StripAccelerators("Save &As"), "Save As");
    EXPECT_EQ(StripAccelerators("R&&D"), "R&D");
    EXPECT_EQ(StripAccelerators("&&&x"), "&x");
    EXPECT_EQ(StripAccelerators("end&"), "end");
    EXPECT_EQ(StripAccelerators("通信&设置"), "通信设置");
    EXPECT_EQ(StripAccelerators(""), "");
}

TEST(WgCommonTest, SchemeOfTheThemeManagersColourName) {
    EXPECT_EQ(SchemeOfColorName("HomeStead"), 1);
    EXPECT_EQ(SchemeOfColorName("metallic"), 2);
    EXPECT_EQ(SchemeOfColorName("NormalColor"), 0);
    EXPECT_EQ(SchemeOfColorName(""), 0);
    EXPECT_EQ(SchemeOfColorName(std::nullopt), 0);
}

TEST(WgCommonTest, ReadXPColorSchemeLooksAtTheThemeManagerAfresh) {
    EXPECT_EQ(ReadXPColorScheme(), 0) << "missing: the blue scheme";
    Registry user(RootKey::CurrentUser);
    ASSERT_EQ(user.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", true),
              RegOutcome::Ok);
    ASSERT_TRUE(user.WriteString("ColorName", "Metallic"));
    EXPECT_EQ(ReadXPColorScheme(), 2);
    ASSERT_TRUE(user.WriteString("ColorName", "HomeStead"));
    EXPECT_EQ(ReadXPColorScheme(), 1);
}

TEST(WgCommonTest, DesktopStateKeepsOnlyKnownSchemes) {
    const std::uint8_t before = XPColorScheme();
    SetXPColorScheme(2);
    EXPECT_EQ(XPColorScheme(), 2);
    SetXPColorScheme(7);
    EXPECT_EQ(XPColorScheme(), 0);
    SetXPColorScheme(before);
}

TEST(WgCommonTest, FrameWidthsAndShrinkingBySides) {
    using enum TFrameStyle;
    EXPECT_EQ(FrameWidth(fsNone, 3), 0);
    EXPECT_EQ(FrameWidth(fsFlat, 3), 1);
    EXPECT_EQ(FrameWidth(fsStatus, 3), 3);
    EXPECT_EQ(FrameWidth(fsPopup, 1), 1);
    for (TFrameStyle s : {fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp,
                          fsFlatBold, fsFlatRounded})
        EXPECT_EQ(FrameWidth(s, 5), 2) << int(s);
    const TRect r{10, 20, 110, 220};
    EXPECT_EQ(ShrinkSides(r, {TSide::sdBottom}, 2), (TRect{10, 20, 110, 218}));
    EXPECT_EQ(ShrinkSides(r, TSides::All(), 1), (TRect{11, 21, 109, 219}));
    EXPECT_EQ(ShrinkSides(r, {}, 4), r);
}

TEST(WgCommonTest, SmallerAndLargerOfSignedValues) {
    const struct {
        int a, b, smaller, larger;
    } cases[] = {{3, 7, 3, 7},     {7, 3, 3, 7}, {-5, 2, -5, 2},
                 {-1, -9, -9, -1}, {4, 4, 4, 4}, {INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX}};
    for (const auto& c : cases) {
        EXPECT_EQ(SmallerOf(c.a, c.b), c.smaller) << c.a << " " << c.b;
        EXPECT_EQ(LargerOf(c.a, c.b), c.larger) << c.a << " " << c.b;
    }
}

}  // namespace
}  // namespace vx
