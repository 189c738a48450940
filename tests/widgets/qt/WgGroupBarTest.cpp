// The group bar and its groups as windows: only a bar holds groups; the
// mouse opens and closes groups and clicks items; the scroll bar, the wheel
// and the Outlook look's scroll buttons; the frame; a focused control opens
// its group.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <string>

#include "support/QtWait.h"
#include "widgets/WgAction.h"
#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"
#include "widgets/qt/WgRapidFireButton.h"

namespace vx {
namespace {

QPoint CenterOf(const TRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TWgGroup* AddGroup(TWgGroupBar& bar, int items, std::vector<std::string>* clicks = nullptr) {
    auto* group = new TWgGroup(&bar);
    for (int i = 0; i < items; ++i) {
        TWgGroupItem& item = group->Items().Add();
        item.SetCaption("Item " + std::to_string(i));
        if (clicks)
            item.SetOnClick(TWgNotifyEvent([clicks](TWgObject& sender) {
                clicks->push_back(static_cast<TWgGroupItem&>(sender).Caption());
            }));
    }
    return group;
}

TEST(GroupBarWindow, GroupsLiveOnlyOnABar) {
    QWidget plain;
    try {
        TWgGroup group(&plain);
        FAIL() << "placed";
    } catch (const EWgGroupBarError& e) {
        EXPECT_STREQ(e.what(), "TWgGroup components can only be placed in a TWgGroupBar component");
    }
    TWgGroupBar bar;
    TWgGroup* group = AddGroup(bar, 1);
    EXPECT_EQ(group->parentWidget(), &bar);
    EXPECT_EQ(bar.Group(0), group);
    TWgGroupBar other;
    group->SetGroupBar(&other);
    EXPECT_EQ(group->parentWidget(), &other);
    EXPECT_EQ(bar.GroupCount(), 0);
}

TEST(GroupBarWindow, TheMouseOpensGroupsAndClicksItems) {
    TWgGroupBar bar;
    bar.resize(160, 400);
    std::vector<std::string> clicks;
    TWgGroup* first = AddGroup(bar, 3, &clicks);
    TWgGroup* second = AddGroup(bar, 2, &clicks);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    EXPECT_EQ(first->geometry(), QRect(8, 8, 144, first->NeededHeight(144)));
    const int secondTop = second->y();

    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_FALSE(first->Opened());
    EXPECT_EQ(first->height(), 20);
    EXPECT_EQ(second->y(), 8 + 20 + 8);
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_TRUE(first->Opened());
    EXPECT_EQ(second->y(), secondTop);

    // Over a clickable item: the hand; a click runs it.
    const QPoint item = CenterOf(second->Items()[1].TextRect());
    QTest::mouseMove(second, item);
    EXPECT_EQ(second->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(second, Qt::LeftButton, {}, item);
    EXPECT_EQ(clicks, std::vector<std::string>{"Item 1"});
    QTest::mouseMove(second, QPoint(140, second->height() - 3));
    EXPECT_EQ(second->cursor().shape(), Qt::ArrowCursor);
}

TEST(GroupBarWindow, TheScrollBarShowsWhileTheGroupsDoNotFit) {
    TWgGroupBar bar;
    bar.resize(160, 150);
    TWgGroup* a = AddGroup(bar, 4);
    TWgGroup* b = AddGroup(bar, 4);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QScrollBar* scroll = bar.VerticalScrollBar();
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_EQ(a->width(), 160 - scroll->width() - 16);
    EXPECT_EQ(scroll->maximum(), bar.TotalHeight() - 150);
    // Adding the last group brought it into view; from the top now.
    bar.ScrollTo(0);
    EXPECT_EQ(a->y(), 8);

    QWheelEvent down(QPointF(20, 20), bar.mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -240),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&bar, &down);
    EXPECT_EQ(bar.ScrollPosition(), 20);
    EXPECT_EQ(a->y(), 8 - 20);
    EXPECT_EQ(scroll->value(), 20);
    scroll->setValue(40);
    EXPECT_EQ(b->y(), a->y() + a->height() + 8);
    EXPECT_EQ(a->y(), 8 - 40);

    // Room for everything: the bar goes, the groups widen and come back.
    bar.resize(160, 600);
    EXPECT_FALSE(scroll->isVisible());
    EXPECT_EQ(a->geometry().topLeft(), QPoint(8, 8));
    EXPECT_EQ(a->width(), 144);
}

TEST(GroupBarWindow, OutlookScrollButtonsMoveTheItems) {
    TWgGroupBar bar;
    bar.resize(160, 200);
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    TWgGroup* a = AddGroup(bar, 12);
    TWgGroup* b = AddGroup(bar, 1);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    EXPECT_EQ(a->height(), 200 - 20);
    EXPECT_FALSE(a->UpButton()->isVisible());
    ASSERT_TRUE(a->DownButton()->isVisible());
    EXPECT_EQ(a->DownButton()->geometry(), QRect(160 - 21, 180 - 21, 17, 17));
    QTest::mouseClick(a->DownButton(), Qt::LeftButton);
    EXPECT_EQ(a->TopIndex(), 1);
    EXPECT_TRUE(a->UpButton()->isVisible());

    // Opening the other group closes this one.
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_TRUE(b->Opened());
    EXPECT_FALSE(a->Opened());
    EXPECT_EQ(a->height(), 20);
    EXPECT_FALSE(a->DownButton()->isVisible());
}

// A group that counts how often its items' texts are measured: a layout
// measures every item, so a layout per added item measures quadratically often.
class CountingGroup : public TWgGroup {
  public:
    using TWgGroup::TWgGroup;
    mutable int measured = 0;

  protected:
    int MeasureItemText(const TWgGroupItem& item, TRect& rect,
                        TWgTextLayout layout) const override {
        ++measured;
        return TWgGroup::MeasureItemText(item, rect, layout);
    }
};

TEST(GroupBarWindow, ItemsAddedOneByOneAreLaidOutOnce) {
    TWgGroupBar bar;
    bar.resize(160, 300);
    auto* group = new CountingGroup(&bar);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    constexpr int kItems = 300;
    for (int i = 0; i < kItems; ++i)
        group->Items().Add().SetCaption("Item " + std::to_string(i));
    EXPECT_EQ(group->measured, 0) << "no layout while the items come in";
    VX_WAIT_TRUE(!bar.LayoutDue(), test::kStateWaitMs);
    const int width = group->width();
    EXPECT_EQ(group->height(), group->NeededHeight(width));
    EXPECT_TRUE(bar.VerticalScrollBar()->isVisible());
    EXPECT_LT(group->measured, 20 * kItems);
}

TEST(GroupBarWindow, ItemActionsComeUpToDateWhenTheProgramIsIdle) {
    TWgGroupBar bar;
    bar.resize(160, 300);
    TWgGroup* group = AddGroup(bar, 1);
    TWgAction action;
    bool allowed = true;
    action.OnUpdate = [&](TWgAction& a) { a.SetEnabled(allowed); };
    TWgGroupItem& item = group->Items()[0];
    item.SetAction(&action);
    bar.show();
    // The program's own event loop, which falls idle between the checks.
    auto idleUntil = [](const std::function<bool()>& done) {
        QEventLoop loop;
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, [&] {
            if (done()) loop.quit();
        });
        check.start(5);
        QTimer::singleShot(vx::test::kStateWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
        return done();
    };
    allowed = false;
    EXPECT_TRUE(idleUntil([&] { return !item.Enabled(); }));
    allowed = true;
    EXPECT_TRUE(idleUntil([&] { return item.Enabled(); }));
    bar.hide();
    allowed = false;
    int passes = 0;
    idleUntil([&] { return ++passes >= 10; });
    EXPECT_TRUE(item.Enabled()) << "a hidden group leaves its actions alone";
}

TEST(GroupBarWindow, AutoSizeMakesTheBarAsTallAsItsGroups) {
    TWgGroupBar bar;
    bar.SetAlign(TAlign::alNone);
    bar.SetBorderOuter(TFrameStyle::fsFlat);
    bar.resize(160, 400);
    TWgGroup* first = AddGroup(bar, 3);
    AddGroup(bar, 2);
    bar.FlushLayout();
    bar.SetAutoSize(true);
    EXPECT_EQ(bar.height(), bar.TotalHeight() + 1 + 2) << "the content, a pixel and the frame";
    const int open = bar.height();
    first->SetOpened(false);
    bar.FlushLayout();
    EXPECT_LT(bar.height(), open);
    EXPECT_EQ(bar.height(), bar.TotalHeight() + 1 + 2);
    EXPECT_FALSE(bar.VerticalScrollBar()->isVisible());
    // A bar along a side keeps the height its side gives it.
    bar.SetAlign(TAlign::alLeft);
    bar.resize(160, 500);
    first->SetOpened(true);
    bar.FlushLayout();
    EXPECT_EQ(bar.height(), 500);
}

TEST(GroupBarWindow, TheFrameNarrowsTheClientArea) {
    TWgGroupBar bar;
    bar.resize(160, 300);
    TWgGroup* a = AddGroup(bar, 1);
    bar.SetBorderOuter(TFrameStyle::fsFlat);
    bar.SetBorderInner(TFrameStyle::fsLowered);
    EXPECT_EQ(bar.ClientOrigin(), (TPoint{3, 3}));
    EXPECT_EQ(a->geometry(), QRect(3 + 8, 3 + 8, 160 - 6 - 16, a->NeededHeight(160 - 6 - 16)));
    bar.SetBorderSides({TSide::sdTop});
    EXPECT_EQ(a->geometry().x(), 8);
    EXPECT_EQ(a->width(), 144);
}

TEST(GroupBarWindow, AFocusedControlOpensItsGroup) {
    QWidget window;  // only a bar with a parent opens groups so
    auto* bar = new TWgGroupBar(&window);
    bar->resize(160, 300);
    TWgGroup* a = AddGroup(*bar, 0);
    auto* edit = new QLineEdit(a);
    edit->move(4, 24);
    a->SetOpened(false);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, test::kStateWaitMs));
    edit->setFocus();
    VX_WAIT_TRUE(a->Opened(), test::kStateWaitMs);
}

TEST(GroupBarWindow, AUniqueSelectionClearsTheGroupsOfTheBarsBesideIt) {
    // Two bars side by side in one window, as on the monitor: an item clicked
    // on the bar with UniqueItemSelection deselects those of the other bar's
    // groups that show a selection.
    QWidget window;
    window.resize(340, 300);
    auto* left = new TWgGroupBar(&window);
    left->setGeometry(0, 0, 160, 300);
    left->SetUniqueItemSelection(true);
    auto* right = new TWgGroupBar(&window);
    right->setGeometry(170, 0, 160, 300);
    TWgGroup* clicked = AddGroup(*left, 2);
    TWgGroup* shows = AddGroup(*right, 2);
    TWgGroup* quiet = AddGroup(*right, 2);
    for (TWgGroup* g : {clicked, shows})
        g->SetShowItemSelection(true);
    for (TWgGroup* g : {clicked, shows, quiet})
        for (int i = 0; i < 2; ++i)
            g->Items()[i].SetOnClick(TWgNotifyEvent([](TWgObject&) {}));
    shows->Items()[1].SetSelected(true);
    quiet->Items()[0].SetSelected(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    VX_WAIT_TRUE(!clicked->Items()[0].TextRect().IsEmpty(), test::kStateWaitMs);
    QTest::mouseClick(clicked, Qt::LeftButton, {}, CenterOf(clicked->Items()[0].TextRect()));
    EXPECT_TRUE(clicked->Items()[0].Selected());
    EXPECT_FALSE(shows->Items()[1].Selected());
    EXPECT_TRUE(quiet->Items()[0].Selected()) << "a group that shows no selection keeps it";
}

TEST(GroupBarWindow, AnAcceptedDragMakesTheItemUnderItHot) {
    TWgGroupBar bar;
    bar.resize(160, 300);
    TWgGroup* group = AddGroup(bar, 3, nullptr);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    EXPECT_FALSE(group->acceptDrops()) << "no drops without a drag-over handler";

    bool allow = true;
    std::vector<TDragState> states;
    group->SetOnDragOver(
        [&](TCustomControl& sender, QObject*, int, int, TDragState state, bool& accept) {
            EXPECT_EQ(&sender, group);
            states.push_back(state);
            accept = allow;
        });
    std::vector<QPoint> drops;
    group->OnDragDrop = [&](TCustomControl&, QObject*, int x, int y) { drops.emplace_back(x, y); };
    EXPECT_TRUE(group->acceptDrops());

    const auto hot = [&] {
        std::vector<int> list;
        for (int i = 0; i < group->Items().Count(); ++i)
            if (group->Items()[i].MouseState() == TWgMouseState::msHot) list.push_back(i);
        return list;
    };
    const auto item = [&](int i) { return CenterOf(group->Items()[i].TextRect()); };
    QMimeData mime;
    mime.setText("X000");
    const auto move = [&](QPoint at, bool enter) {
        QDragMoveEvent moved(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDragEnterEvent entered(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDragMoveEvent& event = enter ? entered : moved;
        QApplication::sendEvent(group, &event);
        return event.isAccepted();
    };

    const struct {
        QPoint at;
        bool allow;
        std::vector<int> hot;  // refused: as before
    } rows[] = {
        {item(0), true, {0}},
        {item(2), true, {2}},
        {item(1), false, {2}},
        {QPoint(30, 8), true, {}},                            // the caption
        {QPoint(group->width() - 3, item(1).y()), true, {}},  // beside the text
        {QPoint(group->width() + 3, item(1).y()), true, {}},  // outside the client area
        {item(1), true, {1}},
    };
    bool first = true;
    for (const auto& row : rows) {
        allow = row.allow;
        EXPECT_EQ(move(row.at, first), row.allow) << row.at.x() << "," << row.at.y();
        EXPECT_EQ(hot(), row.hot) << row.at.x() << "," << row.at.y();
        first = false;
    }
    EXPECT_EQ(states.front(), TDragState::dsDragEnter);
    EXPECT_EQ(states.back(), TDragState::dsDragMove);

    // Leaving clears every item, pressed ones too.
    group->Items()[1].SetPressed(true);
    QDragLeaveEvent left;
    QApplication::sendEvent(group, &left);
    EXPECT_EQ(states.back(), TDragState::dsDragLeave);
    EXPECT_EQ(hot(), std::vector<int>{});
    EXPECT_FALSE(group->Items()[1].Pressed());

    // A drop goes to the handler and clears as well; a refused one does not.
    move(item(0), true);
    QDropEvent dropped(item(0), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(group, &dropped);
    EXPECT_EQ(drops, std::vector<QPoint>{item(0)});
    EXPECT_EQ(hot(), std::vector<int>{});
    allow = false;
    move(item(0), true);
    QDropEvent refused(item(0), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(group, &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_EQ(drops.size(), 1U);
}

}  // namespace
}  // namespace vx
