#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/FileIo.h"
#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"
#include "support/ImagePixel.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::PixelAt;

// Plain controls of the given widths, 24 high, in a bar.
void AddControls(TFxToolBar& bar, const std::vector<int>& widths) {
    int left = 100;
    int index = 0;
    for (int w : widths) {
        auto* control = new QWidget(&bar);
        control->setObjectName(QString("Tool%1").arg(index++));
        control->setGeometry(left, 2, w, 24);
        left += w;
    }
}

// The main window's top: a 1066 wide form with a dock panel holding three
// bars on one row.
struct DockedForm {
    QWidget form;
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bars[3] = {};

    // With a layout file the panel keeps its layout there.
    explicit DockedForm(const std::string& layoutFile = {}, bool lockHeight = false) {
        form.resize(1066, 400);
        TAlignHost::Attach(&form);
        TLoadingScope scope;
        panel = new TFxDockPanel(&form);
        panel->setObjectName("FxDockPanel1");
        if (!layoutFile.empty()) {
            panel->Persistence().SetLocation(TPersistenceLocation::plIniFile);
            panel->Persistence().SetKey(layoutFile);
            panel->Persistence().SetSection("MainDock");
            panel->Persistence().SetEnabled(true);
        }
        panel->SetBounds(0, 0, 1066, 43);
        panel->SetLockHeight(lockHeight);
        const int lefts[3] = {3, 336, 769};
        const int widths[3] = {331, 431, 249};
        const std::vector<int> controls[3] = {std::vector<int>(11, 28),
                                              std::vector<int>(12, 34),
                                              {24, 24, 24, 24, 24, 24, 24, 24, 34}};
        for (int i = 0; i < 3; ++i) {
            bars[i] = new TFxToolBar(panel);
            bars[i]->setObjectName(QString("FxToolBar%1").arg(i + 1));
            bars[i]->SetBounds(lefts[i], 1, widths[i], 28);
            AddControls(*bars[i], controls[i]);
        }
    }
    std::vector<int> Lefts() const { return {bars[0]->x(), bars[1]->x(), bars[2]->x()}; }
};

