// Seeded random and damaged stored layouts, and numbers from the edges of int
// into the layout rules: nothing a damaged store or a caller passes may
// overflow (the sanitizer build aborts on it), and a stored layout always
// loads to places a screen can show.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "DockFakes.h"
#include "platform/Geometry.h"
#include "styling/toolbar/CompactPopupLayout.h"
#include "styling/toolbar/DockLayoutStore.h"
#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/FloatingWindowGeometry.h"
#include "styling/toolbar/MdiButtonGeometry.h"
#include "styling/toolbar/MenuBarRules.h"
#include "styling/toolbar/OptionPanelLayout.h"
#include "styling/toolbar/ToolBarDrag.h"
#include "support/FuzzInputs.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ExtremeInt;

using FuzzBar = test::FakeDockBar;  // a docked bar held within its limits

struct FuzzPanel : TDockPanelModel, IDockLayoutHost {
    TRect bounds = Bounds(0, 0, 800, 60);
    bool loading = false;
    TRect PanelBounds() const override { return bounds; }
    // As the window does, the rows are arranged again when the size changes.
    void SetPanelBounds(const TRect& b) override {
        const bool resized = b.Width() != bounds.Width() || b.Height() != bounds.Height();
        bounds = b;
        if (resized) Rows().ArrangeRows();
    }
    bool PanelLoading() const override { return loading; }
    std::string BarName(const IDockBar* bar) const override {
        return static_cast<const FuzzBar*>(bar)->name;
    }
    void SetStoredBounds(IDockBar* bar, const TRect& b) override { bar->PlaceInRow(b); }
    void SetStoredVisible(IDockBar* bar, bool visible) override {
        static_cast<FuzzBar*>(bar)->visible = visible;
        ToolBarVisibilityChanged(bar);
    }
};

// Every visible bar of the panel stands in exactly one row, which it knows;
// a hidden one in none.
void ExpectOneRowEach(const FuzzPanel& panel, const std::vector<std::unique_ptr<FuzzBar>>& bars) {
    for (const auto& bar : bars) {
        int rows = 0;
        for (int r = 0; r < panel.Rows().Count(); ++r) {
            if (!panel.Rows().Items(r).ToolBars().Contains(bar.get())) continue;
            ++rows;
            ASSERT_EQ(bar->row, r) << bar->name;
        }
        ASSERT_EQ(rows, bar->visible ? 1 : 0) << bar->name;
    }
}

// A place and size a screen layout can have.
bool OnAScreen(const TRect& r) {
    return LayoutCoordinate(r.left) == r.left && LayoutCoordinate(r.top) == r.top &&
           LayoutExtent(r.Width()) == r.Width() && LayoutExtent(r.Height()) == r.Height();
}

struct Undocked : IUndockedBar {
    bool floating = false;
    int rows = 1;
    TPoint at{};
    bool visible = true;
    bool open = true;
    std::string BarName() const override { return "Bar1"; }
    bool Floating() const override { return floating; }
    int FloatingRows() const override { return rows; }
    void SetFloatingRows(int r) override { rows = r; }
    TPoint FloatingPosition() const override { return at; }
    TRect BarBoundsNow() const override { return Bounds(5, 6, 120, 26); }
    bool BarVisible() const override { return visible; }
    void SetBarVisible(bool v) override { visible = v; }
    void FloatAt(const TPoint& p) override {
        floating = true;
        at = p;
    }
    int NamedControlCount() const override { return 1; }
    std::string ControlName(int) const override { return "Open"; }
    bool ControlVisible(int) const override { return open; }
    void SetControlVisible(int, bool v) override { open = v; }
};

