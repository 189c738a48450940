// The tool-bar layout and the dock rows, driven through many generated bars
// and rows with random steps (lengths, hidden controls, controls that come
// and go, lent controls, turns, floating rows, drags across and along
// rows), give the results recorded from them before their cost was made to
// grow in proportion to the controls: every step's outcome is folded into
// one check value per generated case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "DockFakes.h"
#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/ToolBarLayout.h"

namespace vx {
namespace {

// Folds values into a 64-bit check value (FNV-1a).
class TFold {
  public:
    void Add(long long v) {
        for (int i = 0; i < 8; ++i) {
            value_ ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xFF;
            value_ *= 0x100000001B3ull;
        }
    }
    void Add(const TRect& r) {
        Add(r.left);
        Add(r.top);
        Add(r.right);
        Add(r.bottom);
    }
    void Add(const TSizeConstraints& c) {
        Add(c.minWidth);
        Add(c.maxWidth);
        Add(c.minHeight);
        Add(c.maxHeight);
    }
    std::uint64_t Value() const { return value_; }

  private:
    std::uint64_t value_ = 0xCBF29CE484222325ull;
};

// A number from lo to hi, the same on every compiler.
int Pick(std::mt19937& rng, int lo, int hi) {
    return lo + static_cast<int>(rng() % static_cast<std::uint32_t>(hi - lo + 1));
}

std::string Table(const std::vector<std::uint64_t>& values) {
    std::string text;
    char hex[24];
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::snprintf(hex, sizeof hex, "0x%016llXull,", static_cast<unsigned long long>(values[i]));
        text += (i % 3 == 0 ? "\n" : " ") + std::string(hex);
    }
    return text;
}

// ------------------------------------------------------------ a tool bar

using TestControl = test::FakeBarControl;

struct TestBar : TToolBarLayout {
    TRect bounds = Bounds(0, 0, 60, 26);
    TSizeConstraints constraints{60, 60, 0, 0};
    std::vector<std::unique_ptr<TestControl>> controls;
    std::vector<bool> removed;

    TRect BarBounds() const override { return bounds; }
    void ResizeBar(int w, int h) override {
        bounds = Bounds(bounds.left, bounds.top,
                        Constrain(w, constraints.minWidth, constraints.maxWidth),
                        Constrain(h, constraints.minHeight, constraints.maxHeight));
    }
    TSizeConstraints BarConstraints() const override { return constraints; }
    void SetBarConstraints(const TSizeConstraints& c) override { constraints = c; }
    bool BarLoading() const override { return false; }

    TestControl& Make(std::mt19937& rng) {
        const int kind = Pick(rng, 0, 9);
        if (kind < 2)
            controls.push_back(std::make_unique<TestControl>(6, 22, TBarControlKind::bcSeparator));
        else if (kind < 3)
            controls.push_back(std::make_unique<TestControl>(Pick(rng, 20, 90), Pick(rng, 18, 30),
                                                             TBarControlKind::bcOther));
        else
            controls.push_back(std::make_unique<TestControl>(Pick(rng, 16, 40), Pick(rng, 20, 24),
                                                             TBarControlKind::bcButton));
        removed.push_back(false);
        TestControl& c = *controls.back();
        c.visible = Pick(rng, 0, 9) != 0;
        c.MoveControl(Pick(rng, 0, 3) == 0 ? 0 : Pick(rng, 1, 900), Pick(rng, 0, 1) * 2);
        return c;
    }
    TestControl* Any(std::mt19937& rng) {
        if (controls.empty()) return nullptr;
        const int i = Pick(rng, 0, static_cast<int>(controls.size()) - 1);
        return removed[i] ? nullptr : controls[i].get();
    }
    int IndexOf(const IBarControl* c) const {
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i].get() == c) return static_cast<int>(i);
        return -1;
    }
    void Fold(TFold& fold) const {
        fold.Add(bounds);
        fold.Add(constraints);
        for (const auto& c : controls) {
            fold.Add(c->bounds);
            fold.Add(c->visible * 4 + c->onBar * 2 + InOverflow(c.get()));
        }
        for (IBarControl* c : Items())
            fold.Add(IndexOf(c));
        fold.Add(-1);
        for (IBarControl* c : Overflow())
            fold.Add(IndexOf(c));
        fold.Add(HiddenLength());
        fold.Add(DockedThickness());
        fold.Add(MaxFloatingRows());
        const TFloatingSize two = FloatingSizeFor(2);
        fold.Add(two.width);
        fold.Add(two.height);
    }
    using TToolBarLayout::StoreCaptionHeight;
    using TToolBarLayout::StoreFloatingRows;
    using TToolBarLayout::StoreFullSize;
    using TToolBarLayout::StoreShowCaption;
    using TToolBarLayout::StoreShowRightHandle;
};

