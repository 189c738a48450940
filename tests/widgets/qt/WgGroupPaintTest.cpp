// A group panel's looks by pixels, away from its text: the category view's
// caption with its gradient, round button, corners, divider, border and
// body; the themed caption; the Outlook and task-list captions; the
// selection box of an item.
#include <gtest/gtest.h>

#include "GroupPixels.h"
#include "platform/DesktopTheme.h"
#include "platform/paint/ImageList.h"
#include "widgets/WgCommon.h"
#include "widgets/WgCommonColors.h"
#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"

namespace vx {
namespace {

using test::Near;
using test::PixelOf;

constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr TColor kBlue = RGBColor(0, 0, 255);

class GroupPaint : public testing::Test {
  protected:
    void SetUp() override {
        SetHighColorDisplay(true);
        bar.resize(160, 300);
        bar.SetGradientColorStyle(TWgGradientColorStyle::gcsCustom);
        bar.SetGradientColorStart(RGBColor(230, 210, 140));
        bar.SetGradientColorStop(RGBColor(185, 145, 85));
        group = new TWgGroup(&bar);
        group->SetCaption(QStringLiteral("M"));
        group->SetCaptionColorStart(kRed);
        group->SetCaptionColorStop(kBlue);
        group->Items().Add().SetCaption("One");
        group->Items().Add().SetCaption("Two");
        bar.FlushLayout();
    }
    void TearDown() override { SetVisualStylesActive(false); }

    // As the window paints: after the layout that changes of items made due.
    QImage Painted() {
        bar.FlushLayout();
        return group->PaintedImage();
    }