TEST(DockWidgetsTest, ThePanelKeepsItsLayoutInItsStoreWhenEnabled) {
    test::TempFolder folder;
    const std::string file = folder / "layout.ini";
    {
        DockedForm f;  // switched off: nothing is written
    }
    EXPECT_FALSE(FileExists(file));
    { DockedForm f(file); }
    const std::string saved = test::ReadTestFile(file);
    // Each bar's named controls, visible.
    EXPECT_NE(saved.find("[UnDockedFxToolBars]\r\nFxToolBar1.Tool0=1\r\n"), std::string::npos)
        << saved;
    EXPECT_NE(saved.find("ToolBarCount=3\r\nRowCount=1\r\nName1=FxToolBar1\r\nFxToolBar1.Row=0\r\n"
                         "FxToolBar1.Left=3\r\nFxToolBar1.Top=1\r\nFxToolBar1.Width=331\r\n"),
              std::string::npos)
        << saved;

    // The third bar on a row of its own, the second hidden.
    test::WriteTestFile(file,
                        "[MainDock]\r\nToolBarCount=3\r\nRowCount=2\r\nName1=FxToolBar1\r\n"
                        "Name2=FxToolBar2\r\nName3=fxtoolbar3\r\nFxToolBar1.Row=0\r\n"
                        "FxToolBar2.Row=0\r\nFxToolBar2.Visible=0\r\nFxToolBar3.Row=1\r\n"
                        "FxToolBar3.Left=40\r\n[UnDockedFxToolBars]\r\nFxToolBar1.Tool1=0\r\n");
    {
        DockedForm f(file);
        EXPECT_EQ(f.panel->Rows().Count(), 2);
        EXPECT_EQ(f.bars[0]->RowIndex(), 0);
        EXPECT_EQ(f.bars[2]->RowIndex(), 1);
        EXPECT_EQ(f.bars[2]->y(), 30);
        EXPECT_TRUE(f.bars[1]->isHidden());
        EXPECT_TRUE(f.panel->HiddenToolBars().Contains(f.bars[1]));
        EXPECT_EQ(f.bars[0]->Persistence().Key(), file);
        ASSERT_NE(f.bars[0]->findChild<QWidget*>("Tool2"), nullptr);
        EXPECT_TRUE(f.bars[0]->findChild<QWidget*>("Tool1")->isHidden());
        EXPECT_FALSE(f.bars[0]->findChild<QWidget*>("Tool2")->isHidden());
        EXPECT_EQ(f.bars[0]->Persistence().Section(), "UnDockedFxToolBars");
        // A store that cannot be written is reported, not thrown out of the
        // destructor.
        f.panel->Persistence().SetKey(folder / "no/such/folder/layout.ini");
    }
    // A locked height holds only once the stored layout is read: the
    // panel still takes the stored rows' size, and drops a stored row
    // that nothing fills.
    std::string layout = test::ReadTestFile(file);
    layout.replace(layout.find("RowCount=2"), 10, "RowCount=3");
    layout.replace(layout.find("FxToolBar3.Row=1"), 16, "FxToolBar3.Row=2");
    test::WriteTestFile(file, layout);
    int height = 0;
    for (const bool locked : {false, true}) {
        DockedForm f(file, locked);
        EXPECT_EQ(f.panel->Rows().Count(), 2) << locked;
        EXPECT_EQ(f.bars[2]->RowIndex(), 1) << locked;
        if (!locked) height = f.panel->height();
        EXPECT_EQ(f.panel->height(), height) << locked;
        EXPECT_EQ(f.panel->HeightLocked(), locked);
        // The panel's switch reaches the bars in its rows; the hidden one
        // keeps what it had.
        f.panel->Persistence().SetEnabled(false);
        EXPECT_FALSE(f.bars[0]->Persistence().Enabled());
        EXPECT_TRUE(f.bars[1]->Persistence().Enabled());
        f.bars[1]->Persistence().SetEnabled(false);
    }
}

TEST(DockWidgetsTest, ABarTheStoreNamesMovesFromAnotherPanelOfTheForm) {
    // Found by its name in any letter case.
    for (const char* stored : {"FxToolBar2", "fXtOOLbAR2"}) {
        SCOPED_TRACE(stored);
        test::TempFolder folder;
        const std::string file = folder / "layout.ini";
        test::WriteTestFile(file, std::string("[BottomDock]\r\nToolBarCount=2\r\nRowCount=1\r\n"
                                              "Name1=Lonely\r\nName2=") +
                                      stored + "\r\nLonely.Row=0\r\nFxToolBar2.Row=0\r\n");
        DockedForm f;
        TFxDockPanel* bottom = nullptr;
        TFxToolBar* lonely = nullptr;
        {
            TLoadingScope scope;
            bottom = new TFxDockPanel(&f.form);
            bottom->setObjectName("BottomPanel");
            bottom->SetAlign(TDockAlign::daBottom);
            bottom->Persistence().SetLocation(TPersistenceLocation::plIniFile);
            bottom->Persistence().SetKey(file);
            bottom->Persistence().SetSection("BottomDock");
            bottom->Persistence().SetEnabled(true);
            lonely = new TFxToolBar(bottom);
            lonely->setObjectName("Lonely");
            lonely->SetBounds(3, 1, 100, 28);
        }
        EXPECT_EQ(f.bars[1]->parentWidget(), bottom);
        EXPECT_EQ(f.bars[1]->DockPanel(), bottom);
        EXPECT_FALSE(f.panel->ToolBars().Contains(f.bars[1]));
        ASSERT_EQ(bottom->Rows().Count(), 1);
        EXPECT_EQ(bottom->Rows().Items(0).ToolBars().Count(), 2);
        EXPECT_EQ(f.bars[1]->RowIndex(), 0);
    }
}

