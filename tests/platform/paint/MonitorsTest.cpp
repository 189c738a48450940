#include "platform/paint/Monitors.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPicture>
#include <QScreen>

namespace vx {
namespace {

TEST(MonitorsTest, MonitorsAreTheDesktopsScreens) {
    const std::vector<TMonitorInfo> monitors = Monitors();
    ASSERT_EQ(monitors.size(), static_cast<std::size_t>(QGuiApplication::screens().size()));
    ASSERT_FALSE(monitors.empty());
    const QRect first = QGuiApplication::screens().front()->geometry();
    EXPECT_EQ(monitors[0].rect.Width(), first.width());
    const TPoint inside{first.left() + first.width() / 2, first.top() + first.height() / 2};
    EXPECT_EQ(MonitorFromPoint(inside), monitors[0]);
    EXPECT_FALSE(MonitorFromPoint(TPoint{-100000, -100000}).has_value());
}

TEST(MonitorsTest, BitsPerPixelOfAnImageIsItsOwnElseTheDisplays) {
    const QImage trueColour(4, 4, QImage::Format_RGB32);
    const QImage hiColour(4, 4, QImage::Format_RGB16);
    const QImage palette(4, 4, QImage::Format_Indexed8);
    EXPECT_EQ(BitsPerPixel(&trueColour), 32);
    EXPECT_EQ(BitsPerPixel(&hiColour), 16);
    EXPECT_EQ(BitsPerPixel(&palette), 8);

    QPicture recording;
    SetDisplayBitsPerPixel(16);
    EXPECT_EQ(BitsPerPixel(&recording), 16);
    EXPECT_EQ(BitsPerPixel(nullptr), 16);
    SetDisplayBitsPerPixel(32);
    EXPECT_EQ(BitsPerPixel(nullptr), 32);
}

}  // namespace
}  // namespace vx
