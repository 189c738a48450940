// The bordered panel and the group box: where their children go, their
// frames, fills and grids by pixels, the caption's place, the enabled state
// of their children and the frame controller's settings.
#include "widgets/qt/WgPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/DesktopTheme.h"
#include "platform/Registry.h"
#include "platform/qt/AlignHost.h"
#include "support/QtWait.h"
#include "widgets/WgFrameController.h"
#include "widgets/qt/WgGroupBox.h"

namespace vx {
namespace {

using enum TFrameStyle;
using enum TSide;

QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}
QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}
QRect Geometry(const QWidget* w) {
    return w->geometry();
}
// The rows that hold a pixel of the colour.
std::pair<int, int> RowsOf(const QImage& img, QRgb rgb) {
    int first = -1, last = -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (Px(img, x, y) != rgb) continue;
            if (first < 0) first = y;
            last = y;
        }
    }
    return {first, last};
}

class WgPanelTest : public testing::Test {
  protected:
    void SetUp() override { SetSystemColors(DefaultSystemColors()); }
};

TEST_F(WgPanelTest, ChildrenGoInsideTheFramesOnTheirSides) {
    TWgPanel panel;
    panel.resize(100, 60);
    auto* child = new QWidget(&panel);
    SetWidgetAlign(child, TAlign::alClient);
    // The default raised frame is two pixels all round.
    EXPECT_EQ(Geometry(child), QRect(2, 2, 96, 56));
    panel.SetBorderOuter(fsFlat);
    panel.SetBorderSides({sdBottom});
    EXPECT_EQ(Geometry(child), QRect(0, 0, 100, 59));
    panel.SetBorderWidth(3);
    panel.SetBorderInner(fsLowered);
    EXPECT_EQ(Geometry(child), QRect(3, 3, 94, 51));
    EXPECT_EQ(panel.InteriorRect(), (TRect{3, 3, 97, 54}));
}

TEST_F(WgPanelTest, TitleBarIsOneFlatLineAlongTheBottom) {
    TWgPanel panel;
    panel.resize(120, 16);
    panel.SetBorderOuter(fsFlat);
    panel.SetBorderSides({sdBottom});
    panel.SetVisualStyle(TWgVisualStyle::vsClassic);
    panel.SetColor(clSilver);
    panel.SetFlatColor(RGBColor(150, 150, 160));
    const QImage img = panel.PaintedImage();
    // The flat line is the flat colour lightened by the adjustment (30).
    const QRgb line = Rgb(AdjustLightness(RGBColor(150, 150, 160), 30));
    for (int x : {0, 60, 119})
        EXPECT_EQ(Px(img, x, 15), line) << x;
    EXPECT_EQ(Px(img, 0, 0), Rgb(clSilver));
    EXPECT_EQ(Px(img, 119, 14), Rgb(clSilver));
    panel.SetFlatColorAdjustment(0);
    EXPECT_EQ(Px(panel.PaintedImage(), 60, 15), Rgb(RGBColor(150, 150, 160)));
}

TEST_F(WgPanelTest, GradientTitleTakesTheSchemesFrameColourAndBandColours) {
    TWgPanel panel;
    panel.resize(120, 16);
    panel.SetBorderOuter(fsFlat);
    panel.SetBorderSides({sdBottom});
    panel.SetVisualStyle(TWgVisualStyle::vsGradient);
    panel.SetGradientColorStop(RGBColor(240, 230, 180));
    const QImage img = panel.PaintedImage();
    const TWgColorContext ctx = CurrentColorContext();
    EXPECT_EQ(Px(img, 60, 15), Rgb(SelectFrameColor(ctx, TWgGradientColorStyle::gcsSystem)));
    // From the band's start at the top to its stop at the bottom of the interior.
    const TColorPair band = SelectBandColors(ctx, TWgGradientColorStyle::gcsSystem);
    EXPECT_EQ(Px(img, 60, 0), Rgb(band.start));
    panel.SetGradientColorStyle(TWgGradientColorStyle::gcsCustom);
    panel.SetGradientColorStart(clRed);
    const QImage custom = panel.PaintedImage();
    EXPECT_EQ(Px(custom, 30, 0), Rgb(clRed));
    EXPECT_GT(qBlue(Px(custom, 30, 14)), 140);
    EXPECT_LT(qRed(Px(custom, 30, 14)), qRed(Px(custom, 30, 7)));
    // A custom style keeps the panel's own flat colour and adjustment.
    EXPECT_EQ(Px(custom, 60, 15), Rgb(AdjustLightness(clBtnShadow, 30)));
}