TEST(DockWidgetsTest, MainWindowBarsInOneRowAndTheOverflowFollowsTheWidth) {
    DockedForm f;
    EXPECT_EQ(f.panel->height(), 30);
    EXPECT_EQ(f.panel->width(), 1066);
    EXPECT_EQ(f.Lefts(), (std::vector<int>{3, 336, 769}));
    for (TFxToolBar* bar : f.bars) {
        EXPECT_EQ(bar->y(), 1);
        EXPECT_EQ(bar->height(), 28);
        EXPECT_EQ(bar->RowIndex(), 0);
        EXPECT_TRUE(bar->Overflow().Empty());
    }
    EXPECT_EQ(f.bars[0]->width(), 331);
    EXPECT_EQ(f.bars[2]->width(), 249);

    f.form.show();
    f.form.resize(900, 400);  // the auxiliary bar loses its trailing controls
    EXPECT_EQ(f.panel->width(), 900);
    EXPECT_LE(f.bars[2]->geometry().right() + 1, 900 - 1 - 2);
    EXPECT_FALSE(f.bars[2]->Overflow().Empty());
    EXPECT_GE(f.bars[2]->HiddenLength(), 1);
    EXPECT_TRUE(f.bars[0]->Overflow().Empty());

    f.form.resize(1066, 400);  // and takes them back
    EXPECT_TRUE(f.bars[2]->Overflow().Empty());
    EXPECT_EQ(f.bars[2]->width(), 249);
    EXPECT_EQ(f.Lefts(), (std::vector<int>{3, 336, 769}));
}

TEST(DockWidgetsTest, HiddenBarLeavesBothListsWhenDestroyed) {
    DockedForm f;
    f.bars[1]->hide();
    EXPECT_TRUE(f.panel->HiddenToolBars().Contains(f.bars[1]));
    EXPECT_EQ(f.panel->Rows().Items(0).ToolBars().Count(), 2);
    IDockBar* gone = f.bars[1];
    delete f.bars[1];
    EXPECT_FALSE(f.panel->ToolBars().Contains(gone));
    EXPECT_FALSE(f.panel->HiddenToolBars().Contains(gone));
}

// A removal arranges from the removed control on, unless a control before
// it was moved or hidden since the last arrangement: then every control is
// placed again, as a whole arrangement places it.
TEST(DockWidgetsTest, ARemovalPlacesAgainWhatMovedSinceTheLastArrangement) {
    DockedForm f;
    f.form.show();
    auto control = [&](int i) { return f.bars[0]->findChild<QWidget*>(QString("Tool%1").arg(i)); };
    ASSERT_EQ(control(3)->x(), 9 + 3 * 28);
    control(0)->move(500, 2);
    control(2)->hide();
    delete control(10);
    EXPECT_EQ(control(0)->x(), 9);
    EXPECT_EQ(control(1)->x(), 9 + 28);
    EXPECT_EQ(control(3)->x(), 9 + 2 * 28);
    EXPECT_EQ(f.bars[0]->width(), 9 + 9 * 28 + 14);
}

TEST(DockWidgetsTest, InvalidParentAndStylersThatGo) {
    QWidget form;
    TFxDockPanel panel(&form);
    EXPECT_THROW(TFxDockPanel nested(&panel), EDockError);
    TFxToolBar bar(&panel);
    EXPECT_THROW(TFxDockPanel inBar(&bar), EDockError);
    EXPECT_EQ(panel.InternalStyler()->objectName(), "InternalStyler");

    auto* styler = new TFxToolBarOfficeStyler(&form);
    panel.SetToolBarStyler(styler);
    EXPECT_EQ(panel.CurrentStyler(), styler);
    EXPECT_EQ(bar.CurrentStyler(), styler);  // ParentStyler: the panel's
    delete styler;
    EXPECT_EQ(panel.CurrentStyler(), panel.InternalStyler());
    EXPECT_EQ(bar.CurrentStyler(), panel.InternalStyler());
    EXPECT_EQ(bar.ToolBarIndex(), -1);
    EXPECT_EQ(bar.Version(), "1.2.1.0");
}