    TWgGroupBar bar;
    TWgGroup* group = nullptr;
};

TEST_F(GroupPaint, CategoryCaptionGradientButtonBorderAndBody) {
    ASSERT_EQ(group->width(), 144);
    const int w = 144, h = group->height();
    QImage image = Painted();
    EXPECT_EQ(PixelOf(image, 4, 2), kRed) << "the near half: the start colour";
    EXPECT_TRUE(Near(PixelOf(image, w - 3, 2), kBlue, 16)) << "the far end: the stop colour";
    EXPECT_EQ(PixelOf(image, 4, 19), kRed) << "no divider";

    // The round button, 15 pixels at (w - 20, 2): ring, fill and the arrows
    // of an opened group (two chevrons up).
    const TColor fill = ColorToRGB(group->CaptionColor());
    EXPECT_EQ(PixelOf(image, w - 20 + 7, 2), ReduceLightness(fill, 30));
    EXPECT_EQ(PixelOf(image, w - 20 + 7, 2 + 1), fill);
    const TColor arrow = ColorToRGB(group->CaptionFont().color);
    EXPECT_EQ(PixelOf(image, w - 20 + 7, 2 + 3), arrow);
    EXPECT_EQ(PixelOf(image, w - 20 + 4, 2 + 4), fill);

    // Corners: what the bar shows just left of the group.
    const QImage barImage = bar.PaintedImage();
    EXPECT_EQ(PixelOf(image, 0, 0), PixelOf(barImage, 7, 8));
    EXPECT_EQ(PixelOf(image, w - 1, 1), PixelOf(barImage, 7, 8));
    EXPECT_EQ(PixelOf(image, 2, 0), kRed);

    // Border on three sides below the caption, the body inside.
    EXPECT_EQ(PixelOf(image, 0, h - 5), ColorToRGB(group->BorderColor()));
    EXPECT_EQ(PixelOf(image, w - 1, h - 5), ColorToRGB(group->BorderColor()));
    EXPECT_EQ(PixelOf(image, 60, h - 1), ColorToRGB(group->BorderColor()));
    EXPECT_EQ(PixelOf(image, w - 4, h - 3), ColorToRGB(group->Color()));

    // Closed: two chevrons down, no body.
    group->SetOpened(false);
    ASSERT_EQ(group->height(), 20);
    image = Painted();
    EXPECT_EQ(PixelOf(image, w - 20 + 7, 2 + 3), ColorToRGB(group->CaptionColor()));
    EXPECT_EQ(PixelOf(image, w - 20 + 4, 2 + 4), arrow);
}

TEST_F(GroupPaint, DividerAndClassicLook) {
    group->SetDividerVisible(true);
    group->SetDividerColor(kBlue);
    QImage image = Painted();
    EXPECT_TRUE(Near(PixelOf(image, 0, 19), kBlue)) << "from the divider colour";
    EXPECT_TRUE(Near(PixelOf(image, 143, 19), group->Color())) << "to the body";

    // Classic: solid fills and lines.
    bar.SetVisualStyle(TWgVisualStyle::vsClassic);
    image = Painted();
    EXPECT_EQ(PixelOf(image, 140, 2), kRed) << "no gradient";
    EXPECT_EQ(PixelOf(image, 70, 19), kBlue);
    EXPECT_EQ(PixelOf(bar.PaintedImage(), 2, 150), ColorToRGB(bar.Color()))
        << "the bar shows its colour";
}

TEST_F(GroupPaint, SpecialGroupAndCanClose) {
    group->SetSpecial(true);
    QImage image = Painted();
    const TColor fontColor = ColorToRGB(group->CaptionFont().color);
    EXPECT_EQ(PixelOf(image, 4, 2), fontColor) << "a special group starts at the font colour";
    group->SetCanClose(false);
    image = Painted();
    EXPECT_EQ(PixelOf(image, 144 - 20 + 7, 2), PixelOf(image, 144 - 20 + 7, 10))
        << "no round button";
    EXPECT_EQ(PixelOf(image, 0, 0), fontColor) << "corners stay";
}

TEST_F(GroupPaint, ThemedCaptionTakesTheSchemeColours) {
    SetVisualStylesActive(true);
    bar.SetVisualStyle(TWgVisualStyle::vsWinXP);
    const TWgColorContext blue{0, true, true};
    const TGroupColors normal =
        SelectGroupSchemeColors(blue, TWgGradientColorStyle::gcsMSOffice, false);
    QImage image = Painted();
    EXPECT_EQ(PixelOf(image, 4, 2), normal.fillStart);
    group->SetSpecial(true);
    image = Painted();
    EXPECT_EQ(PixelOf(image, 4, 2), RGBColor(15, 80, 190));
}

TEST_F(GroupPaint, OutlookCaptionFramesByState) {
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    const int ch = group->CaptionHeight();
    QImage image = Painted();
    EXPECT_EQ(PixelOf(image, 0, 0), ColorToRGB(clBtnHighlight)) << "raised";
    EXPECT_EQ(PixelOf(image, 143, ch - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(image, 3, 1), kRed) << "the gradient from the top";
    EXPECT_TRUE(Near(PixelOf(image, 3, ch - 2), kBlue, 32)) << "to the bottom";
    // The body: from the group colour lightened to the group colour.
    EXPECT_TRUE(Near(PixelOf(image, 140, group->height() - 1), group->Color(), 8));

    group->MouseDown(TWgMouseButton::mbLeft, {30, 5});
    image = Painted();
    EXPECT_EQ(PixelOf(image, 0, 0), ColorToRGB(clBtnShadow)) << "pressed: sunken";
}

TEST_F(GroupPaint, TaskListCaptionShowsTheGroupColour) {
    bar.SetStyle(TWgGroupBarStyle::gbsTaskList);
    const QImage image = Painted();
    EXPECT_EQ(PixelOf(image, 2, 2), ColorToRGB(bar.Color()));
    EXPECT_TRUE(Near(PixelOf(image, 0, group->CaptionHeight() - 1), group->DividerColor()));
}

TEST_F(GroupPaint, SelectedItemShowsItsBox) {
    group->SetShowItemSelection(true);
    group->Items()[1].SetSelected(true);
    QImage image = Painted();
    const TWgItemPlace& place = group->ItemPlaces().at(1);
    const TRect box = place.textArea.Inflated(2, 2);
    EXPECT_EQ(PixelOf(image, box.left, box.top + 3), ColorToRGB(group->SelectionFrameColor()));
    EXPECT_EQ(PixelOf(image, box.right - 1, box.top + 3), ColorToRGB(group->SelectionFrameColor()));
    EXPECT_TRUE(Near(PixelOf(image, box.right - 3, box.top + 1), group->SelectionColor(), 10))
        << "the fill at the top";
    const TWgItemPlace& other = group->ItemPlaces().at(0);
    EXPECT_EQ(PixelOf(image, other.textArea.left - 2, other.textArea.top + 3),
              ColorToRGB(group->Color()))
        << "the other item has none";
}

TEST_F(GroupPaint, ItemTextExpandsTabs) {
    // A tab moves the text on to the next tab stop, in the measure and in the drawing.
    group->Items()[0].SetCaption("A\tB");
    group->Items()[1].SetCaption("A B");
    Painted();
    const TRect tabbed = group->Items()[0].TextRect();
    const TRect spaced = group->Items()[1].TextRect();
    EXPECT_GT(tabbed.Width(), spaced.Width() + 20);
}

TEST_F(GroupPaint, ItemImagesByStyleAndState) {
    auto solid = [](int size, Qt::GlobalColor color) {
        QPixmap pixmap(size, size);
        pixmap.fill(color);
        return pixmap;
    };
    TImageList small(16, 16);
    small.Add(solid(16, Qt::red));
    small.Add(solid(16, Qt::green));
    TImageList large(32, 32);
    large.Add(solid(32, Qt::blue));
    group->SetSmallImages(&small);
    group->SetLargeImages(&large);
    group->Items()[0].SetImageIndex(0);
    TWgGroupItem& off = group->Items()[1];
    off.SetImageIndex(0);
    off.SetDisabledIndex(1);
    off.SetEnabled(false);

    QImage image = Painted();
    const auto& places = group->ItemPlaces();
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].imageAt.x, 8);
    EXPECT_EQ(places[0].textArea.left, 16 + 12) << "text after the image";
    EXPECT_EQ(PixelOf(image, places[0].imageAt.x + 8, places[0].imageAt.y + 8), kRed);
    EXPECT_EQ(PixelOf(image, places[1].imageAt.x + 8, places[1].imageAt.y + 8), RGBColor(0, 255, 0))
        << "a disabled item shows its disabled image";

    group->SetItemStyle(TWgGroupItemStyle::isLarge);
    image = Painted();
    const TWgItemPlace& big = group->ItemPlaces().at(0);
    EXPECT_EQ(big.imageAt.x, (144 - 32) / 2);
    EXPECT_EQ(PixelOf(image, big.imageAt.x + 16, big.imageAt.y + 16), kBlue);
    EXPECT_EQ(group->Items()[0].ImageRect(), big.imageRect) << "the hit rectangle follows";
}

}  // namespace
}  // namespace vx