TEST_F(WgPanelTest, RaisedFrameByPixels) {
    TWgPanel panel;
    panel.resize(40, 30);
    panel.SetColor(clYellow);
    const QImage img = panel.PaintedImage();
    EXPECT_EQ(Px(img, 0, 10), Rgb(cl3DLight));
    EXPECT_EQ(Px(img, 39, 10), Rgb(cl3DDkShadow));
    EXPECT_EQ(Px(img, 1, 10), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(img, 38, 10), Rgb(clBtnShadow));
    EXPECT_EQ(Px(img, 20, 29), Rgb(cl3DDkShadow));
    EXPECT_EQ(Px(img, 20, 15), Rgb(clYellow));
}

TEST_F(WgPanelTest, GridDotsAndLines) {
    TWgPanel panel;
    panel.resize(40, 30);
    panel.SetBorderOuter(fsNone);
    panel.SetColor(clWhite);
    panel.SetGridColor(clBlack);
    panel.SetShowGrid(true);
    QImage img = panel.PaintedImage();
    EXPECT_EQ(Px(img, 7, 7), Rgb(clBlack));
    EXPECT_EQ(Px(img, 15, 23), Rgb(clBlack));
    EXPECT_EQ(Px(img, 8, 7), Rgb(clWhite));
    panel.SetGridStyle(TWgGridStyle::gsSolidLines);
    img = panel.PaintedImage();
    EXPECT_EQ(Px(img, 7, 3), Rgb(clBlack));
    EXPECT_EQ(Px(img, 20, 15), Rgb(clBlack));
    panel.SetGridStyle(TWgGridStyle::gsDottedLines);
    img = panel.PaintedImage();
    EXPECT_EQ(Px(img, 7, 1), Rgb(clBlack));
    EXPECT_EQ(Px(img, 7, 2), Rgb(clWhite));
    // No vertical lines without a column size.
    panel.SetGridXSize(0);
    img = panel.PaintedImage();
    EXPECT_EQ(Px(img, 7, 1), Rgb(clWhite));
    EXPECT_EQ(Px(img, 1, 7), Rgb(clBlack));
}

TEST_F(WgPanelTest, CaptionFollowsTheVerticalAlignment) {
    TWgPanel panel;
    panel.resize(200, 60);
    panel.SetBorderOuter(fsNone);
    panel.SetColor(clWhite);
    panel.SetCaption(QStringLiteral("Title"));
    const QRgb ink = Rgb(clWindowText);
    panel.SetAlignmentVertical(TAlignmentVertical::avTop);
    const auto top = RowsOf(panel.PaintedImage(), ink);
    panel.SetAlignmentVertical(TAlignmentVertical::avCenter);
    const auto centre = RowsOf(panel.PaintedImage(), ink);
    panel.SetAlignmentVertical(TAlignmentVertical::avBottom);
    const auto bottom = RowsOf(panel.PaintedImage(), ink);
    ASSERT_GE(top.first, 0);
    EXPECT_LT(top.second, 20);
    EXPECT_GT(centre.first, top.first);
    EXPECT_LT(centre.second, bottom.second);
    EXPECT_GT(bottom.first, 40);
    EXPECT_NEAR((centre.first + centre.second) / 2, 30, 4);
    // A disabled panel writes in the grey text colour.
    panel.SetEnabled(false);
    EXPECT_EQ(RowsOf(panel.PaintedImage(), ink).first, -1);
    EXPECT_GE(RowsOf(panel.PaintedImage(), Rgb(clGrayText)).first, 0);
}

TEST_F(WgPanelTest, CaptionWrapsOnlyWhenAskedTo) {
    TWgPanel panel;
    panel.resize(70, 100);
    panel.SetBorderOuter(fsNone);
    panel.SetColor(clWhite);
    panel.SetCaption(QStringLiteral("one two three four five"));
    const QRgb ink = Rgb(clWindowText);
    const auto wrapped = RowsOf(panel.PaintedImage(), ink);
    panel.SetWordWrap(false);
    const auto single = RowsOf(panel.PaintedImage(), ink);
    ASSERT_GE(single.first, 0);
    const int lineHeight = single.second - single.first + 1;
    EXPECT_GT(wrapped.second - wrapped.first + 1, 2 * lineHeight);
}