std::uint64_t RunToolBar(unsigned seed, int controls, int steps) {
    std::mt19937 rng(seed);
    TestBar bar;
    bar.SetGripStyled(Pick(rng, 0, 3) != 0);
    bar.StoreShowRightHandle(Pick(rng, 0, 3) != 0);
    bar.StoreShowCaption(Pick(rng, 0, 5) == 0);
    std::vector<IBarControl*> children;
    for (int i = 0; i < controls; ++i)
        children.push_back(&bar.Make(rng));
    bar.BuildItemList(children);
    bar.Arrange(true);
    bar.Fit();
    TFold fold;
    bar.Fold(fold);
    for (int step = 0; step < steps; ++step) {
        const bool docked = bar.State() == TToolBarState::tsDocked;
        TestControl* c = bar.Any(rng);
        switch (Pick(rng, 0, 13)) {
            case 0:
            case 1:
            case 2:
            case 3: {  // the row gives the bar another length
                const TSizeConstraints limits = bar.constraints;
                const int most = (bar.Horizontal() ? limits.maxWidth : limits.maxHeight) + 40;
                const int length =
                    Pick(rng, 0, 5) == 0 ? Pick(rng, 10, 40) : Pick(rng, 10, std::max(most, 60));
                if (bar.Horizontal())
                    bar.ResizeBar(length, bar.bounds.Height());
                else
                    bar.ResizeBar(bar.bounds.Width(), length);
                bar.Fit();
                break;
            }
            case 4:
                if (c) {
                    c->visible = !c->visible;
                    bar.Arrange(true);
                    bar.Fit();
                }
                break;
            case 5:
                bar.InsertControl(&bar.Make(rng));
                bar.Fit();
                break;
            case 6:
                if (c) {
                    bar.removed[static_cast<std::size_t>(bar.IndexOf(c))] = true;
                    bar.RemoveControl(c);
                    bar.Fit();
                }
                break;
            case 7:
                if (bar.Items().Count() > 1) {
                    const int last = bar.Items().Count() - 1;
                    bar.MoveItem(Pick(rng, 0, last), Pick(rng, 0, last));
                    bar.Arrange(true);
                    bar.Fit();
                }
                break;
            case 8:
                if (c) {
                    c->MoveControl(Pick(rng, 0, 3) == 0 ? 0 : Pick(rng, 1, 900), c->bounds.top);
                    bar.ReorderControl(c);
                    bar.Arrange(true);
                    bar.Fit();
                }
                break;
            case 9:  // the option window borrows the overflow
                for (IBarControl* o : bar.Overflow())
                    if (Pick(rng, 0, 1) == 0) static_cast<TestControl*>(o)->onBar = false;
                bar.Arrange(false);
                break;
            case 10:
                if (docked) {
                    bar.ChangeOrientation(static_cast<TDockAlign>(Pick(rng, 0, 3)));
                }
                break;
            case 11:
                if (docked) {
                    bar.StoreFullSize(!bar.FullSizeOn());
                    bar.Fit();
                    bar.Arrange(false);
                }
                break;
            case 12:
                if (docked && bar.Horizontal()) {
                    bar.SetState(TToolBarState::tsFloating);
                    bar.Arrange(true);
                    bar.SetFloatingRows(Pick(rng, 1, bar.MaxFloatingRows()));
                } else if (!docked) {
                    bar.StoreFloatingRows(1);
                    bar.SetState(TToolBarState::tsDocked);
                    bar.Arrange(true);
                    bar.Fit();
                }
                break;
            default:
                bar.SetGripStyled(!bar.GripStyled());
                bar.StoreShowRightHandle(Pick(rng, 0, 1) != 0);
                bar.Arrange(true);
                bar.Fit();
                break;
        }
        bar.Fold(fold);
    }
    return fold.Value();
}