// 300 stored texts (a saved layout damaged, now and then one made of known
// names and edge values) read by a panel of four bars and by a tool bar's
// own state. About 1 s in the sanitizer build (each text is written to a
// file and read twice).
TEST(StoredLayoutFuzz, DamagedStoresLoadToPlacesAScreenCanShow) {
    std::mt19937 random(20240917);
    test::TempFolder folder;
    const std::string path = folder / "layout.ini";
    auto makeBars = [] {
        std::vector<std::unique_ptr<FuzzBar>> bars;
        const char* names[] = {"A", "B", "C", "D"};
        for (int i = 0; i < 4; ++i)
            bars.push_back(std::make_unique<FuzzBar>(names[i], Bounds(0, 27 * i, 100 + 20 * i, 26),
                                                     TSizeConstraints{60, 0, 26, 26}));
        bars[3]->visible = false;
        return bars;
    };
    auto load = [](FuzzPanel& panel, const std::vector<std::unique_ptr<FuzzBar>>& bars) {
        panel.loading = true;
        for (const auto& bar : bars)
            panel.AddToolBar(bar.get());
        panel.loading = false;
        panel.BuildRows();
    };
    TPersistence settings;
    settings.SetLocation(TPersistenceLocation::plIniFile);
    settings.SetKey(path);
    settings.SetSection("Dock");
    settings.SetEnabled(true);

    // The seed: a layout as a panel saves it, a floating bar's state after it.
    std::string seed;
    {
        test::WriteTestFile(path, "");
        auto bars = makeBars();
        FuzzPanel panel;
        load(panel, bars);
        panel.MoveToolBar(bars[1].get(), 300, 0, 120, 26);
        SaveDockLayout(settings, panel, panel);
        Undocked floating;
        floating.floating = true;
        floating.rows = 2;
        floating.at = {400, 300};
        SaveUndockedState(settings, floating);
        seed = test::ReadTestFile(path);
    }
    std::vector<std::string> names = {"ToolBarCount", "RowCount",   "Name1",
                                      "Name2",        "Name3",      "Name4",
                                      "Name5",        "Bar1.State", "Bar1.FloatingRows",
                                      "Bar1.Left",    "Bar1.Top",   "Bar1.Visible"};
    for (const char* bar : {"A", "B", "C", "D"})
        for (const char* value : {".Row", ".Left", ".Top", ".Width", ".Height", ".Visible"})
            names.push_back(std::string(bar) + value);

    for (int i = 0; i < 300; ++i) {
        std::string text;
        if (i % 8 == 0) {
            // Known names with edge values in both sections.
            text = "[Dock]\r\nToolBarCount=4\r\nName1=A\r\nName2=B\r\nName3=C\r\nName4=D\r\n";
            for (int k = 0; k < 12; ++k)
                text += names[random() % names.size()] + "=" + std::to_string(ExtremeInt(random)) +
                        "\r\n";
            text += "[UnDockedFxToolBars]\r\nBar1.Name=Bar1\r\nBar1.State=1\r\n";
            for (const char* value : {"Bar1.Left=", "Bar1.Top=", "Bar1.FloatingRows="})
                text += value + std::to_string(ExtremeInt(random)) + "\r\n";
        } else {
            text = test::DamageProfile(seed, random, names);
        }
        SCOPED_TRACE(text);
        test::WriteTestFile(path, text);
        auto bars = makeBars();
        FuzzPanel panel;
        load(panel, bars);
        ASSERT_NO_THROW(LoadDockLayout(settings, panel, panel));
        ASSERT_NO_FATAL_FAILURE(ExpectOneRowEach(panel, bars));
        for (const auto& bar : bars)
            ASSERT_TRUE(OnAScreen(bar->bounds)) << bar->name;
        ASSERT_TRUE(OnAScreen(panel.bounds));

        Undocked state;
        ASSERT_NO_THROW(LoadUndockedState(settings, state));
        ASSERT_EQ(LayoutCoordinate(state.at.x), state.at.x);
        ASSERT_EQ(LayoutCoordinate(state.at.y), state.at.y);
        ASSERT_GE(state.rows, 1);
        ASSERT_LE(state.rows, kMaxStoredEntries);
    }
}

// 500 panels of four bars placed anywhere, each given 40 requests of any
// size (moves, sizes, the panel's own bounds, visibility, rows of their
// own): the rows never overflow and every visible bar keeps one row. Under
// 1 s in the sanitizer build.
TEST(LayoutRulesFuzz, DockRowsTakeAnyBoundsAndRequests) {
    std::mt19937 random(77);
    auto anyRect = [&random] {
        return TRect{ExtremeInt(random), ExtremeInt(random), ExtremeInt(random),
                     ExtremeInt(random)};
    };
    for (int round = 0; round < 500; ++round) {
        FuzzPanel panel;
        const TDockAlign aligns[] = {TDockAlign::daLeft, TDockAlign::daTop, TDockAlign::daRight,
                                     TDockAlign::daBottom};
        panel.SetDockAlign(aligns[round % 4]);
        if (round % 3 == 0) panel.bounds = anyRect();
        std::vector<std::unique_ptr<FuzzBar>> bars;
        for (int i = 0; i < 4; ++i) {
            TSizeConstraints limits{60, 300, 26, 26};
            if (random() % 4 == 0)
                limits = {ExtremeInt(random), ExtremeInt(random), ExtremeInt(random),
                          ExtremeInt(random)};
            bars.push_back(std::make_unique<FuzzBar>(std::string(1, 'A' + i), anyRect(), limits));
            bars.back()->fullSize = random() % 6 == 0;
        }
        panel.loading = true;
        for (const auto& bar : bars)
            panel.AddToolBar(bar.get());
        panel.loading = false;
        panel.BuildRows();
        for (int step = 0; step < 40; ++step) {
            FuzzBar& bar = *bars[random() % bars.size()];
            switch (random() % 6) {
                case 0:
                case 1:
                    panel.MoveToolBar(&bar, ExtremeInt(random), ExtremeInt(random),
                                      ExtremeInt(random), ExtremeInt(random));
                    break;
                case 2: {
                    const TRect r = bar.bounds;
                    panel.MoveToolBar(&bar, ExtremeInt(random), r.top, r.Width(), r.Height());
                    break;
                }
                case 3:
                    panel.bounds = anyRect();
                    panel.Rows().ArrangeRows();
                    break;
                case 4:
                    bar.visible = !bar.visible;
                    panel.ToolBarVisibilityChanged(&bar);
                    break;
                default:
                    panel.MoveToolBarToOwnRow(&bar);
                    break;
            }
            ASSERT_NO_FATAL_FAILURE(ExpectOneRowEach(panel, bars))
                << "round " << round << " step " << step;
        }
    }
}

