#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "platform/qt/ControlHint.h"
#include "styling/toolbar/ToolBarButtonRules.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"
#include "support/ImagePixel.h"

namespace vx {
namespace {

namespace DT = DrawTextFlags;
using S = TToolButtonState;
using G = TGlyphPosition;

using test::PixelAt;

TEST(ToolBarButtonRulesTest, AutoSizeAndFaceLayoutAsData) {
    struct Row {
        TButtonMeasure m;
        TButtonSize size;
    };
    const Row rows[] = {
        {{G::gpLeft, true, 16, 16, 0, 13, false}, {24, 24}},    // the main window's buttons
        {{G::gpLeft, true, 16, 16, 0, 13, true}, {36, 24}},     // with a drop-down part
        {{G::gpLeft, true, 16, 16, 30, 13, false}, {58, 24}},   // 16 + 4 + 30 + 8
        {{G::gpTop, true, 16, 16, 30, 13, false}, {38, 41}},    // 13 + 16 + 4 + 8
        {{G::gpLeft, true, 0, 0, 0, 13, false}, {15, 21}},      // nothing: at least 15
        {{G::gpLeft, false, 16, 16, 30, 13, false}, {24, 58}},  // vertical: along is the height
        {{G::gpLeft, false, 16, 16, 0, 13, true}, {24, 36}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ButtonAutoSize(r.m), r.size) << r.m.tw << " " << r.m.gh;

    // Face and drop-down part of a 36 x 24 client (24 x 36 on a vertical bar).
    const TButtonParts across = SplitButtonParts({0, 0, 36, 24}, true, true);
    EXPECT_EQ(across.face, (TRect{0, 0, 24, 24}));
    EXPECT_EQ(across.dropDown, (TRect{24, 0, 36, 24}));
    const TButtonParts down = SplitButtonParts({0, 0, 24, 36}, false, true);
    EXPECT_EQ(down.face, (TRect{0, 0, 24, 24}));
    EXPECT_EQ(down.dropDown, (TRect{0, 24, 24, 36}));
    EXPECT_EQ(SplitButtonParts({0, 0, 36, 24}, true, false).face, (TRect{0, 0, 36, 24}));

    struct Face {
        G pos;
        TRect f;
        int bh, iw, ih, tw, th;
        bool autoSize;
        int gx, gy;
        TRect text;
        unsigned flags;
    };
    const unsigned one = DT::kSingleLine;
    const Face faces[] = {
        {G::gpLeft,
         {0, 0, 24, 24},
         24,
         16,
         16,
         0,
         0,
         true,
         4,
         4,
         {20, 0, 24, 24},
         DT::kVCenter | one},
        {G::gpLeft,
         {0, 0, 58, 24},
         24,
         16,
         16,
         30,
         13,
         true,
         4,
         4,
         {24, 0, 58, 24},
         DT::kVCenter | one},
        {G::gpTop,
         {0, 0, 38, 41},
         41,
         16,
         16,
         30,
         13,
         true,
         11,
         4,
         {0, 24, 38, 41},
         DT::kCenter | one},
        {G::gpRight,
         {0, 0, 58, 24},
         24,
         16,
         16,
         30,
         13,
         true,
         38,
         4,
         {4, 0, 34, 24},
         DT::kRight | DT::kVCenter | one},
        {G::gpBottom,
         {0, 0, 38, 41},
         41,
         16,
         16,
         30,
         13,
         true,
         11,
         21,
         {0, 4, 38, 21},
         DT::kCenter | DT::kVCenter | one},
        // The face of a drop-down button ends where the part begins.
        {G::gpLeft,
         {0, 0, 24, 24},
         24,
         16,
         16,
         0,
         0,
         true,
         4,
         4,
         {20, 0, 24, 24},
         DT::kVCenter | one},
        // Without auto size an image wider than the button begins at 1.
        {G::gpLeft,
         {0, 0, 20, 24},
         24,
         34,
         24,
         0,
         0,
         false,
         1,
         0,
         {35, 0, 28, 24},
         DT::kVCenter | one | DT::kEndEllipsis},
    };
    for (const Face& c : faces) {
        const TButtonFace face =
            ButtonFaceLayout(c.pos, true, c.f, c.bh, c.iw, c.ih, c.tw, c.th, c.autoSize);
        EXPECT_EQ(face.gx, c.gx) << static_cast<int>(c.pos);
        EXPECT_EQ(face.gy, c.gy) << static_cast<int>(c.pos);
        EXPECT_EQ(face.textRect, c.text) << static_cast<int>(c.pos);
        EXPECT_EQ(face.textFlags, c.flags) << static_cast<int>(c.pos);
    }
}

TEST(ToolBarButtonRulesTest, DisabledGreyAndShadowGlyph) {
    EXPECT_EQ(DisabledGlyphGrey(clBlack), 0x606060u);
    EXPECT_EQ(DisabledGlyphGrey(clWhite), 0xDFDFDFu);               // 255 / 2 + 96 = 223
    EXPECT_EQ(DisabledGlyphGrey(RGBColor(10, 20, 31)), 0x6A6A6Au);  // 61 / 3 = 20, 10 + 96

    // A magenta background with a blue figure and a black pixel.
    QImage glyph(4, 3, QImage::Format_RGB32);
    glyph.fill(qRgb(255, 0, 255));
    glyph.setPixel(1, 1, qRgb(0, 0, 255));
    glyph.setPixel(2, 1, qRgb(0, 0, 0));
    const QImage shadow = ShadowGlyph(glyph);
    EXPECT_EQ(PixelAt(shadow, 0, 2), clFuchsia);
    EXPECT_EQ(PixelAt(shadow, 1, 1), clGray);
    EXPECT_EQ(PixelAt(shadow, 2, 1), clGray);
    EXPECT_EQ(PixelAt(shadow, 3, 0), clFuchsia);
    const QImage grey = DisabledGlyph(glyph);
    EXPECT_EQ(PixelAt(grey, 1, 1), DisabledGlyphGrey(clBlue));
}

// A docked bar with push, check and group buttons, a separator, and the
// office styler's colours.
struct ButtonBar {
    QWidget form;
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    TImageList images{16, 16};
    std::vector<TFxToolBarButton*> buttons;
    TFxToolBarSeparator* separator = nullptr;

    ButtonBar() {
        form.resize(600, 100);
        TAlignHost::Attach(&form);
        QPixmap red(16, 16);  // a red square on a see-through ground
        red.fill(Qt::transparent);
        QPainter painter(&red);
        painter.fillRect(2, 2, 12, 12, Qt::red);
        painter.end();
        images.Add(red);
        TLoadingScope scope;
        panel = new TFxDockPanel(&form);
        panel->SetBounds(0, 0, 600, 43);
        bar = new TFxToolBar(panel);
        bar->SetBounds(3, 1, 300, 28);
        bar->SetImages(&images);
        for (int i = 0; i < 5; ++i) {
            auto* b = new TFxToolBarButton(bar);
            b->setObjectName(QString("FxToolBarButton%1").arg(i + 1));
            b->SetImageIndex(0);
            buttons.push_back(b);
            if (i == 1) {
                separator = new TFxToolBarSeparator(bar);
                separator->setObjectName("FxToolBarSeparator1");
            }
        }
        buttons[1]->SetStyle(TFxToolButtonStyle::tasCheck);
        for (int i = 2; i < 5; ++i)
            buttons[i]->SetGroupIndex(1);
    }
    TFxToolBarButton& B(int i) { return *buttons[i]; }
};

TEST(ToolBarButtonsTest, DownWritesAndGroups) {
    ButtonBar f;
    TFxToolBarButton& push = f.B(0);
    TFxToolBarButton& check = f.B(1);
    QSignalSpy clicks(&check, &TFxToolBarButton::Clicked);
    push.SetDown(true);  // a push button outside a group never stays down
    EXPECT_FALSE(push.Down());
    check.SetDown(true);
    EXPECT_TRUE(check.Down());
    EXPECT_EQ(check.State(), S::bsDown);
    check.SetDown(false);
    EXPECT_EQ(check.State(), S::bsUp);
    EXPECT_EQ(clicks.count(), 0);

    // Group of three: pressing the second releases the first; the pressed
    // one is not released by a write without AllowAllUp.
    f.B(2).SetDown(true);
    f.B(3).SetDown(true);
    EXPECT_FALSE(f.B(2).Down());
    EXPECT_TRUE(f.B(3).Down());
    EXPECT_EQ(f.B(3).State(), S::bsExclusive);
    f.B(3).SetDown(false);
    EXPECT_TRUE(f.B(3).Down());
    f.B(4).SetAllowAllUp(true);  // handed to the members that hear it
    EXPECT_TRUE(f.B(2).AllowAllUp());
    EXPECT_TRUE(f.B(3).AllowAllUp());
    f.B(3).SetDown(false);
    EXPECT_FALSE(f.B(3).Down());
    // Style check turns the drop-down part off, and refuses it later.
    f.B(0).SetDropDownButton(true);
    f.B(0).SetStyle(TFxToolButtonStyle::tasCheck);
    EXPECT_FALSE(f.B(0).DropDownButton());
    f.B(0).SetDropDownButton(true);
    EXPECT_FALSE(f.B(0).DropDownButton());
    EXPECT_EQ(f.B(0).Version(), "1.2.1.0");
    // Down stored before the group while loading is applied once loaded.
    TFxToolBarButton* loaded = nullptr;
    {
        TLoadingScope scope;
        loaded = new TFxToolBarButton(f.bar);
        loaded->SetDown(true);
        loaded->SetGroupIndex(7);
        EXPECT_FALSE(loaded->Down());
    }
    EXPECT_TRUE(loaded->Down());
}

TEST(ToolBarButtonsTest, ButtonsFollowTheirActionsAndRunThem) {
    ButtonBar f;
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    // A push button takes the action's values and follows their changes.
    TFxToolBarButton& push = f.B(0);
    TCustomAction run("&Run", nullptr);
    run.setToolTip("Runs the program");
    run.SetImageIndex(0);
    push.SetAction(&run);
    EXPECT_EQ(push.Action(), &run);
    EXPECT_EQ(push.Caption(), "&Run");
    EXPECT_EQ(push.Hint(), "Runs the program");
    run.setText("&Go");
    run.setEnabled(false);
    EXPECT_EQ(push.Caption(), "&Go");
    EXPECT_FALSE(push.Enabled());
    run.setEnabled(true);
    run.setVisible(false);
    EXPECT_TRUE(push.isHidden());
    run.setVisible(true);
    EXPECT_FALSE(push.isHidden());
    // The picture: the bar's until the action's list has images of its own,
    // which then also size the button.
    EXPECT_EQ(PixelAt(push.PaintedImage(), 8, 8), clRed);
    TImageList big(20, 20);
    QPixmap blue(20, 20);
    blue.fill(Qt::blue);
    big.Add(blue);
    TActionList list;
    run.SetActionList(&list);
    list.SetImages(&big);
    EXPECT_EQ(push.width(), 28);
    EXPECT_EQ(PixelAt(push.PaintedImage(), 10, 10), clBlue);
    // A click runs the action once.
    QSignalSpy ran(&run, &QAction::triggered);
    QTest::mouseClick(&push, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(ran.count(), 1);

    // A check button shows its action's checked state, and a click toggles both.
    TFxToolBarButton& check = f.B(1);
    QAction monitor("Monitor");
    monitor.setCheckable(true);
    check.SetAction(&monitor);
    monitor.setChecked(true);
    EXPECT_TRUE(check.Down());
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(check.Down());
    EXPECT_FALSE(monitor.isChecked());

    // Group members: the one pressed releases the other and unchecks its action.
    TCustomAction left("Left", nullptr), right("Right", nullptr);
    for (TCustomAction* a : {&left, &right}) {
        a->setCheckable(true);
        a->SetGroupIndex(1);
    }
    f.B(2).SetAction(&left);
    f.B(3).SetAction(&right);
    left.setChecked(true);
    EXPECT_TRUE(f.B(2).Down());
    QTest::mouseClick(&f.B(3), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.B(3).Down());
    EXPECT_TRUE(right.isChecked());
    EXPECT_FALSE(f.B(2).Down());
    EXPECT_FALSE(left.isChecked());

    // The group index follows while the button's is the action's.
    run.SetGroupIndex(3);
    EXPECT_EQ(push.GroupIndex(), 3);
    run.SetGroupIndex(4);
    EXPECT_EQ(push.GroupIndex(), 4);
    push.SetGroupIndex(9);
    run.SetGroupIndex(5);
    EXPECT_EQ(push.GroupIndex(), 9);
    push.SetAction(nullptr);
    run.setText("&Stop");
    EXPECT_EQ(push.Caption(), "&Go");
}

TEST(ToolBarButtonsTest, MousePressesClicksAndTheCheckButtonReleasedOutside) {
    ButtonBar f;
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    TFxToolBarButton& check = f.B(1);
    QSignalSpy clicks(&check, &TFxToolBarButton::Clicked);
    // Pressed inside, released outside: nothing changes and nothing fires.
    QTest::mousePress(&check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(check.State(), S::bsDown);
    QTest::mouseRelease(&check, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_FALSE(check.Down());
    EXPECT_EQ(check.State(), S::bsUp);
    EXPECT_EQ(clicks.count(), 0);
    // Released inside: checked, one click; again: up, two clicks.
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(check.Down());
    EXPECT_EQ(check.State(), S::bsDown);
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(check.Down());
    EXPECT_EQ(clicks.count(), 2);
    // A checked button released outside stays checked.
    check.SetDown(true);
    QTest::mousePress(&check, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&check, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_TRUE(check.Down());
    EXPECT_EQ(check.State(), S::bsDown);

    // The mouse makes one button hot at a time; an up hot button shows the
    // shadow of its picture 2 pixels right of and below it.
    QTest::mouseMove(&f.B(0), QPoint(5, 5));
    EXPECT_TRUE(f.B(0).Hot());
    QTest::mouseMove(&f.B(3), QPoint(5, 5));
    EXPECT_FALSE(f.B(0).Hot());
    EXPECT_EQ(f.bar->HotButton(), &f.B(3));
    EXPECT_EQ(PixelAt(f.B(3).PaintedImage(), 19, 19), clGray);

    // A group member pressed releases the other; a disabled button fires nothing.
    QSignalSpy barClicks(f.bar, &TFxCustomToolBar::ButtonClick);
    QTest::mouseClick(&f.B(2), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&f.B(4), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(f.B(2).Down());
    EXPECT_TRUE(f.B(4).Down());
    EXPECT_EQ(barClicks.count(), 2);
    QSignalSpy pushClicks(&f.B(0), &TFxToolBarButton::Clicked);
    f.B(0).SetEnabled(false);
    QTest::mouseClick(&f.B(0), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(pushClicks.count(), 0);
}

TEST(ToolBarButtonsTest, SizesAndPaintingInEachState) {
    ButtonBar f;
    TFxToolBarButton& push = f.B(0);
    EXPECT_EQ(push.width(), 24);
    EXPECT_EQ(push.height(), 24);
    EXPECT_EQ(f.separator->width(), 10);
    EXPECT_EQ(f.separator->height(), 24);
    const int barWidth = f.bar->width();
    push.SetDropDownButton(true);
    EXPECT_EQ(push.width(), 36);
    EXPECT_EQ(f.bar->width(), barWidth + 12);  // the bar makes room
    EXPECT_EQ(f.separator->x(), f.B(1).x() + 24);
    push.SetDropDownButton(false);
    push.SetImageIndex(-1);
    EXPECT_EQ(push.width(), 15);  // neither image nor caption
    push.SetImageIndex(0);

    const TButtonAppearance& a = f.bar->CurrentStyler()->ButtonAppearance();
    // Up: the bar's own painting shows through around the image.
    const QImage barImage = f.bar->PaintedImage();
    QImage up = push.PaintedImage();
    EXPECT_EQ(PixelAt(up, 1, 1), PixelAt(barImage, push.x() + 1, push.y() + 1));
    EXPECT_EQ(PixelAt(up, 8, 8), clRed);  // image at (4, 4)
    // Hot: border and shadow; checked and down: their borders.
    push.SetHot(true);
    EXPECT_EQ(f.bar->HotButton(), &push);
    QImage hot = push.PaintedImage();
    EXPECT_EQ(PixelAt(hot, 0, 0), ColorToRGB(a.BorderHotColor()));
    f.B(3).SetHot(true);  // one hot button per bar
    EXPECT_FALSE(push.Hot());
    EXPECT_EQ(f.bar->HotButton(), &f.B(3));
    f.B(1).SetDown(true);
    EXPECT_EQ(PixelAt(f.B(1).PaintedImage(), 0, 0), ColorToRGB(a.BorderCheckedColor()));
    // Disabled glyph: the grey copy made when Glyph was written.
    push.SetImageIndex(-1);
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(qRgb(255, 0, 255));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            glyph.setPixel(x, y, qRgb(0, 0, 255));
    push.SetGlyph(glyph);
    push.SetEnabled(false);
    QImage disabled = push.PaintedImage();
    EXPECT_EQ(PixelAt(disabled, 10, 10), DisabledGlyphGrey(clBlue));
    EXPECT_EQ(PixelAt(disabled, 5, 5), PixelAt(barImage, push.x() + 5, push.y() + 5));
    // The bar's DisabledImages: measured by, and drawn as they are.
    push.SetImageIndex(0);
    TImageList greyed(20, 20);
    QPixmap green(20, 20);
    green.fill(QColor(0x40, 0x80, 0x40));
    greyed.Add(green);
    f.bar->SetDisabledImages(&greyed);
    EXPECT_EQ(push.width(), 28);
    EXPECT_EQ(PixelAt(push.PaintedImage(), 12, 12), 0x408040u);
    f.bar->SetDisabledImages(nullptr);
    EXPECT_EQ(push.width(), 24);
    // Separator: the line colour at the middle, white beside it.
    QImage sep = f.separator->PaintedImage();
    EXPECT_EQ(PixelAt(sep, 5, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(sep, 6, 10), clWhite);
    EXPECT_NE(PixelAt(sep, 5, 1), ColorToRGB(clBtnShadow));
}

// Where a button's picture comes from and where it goes: the state's glyph
// or Glyph in its place, Picture without image or glyph, the explicit draw
// position; the glyph position measures again; without a split the whole
// button drops its menu down.
TEST(ToolBarButtonsTest, GlyphsPicturesPlacesAndTheDropDownPart) {
    ButtonBar f;
    TFxToolBarButton& b = f.B(0);
    const auto square = [](int size, QRgb colour) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(qRgb(255, 0, 255));  // the see-through ground, at the bottom left
        for (int y = 2; y < size - 2; ++y)
            for (int x = 2; x < size - 2; ++x)
                image.setPixel(x, y, colour);
        return image;
    };
    EXPECT_NE(PixelAt(b.PaintedImage(), 3, 3), clRed);  // the image stands at (4, 4)
    b.SetDrawPosition({true, 0, 0, 0, 0});
    EXPECT_EQ(PixelAt(b.PaintedImage(), 3, 3), clRed);
    b.SetDrawPosition({});

    b.SetImageIndex(-1);
    b.SetGlyph(square(16, qRgb(0, 0, 255)));
    b.SetGlyphHot(square(16, qRgb(0, 255, 0)));
    b.SetHot(true);
    EXPECT_EQ(PixelAt(b.PaintedImage(), 10, 10), 0x00FF00u);
    b.SetGlyphHot(QImage());
    EXPECT_EQ(PixelAt(b.PaintedImage(), 10, 10), clBlue);
    b.SetHot(false);

    TFxToolBarButton& p = f.B(3);
    p.SetImageIndex(-1);
    p.SetPicture(square(10, qRgb(255, 255, 0)));
    EXPECT_EQ(p.width(), 18);
    EXPECT_EQ(PixelAt(p.PaintedImage(), 9, 12), 0x00FFFFu);

    b.SetCaption("Open");
    b.SetShowCaption(true);
    const int beside = b.width();
    b.SetGlyphPosition(TGlyphPosition::gpTop);
    EXPECT_LT(b.width(), beside);

    QSignalSpy dropped(&b, &TFxToolBarButton::DropDown);
    b.SetDropDownButton(true);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dropped.count(), 0);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(b.width() - 4, 5));
    EXPECT_EQ(dropped.count(), 1);
    b.SetDropDownSplit(false);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dropped.count(), 2);
}

TEST(ToolBarButtonsTest, BarRefusalsControlListAndMnemonics) {
    ButtonBar f;
    TFxToolBar& bar = *f.bar;
    bar.SetAutoSize(false);  // docked: stays on
    EXPECT_TRUE(bar.AutoSize());
    bar.SetAutoPositionControls(false);
    EXPECT_TRUE(bar.AutoPositionControlsOn());
    bar.SetState(TToolBarState::tsFloating);
    bar.SetAllowFloating(false);
    bar.SetLocked(true);
    EXPECT_TRUE(bar.AllowFloating());
    EXPECT_FALSE(bar.Locked());
    bar.SetState(TToolBarState::tsDocked);

    ASSERT_EQ(bar.GetFTBControlCount(), 6);
    EXPECT_EQ(bar.GetFTBControl(-1), nullptr);
    EXPECT_EQ(bar.GetFTBControl(6), nullptr);
    EXPECT_EQ(bar.GetFTBControl(2), f.separator);
    EXPECT_EQ(bar.IndexOfFTBControl(&f.B(4)), 5);
    bar.MoveFTBControl(5, 0);
    EXPECT_EQ(bar.GetFTBControl(0), &f.B(4));
    EXPECT_EQ(f.B(4).x(), bar.FirstOffset());
    EXPECT_EQ(bar.ToolBarFullLength(), 9 + 5 * 24 + 10 + 14);
    // Hints: the buttons show theirs as the bar does, unless told otherwise.
    f.B(0).SetHint("Open");
    EXPECT_TRUE(bar.ShowHint());
    EXPECT_EQ(WidgetHintAt(&f.B(0), {5, 5}).text, "Open");
    bar.SetShowHint(false);
    EXPECT_EQ(WidgetHintAt(&f.B(0), {5, 5}).text, "");
    f.B(0).SetShowHint(true);
    EXPECT_EQ(WidgetHintAt(&f.B(0), {5, 5}).text, "Open");
    bar.SetShowHint(true);
    // The caption band above the controls, or below them.
    bar.SetShowCaption(true);
    EXPECT_EQ(f.B(4).y(), 2 + bar.CaptionHeight());
    bar.SetCaptionPosition(TCaptionPosition::cpBottom);
    EXPECT_EQ(f.B(4).y(), 2);
    bar.SetShowCaption(false);

    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    QSignalSpy clicks(&f.B(3), &TFxToolBarButton::Clicked);
    f.B(1).SetCaption("&Run");
    f.B(1).SetEnabled(false);  // skipped: disabled
    f.B(3).SetCaption("&Rows");
    EXPECT_TRUE(bar.DialogChar('r'));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(bar.DialogChar('x'));
    QTest::keyClick(&f.form, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(ToolBarButtonsTest, LooksRecolourTheButtons) {
    ButtonBar f;
    auto* styler = new TFxToolBarOfficeStyler(&f.form);
    f.panel->SetToolBarStyler(styler);
    f.B(1).SetDown(true);
    f.B(0).SetHot(true);
    std::vector<TColor> under;
    for (int look = 0; look < 3; ++look) {
        styler->SetStyle(static_cast<TToolBarStyle>(look));
        const TButtonAppearance& a = styler->ButtonAppearance();
        EXPECT_EQ(PixelAt(f.B(1).PaintedImage(), 0, 0), ColorToRGB(a.BorderCheckedColor()));
        EXPECT_EQ(PixelAt(f.B(0).PaintedImage(), 0, 0), ColorToRGB(a.BorderHotColor()));
        under.push_back(PixelAt(f.B(4).PaintedImage(), 1, 1));  // the bar under an up button
    }
    EXPECT_NE(under[0], under[1]);
    EXPECT_NE(under[1], under[2]);
}

// Counts its own paintings.
class CountingBar : public TFxToolBar {
  public:
    using TFxToolBar::TFxToolBar;
    int paints = 0;

  protected:
    void Paint(Canvas& canvas) override {
        ++paints;
        TFxToolBar::Paint(canvas);
    }
};

TEST(ToolBarButtonsTest, ButtonsRepaintOverTheBarWithoutRepaintingIt) {
    QWidget form;
    form.resize(300, 60);
    TAlignHost::Attach(&form);
    CountingBar* bar = nullptr;
    std::vector<TFxToolBarButton*> buttons;
    {
        TLoadingScope scope;
        auto* panel = new TFxDockPanel(&form);
        panel->SetBounds(0, 0, 300, 43);
        bar = new CountingBar(panel);
        bar->SetBounds(3, 1, 200, 28);
        for (int i = 0; i < 4; ++i)
            buttons.push_back(new TFxToolBarButton(bar));
    }
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    const int before = bar->paints;
    for (TFxToolBarButton* b : buttons) {
        b->SetHot(true);
        b->Repaint();
    }
    QApplication::processEvents();
    EXPECT_EQ(bar->paints, before);
    // The bar's gradient shows through an up button on screen.
    buttons[0]->SetHot(false);
    buttons[0]->Repaint();
    const QImage shot = form.grab().toImage();
    const QImage barShot = bar->PaintedImage();
    const QPoint at = buttons[0]->mapTo(&form, QPoint(1, 1));
    const QPoint inBar = buttons[0]->mapTo(bar, QPoint(1, 1));
    EXPECT_EQ(PixelAt(shot, at.x(), at.y()), PixelAt(barShot, inBar.x(), inBar.y()));
}

TEST(ToolBarButtonsTest, FocusWithin) {
    ButtonBar f;
    auto* edit = new QWidget(f.bar);
    edit->setFocusPolicy(Qt::StrongFocus);
    auto* outside = new QWidget(&f.form);
    outside->setFocusPolicy(Qt::StrongFocus);
    outside->setGeometry(10, 60, 20, 20);
    f.form.show();
    QApplication::setActiveWindow(&f.form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    edit->show();
    edit->setFocus();
    EXPECT_TRUE(f.bar->FocusWithin());
    outside->setFocus();
    EXPECT_FALSE(f.bar->FocusWithin());
    f.bar->setFocus();  // the bar hands the focus on to its control
    EXPECT_TRUE(edit->hasFocus());
}

}  // namespace
}  // namespace vx
