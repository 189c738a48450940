// Tab records and their list, the colour sets, the region cache and the
// scroller's press-and-repeat behaviour.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "widgets/WgTabColors.h"
#include "widgets/WgTabDataList.h"
#include "widgets/WgTabRegionCache.h"
#include "widgets/WgTabScrollerState.h"
#include "widgets/WgTextColors.h"

namespace vx {
namespace {

TEST(WgTabDataTest, AssignCopiesWhatTheUserSetsButNotThePlace) {
    TWgTabData source;
    source.Caption = "D寄存器";
    source.Color = clYellow;
    source.DisabledIndex = 4;
    source.Enabled = false;
    source.Hint = "hint";
    source.ImageIndex = 3;
    source.Visible = false;
    source.Rect = {1, 2, 3, 4};
    source.Row = 2;
    TWgTabData copy;
    copy.Rect = {9, 9, 19, 19};
    copy.Row = 1;
    copy.Assign(source);
    EXPECT_EQ(copy.Caption, "D寄存器");
    EXPECT_EQ(copy.Color, clYellow);
    EXPECT_EQ(copy.DisabledIndex, 4);
    EXPECT_FALSE(copy.Enabled);
    EXPECT_EQ(copy.Hint, "hint");
    EXPECT_EQ(copy.ImageIndex, 3);
    EXPECT_FALSE(copy.Visible);
    EXPECT_EQ(copy.Rect, (TRect{9, 9, 19, 19}));
    EXPECT_EQ(copy.Row, 1);
}

TEST(WgTabDataTest, ListAssignReplacesItsItemsWithCopiesInOrder) {
    TWgTabDataList source;
    source.Add().Caption = "a";
    source.Add().Caption = "b";
    TWgTabDataList list;
    list.Add().Caption = "old";
    list.Assign(source);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0).Caption, "a");
    EXPECT_EQ(list.Items(1).Caption, "b");
    source.Items(0).Caption = "changed";
    EXPECT_EQ(list.Items(0).Caption, "a") << "copies, not shared records";

    auto item = std::make_unique<TWgTabData>();
    item->Caption = "new";
    list.SetItem(1, std::move(item));
    EXPECT_EQ(list.Items(1).Caption, "new");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(WgTabDataTest, ColourSetsHaveTheirDefaultsAndReportOnlyChanges) {
    int changes = 0;
    TWgTabColors tab([&] { ++changes; });
    EXPECT_EQ(tab.HighlightBar(), clHighlight);
    EXPECT_EQ(tab.Shadow(), clBtnFace);
    EXPECT_EQ(tab.Unselected(), clWindow);
    tab.SetShadow(clBtnFace);
    EXPECT_EQ(changes, 0);
    tab.SetShadow(clRed);
    EXPECT_EQ(changes, 1);

    TWgTextColors text([&] { ++changes; });
    EXPECT_EQ(text.Disabled(), clGrayText);
    EXPECT_EQ(text.Selected(), clBtnText);
    EXPECT_EQ(text.Unselected(), clBtnText);
    text.SetUnselected(clNavy);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(text.Unselected(), clNavy);
}

// A region handle that records when it is freed.
struct Handle {
    static std::vector<int>* freed;
    int id = 0;
    Handle() = default;
    explicit Handle(int i) : id(i) {}
    Handle(Handle&& other) noexcept : id(other.id) { other.id = 0; }
    Handle& operator=(Handle&& other) noexcept {
        Free();
        id = other.id;
        other.id = 0;
        return *this;
    }
    ~Handle() { Free(); }
    void Free() {
        if (id != 0 && freed) freed->push_back(id);
        id = 0;
    }
};
std::vector<int>* Handle::freed = nullptr;

class RegionCacheTest : public testing::Test {
  protected:
    RegionCacheTest() { Handle::freed = &freed_; }
    ~RegionCacheTest() override { Handle::freed = nullptr; }
    static TRect R(int n) { return {n, n, n + 10, n + 10}; }
    std::vector<int> freed_;
};

TEST_F(RegionCacheTest, CapacityOneKeepsOnlyTheNewestAndFreesTheOlder) {
    TWgTabRegionCache<Handle> cache;
    EXPECT_EQ(cache.Capacity(), 1);
    cache.Add(R(1), Handle(11));
    cache.Add(R(2), Handle(12));
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.Find(R(1)), nullptr);
    ASSERT_NE(cache.Find(R(2)), nullptr);
    EXPECT_EQ(cache.Find(R(2))->id, 12);
    EXPECT_EQ(freed_, std::vector<int>{11});
}