std::vector<TRect> AnyRects(std::mt19937& random) {
    std::vector<TRect> rects(random() % 5);
    for (TRect& r : rects)
        r = {ExtremeInt(random), ExtremeInt(random), ExtremeInt(random), ExtremeInt(random)};
    return rects;
}

// 10,000 rounds of every rule of the floating window's edges, the option
// window, the compact pop-up menu, the MDI buttons, the menu-bar drop-downs
// and the drag, each with numbers from the edges of int. Under 1 s in the
// sanitizer build.
TEST(LayoutRulesFuzz, RulesTakeAnyNumbers) {
    std::mt19937 random(4711);
    auto n = [&random] { return ExtremeInt(random); };
    auto flag = [&random] { return random() % 2 == 0; };
    auto rect = [&] { return TRect{n(), n(), n(), n()}; };
    auto point = [&] { return TPoint{n(), n()}; };
    for (int i = 0; i < 10000; ++i) {
        // The floating window's edges.
        const int width = n(), height = n();
        (void)FloatingEdgeAt(n(), n(), width, height);
        (void)FloatingCursorAt(n(), n(), width, height);
        TFloatingDrag drag;
        drag.edge = static_cast<TFloatingEdge>(static_cast<int>(random() % 5) - 1);
        drag.reference = FloatingEdgeReference(drag.edge, width, height);
        if (flag()) drag.reference = n();
        drag.mode = static_cast<int>(random() % 3);
        const TRowsSize sizeFor = [&](int) -> std::optional<TFloatingWindowSize> {
            if (random() % 4 == 0) return std::nullopt;
            return TFloatingWindowSize{n(), n()};
        };
        const int change = FloatingEdgeStep(drag, n(), n(), width, height, n(), n(), sizeFor);
        ASSERT_TRUE(change >= -1 && change <= 1);
        ASSERT_TRUE(drag.mode >= 0 && drag.mode <= 2);

        // The option window.
        const int entry = OptionEntryWidth(n(), flag(), n(), flag());
        ASSERT_GE(entry, kOptionEntryMinWidth);
        const std::vector<TRect> sizes = AnyRects(random);
        const bool autoEntry = flag(), options = flag();
        const TOptionPanelLayout panel = ArrangeOptionPanel(sizes, n(), autoEntry, options);
        ASSERT_EQ(panel.places.size(), sizes.size());
        ASSERT_EQ(panel.autoEntry == TRect{}, !autoEntry);
        (void)DockedOptionAnchor(rect());
        (void)FloatingOptionAnchor(rect(), n(), flag());
        (void)OptionWindowOrigin(point(), n(), n(), rect(), flag(), n());
        (void)AddRemovePopupOrigin(rect(), n(), n(), rect());
        (void)OptionsEntryWindowOrigin(rect(), n(), rect());

        // The compact pop-up menu.
        std::vector<TCompactRowMeasure> rows(random() % 4);
        for (TCompactRowMeasure& row : rows)
            row = {n(), flag(), flag()};
        bool imagesShown = flag();
        const TCompactLevelLayout level = MeasureCompactLevel(rows, imagesShown, n());
        ASSERT_EQ(level.rows.size(), rows.size());
        ASSERT_GE(level.width, 2 * kCompactMargin + kCompactMinWidth);
        (void)CompactRowParts(rect(), n(), flag());
        (void)CompactIconStrip(n(), n(), n(), flag());
        (void)CompactSubLevelOrigin(rect(), n(), n(), rect());
        (void)InSizingCorner(n(), n(), point());

        // The MDI child's buttons.
        TMdiBarState mdi{n(), n(), flag(), n(), flag(), flag()};
        const TMdiButtonRects buttons = MdiButtonRects(mdi);
        if (!mdi.childWithSystemMenu) {
            ASSERT_EQ(buttons, TMdiButtonRects{});
        }
        for (TMdiButton b : {TMdiButton::mbMinimize, TMdiButton::mbRestore, TMdiButton::mbClose})
            (void)MdiGlyph(b, flag() ? buttons.Of(b) : rect(), flag());

        // The menu bar's drop-downs and a dragged bar.
        const TDockAlign align = static_cast<TDockAlign>(random() % 4);
        (void)MenuDropPoint({rect(), align, flag(), n(), n(), n(), rect()});
        (void)DockCaptureRect(rect(), align);
        const TDockedDragRequest request = DockedDragRequest(flag(), rect(), point(), point());
        (void)DockedDragUndocks(flag(), request, {rect(), rect(), n(), n(), point()}, point());
        (void)FloatingDragPosition(point(), point(), point());
    }
}

}  // namespace
}  // namespace vx