// One bar of three 24-pixel controls docked alone, painted with the
// internal styler (dots grip, rounded look).
struct PaintedBar {
    QWidget form;
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    PaintedBar() {
        form.resize(400, 100);
        TAlignHost::Attach(&form);
        TLoadingScope scope;
        panel = new TFxDockPanel(&form);
        panel->SetBounds(0, 0, 400, 43);
        bar = new TFxToolBar(panel);
        bar->SetBounds(3, 1, 95, 28);
        AddControls(*bar, {24, 24, 24});
    }
};

TEST(DockWidgetsTest, GripRightHandleAndCornersByPixels) {
    PaintedBar p;
    TFxToolBar& bar = *p.bar;
    ASSERT_EQ(bar.width(), 95);
    ASSERT_EQ(bar.height(), 28);
    const TColor shadow = ColorToRGB(clBtnShadow);
    TCustomFxToolBarStyler& styler = *p.panel->CurrentStyler();

    QImage image = bar.PaintedImage();
    // Dots: shadow square at (4, 5), white one at (5, 6); the last of
    // (28 - 8) / 4 = 5 at y 21.
    EXPECT_EQ(PixelAt(image, 4, 5), shadow);
    EXPECT_EQ(PixelAt(image, 6, 7), clWhite);
    EXPECT_EQ(PixelAt(image, 4, 21), shadow);
    EXPECT_NE(PixelAt(image, 4, 25), shadow);
    // Right handle over (81, 0, 96, 29): the option arrow, black with a white
    // shadow; no overflow mark.
    EXPECT_EQ(PixelAt(image, 87, 18), clBlack);
    EXPECT_EQ(PixelAt(image, 88, 19), clWhite);
    EXPECT_EQ(PixelAt(image, 89, 23), clBlack);
    EXPECT_EQ(PixelAt(image, 90, 24), clWhite);
    EXPECT_NE(PixelAt(image, 90, 6), clBlack);
    // The corner takes the dock background under it.
    const QImage& dock = p.panel->BackgroundBitmap();
    EXPECT_EQ(PixelAt(image, 0, 0), PixelAt(dock, 3, 1));
    EXPECT_EQ(PixelAt(image, 0, 27), PixelAt(dock, 3, 28));

    bar.SetConstraints({60, 200, 0, 0});  // hidden length: the overflow mark
    image = bar.PaintedImage();
    EXPECT_EQ(PixelAt(image, 90, 6), clBlack);
    EXPECT_EQ(PixelAt(image, 91, 8), clWhite);

    bar.SetShowOptionIndicator(false);
    image = bar.PaintedImage();
    EXPECT_NE(PixelAt(image, 87, 18), clBlack);

    bar.SetHintOptionButton("Options");
    EXPECT_EQ(WidgetHintAt(&bar, {85, 10}).text, "");  // no option indicator: no hint
    bar.SetShowOptionIndicator(true);
    EXPECT_EQ(WidgetHintAt(&bar, {85, 10}).text, "Options");
    EXPECT_EQ(WidgetHintAt(&bar, {70, 10}).text, "");

    styler.SetDragGripStyle(TDragGripStyle::dsFlatDots);
    image = bar.PaintedImage();
    EXPECT_EQ(PixelAt(image, 3, 5), TColor(0xA5A5A5));
    EXPECT_EQ(PixelAt(image, 3, 7), TColor(0xA5A5A5));
    EXPECT_NE(PixelAt(image, 3, 6), TColor(0xA5A5A5));

    styler.SetDragGripStyle(TDragGripStyle::dsSingleLine);
    image = bar.PaintedImage();
    EXPECT_EQ(PixelAt(image, 4, 10), clWhite);
    EXPECT_EQ(PixelAt(image, 6, 10), shadow);

    styler.SetDragGripStyle(TDragGripStyle::dsNone);  // lays the bar out again
    EXPECT_EQ(bar.findChildren<QWidget*>()[0]->x(), 2);
    EXPECT_EQ(bar.GripHitRect(), TRect{});
    image = bar.PaintedImage();
    EXPECT_NE(PixelAt(image, 4, 10), clWhite);
}

