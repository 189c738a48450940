#include "styling/toolbar/DockRows.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "DockFakes.h"

namespace vx {
namespace {

using FakeBar = test::FakeDockBar;

struct FakePanel : TDockPanelModel {
    TRect bounds = Bounds(0, 0, 1066, 43);
    bool loading = false;
    TRect PanelBounds() const override { return bounds; }
    void SetPanelBounds(const TRect& b) override {
        bounds = b;
        Rows().ArrangeRows();
    }
    bool PanelLoading() const override { return loading; }
};

// Every row: the first bar after the head's margin, each next one after the
// one before and its margin.
std::string Overlaps(const TDockPanelModel& panel) {
    std::string found;
    for (int r = 0; r < panel.Rows().Count(); ++r) {
        const TRowCollectionItem& row = panel.Rows().Items(r);
        const auto& bars = row.ToolBars();
        if (!bars.Empty() && row.FreeSpace(nullptr, bars[0]) < 0)
            found += "row " + std::to_string(r) + " head; ";
        for (int i = 0; i + 1 < bars.Count(); ++i)
            if (row.FreeSpace(bars[i], bars[i + 1]) < 0)
                found += "row " + std::to_string(r) + " bars " + std::to_string(i) + "; ";
    }
    return found;
}

// Registers the bars while the panel loads, then runs its loading step.
void Load(FakePanel& panel, std::initializer_list<FakeBar*> bars) {
    panel.loading = true;
    for (FakeBar* bar : bars)
        EXPECT_EQ(panel.AddToolBar(bar), 0);
    panel.loading = false;
    panel.BuildRows();
}

std::vector<int> Lefts(const TRowCollectionItem& row) {
    std::vector<int> lefts;
    for (IDockBar* bar : row.ToolBars())
        lefts.push_back(bar->DockBounds().left);
    return lefts;
}

TEST(DbgListTest, ReadPastTheEndAndNegativeIndex) {
    TDbgList<int*> list;
    int a = 1;
    list.Add(&a);
    EXPECT_EQ(list[0], &a);
    try {
        (void)list[1];
        FAIL();
    } catch (const EDbgListError& e) {
        EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
    }
    EXPECT_THROW((void)list[-1], EListError);
    EXPECT_EQ(list.Remove(nullptr), -1);
}

TEST(DockRowsTest, StreamedBarsShareTheFirstRowAndThePanelFitsIt) {
    FakePanel panel;
    FakeBar standard(3, 1, 331, 28, 60, 331), function(336, 1, 431, 28, 60, 431),
        auxiliary(769, 1, 249, 28, 60, 249);
    // Registered out of order: the loading step sorts by place.
    Load(panel, {&auxiliary, &standard, &function});
    ASSERT_EQ(panel.Rows().Count(), 1);
    EXPECT_EQ(Lefts(panel.Rows().Items(0)), (std::vector<int>{3, 336, 769}));
    EXPECT_EQ(panel.Rows().Items(0).RowRect(), (TRect{1, 1, 1065, 30}));
    EXPECT_EQ(panel.bounds.Height(), 30);
    EXPECT_EQ(standard.bounds.top, 1);
    EXPECT_EQ(auxiliary.row, 0);
    EXPECT_TRUE(panel.LoadingDone());
}

TEST(DockRowsTest, EmptyRowsAndEmptyPanel) {
    FakePanel panel;
    EXPECT_EQ(panel.Rows().Add().RowThickness(), 26);
    EXPECT_EQ(panel.bounds.Height(), 28);
    panel.Rows().Delete(0);
    EXPECT_EQ(panel.bounds.Height(), 3);  // MinimumSize
    panel.SetMinimumSize(0);              // below 1: ignored
    EXPECT_EQ(panel.MinimumSize(), 3);
    panel.SetMinimumSize(10);
    EXPECT_EQ(panel.bounds.Height(), 10);
    panel.SetMinimumSize(3);
    try {
        panel.Rows().MoveToolBarToRow(nullptr, 0);
        FAIL();
    } catch (const EDockError& e) {
        EXPECT_STREQ(e.what(), "Invalid Row Index");
    }
    FakeBar stranger(0, 0, 50, 26);
    TRowCollectionItem& row = panel.Rows().Add();
    int p = 5, s = 50;
    try {
        row.MoveAlongRow(&stranger, p, s);
        FAIL();
    } catch (const EDockError& e) {
        EXPECT_STREQ(e.what(), "Invalid ToolBar Index");
    }
}

TEST(DockRowsTest, FullSizeBarFillsItsRowAlone) {
    FakePanel panel;
    FakeBar full(0, 0, 100, 26), other(0, 0, 100, 26);
    full.fullSize = true;
    panel.AddToolBar(&full);
    EXPECT_EQ(full.bounds.Width(), 1064 - 4);
    EXPECT_EQ(full.bounds.left, 3);
    EXPECT_FALSE(panel.Rows().Items(0).CanAdd(&other));
    EXPECT_EQ(panel.FindRowFor(&other), -1);
    panel.AddToolBar(&other);
    EXPECT_EQ(panel.Rows().Count(), 2);
}

TEST(DockRowsTest, DraggingAcrossRows) {
    // Requested Top relative to the shared row's top (1), and the rows then.
    struct Case {
        int top;
        int rows;
        int rowOfSecond;
    };
    for (const Case& c : {Case{1 - 5, 2, 0}, Case{1 - 3, 2, 0}, Case{1 - 6, 1, 0},
                          Case{1 + 3, 2, 1}, Case{1 + 5, 2, 1}, Case{1 + 6, 1, 0}}) {
        FakePanel panel;
        FakeBar a(0, 0, 100, 28), b(0, 0, 100, 28);
        panel.AddToolBar(&a);
        panel.AddToolBar(&b);
        panel.MoveToolBar(&b, 200, 1, 100, 28);  // into the first row
        ASSERT_EQ(panel.Rows().Count(), 1);
        panel.MoveToolBar(&b, b.bounds.left, c.top, 100, 28);
        EXPECT_EQ(panel.Rows().Count(), c.rows) << c.top;
        EXPECT_EQ(b.row, c.rowOfSecond) << c.top;
        EXPECT_EQ(Overlaps(panel), "") << c.top;
    }
}

TEST(DockRowsTest, MovingAlongARow) {
    FakePanel panel;
    FakeBar a(3, 1, 100, 28, 60, 100), b(105, 1, 100, 28, 60, 100), c(207, 1, 100, 28, 60, 100);
    Load(panel, {&a, &b, &c});
    TRowCollectionItem& row = panel.Rows().Items(0);
    EXPECT_EQ(Lefts(row), (std::vector<int>{3, 105, 207}));
    panel.MoveToolBar(&b, 400, 1, 100, 28);  // moving right pushes the next one
    EXPECT_EQ(Lefts(row), (std::vector<int>{3, 400, 502}));
    panel.MoveToolBar(&c, 900, 1, 100, 28);
    panel.MoveToolBar(&b, 300, 1, 100, 28);  // the gap before stays where it is
    EXPECT_EQ(Lefts(row), (std::vector<int>{3, 300, 900}));
    panel.MoveToolBar(&c, 2000, 1, 100, 28);  // the row end stops it

    EXPECT_EQ(c.bounds.right, 1063);
    panel.MoveToolBar(&b, 7, 1, 100, 28);  // within 5 of the predecessor: swapped
    EXPECT_EQ(row.ToolBars()[0], &b);
    EXPECT_EQ(row.ToolBars()[1], &a);
    EXPECT_EQ(Overlaps(panel), "");
}

// A bar with room to grow takes the free space before it, the bars before
// it moving towards the head; the bar before, which cannot grow, stays whole
// and nothing ends over anything.
TEST(DockRowsTest, ArrangingGrowsTheBarBeingPlaced) {
    FakePanel panel;
    FakeBar a(3, 1, 100, 28, 100, 100), t(105, 1, 100, 28, 60, 1000);
    Load(panel, {&a, &t});
    TRowCollectionItem& row = panel.Rows().Items(0);
    ASSERT_EQ(row.ToolBars().Count(), 2);
    a.PlaceInRow(Bounds(100, 1, 100, 28));
    t.PlaceInRow(Bounds(963, 1, 100, 28));
    row.ArrangeToolBars();
    EXPECT_EQ(a.bounds, Bounds(3, 1, 100, 28));
    EXPECT_EQ(t.bounds, (TRect{105, 1, 1063, 29}));
}

TEST(DockRowsTest, LockedHeightKeepsEmptyRowsAndSize) {
    FakePanel panel;
    FakeBar a(3, 1, 100, 28), b(3, 40, 100, 28);
    Load(panel, {&a, &b});
    panel.SetLockHeight(true);
    const int height = panel.bounds.Height();
    b.visible = false;
    panel.ToolBarVisibilityChanged(&b);
    EXPECT_EQ(panel.Rows().Count(), 2);
    EXPECT_EQ(panel.bounds.Height(), height);
    EXPECT_TRUE(panel.HiddenToolBars().Contains(&b));
    // A hidden bar that goes leaves both lists.
    panel.RemoveToolBar(&b);
    EXPECT_FALSE(panel.ToolBars().Contains(&b));
    EXPECT_FALSE(panel.HiddenToolBars().Contains(&b));
}

TEST(DockRowsTest, FirstBarOfAColumnSitsAtItsBottom) {
    FakePanel panel;
    panel.bounds = Bounds(0, 0, 43, 500);
    panel.SetDockAlign(TDockAlign::daLeft);
    FakeBar bar(0, 0, 28, 100);
    panel.AddToolBar(&bar);
    EXPECT_EQ(bar.align, TDockAlign::daLeft);
    EXPECT_EQ(bar.bounds.bottom, 499 - 2);
    EXPECT_EQ(panel.bounds.Width(), 1 + 28 + 1 + 1);
}

// Random moves, resizes, hides and shows never leave two bars of a row over
// each other, nor a bar past the row's end while the row has room; on a top
// dock and on a left one.
TEST(DockRowsTest, NoOverlapAfterRandomMovesAndResizes) {
    std::mt19937 random(29);
    auto pick = [&random](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    for (const bool horizontal : {true, false}) {
        // Along and across the rows, whichever way they run.
        auto along = [horizontal](const TRect& r) { return horizontal ? r.left : r.top; };
        auto cross = [horizontal](const TRect& r) { return horizontal ? r.top : r.left; };
        auto length = [horizontal](const TRect& r) { return horizontal ? r.Width() : r.Height(); };
        auto thick = [horizontal](const TRect& r) { return horizontal ? r.Height() : r.Width(); };
        for (int round = 0; round < 30; ++round) {
            FakePanel panel;
            if (!horizontal) {
                panel.bounds = Bounds(0, 0, 43, 800);
                panel.SetDockAlign(TDockAlign::daLeft);
            }
            auto move = [&](FakeBar* bar, int a, int c, int len, int th) {
                if (horizontal)
                    panel.MoveToolBar(bar, a, c, len, th);
                else
                    panel.MoveToolBar(bar, c, a, th, len);
            };
            std::vector<std::unique_ptr<FakeBar>> bars;
            for (int i = 0; i < 5; ++i) {
                const int maxLength = pick(80, 260);
                auto bar = horizontal
                               ? std::make_unique<FakeBar>(0, 0, maxLength, 28, 60, maxLength)
                               : std::make_unique<FakeBar>(0, 0, 28, maxLength);
                if (!horizontal) bar->constraints = {0, 0, 60, maxLength};
                panel.AddToolBar(bar.get());
                bars.push_back(std::move(bar));
            }
            for (int step = 0; step < 200; ++step) {
                FakeBar& bar = *bars[pick(0, 4)];
                const int kind = pick(0, 9);
                const TRect r = bar.bounds;
                if (kind < 4) {
                    move(&bar, pick(-50, 1100), cross(r), length(r), thick(r));
                } else if (kind < 7) {
                    move(&bar, along(r), pick(-10, 200), length(r), thick(r));
                } else if (kind < 8) {
                    move(&bar, along(r), cross(r), pick(40, 300), thick(r));
                } else if (kind < 9) {
                    (horizontal ? bar.constraints.maxWidth : bar.constraints.maxHeight) =
                        pick(60, 400);
                    panel.Rows().ArrangeRows();
                } else {
                    bar.visible = !bar.visible;
                    panel.ToolBarVisibilityChanged(&bar);
                }
                ASSERT_EQ(Overlaps(panel), "")
                    << horizontal << " round " << round << " step " << step;
                for (int k = 0; k < panel.Rows().Count(); ++k) {
                    const TRowCollectionItem& row = panel.Rows().Items(k);
                    int minimum = 2;
                    for (IDockBar* b : row.ToolBars()) {
                        const TSizeConstraints c = b->DockConstraints();
                        minimum += (horizontal ? c.minWidth : c.minHeight) + 2;
                    }
                    if (minimum <= length(row.RowRect()) && !row.ToolBars().Empty()) {
                        ASSERT_GE(row.FreeSpace(row.ToolBars().Last(), nullptr), 0)
                            << horizontal << " round " << round << " step " << step;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace vx
