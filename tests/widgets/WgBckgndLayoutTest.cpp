#include "widgets/WgBckgndLayout.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using enum TImageStyle;

TEST(WgBckgndLayoutTest, PictureRectPerImageStyle) {
    EXPECT_EQ(BackgroundImageRect(isCenter, 368, 210, 100, 50), (TRect{134, 80, 234, 130}));
    EXPECT_EQ(BackgroundImageRect(isCenter, 50, 50, 100, 60), (TRect{-25, -5, 75, 55}));
    EXPECT_EQ(BackgroundImageRect(isClip, 368, 210, 100, 50), (TRect{0, 0, 100, 50}));
    EXPECT_EQ(BackgroundImageRect(isTiled, 368, 210, 16, 16), (TRect{0, 0, 16, 16}));
    EXPECT_EQ(BackgroundImageRect(isStretch, 368, 210, 16, 16), (TRect{0, 0, 368, 210}));
    EXPECT_EQ(BackgroundImageRect(isCenter, 368, 210, 0, 50), std::nullopt);
}

TEST(WgBckgndLayoutTest, FillKeepsTheAspectAnchoredTopLeft) {
    // A wide picture fills the width.
    EXPECT_EQ(BackgroundImageRect(isFill, 300, 300, 200, 100), (TRect{0, 0, 300, 150}));
    // A tall one fills the height.
    EXPECT_EQ(BackgroundImageRect(isFill, 300, 300, 100, 200), (TRect{0, 0, 150, 300}));
    EXPECT_EQ(BackgroundImageRect(isFill, 400, 200, 100, 100), (TRect{0, 0, 200, 200}));
    EXPECT_EQ(BackgroundImageRect(isFill, 300, 300, 0, 100), std::nullopt);
}

TEST(WgBckgndLayoutTest, LayersAndFrameInset) {
    EXPECT_TRUE(ImageCoversGradient(true, isStretch));
    EXPECT_TRUE(ImageCoversGradient(true, isTiled));
    EXPECT_FALSE(ImageCoversGradient(true, isCenter));
    EXPECT_FALSE(ImageCoversGradient(false, isTiled));
    EXPECT_EQ(BackgroundFrameInset(TFrameStyle::fsNone), 0);
    EXPECT_EQ(BackgroundFrameInset(TFrameStyle::fsPopup), 1);
    EXPECT_EQ(BackgroundFrameInset(TFrameStyle::fsLowered), 2);
    EXPECT_TRUE(TooSmallForGradient(368, 3));
    EXPECT_TRUE(TooSmallForGradient(4, 100));
    EXPECT_FALSE(TooSmallForGradient(5, 5));
}

}  // namespace
}  // namespace vx