// The docked caption band: its fill, the controls below it (or above it with
// the band at the bottom), and its text kept clear of the grip and the right
// handle, placed by the alignment.
TEST(DockWidgetsTest, DockedCaptionBandAndItsText) {
    PaintedBar p;
    TFxToolBar& bar = *p.bar;
    TCaptionAppearance& look = p.panel->CurrentStyler()->CaptionAppearance();
    look.SetCaptionColor(0x00FF00);
    look.SetCaptionColorTo(clNone);
    look.SetCaptionBorderColor(clNone);
    look.SetCaptionTextColor(clBlack);
    bar.SetCaption("MMM");
    bar.SetShowCaption(true);
    ASSERT_EQ(bar.height(), 28 + 16);
    QWidget* first = bar.findChildren<QWidget*>()[0];
    EXPECT_EQ(first->y(), 2 + 16);
    // The first and last columns of text in the band's rows [top, top + 16).
    const auto textColumns = [&](int top) {
        const QImage image = bar.PaintedImage();
        int from = -1, to = -1;
        for (int x = 0; x < bar.width() - 14; ++x)
            for (int y = top; y < top + 16; ++y)
                if (PixelAt(image, x, y) != TColor(0x00FF00) && y > top && y < top + 15 && x > 7) {
                    if (from < 0) from = x;
                    to = x;
                }
        return std::pair{from, to};
    };
    EXPECT_EQ(PixelAt(bar.PaintedImage(), 40, 1), TColor(0x00FF00));
    auto [left, leftEnd] = textColumns(0);
    EXPECT_GE(left, 10);  // grip width + 3
    EXPECT_LT(left, 14);
    bar.SetCaptionAlignment(menus::TAlignment::taRightJustify);
    auto [right, rightEnd] = textColumns(0);
    EXPECT_LE(rightEnd, 95 - 16);  // right-handle width + 2
    EXPECT_GT(rightEnd, 95 - 22);
    EXPECT_EQ(rightEnd - right, leftEnd - left);
    bar.SetCaptionPosition(TCaptionPosition::cpBottom);
    EXPECT_EQ(first->y(), 2);
    EXPECT_EQ(PixelAt(bar.PaintedImage(), 40, 43), TColor(0x00FF00));
    EXPECT_EQ(textColumns(28), (std::pair{right, rightEnd}));
}

// On a left dock the caption band is the bar's left strip and its text is
// turned to read upwards: from the bottom when left aligned, ending clear of
// the grip when right aligned.
TEST(DockWidgetsTest, ALeftBarsCaptionReadsUpwards) {
    QWidget form;
    form.resize(100, 400);
    TAlignHost::Attach(&form);
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    {
        TLoadingScope scope;
        panel = new TFxDockPanel(&form);
        panel->SetAlign(TDockAlign::daLeft);
        panel->SetBounds(0, 0, 60, 400);
        bar = new TFxToolBar(panel);
        bar->SetBounds(1, 3, 28, 200);
        AddControls(*bar, {24, 24, 24});
    }
    TCaptionAppearance& look = panel->CurrentStyler()->CaptionAppearance();
    look.SetCaptionColor(0x00FF00);
    look.SetCaptionColorTo(clNone);
    look.SetCaptionBorderColor(clNone);
    bar->SetCaption("MMM");
    bar->SetShowCaption(true);
    ASSERT_FALSE(bar->Horizontal());
    ASSERT_EQ(bar->CaptionRect(), (TRect{0, 0, 16, bar->height()}));
    // The first and last rows of text in the band, inside its frame.
    const auto textRows = [&] {
        const QImage image = bar->PaintedImage();
        int from = -1, to = -1;
        for (int y = 8; y < bar->height() - 14; ++y)
            for (int x = 1; x < 15; ++x)
                if (PixelAt(image, x, y) != TColor(0x00FF00)) {
                    if (from < 0) from = y;
                    to = y;
                }
        return std::pair{from, to};
    };
    const auto [top, bottom] = textRows();
    ASSERT_GE(top, 0);
    // From the end before the right handle (its width + 2) upwards.
    EXPECT_LE(bottom, bar->height() - 16 - 2);
    EXPECT_GE(bottom, bar->height() - 16 - 2 - 4);
    bar->SetCaptionAlignment(menus::TAlignment::taRightJustify);
    const auto [rightTop, rightBottom] = textRows();
    EXPECT_GE(rightTop, 10);  // grip width + 3
    EXPECT_LT(rightTop, 16);
    EXPECT_EQ(rightBottom - rightTop, bottom - top);
    EXPECT_GT(top, rightBottom);
}