TEST_F(WgPanelTest, ClientAreaPaintedOnlyWhenAskedTo) {
    // The interior: the gradient, or the parent through a transparent panel;
    // left unpainted, the panel's own colour fills it.
    const struct {
        bool transparent, paintClientArea;
        TColor seen;
    } cases[] = {{false, true, clRed},
                 {false, false, clYellow},
                 {true, true, clLime},
                 {true, false, clYellow}};
    for (const auto& c : cases) {
        TWgPanel parent;
        parent.resize(60, 40);
        parent.SetBorderOuter(fsNone);
        parent.SetColor(clLime);
        auto* panel = new TWgPanel(&parent);
        panel->resize(60, 40);
        panel->SetVisualStyle(TWgVisualStyle::vsGradient);
        panel->SetGradientColorStyle(TWgGradientColorStyle::gcsCustom);
        panel->SetGradientColorStart(clRed);
        panel->SetColor(clYellow);
        panel->SetTransparent(c.transparent);
        panel->SetPaintClientArea(c.paintClientArea);
        EXPECT_EQ(Px(panel->PaintedImage(), 30, 2), Rgb(c.seen))
            << c.transparent << c.paintClientArea;
    }
}

TEST_F(WgPanelTest, TransparentPanelShowsItsParent) {
    TWgPanel parent;
    parent.resize(100, 100);
    parent.SetBorderOuter(fsNone);
    parent.SetColor(clLime);
    auto* panel = new TWgPanel(&parent);
    panel->setGeometry(10, 10, 50, 40);
    panel->SetBorderOuter(fsNone);
    panel->SetColor(clRed);
    EXPECT_EQ(Px(panel->PaintedImage(), 20, 20), Rgb(clRed));
    panel->SetTransparent(true);
    EXPECT_EQ(Px(panel->PaintedImage(), 20, 20), Rgb(clLime));
    EXPECT_FALSE(panel->testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST_F(WgPanelTest, EdgesKeptEventsAndTheDesktopsColourScheme) {
    // A panel along the bottom (right) keeps its bottom (right) edge.
    struct Case {
        TAlign align;
        QRect from;
        QSize to;
        QRect expected;
    };
    const Case cases[] = {
        {TAlign::alBottom, {0, 100, 50, 40}, {50, 30}, {0, 110, 50, 30}},
        {TAlign::alRight, {100, 0, 40, 50}, {60, 50}, {80, 0, 60, 50}},
        {TAlign::alNone, {100, 100, 40, 40}, {60, 30}, {100, 100, 60, 30}},
    };
    for (const Case& c : cases) {
        TWgPanel panel;
        panel.setGeometry(c.from);
        panel.SetAlign(c.align);
        panel.SetBounds(c.from.x(), c.from.y(), c.to.width(), c.to.height());
        EXPECT_EQ(panel.geometry(), c.expected) << int(c.align);
    }

    TWgPanel panel;
    panel.resize(60, 30);
    QStringList heard;
    panel.OnMouseEnter = [&] { heard << "enter"; };
    panel.OnMouseLeave = [&] { heard << "leave"; };
    panel.OnPaint = [&](Canvas& canvas) {
        heard << "paint";
        canvas.SetPixel(0, 0, clRed);
    };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&panel, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&panel, &leave);
    EXPECT_EQ(Px(panel.PaintedImage(), 0, 0), Rgb(clRed)) << "drawn after the frame";
    EXPECT_EQ(heard, (QStringList{"enter", "leave", "paint"}));

    // The desktop's theme changed: its colour scheme is read again.
    const std::uint8_t before = XPColorScheme();
    Registry user(RootKey::CurrentUser);
    ASSERT_EQ(user.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", true),
              RegOutcome::Ok);
    ASSERT_TRUE(user.WriteString("ColorName", "Metallic"));
    QEvent theme(QEvent::ThemeChange);
    QApplication::sendEvent(&panel, &theme);
    EXPECT_EQ(XPColorScheme(), 2);
    ASSERT_TRUE(user.WriteString("ColorName", ""));
    SetXPColorScheme(before);
}

TEST_F(WgPanelTest, ReenablingKeepsAChildDisabledThatWasDisabledBefore) {
    TWgPanel panel;
    auto* a = new QPushButton(&panel);
    auto* b = new QPushButton(&panel);
    b->setEnabled(false);
    panel.SetEnabled(false);
    EXPECT_FALSE(a->isEnabled());
    EXPECT_FALSE(b->isEnabled());
    panel.SetEnabled(true);
    EXPECT_TRUE(a->isEnabled());
    EXPECT_FALSE(b->isEnabled());
}

TEST_F(WgPanelTest, FrameControllerSettingsReachThePanelWhileItsFrameShows) {
    TWgFrameController controller;
    TWgPanel panel;
    panel.SetFrameController(&controller);
    controller.SetFrameStyle(fsFlat);
    EXPECT_EQ(panel.BorderOuter(), fsRaised) << "the controller's frame is not visible";
    controller.SetFrameVisible(true);
    EXPECT_EQ(panel.BorderOuter(), fsFlat);
    controller.SetColor(clYellow);
    EXPECT_EQ(panel.Color(), clYellow);
    EXPECT_EQ(panel.BorderHighlight(), IncreaseLightness(clYellow, 100));
    EXPECT_EQ(panel.BorderShadow(), ReduceLightness(clYellow, 50));
    controller.SetFrameColor(clRed);
    EXPECT_EQ(panel.FlatColor(), clRed);
    EXPECT_EQ(panel.FlatColorAdjustment(), 0);
    panel.SetFrameControllerNotifications(FcpBit(TWgFrameControllerNotification::fcpFrameStyle));
    controller.SetFrameSides({sdTop});
    EXPECT_EQ(panel.BorderSides(), TSides::All());
    EXPECT_TRUE(controller.IsLinked(panel));
    {
        TWgPanel gone;
        gone.SetFrameController(&controller);
    }
    EXPECT_EQ(controller.LinkedCount(), 1u);
}

// The group box.

int TextHeight(const QWidget& w) {
    return QFontMetrics(ToQFont(static_cast<const TCustomControl&>(w).Font())).height();
}

TEST_F(WgPanelTest, GroupBoxDefaultsAndChildAreaPerStyle) {
    TWgGroupBox box;
    EXPECT_EQ(box.GroupStyle(), TWgGroupBoxStyle::gsFlat);
    EXPECT_EQ(box.BorderOuter(), fsNone);
    EXPECT_EQ(box.Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(box.height(), 105);
    box.resize(200, 105);
    box.SetCaption(QStringLiteral("通信参数依据"));
    auto* child = new QWidget(&box);
    SetWidgetAlign(child, TAlign::alClient);
    const int h = TextHeight(box);
    EXPECT_EQ(Geometry(child), QRect(1, h + 1, 198, 105 - h - 2));
    box.SetGroupStyle(TWgGroupBoxStyle::gsBanner);
    EXPECT_EQ(Geometry(child), QRect(0, h + 8, 200, 105 - h - 8));
    box.SetBannerHeight(30);
    EXPECT_EQ(Geometry(child).top(), 30);
}

TEST_F(WgPanelTest, FlatGroupFrameIsARoundedRectangleInTheFlatColour) {
    TWgGroupBox box;
    box.resize(120, 80);
    box.SetColor(RGBColor(242, 247, 251));
    box.SetFlatColor(clBlack);
    box.SetFlatColorAdjustment(0);
    box.SetCaption(QStringLiteral("Group"));
    const QImage img = box.PaintedImage();
    const int top = GroupFrameTop(TextHeight(box));
    const QRgb ink = Rgb(clBlack), face = Rgb(RGBColor(242, 247, 251));
    EXPECT_EQ(Px(img, 0, 40), ink);
    EXPECT_EQ(Px(img, 119, 40), ink);
    EXPECT_EQ(Px(img, 60, 79), ink);
    EXPECT_EQ(Px(img, 100, top), ink) << "the top line beyond the caption";
    EXPECT_EQ(Px(img, 0, top), face) << "cut corner";
    EXPECT_EQ(Px(img, 1, top + 1), ink) << "the corner's diagonal pixel";
    EXPECT_EQ(Px(img, 118, 78), ink);
    EXPECT_EQ(Px(img, 60, 40), face);
}

TEST_F(WgPanelTest, GroupFrameStartsBelowHalfACaptionEvenWithoutOne) {
    TWgGroupBox box;
    box.resize(120, 80);
    box.SetFlatColor(clBlack);
    box.SetFlatColorAdjustment(0);
    const QImage img = box.PaintedImage();
    const int top = GroupFrameTop(TextHeight(box));
    ASSERT_GT(top, 0);
    EXPECT_EQ(Px(img, 60, top), Rgb(clBlack));
    EXPECT_EQ(Px(img, 60, 0), Rgb(box.Color()));
}

TEST_F(WgPanelTest, StandardGroupFrameIsEtchedAndBannerIsAGradient) {
    TWgGroupBox box;
    box.resize(120, 80);
    box.SetGroupStyle(TWgGroupBoxStyle::gsStandard);
    QImage img = box.PaintedImage();
    const int top = GroupFrameTop(TextHeight(box));
    EXPECT_EQ(Px(img, 60, top), Rgb(clBtnShadow));
    EXPECT_EQ(Px(img, 60, top + 1), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(img, 119, 40), Rgb(clBtnHighlight));

    box.SetGroupStyle(TWgGroupBoxStyle::gsBanner);
    box.SetGradientColorStyle(TWgGradientColorStyle::gcsCustom);
    box.SetGradientColorStart(clRed);
    box.SetGradientColorStop(clBlue);
    box.SetFlatColor(clBlack);
    box.SetFlatColorAdjustment(0);
    box.SetBannerHeight(30);
    box.SetCaption(QStringLiteral("x"));
    img = box.PaintedImage();
    EXPECT_EQ(Px(img, 60, 0), Rgb(clBlack)) << "the banner's outline";
    EXPECT_EQ(Px(img, 0, 0), Rgb(box.Color())) << "its cut corner";
    EXPECT_EQ(Px(img, 110, 1), Rgb(clRed));
    EXPECT_GT(qBlue(Px(img, 110, 28)), 200);
}

TEST_F(WgPanelTest, TopLineUnderlineCustomAndThemedGroupFrames) {
    TWgGroupBox box;
    box.resize(120, 80);
    box.SetFlatColor(clBlack);
    box.SetFlatColorAdjustment(0);
    const int top = GroupFrameTop(TextHeight(box));
    const QRgb face = Rgb(box.Color());
    // A line along the top only.
    box.SetGroupStyle(TWgGroupBoxStyle::gsTopLine);
    QImage img = box.PaintedImage();
    EXPECT_EQ(Px(img, 60, top), Rgb(clBtnShadow));
    EXPECT_EQ(Px(img, 60, top + 1), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(img, 0, 40), face);
    EXPECT_EQ(Px(img, 60, 79), face);
    box.SetBorderOuter(fsFlat);
    img = box.PaintedImage();
    EXPECT_EQ(Px(img, 60, top), Rgb(clBlack));
    EXPECT_EQ(Px(img, 1, top), face) << "the flat line starts 2 pixels in";
    // A line under the caption.
    box.SetGroupStyle(TWgGroupBoxStyle::gsUnderline);
    box.SetCaption(QStringLiteral("Cap"));
    const TRect caption = box.CaptionRect();
    img = box.PaintedImage();
    EXPECT_EQ(Px(img, 100, caption.bottom), Rgb(clBlack));
    EXPECT_EQ(Px(img, 100, caption.bottom + 1), face);
    // The panel's own look.
    box.SetGroupStyle(TWgGroupBoxStyle::gsCustom);
    box.SetBorderOuter(fsRaised);
    img = box.PaintedImage();
    EXPECT_EQ(Px(img, 0, 40), Rgb(cl3DLight));
    // The theme's group frame, the caption in the theme's text colour.
    SetVisualStylesActive(true);
    box.SetGroupStyle(TWgGroupBoxStyle::gsFlat);
    box.SetCaption(QString());
    img = box.PaintedImage();
    EXPECT_EQ(Px(img, 60, top), Rgb(ThemePartColor(CurrentColorContext(), 0)));
    SetVisualStylesActive(false);
}

TEST_F(WgPanelTest, GroupBoxCaptionAcceleratorFocusesItsFirstChild) {
    QWidget window;
    auto* box = new TWgGroupBox(&window);
    box->SetCaption(QStringLiteral("&Port"));
    auto* label = new QLabel(box);
    auto* button = new QPushButton(box);
    (void)label;
    window.show();
    window.activateWindow();
    VX_WAIT_TRUE(QApplication::activeWindow() == &window, test::kStateWaitMs);
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(button->hasFocus());
    // A new caption brings its own accelerator and drops the old one.
    auto* other = new QPushButton(&window);
    other->show();
    other->setFocus();
    box->SetCaption(QStringLiteral("&Baud"));
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(other->hasFocus());
    QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(button->hasFocus());
}

}  // namespace
}  // namespace vx