// Recorded from the layout as it was: cases 0..59 with up to 30
// controls and 40 steps each, then four of 150 controls and 25 steps.
const std::vector<std::uint64_t> kToolBarRecord = {
    0xF405ADA329245F55ull, 0xFA3BA95D8B30A27Aull, 0x60059CC25CEA1D25ull, 0xCD1CCCF735E3DB08ull,
    0xCE409F4C38C8288Cull, 0x253B4B1418C15542ull, 0xEA6C0555CFC45E4Full, 0xD67BFD9A46596059ull,
    0xA9DFDDB09E919049ull, 0x8C622E82193591A1ull, 0x4F928CB7CE9A9BDAull, 0xC5C4BFFE38066F68ull,
    0xA93EBD6E8209AC69ull, 0xA0EA75D152A8D4B6ull, 0x5B94AAD318E38B02ull, 0xCDAC3051DE9B789Dull,
    0xB04647F4DCA2829Eull, 0xC3A7E59E0372F5EFull, 0x477B2471F59AE7D5ull, 0x0F08D3081813F165ull,
    0xA4E8EC672751DA53ull, 0x460148495653E33Cull, 0x4E94AF8ECB8CCF96ull, 0x71D9EFC3FC4B6B10ull,
    0x88B7AFC5E2E3E7A5ull, 0xA72322B8A45C8DD8ull, 0x5FFA11E7C67A5751ull, 0x1A810105399A4705ull,
    0x4B07430533D9A47Cull, 0xFEE721FBBF093DCAull, 0xAB5E19D64F724094ull, 0xF0B536BBEA6E0F5Eull,
    0xDE7BF156CEE4B80Full, 0x090E765B8AADB7ADull, 0x69DE078E93A2D1C6ull, 0x31C38477C6B18993ull,
    0x2E1043C13069EE81ull, 0x8A59D58F2686E3DAull, 0xE5886656C55AC9F5ull, 0xDE5A9FCC82C9B208ull,
    0xB6ED29BBBC091510ull, 0xB1D9440ED01F4083ull, 0xFF7D4A7AB1450B0Cull, 0xEE61B8875F8D0A4Eull,
    0x68F2FB93CFC93FC2ull, 0x36AE2BB9C8607A12ull, 0xA55E8849396A4081ull, 0x4FFDC8A9BA6530EDull,
    0x159573D15C0BDAAFull, 0xA924274C4924736Dull, 0xB814E0A5D2C09C72ull, 0x486F243D9B1B65C7ull,
    0x6923D39612AE707Cull, 0x78F15A705A48A740ull, 0x4EEE21224FD8E4AAull, 0x9A3257EA4C7F0C8Full,
    0xADC352842E43BB1Cull, 0x8A401C5358F4A721ull, 0x61DBAC390F4898E2ull, 0xD9879ACD3F119DD5ull,
    0x6A3D7CEAEC8D896Eull, 0xB42C5A1F3CD1DF61ull, 0xD85D56C523CBEDDFull, 0x7E9FA33F0BA38659ull,
};

TEST(LayoutRecordTest, ToolBarLayoutGivesTheRecordedResults) {
    std::vector<std::uint64_t> now;
    for (unsigned seed = 0; seed < 60; ++seed)
        now.push_back(RunToolBar(seed, static_cast<int>(seed % 31), 40));
    for (unsigned seed = 60; seed < 64; ++seed)
        now.push_back(RunToolBar(seed, 150, 25));
    ASSERT_EQ(now.size(), kToolBarRecord.size()) << Table(now);
    for (std::size_t i = 0; i < now.size(); ++i)
        EXPECT_EQ(now[i], kToolBarRecord[i]) << "case " << i << Table(now);
}

// ------------------------------------------------------------ dock rows

using TestDockBar = test::FakeDockBar;

struct TestPanel : TDockPanelModel {
    TRect bounds = Bounds(0, 0, 1066, 43);
    bool loading = false;
    std::vector<std::unique_ptr<TestDockBar>> bars;
    std::vector<bool> gone;

    TRect PanelBounds() const override { return bounds; }
    // The window arranges its rows again when its size changes.
    void SetPanelBounds(const TRect& b) override {
        bounds = b;
        Rows().ArrangeRows();
    }
    bool PanelLoading() const override { return loading; }