TEST(DockWidgetsTest, DockBackgroundFromTheStyler) {
    PaintedBar p;
    TCustomFxToolBarStyler& styler = *p.panel->CurrentStyler();
    styler.DockColor().SetColor(0x3080C0);
    styler.DockColor().SetColorTo(clNone);
    const QImage image = p.panel->PaintedImage();
    EXPECT_EQ(PixelAt(image, 200, 20), TColor(0x3080C0));
    EXPECT_EQ(p.panel->Color(), TColor(0x3080C0));
}

// The styler's outline options: rounded corners cut into the dock colour,
// square ones do not; the bevel, when shown, is lowered (1) or raised (2, 3).
TEST(DockWidgetsTest, RoundedEdgesAndBevelByPixels) {
    PaintedBar p;
    TCustomFxToolBarStyler& styler = *p.panel->CurrentStyler();
    styler.DockColor().SetColor(0x40A060);
    styler.DockColor().SetColorTo(clNone);
    const TColor shadow = ColorToRGB(clBtnShadow);
    EXPECT_EQ(PixelAt(p.bar->PaintedImage(), 0, 0), TColor(0x40A060));
    styler.SetRoundedEdges(false);
    EXPECT_NE(PixelAt(p.bar->PaintedImage(), 0, 0), TColor(0x40A060));
    styler.SetToolBarBevel(1);
    EXPECT_NE(PixelAt(p.bar->PaintedImage(), 1, 10), shadow) << "bevel not shown";
    styler.SetShowToolBarBevel(true);
    struct Row {
        int bevel, x, y;
        TColor color;
    };
    for (const Row& row : {Row{1, 1, 10, shadow}, Row{1, 20, 1, shadow}, Row{2, 0, 10, clWhite},
                           Row{2, 20, 27, shadow}, Row{3, 20, 0, clWhite}}) {
        styler.SetToolBarBevel(static_cast<std::uint8_t>(row.bevel));
        EXPECT_EQ(PixelAt(p.bar->PaintedImage(), row.x, row.y), row.color)
            << row.bevel << " at " << row.x << "," << row.y;
    }
}

// The styler's pictures: the background tiled, centred or stretched on the
// panel, the grip and right-handle pictures stretched over what they replace.
TEST(DockWidgetsTest, StylerPicturesByPixels) {
    PaintedBar p;
    TCustomFxToolBarStyler& styler = *p.panel->CurrentStyler();
    const auto solid = [](int w, int h, TColor color) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(ToQColor(color));
        return image;
    };
    constexpr TColor kRed = 0x0000FF;
    styler.SetBackGround(solid(4, 4, kRed));
    struct Row {
        TBackGroundDisplay display;
        int x, y;
        bool red;
    };
    using D = TBackGroundDisplay;
    const int mid = (p.panel->height() - 4) / 2 + 1;  // a row of the centred picture
    for (const Row& row : {Row{D::bdTile, 300, mid, true}, Row{D::bdCenter, 199, mid, true},
                           Row{D::bdCenter, 300, mid, false}, Row{D::bdStretch, 300, mid, true},
                           Row{D::bdStretch, 1, 1, false}}) {
        styler.SetBackGroundDisplay(row.display);
        EXPECT_EQ(PixelAt(p.panel->PaintedImage(), row.x, row.y) == kRed, row.red)
            << int(row.display) << " at " << row.x << "," << row.y;
    }
    styler.SetBackGround(QImage());
    styler.SetDragGripImage(solid(2, 2, 0xFF0000));
    styler.SetRightHandleImage(solid(2, 2, 0x00FF00));
    const QImage image = p.bar->PaintedImage();
    EXPECT_EQ(PixelAt(image, 4, 5), TColor(0xFF0000));    // over the first grip dot
    EXPECT_EQ(PixelAt(image, 87, 18), TColor(0x00FF00));  // over the option arrow
}