TEST_F(RegionCacheTest, ARectangleAlreadyHeldTakesTheNewRegionOnceAndFreesTheOld) {
    TWgTabRegionCache<Handle> cache(-1);
    cache.Add(R(1), Handle(11));
    cache.Add(R(2), Handle(12));
    cache.Add(R(1), Handle(21));
    EXPECT_EQ(cache.Count(), 2) << "one entry per rectangle";
    ASSERT_NE(cache.Find(R(1)), nullptr);
    EXPECT_EQ(cache.Find(R(1))->id, 21) << "the region built last is the one held";
    EXPECT_EQ(freed_, std::vector<int>{11}) << "the replaced region is freed, none other";
    // The rectangle added again is the most recently used one.
    cache.SetCapacity(1);
    EXPECT_NE(cache.Find(R(1)), nullptr);
    EXPECT_EQ(cache.Find(R(2)), nullptr);
    cache.Clear();
    EXPECT_EQ(freed_, (std::vector<int>{11, 12, 21}));
}

TEST_F(RegionCacheTest, ShrinkingTheCapacityKeepsTheMostRecentlyUsed) {
    TWgTabRegionCache<Handle> cache(-1);
    for (int n = 1; n <= 5; ++n)
        cache.Add(R(n), Handle(n));
    cache.SetCapacity(2);
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_NE(cache.Find(R(5)), nullptr);
    EXPECT_NE(cache.Find(R(4)), nullptr);
    EXPECT_EQ(freed_, (std::vector<int>{1, 2, 3}));
}

TEST_F(RegionCacheTest, RefusesZeroAndCapacitiesBelowMinusOne) {
    TWgTabRegionCache<Handle> cache(3);
    for (int bad : {0, -2, -100}) {
        try {
            cache.SetCapacity(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const EWgTabControlError& e) {
            EXPECT_STREQ(e.what(), "Capacity must be -1 (to cache all regions) or > 0");
        }
        EXPECT_EQ(cache.Capacity(), 3);
    }
}

class FakeRepeatTimer : public TWgRepeatTimer {
  public:
    void Start(int intervalMs) override {
        running = true;
        intervals.push_back(intervalMs);
    }
    void SetInterval(int intervalMs) override { intervals.push_back(intervalMs); }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
    bool running = false;
    std::vector<int> intervals;
};

class ScrollerStateTest : public testing::Test {
  protected:
    FakeRepeatTimer timer_;
    std::vector<int> fired_;
    int repaints_ = 0;
    TWgTabScrollerState state_{
        timer_, {[this](int half) { fired_.push_back(half); }, [this] { ++repaints_; }}};
    const TSize size_{33, 17};
};

TEST_F(ScrollerStateTest, HoldingFiresAfterTheDelayThenRepeatsAndOnceMoreOnRelease) {
    state_.MouseDown({25, 8}, size_);
    EXPECT_TRUE(state_.Pressed());
    EXPECT_TRUE(state_.Down());
    EXPECT_EQ(state_.PressedHalf(), 1);
    EXPECT_TRUE(fired_.empty()) << "nothing before the first tick";
    EXPECT_EQ(timer_.intervals, std::vector<int>{400});
    state_.TimerTick(true);
    state_.TimerTick(true);
    EXPECT_EQ(timer_.intervals, (std::vector<int>{400, 100, 100}));
    EXPECT_EQ(fired_, (std::vector<int>{1, 1}));
    state_.MouseUp();
    EXPECT_FALSE(timer_.running);
    EXPECT_EQ(fired_, (std::vector<int>{1, 1, 1}));
    EXPECT_FALSE(state_.Pressed());
}

TEST_F(ScrollerStateTest, ReleasingOutsideFiresNothingFurther) {
    state_.MouseDown({3, 8}, size_);
    EXPECT_EQ(state_.PressedHalf(), 0);
    state_.TimerTick(true);
    state_.MouseMove({20, 8}, size_);  // onto the other half
    EXPECT_FALSE(state_.Down());
    state_.TimerTick(true);
    state_.MouseUp();
    EXPECT_EQ(fired_, std::vector<int>{0});
    // A disabled scroller repeats nothing.
    state_.MouseDown({3, 8}, size_);
    state_.TimerTick(false);
    EXPECT_EQ(fired_, std::vector<int>{0});
}

TEST_F(ScrollerStateTest, StackedHalvesAreTheUpperAndTheLowerArrow) {
    state_.SetOrientation(TWgTabScrollerState::kStacked);
    const TSize size{17, 33};
    EXPECT_EQ(state_.HalfRect(1, size), (TRect{0, 0, 17, 17}));
    EXPECT_EQ(state_.HalfRect(0, size), (TRect{0, 17, 17, 33}));
    state_.MouseDown({8, 5}, size);
    state_.MouseUp();
    state_.MouseDown({8, 30}, size);
    state_.MouseUp();
    EXPECT_EQ(fired_, (std::vector<int>{1, 0})) << "up arrow is half 1, down arrow half 0";
    // Side by side the halves meet at the middle rounded up.
    state_.SetOrientation(TWgTabScrollerState::kSideBySide);
    EXPECT_EQ(state_.HalfRect(0, {33, 17}), (TRect{0, 0, 17, 17}));
    EXPECT_EQ(state_.HalfRect(1, {33, 17}), (TRect{17, 0, 33, 17}));
}

}  // namespace
}  // namespace vx