    TestDockBar& Make(std::mt19937& rng, int rows) {
        bars.push_back(std::make_unique<TestDockBar>());
        gone.push_back(false);
        TestDockBar& b = *bars.back();
        const int across = 1 + 29 * Pick(rng, 0, rows) + Pick(rng, -3, 3);
        const int along = Pick(rng, 0, 1000);
        const int length = Pick(rng, 40, 400);
        const int thickness = Pick(rng, 26, 30);
        b.bounds = IsHorizontalDock(DockAlign()) ? Bounds(along, across, length, thickness)
                                                 : Bounds(across, along, thickness, length);
        if (Pick(rng, 0, 2) == 0) {
            const int low = Pick(rng, 0, 1) * Pick(rng, 30, 200);
            const int high = Pick(rng, 0, 1) * Pick(rng, 200, 500);
            b.constraints = IsHorizontalDock(DockAlign()) ? TSizeConstraints{low, high, 0, 0}
                                                          : TSizeConstraints{0, 0, low, high};
        }
        b.fullSize = Pick(rng, 0, 14) == 0;
        b.visible = Pick(rng, 0, 9) != 0;
        return b;
    }
    TestDockBar* Any(std::mt19937& rng) {
        if (bars.empty()) return nullptr;
        const int i = Pick(rng, 0, static_cast<int>(bars.size()) - 1);
        return gone[i] ? nullptr : bars[i].get();
    }
    int IndexOf(const IDockBar* bar) const {
        for (std::size_t i = 0; i < bars.size(); ++i)
            if (bars[i].get() == bar) return static_cast<int>(i);
        return -1;
    }
    void Fold(TFold& fold) const {
        fold.Add(bounds);
        fold.Add(Rows().Count());
        for (int r = 0; r < Rows().Count(); ++r) {
            const TRowCollectionItem& row = Rows().Items(r);
            fold.Add(row.RowRect());
            for (IDockBar* bar : row.ToolBars())
                fold.Add(IndexOf(bar));
            fold.Add(-1);
        }
        for (const auto& b : bars) {
            fold.Add(b->bounds);
            fold.Add(b->constraints);
            fold.Add(b->row);
            fold.Add((b->align ? static_cast<int>(*b->align) : -1) * 4 + b->fullSize * 2 +
                     b->visible);
        }
        for (IDockBar* bar : ToolBars())
            fold.Add(IndexOf(bar));
        fold.Add(-1);
        for (IDockBar* bar : HiddenToolBars())
            fold.Add(IndexOf(bar));
    }
};

std::uint64_t RunDock(unsigned seed, int bars, int steps) {
    std::mt19937 rng(seed);
    TestPanel panel;
    if (Pick(rng, 0, 3) == 0) panel.SetDockAlign(static_cast<TDockAlign>(Pick(rng, 0, 3)));
    const int rows = std::max(1, bars / 2);
    panel.bounds = IsHorizontalDock(panel.DockAlign()) ? Bounds(0, 0, Pick(rng, 300, 1200), 43)
                                                       : Bounds(0, 0, 43, Pick(rng, 300, 1200));
    panel.loading = true;
    for (int i = 0; i < bars; ++i)
        panel.AddToolBar(&panel.Make(rng, rows));
    panel.loading = false;
    panel.BuildRows();
    TFold fold;
    panel.Fold(fold);
    for (int step = 0; step < steps; ++step) {
        TestDockBar* bar = panel.Any(rng);
        try {
            switch (Pick(rng, 0, 13)) {
                case 0:
                case 1:
                case 2:
                case 3:  // a drag: a new place, across and along
                    if (bar) {
                        const TRect r = bar->bounds;
                        panel.MoveToolBar(bar, r.left + Pick(rng, -60, 60),
                                          r.top + Pick(rng, -40, 40), r.Width(), r.Height());
                    }
                    break;
                case 4:
                    if (bar) {
                        const TRect r = bar->bounds;
                        panel.MoveToolBar(bar, r.left, r.top, r.Width() + Pick(rng, -50, 150),
                                          r.Height() + Pick(rng, 0, 2));
                    }
                    break;
                case 5:
                    if (bar) {
                        bar->visible = !bar->visible;
                        panel.ToolBarVisibilityChanged(bar);
                    }
                    break;
                case 6:
                    if (bar) {
                        panel.gone[static_cast<std::size_t>(panel.IndexOf(bar))] = true;
                        panel.RemoveToolBar(bar);
                    }
                    break;
                case 7:
                    fold.Add(panel.AddToolBar(&panel.Make(rng, rows)));
                    break;
                case 8:
                    if (bar) {
                        bar->fullSize = !bar->fullSize;
                        if (bar->fullSize) panel.MoveToolBarToOwnRow(bar);
                    }
                    break;
                case 9: {
                    TRect b = panel.bounds;
                    const int length = Pick(rng, 200, 1300);
                    (IsHorizontalDock(panel.DockAlign()) ? b.right : b.bottom) =
                        (IsHorizontalDock(panel.DockAlign()) ? b.left : b.top) + length;
                    panel.SetPanelBounds(b);
                    break;
                }
                case 10:
                    panel.SetLockHeight(!panel.LockHeight());
                    break;
                case 11:
                    if (bar)
                        panel.Rows().MoveToolBarToRow(bar, Pick(rng, -1, panel.Rows().Count()));
                    break;
                case 12:
                    if (bar) fold.Add(panel.FindRowFor(bar));
                    break;
                default:
                    panel.SetDockAlign(static_cast<TDockAlign>(Pick(rng, 0, 3)));
                    panel.Rows().ArrangeRows();
                    break;
            }
        } catch (const std::exception& e) {
            fold.Add(static_cast<long long>(std::string(e.what()).size()));
        }
        panel.Fold(fold);
    }
    return fold.Value();
}