TEST(DockWidgetsTest, FullSizeBarFillsItsRowInTheDockColours) {
    PaintedBar p;
    TCustomFxToolBarStyler& styler = *p.panel->CurrentStyler();
    styler.DockColor().SetColor(0x40A060);
    styler.DockColor().SetColorTo(clNone);
    p.bar->SetConstraints({60, 95, 0, 0});
    p.bar->SetFullSize(true);
    EXPECT_EQ(p.bar->width(), 400 - 2 - 4);
    EXPECT_EQ(p.bar->x(), 3);
    EXPECT_TRUE(p.bar->Overflow().Empty());
    const QImage image = p.bar->PaintedImage();
    EXPECT_EQ(PixelAt(image, 200, 14), TColor(0x40A060));
    EXPECT_EQ(PixelAt(image, 0, 0), TColor(0x40A060));     // no rounded corner
    EXPECT_EQ(PixelAt(image, 393, 27), TColor(0x40A060));  // and no right handle
}

TEST(DockWidgetsTest, FloatingCaptionButtons) {
    std::unique_ptr<TFxToolBar> bar;
    {
        TLoadingScope scope;
        bar = std::make_unique<TFxToolBar>();
        AddControls(*bar, {24, 24, 24, 24});
    }
    bar->SetState(TToolBarState::tsFloating);
    bar->Arrange(true);
    ASSERT_EQ(bar->width(), 100);
    ASSERT_EQ(bar->CloseButtonRect(), (TRect{83, 1, 99, 15}));
    const TCustomFxToolBarStyler& styler = *bar->CurrentStyler();
    const TColor caption = ColorToRGB(styler.CaptionAppearance().CaptionColor());
    QImage image = bar->PaintedImage();
    EXPECT_EQ(PixelAt(image, 87, 12), clWhite);  // the close cross
    EXPECT_EQ(PixelAt(image, 84, 2), caption);
    EXPECT_EQ(PixelAt(image, 70, 5), clWhite);  // the option arrow
    bar->SetCloseButtonState(true, false);
    image = bar->PaintedImage();
    EXPECT_EQ(PixelAt(image, 87, 12), clBlack);
    EXPECT_EQ(PixelAt(image, 83, 1), clBlack);
    EXPECT_EQ(PixelAt(image, 84, 2),
              ColorToRGB(styler.CurrentMenuStyler()->RootItem().HoverColor()));

    // Their hints go the way of every control's (the balloon shows them),
    // each over its own button; elsewhere the bar's own tool tip.
    bar->SetHintCloseButton("Close");
    bar->SetHintOptionButton("Options");
    bar->setToolTip("Standard");
    const struct {
        QPoint at;
        const char* text;
        QRect area;
    } hints[] = {
        {{90, 8}, "Close", ToQRect(bar->CloseButtonRect())},
        {{70, 5}, "Options", ToQRect(bar->OptionButtonRect())},
        {{20, 20}, "Standard", bar->rect()},
    };
    for (const auto& h : hints) {
        const TControlHint hint = WidgetHintAt(bar.get(), h.at);
        EXPECT_EQ(hint.text, h.text);
        EXPECT_EQ(hint.area, h.area) << h.text;
    }
}

}  // namespace
}  // namespace vx