// Recorded from the rows as they were: cases 0..59 with up to 14
// bars and 40 steps each, then four of 100 bars and 30 steps.
const std::vector<std::uint64_t> kDockRecord = {
    0x0664E75C510423DEull, 0xAE886E1CCB916ED3ull, 0x560057D06EB92B11ull, 0xB61E8F5DAB1EBE77ull,
    0x30EE65C4A02EDC1Eull, 0xC34DCE905DB9A354ull, 0xC2B47E9D12317C5Dull, 0xD2A339517E6DAD95ull,
    0xC21015F0CB09F743ull, 0x2DB354D09EE8AB2Dull, 0x6C99349D51AD907Aull, 0xBBE741A9487C0325ull,
    0xA8C7EA01E3FA6DE8ull, 0xB90344BFCEDA4730ull, 0x278B1054EFD43C64ull, 0x8CAFD671A4F3B93Bull,
    0xAE6FC01EC79BAA8Cull, 0x9446AE3F5A4AB76Dull, 0xA9E0A82C4F8377B5ull, 0xEF22AEF25FFDD638ull,
    0x753502FB49AD5766ull, 0x7CF6609A1FF4B60Dull, 0x46B07942AAB77024ull, 0xDC46BDC94739DED7ull,
    0x301FBCB5DAFF443Dull, 0xABE6BF2A16F40DBEull, 0x4380DF9EB08DD396ull, 0xCCE5822839E3E483ull,
    0x2E410CA4F8F89E47ull, 0x0722D9967A436EC3ull, 0xE53825A9F0964089ull, 0xE0CC7A805A59D801ull,
    0xC62B9AB026190205ull, 0x2C0A4D6CAE65AF26ull, 0x8744AA591EF58081ull, 0x47A1657B62068D07ull,
    0x748D127395982396ull, 0xB1EA3904947E1B83ull, 0x6EFCB797480FC31Dull, 0xA794859D661FA70Cull,
    0xEA021D955C843029ull, 0x24A03B4FFF089626ull, 0xFC9BBC47C542910Cull, 0xC9AFACA98F49E970ull,
    0x1F7A319D2B698027ull, 0xE48110430F397CB5ull, 0x17164A367A9AE5E6ull, 0xD7FC79E495EAE87Full,
    0x0AF09554E3615584ull, 0xAA10E28D8A9BF135ull, 0xFEA0ADDB161C9A15ull, 0x35D51BB22E6B5EAEull,
    0xA6D178807F407B89ull, 0x94675C37C4BE6D1Full, 0x4833F66E407856F4ull, 0x1CF400C3BF24CF42ull,
    0x294E55D7B13FFEA6ull, 0x98F464C649ADC38Aull, 0x9076B0D1527437B1ull, 0xD190DB5E59856D15ull,
    0x59062D351F6CC03Dull, 0x52CA9D6086B11505ull, 0xB54A53720AB0FE14ull, 0xD464D5FC04768A69ull,
};

TEST(LayoutRecordTest, DockRowsGiveTheRecordedResults) {
    std::vector<std::uint64_t> now;
    for (unsigned seed = 0; seed < 60; ++seed)
        now.push_back(RunDock(seed, static_cast<int>(seed % 15), 40));
    for (unsigned seed = 60; seed < 64; ++seed)
        now.push_back(RunDock(seed, 100, 30));
    ASSERT_EQ(now.size(), kDockRecord.size()) << Table(now);
    for (std::size_t i = 0; i < now.size(); ++i)
        EXPECT_EQ(now[i], kDockRecord[i]) << "case " << i << Table(now);
}

}  // namespace
}  // namespace vx
