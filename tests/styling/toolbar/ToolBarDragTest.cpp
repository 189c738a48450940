#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <map>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/Registry.h"
#include "platform/qt/AlignHost.h"
#include "styling/toolbar/ToolBarDrag.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "support/QtWait.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

TEST(ToolBarDragRulesTest, CaptureRectanglesAndTargetsAsData) {
    const TRect r{100, 50, 500, 80};
    EXPECT_EQ(DockCaptureRect(r, TDockAlign::daTop), (TRect{100, 50, 500, 95}));
    EXPECT_EQ(DockCaptureRect(r, TDockAlign::daBottom), (TRect{100, 35, 500, 80}));
    EXPECT_EQ(DockCaptureRect(r, TDockAlign::daLeft), (TRect{100, 50, 515, 80}));
    EXPECT_EQ(DockCaptureRect(r, TDockAlign::daRight), (TRect{85, 50, 500, 80}));

    int a = 0, b = 0;
    const std::vector<TDockTarget> targets = {{&a, {0, 0, 100, 40}}, {&b, {0, 30, 40, 300}}};
    struct Row {
        TPoint p;
        const void* current;
        int target;
    };
    const std::vector<Row> rows = {
        {{50, 10}, nullptr, 0}, {{10, 35}, nullptr, 0},  // the first listed wins
        {{10, 35}, &a, 1},      {{50, 10}, &a, -1},      // not the panel it is in
        {{99, 39}, nullptr, 0}, {{100, 39}, nullptr, -1}, {{39, 299}, &a, 1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(DockTargetAt(targets, r.p, r.current), r.target) << r.p.x << "," << r.p.y;
    EXPECT_EQ(FloatingDragPosition({200, 100}, {30, 12}, {10, 8}), (TPoint{220, 104}));
}

TEST(ToolBarDragRulesTest, DockedStepsAndWhenTheyUndockAsData) {
    // A 200 x 28 bar at (100, 1) of a 1000 x 30 top panel, grabbed at (3, 10);
    // on a left panel a 28 x 200 bar at (1, 100) of a 30 x 600 panel.
    struct Row {
        bool horizontal;
        TPoint mouse;
        int along, across;
        bool acrossChanged;
        TRect after;  // where the panel put it
        int rowAfter;
        bool undocks;
    };
    const TRect h{100, 1, 300, 29};
    const TRect v{1, 100, 29, 300};
    const std::vector<Row> rows = {
        // Along the row, the panel following.
        {true, {53, 10}, 150, 1, false, {150, 1, 350, 29}, 0, false},
        // 20 below the panel (y 49 = 1 + 48 > 30 + 20): still in its row, docked.
        {true, {3, 48}, 100, 21, true, h, 0, false},
        // 30 below: floats.
        {true, {3, 56}, 100, 29, true, h, 0, true},
        // 30 below, but the panel moved it to a new row: docked.
        {true, {3, 56}, 100, 29, true, {100, 30, 300, 58}, 1, false},
        // Above the panel: more than 26 pixels out.
        {true, {3, -26}, 100, -25, true, h, 0, false},
        {true, {3, -28}, 100, -27, true, h, 0, true},
        // Past the right end: the bar's requested Left beyond the panel + 26.
        {true, {930, 10}, 1027, 1, false, {800, 1, 1000, 29}, 0, true},
        {true, {920, 10}, 1017, 1, false, {800, 1, 1000, 29}, 0, false},
        // Past the left end: the mouse more than 26 pixels out.
        {true, {-127, 10}, -30, 1, false, {3, 1, 203, 29}, 0, true},
        {true, {-125, 10}, -28, 1, false, {3, 1, 203, 29}, 0, false},
        // The row took the requested Left: nothing undocks along.
        {true, {-127, 10}, -30, 1, false, {-30, 1, 170, 29}, 0, false},
        // A vertical bar: across is x, along is y.
        {false, {10, 53}, 150, 1, false, {1, 150, 29, 350}, 0, false},
        {false, {60, 3}, 100, 33, true, v, 0, true},
        {false, {50, 3}, 100, 23, true, v, 0, false},
        // Past the top of a vertical bar's column: its requested Top < -26.
        {false, {10, -127}, -30, 1, false, {1, 3, 29, 203}, 0, true},
        {false, {10, -120}, -23, 1, false, {1, 3, 29, 203}, 0, false},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const TRect before = r.horizontal ? h : v;
        const TDockedDragRequest q = DockedDragRequest(r.horizontal, before, r.mouse, {3, 10});
        const TDockedDragRequest qv = DockedDragRequest(r.horizontal, before, r.mouse, {10, 3});
        const TDockedDragRequest& req = r.horizontal ? q : qv;
        EXPECT_EQ(req.along, r.along) << i;
        EXPECT_EQ(req.across, r.across) << i;
        EXPECT_EQ(req.acrossChanged, r.acrossChanged) << i;
        const TPoint panel = r.horizontal ? TPoint{1000, 30} : TPoint{30, 600};
        EXPECT_EQ(
            DockedDragUndocks(r.horizontal, req, {before, r.after, 0, r.rowAfter, panel}, r.mouse),
            r.undocks)
            << i;
    }
}

// A form with a top panel of three bars and a left panel of one, each bar
// a row of buttons.
struct DragForm {
    QWidget form;
    TFxDockPanel* top = nullptr;
    TFxDockPanel* left = nullptr;
    std::vector<TFxToolBar*> bars;
    std::vector<TFxToolBarButton*> buttons;

    // With a layout file the top panel keeps its layout there, and its bars
    // their own state.
    explicit DragForm(const std::string& layoutFile = {},
                      TPersistenceLocation location = TPersistenceLocation::plIniFile) {
        form.setObjectName("Form");
        form.setGeometry(100, 100, 900, 500);
        TAlignHost::Attach(&form);
        {
            TLoadingScope scope;
            top = new TFxDockPanel(&form);
            top->setObjectName("TopPanel");
            top->SetBounds(0, 0, 900, 30);
            if (!layoutFile.empty()) {
                top->Persistence().SetLocation(location);
                top->Persistence().SetKey(layoutFile);
                top->Persistence().SetSection("TopDock");
                top->Persistence().SetEnabled(true);
            }
            left = new TFxDockPanel(&form);
            left->setObjectName("LeftPanel");
            left->SetAlign(TDockAlign::daLeft);
            left->SetBounds(0, 30, 30, 470);
            const int counts[4] = {5, 6, 4, 3};
            for (int i = 0; i < 4; ++i) {
                TFxDockPanel* panel = i < 3 ? top : left;
                auto* bar = new TFxToolBar(panel);
                bar->setObjectName(QString("FxToolBar%1").arg(i + 1));
                if (i < 3)
                    bar->SetBounds(3 + 250 * i, 1, 200, 28);
                else
                    bar->SetBounds(1, 3, 28, 200);
                for (int k = 0; k < counts[i]; ++k) {
                    auto* b = new TFxToolBarButton(bar);
                    b->setObjectName(QString("Button%1_%2").arg(i + 1).arg(k + 1));
                    b->SetCaption(QString("B%1").arg(k));
                    buttons.push_back(b);
                }
                bars.push_back(bar);
            }
        }
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    ~DragForm() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TFxToolBar& Bar(int i) { return *bars[i]; }

    // Every button on exactly one bar, listed by it and not in its overflow
    // while it floats.
    void ExpectNothingLost() {
        std::map<QWidget*, int> seen;
        for (TFxToolBar* bar : bars)
            for (int i = 0; i < bar->GetFTBControlCount(); ++i)
                ++seen[bar->GetFTBControl(i)];
        for (TFxToolBarButton* b : buttons) {
            EXPECT_EQ(seen[b], 1) << b->objectName().toStdString();
            auto* owner = qobject_cast<TFxToolBar*>(b->parentWidget());
            ASSERT_NE(owner, nullptr) << b->objectName().toStdString();
            if (owner->State() == TToolBarState::tsFloating) {
                EXPECT_TRUE(owner->Overflow().Empty());
            }
        }
        // Every bar in one place: a shown docked bar in exactly one row of its
        // panel, a floating one in no panel's lists.
        for (TFxToolBar* bar : bars) {
            int rows = 0;
            for (TFxDockPanel* panel : {top, left}) {
                for (int r = 0; r < panel->Rows().Count(); ++r)
                    rows += panel->Rows().Items(r).ToolBars().Contains(bar) ? 1 : 0;
                if (bar->DockPanel() != panel) {
                    EXPECT_FALSE(panel->ToolBars().Contains(bar))
                        << bar->objectName().toStdString();
                    EXPECT_FALSE(panel->HiddenToolBars().Contains(bar));
                }
            }
            const bool inRow = bar->State() == TToolBarState::tsDocked && !bar->isHidden();
            EXPECT_EQ(rows, inRow ? 1 : 0) << bar->objectName().toStdString();
        }
    }
};

// The mouse as the application delivers it: to the widget that holds it
// (the drag must keep it), else to `bar`.
struct Mouse {
    TFxToolBar* bar;
    QPoint at;
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* to = QWidget::mouseGrabber() ? QWidget::mouseGrabber() : bar;
        const QPointF local = to->mapFromGlobal(QPointF(at));
        QMouseEvent e(type, local, QPointF(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(to, &e);
    }
    void Press(QPoint local) {
        at = bar->mapToGlobal(local);
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }
    void MoveBy(int dx, int dy) {
        at += QPoint(dx, dy);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    }
    void MoveTo(QPoint global) { MoveBy(global.x() - at.x(), global.y() - at.y()); }
    void Release() { Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton); }
};

// Where a bar is: its state, the panel it is in (null floating), its row.
struct Place {
    TToolBarState state;
    const TFxDockPanel* panel;
    int row;
};

TEST(ToolBarDragTest, DraggedAlongAcrossOffAndBackHoldingTheMouse) {
    DragForm f;
    TFxToolBar& bar = f.Bar(1);
    QSignalSpy docked(&bar, &TFxToolBar::Docked);
    QSignalSpy undocked(&bar, &TFxToolBar::UnDocked);
    using S = TToolBarState;
    const QPoint topAt = f.top->mapToGlobal(QPoint(0, 0));
    struct Step {
        QPoint to;  // a move by (dx, dy), or to a point of the top panel
        bool onPanel;
        Place place;
        int barX;  // -1: not checked
        int panelRows;
    };
    // The bar is 26 high in a 28 high panel, grabbed at (3, 10).
    const std::vector<Step> steps = {
        {{20, 0}, false, {S::tsDocked, f.top, 0}, 273, 1},    // along its row
        {{0, 25}, false, {S::tsDocked, f.top, 0}, 273, 1},    // 8 below the panel
        {{0, 18}, false, {S::tsDocked, f.top, 0}, 273, 1},    // 26 below the panel
        {{0, 1}, false, {S::tsFloating, nullptr, 0}, -1, 1},  // 27: floats
        {{30, 30}, false, {S::tsFloating, nullptr, 0}, -1, 1},
        // Back within 15 pixels below the panel: docks in a new row.
        {{400, 40}, true, {S::tsDocked, f.top, 1}, 3, 2},
        // Up into the first row, its head under the pointer.
        {{0, -30}, false, {S::tsDocked, f.top, 0}, 399, 1},
    };
    Mouse m{&bar, {}};
    m.Press(QPoint(3, 10));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (s.onPanel)
            m.MoveTo(topAt + s.to);
        else
            m.MoveBy(s.to.x(), s.to.y());
        EXPECT_EQ(bar.State(), s.place.state) << i;
        EXPECT_EQ(bar.DockPanel(), s.place.panel) << i;
        if (s.place.panel) {
            EXPECT_EQ(bar.RowIndex(), s.place.row) << i;
        }
        if (s.barX >= 0) {
            EXPECT_EQ(bar.x(), s.barX) << i;
        }
        EXPECT_EQ(f.top->Rows().Count(), s.panelRows) << i;
        // The bar holds the mouse whatever its parent.
        EXPECT_EQ(QWidget::mouseGrabber(), &bar) << i;
        EXPECT_TRUE(bar.Dragging()) << i;
        if (s.place.state == S::tsFloating) {
            // Floating: one row, the caption on top, the window its size plus
            // the border; the grab point stays under the mouse.
            TFloatingWindow* w = bar.FloatingWindow();
            ASSERT_NE(w, nullptr) << i;
            EXPECT_EQ(bar.FloatingRows(), 1);
            EXPECT_EQ(bar.size(), QSize(94, 42)) << i;
            EXPECT_EQ(w->size(), QSize(100, 48)) << i;
            EXPECT_TRUE(w->isVisible()) << i;
            // Made at the mouse; then moved so that the grab point stays
            // under it.
            if (i == 3)
                EXPECT_EQ(w->pos(), m.at);
            else
                EXPECT_EQ(bar.mapToGlobal(QPoint(3, 10)), m.at) << i;
        }
    }
    EXPECT_EQ(f.top->height(), 28);
    m.Release();
    EXPECT_FALSE(bar.Dragging());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(bar.FloatingWindow(), nullptr);
    EXPECT_EQ(undocked.count(), 1);
    ASSERT_EQ(docked.count(), 1);
    EXPECT_EQ(docked[0][0].value<TFxDockPanel*>(), f.top);

    // Floating, dragged by the caption into the left panel: it docks there
    // upright, the grab point's y at its head.
    bar.MakeFloating(QPoint(500, 400));
    ASSERT_EQ(bar.State(), S::tsFloating);
    EXPECT_EQ(bar.FloatingWindow()->pos(), QPoint(500, 400));
    m.Press(QPoint(20, 5));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    m.MoveTo(f.left->mapToGlobal(QPoint(40, 300)));
    EXPECT_EQ(bar.DockPanel(), f.left);
    EXPECT_FALSE(bar.Horizontal());
    EXPECT_EQ(QWidget::mouseGrabber(), &bar);
    m.Release();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(f.left->Rows().Count(), 2);
    EXPECT_EQ(undocked.count(), 2);
    EXPECT_EQ(docked.count(), 2);
    f.ExpectNothingLost();
}

// The pointer as the window system moves it: the cursor goes there and the
// window under it hears of the move; presses and releases come through the
// window under the pointer, or the one whose bar holds the mouse.
struct Pointer {
    static void MoveTo(QPoint global) {
        QCursor::setPos(global);
        QCoreApplication::processEvents();
    }
    static QWindow* WindowFor(QPoint global) {
        QWidget* holder = QWidget::mouseGrabber();
        return holder ? holder->window()->windowHandle() : QGuiApplication::topLevelAt(global);
    }
    static void Press(QPoint global) {
        MoveTo(global);
        QWindow* w = WindowFor(global);
        QTest::mousePress(w, Qt::LeftButton, {}, w->mapFromGlobal(global));
    }
    static void Release() {
        const QPoint at = QCursor::pos();
        QWindow* w = WindowFor(at);
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(at));
    }
};

// A bar docked again by its caption is shown under the pointer, which may
// stand on one of its buttons then: no button lights up while the bar is
// dragged, and once it is let go the button under the pointer, and only
// that one, is hot until the pointer leaves it.
TEST(ToolBarDragTest, TheHotButtonIsTheOneUnderThePointerWhenADragEnds) {
    DragForm f;
    TFxToolBar& bar = f.Bar(1);
    auto hot = [&] {
        std::vector<QString> names;
        for (TFxToolBarButton* b : f.buttons)
            if (b->Hot()) names.push_back(b->objectName());
        return names;
    };
    const QPoint away = f.form.mapToGlobal(QPoint(450, 300));
    for (bool slideAfterDocking : {false, true}) {
        SCOPED_TRACE(slideAfterDocking ? "slid after docking" : "let go where it docked");
        // Floated by its grip (clear of the left panel), then caught by its
        // caption and brought onto the top panel's free row, where it docks
        // under the pointer.
        const QPoint grip = bar.mapToGlobal(QPoint(3, 10)) + QPoint(150, 0);
        Pointer::Press(grip - QPoint(150, 0));
        for (int dy = 0; dy <= 120; dy += 10)
            Pointer::MoveTo(grip + QPoint(0, dy));
        Pointer::Release();
        ASSERT_EQ(bar.State(), TToolBarState::tsFloating);
        Pointer::Press(bar.mapToGlobal(QPoint(20, 5)));
        QSignalSpy entered(f.buttons[6], &TFxToolBarButton::MouseEntered);
        const QPoint docked = f.top->mapToGlobal(QPoint(40, 35));
        Pointer::MoveTo(docked);
        ASSERT_EQ(bar.DockPanel(), f.top);
        ASSERT_EQ(QApplication::widgetAt(docked), f.buttons[6]);
        EXPECT_EQ(hot(), std::vector<QString>{});
        EXPECT_EQ(entered.count(), 0);                                  // no hint
        if (slideAfterDocking) Pointer::MoveTo(docked + QPoint(6, 0));  // its head to the pointer
        Pointer::Release();
        QWidget* under = QApplication::widgetAt(QCursor::pos());
        if (under == f.buttons[6]) {
            EXPECT_EQ(hot(), std::vector<QString>{"Button2_2"});
            EXPECT_EQ(entered.count(), 1);
        } else {
            EXPECT_EQ(under, &bar);
            EXPECT_EQ(hot(), std::vector<QString>{});
        }
        EXPECT_EQ(slideAfterDocking, under == &bar);
        Pointer::MoveTo(away);
        EXPECT_EQ(hot(), std::vector<QString>{});
        EXPECT_EQ(bar.HotButton(), nullptr);
    }
    f.ExpectNothingLost();
}

TEST(ToolBarDragTest, WhatKeepsABarFromFloatingOrDocking) {
    DragForm f;
    Mouse m{&f.Bar(0), {}};
    // Without AllowFloating the bar cannot leave its panel.
    f.Bar(0).SetAllowFloating(false);
    m.Press(QPoint(3, 10));
    m.MoveBy(0, 200);
    EXPECT_EQ(f.Bar(0).State(), TToolBarState::tsDocked);
    m.Release();
    f.Bar(0).SetAllowFloating(true);

    // Locked: the normal cursor over the grip, and no drag.
    f.Bar(0).SetLocked(true);
    QMouseEvent hover(QEvent::MouseMove, QPointF(3, 10), f.Bar(0).mapToGlobal(QPointF(3, 10)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&f.Bar(0), &hover);
    EXPECT_NE(f.Bar(0).cursor().shape(), Qt::SizeAllCursor);
    m.Press(QPoint(3, 10));
    EXPECT_FALSE(f.Bar(0).Dragging());
    m.Release();
    f.Bar(0).SetLocked(false);
    QApplication::sendEvent(&f.Bar(0), &hover);
    EXPECT_EQ(f.Bar(0).cursor().shape(), Qt::SizeAllCursor);

    // A bar that may not dock on the left passes over the left panel.
    TFxToolBar& upright = f.Bar(3);
    upright.SetDockableTo(1u << static_cast<unsigned>(TDockAlign::daTop));
    Mouse u{&upright, {}};
    u.Press(QPoint(10, 3));
    u.MoveBy(0, 200);  // down its column
    EXPECT_EQ(upright.y(), 203);
    u.MoveBy(80, 0);  // out of the left panel: floats, turned horizontal
    ASSERT_EQ(upright.State(), TToolBarState::tsFloating);
    EXPECT_TRUE(upright.Horizontal());
    u.MoveTo(f.left->mapToGlobal(QPoint(10, 200)));
    EXPECT_EQ(upright.State(), TToolBarState::tsFloating);
    // Another window taking the mouse ends the drag.
    QWidget other(&f.form);
    other.show();
    other.grabMouse();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), upright.mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&upright, &move);
    EXPECT_FALSE(upright.Dragging());
    EXPECT_EQ(upright.State(), TToolBarState::tsFloating);
    other.releaseMouse();

    // A panel that keeps its height takes a bar only into a row it has: the
    // emptied left panel has none.
    upright.SetDockableTo(0xF);
    f.left->SetLockHeight(true);
    ASSERT_EQ(f.left->Rows().Count(), 0);
    u.Press(QPoint(4, 5));
    u.MoveTo(f.left->mapToGlobal(QPoint(10, 200)));
    EXPECT_EQ(upright.State(), TToolBarState::tsFloating);
    u.Release();
    // Unlocked, the next drag docks it there.
    f.left->SetLockHeight(false);
    u.Press(QPoint(4, 5));
    u.MoveBy(0, 5);
    EXPECT_EQ(upright.DockPanel(), f.left);
    u.Release();
    f.ExpectNothingLost();
}

// A press on the floating close button and a release anywhere.
void ClickClose(TFxToolBar& bar, QPoint releaseOffset = {}) {
    Mouse m{&bar, {}};
    const TRect close = bar.CloseButtonRect();
    m.Press(QPoint((close.left + close.right) / 2, (close.top + close.bottom) / 2));
    m.MoveBy(releaseOffset.x(), releaseOffset.y());
    m.Release();
}

TEST(ToolBarDragTest, ClosingTheFloatingWindowHidesOrDocksAgainAndNothingIsLost) {
    DragForm f;
    TFxToolBar& bar = f.Bar(2);
    QSignalSpy closed(&bar, &TFxToolBar::Closed);
    bar.MakeFloating(QPoint(300, 300));
    ASSERT_EQ(bar.State(), TToolBarState::tsFloating);
    QPointer<TFloatingWindow> window = bar.FloatingWindow();
    // Released outside the close button, it still closes.
    ClickClose(bar, QPoint(-60, 40));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(bar.isHidden());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(bar.State(), TToolBarState::tsFloating);
    // Shown again by the program, its window comes with it.
    bar.show();
    EXPECT_TRUE(window->isVisible());

    bar.SetAutoDockOnClose(true);
    ClickClose(bar);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(bar.DockPanel(), f.top);
    EXPECT_FALSE(bar.isHidden());
    EXPECT_EQ(bar.FloatingWindow(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    // A run of floats, docks and closes.
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 4; ++i) {
            f.Bar(i).SetAutoDockOnClose(round == 1);
            f.Bar(i).show();
            f.Bar(i).MakeFloating(QPoint(200 + 50 * i, 250));
        }
        f.ExpectNothingLost();
        for (int i = 0; i < 4; i += 2)
            ClickClose(f.Bar(i));
        Mouse m{&f.Bar(1), {}};
        m.Press(QPoint(20, 5));
        m.MoveTo(f.top->mapToGlobal(QPoint(600, 10)));
        m.Release();
        f.ExpectNothingLost();
    }
    EXPECT_EQ(f.Bar(1).DockPanel(), f.top);
    EXPECT_TRUE(f.Bar(0).isHidden());
    EXPECT_EQ(f.Bar(3).State(), TToolBarState::tsFloating);
}

TEST(ToolBarDragTest, TheFloatingWindowFollowsItsForm) {
    DragForm f;
    TFxToolBar& bar = f.Bar(0);
    bar.MakeFloating(QPoint(300, 300));
    TFloatingWindow* window = bar.FloatingWindow();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(window->FollowTimer().isActive());
    EXPECT_EQ(window->FollowTimer().interval(), 40);
    f.form.hide();
    VX_WAIT_TRUE(!window->isVisible(), test::kStateWaitMs);
    f.form.show();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    f.form.showMinimized();
    VX_WAIT_TRUE(!window->isVisible(), test::kStateWaitMs);
    f.form.showNormal();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    // Hidden by the program, it stays hidden when the form comes back.
    bar.hide();
    EXPECT_FALSE(window->isVisible());
    f.form.hide();
    window->FollowTick();
    f.form.show();
    window->FollowTick();
    EXPECT_FALSE(window->isVisible());
    // Floated while its form is hidden, it shows with the form.
    f.Bar(1).hide();
    f.Bar(1).show();
    f.form.hide();
    f.Bar(1).MakeFloating(QPoint(100, 100));
    EXPECT_FALSE(f.Bar(1).FloatingWindow()->isVisible());
    f.form.show();
    VX_WAIT_TRUE(f.Bar(1).FloatingWindow()->isVisible(), test::kStateWaitMs);
}

TEST(ToolBarDragTest, AFloatingBarIsStoredAndFloatsAgainWhereItWas) {
    test::TempFolder folder;
    const std::string file = folder / "layout.ini";
    {
        DragForm f(file);
        f.Bar(1).MakeFloating(QPoint(300, 200));
        f.Bar(1).SetFloatingRows(2);
        f.Bar(2).MakeFloating(QPoint(500, 250));
        f.Bar(2).CloseFloating();
    }
    const std::string saved = test::ReadTestFile(file);
    // Floating bars: the whole state; the docked one only its controls.
    EXPECT_NE(saved.find("[TopDock]\r\nToolBarCount=1\r\nRowCount=1\r\nName1=FxToolBar1\r\n"),
              std::string::npos)
        << saved;
    EXPECT_NE(
        saved.find("FxToolBar1.Button1_5=1\r\n"
                   "FxToolBar2.Name=FxToolBar2\r\nFxToolBar2.State=1\r\n"
                   "FxToolBar2.FloatingRows=2\r\nFxToolBar2.Left=300\r\nFxToolBar2.Top=200\r\n"
                   "FxToolBar2.Width=49\r\nFxToolBar2.Height=68\r\nFxToolBar2.Visible=1\r\n"
                   "FxToolBar2.Button2_1=1\r\n"),
        std::string::npos)
        << saved;
    EXPECT_NE(
        saved.find("FxToolBar3.Name=FxToolBar3\r\nFxToolBar3.State=1\r\n"
                   "FxToolBar3.FloatingRows=1\r\nFxToolBar3.Left=500\r\nFxToolBar3.Top=250\r\n"
                   "FxToolBar3.Width=64\r\nFxToolBar3.Height=42\r\nFxToolBar3.Visible=0\r\n"),
        std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("FxToolBar1.State"), std::string::npos);

    {
        DragForm f(file);
        // Floating again where it was, with its rows, shown with its form.
        ASSERT_EQ(f.Bar(1).State(), TToolBarState::tsFloating);
        EXPECT_EQ(f.Bar(1).FloatingWindow()->pos(), QPoint(300, 200));
        EXPECT_EQ(f.Bar(1).FloatingRows(), 2);
        VX_WAIT_TRUE(f.Bar(1).FloatingWindow()->isVisible(), test::kStateWaitMs);
        EXPECT_FALSE(f.top->ToolBars().Contains(&f.Bar(1)));
        // The closed one floats hidden.
        ASSERT_EQ(f.Bar(2).State(), TToolBarState::tsFloating);
        EXPECT_TRUE(f.Bar(2).isHidden());
        EXPECT_FALSE(f.Bar(2).FloatingWindow()->isVisible());
        EXPECT_EQ(f.top->Rows().Count(), 1);
        f.ExpectNothingLost();
        // Docked again before the end: only its state is cleared.
        Mouse m{&f.Bar(1), {}};
        m.Press(QPoint(4, 5));
        m.MoveTo(f.top->mapToGlobal(QPoint(600, 10)));
        m.Release();
        ASSERT_EQ(f.Bar(1).DockPanel(), f.top);
    }
    const std::string again = test::ReadTestFile(file);
    EXPECT_NE(again.find("FxToolBar2.Name=FxToolBar2\r\nFxToolBar2.State=0\r\n"
                         "FxToolBar2.FloatingRows=2\r\nFxToolBar2.Left=300\r\n"),
              std::string::npos)
        << again;

    // A damaged store: what can be read is taken, a place no screen shows
    // comes onto the screen, an impossible row count is not taken.
    test::WriteTestFile(
        file,
        "[UnDockedFxToolBars]\r\nFxToolBar1.Name=fxtoolbar1\r\nFxToolBar1.State=1\r\n"
        "FxToolBar1.FloatingRows=99999\r\nFxToolBar1.Left=abc\r\n"
        "FxToolBar1.Top=100000\r\nFxToolBar1.Visible=x\r\n"
        "FxToolBar2.Name=Other\r\nFxToolBar2.State=1\r\n"
        "FxToolBar3.Name=FxToolBar3\r\nFxToolBar3.State=2\r\n");
    {
        DragForm f(file);
        ASSERT_EQ(f.Bar(0).State(), TToolBarState::tsFloating);
        EXPECT_EQ(f.Bar(0).FloatingRows(), 1);
        EXPECT_FALSE(f.Bar(0).isHidden());
        const QPoint at = f.Bar(0).FloatingWindow()->pos();
        EXPECT_NE(QGuiApplication::screenAt(at), nullptr) << at.x() << "," << at.y();
        EXPECT_EQ(f.Bar(1).State(), TToolBarState::tsDocked);
        EXPECT_EQ(f.Bar(2).State(), TToolBarState::tsDocked);
        // A store that cannot be written while a bar floats is reported, not
        // thrown out of the destructor.
        f.top->Persistence().SetKey(folder / "no/such/folder/layout.ini");
        f.Bar(0).Persistence().SetKey(folder / "no/such/folder/layout.ini");
    }
}

TEST(ToolBarDragTest, TheRegistryStoreKeepsAFloatingBar) {
    const std::string key = "Software\\vxTest\\DragLayout";
    {
        DragForm f(key, TPersistenceLocation::plRegistry);
        f.Bar(1).MakeFloating(QPoint(320, 210));
        f.Bar(1).SetFloatingRows(2);
    }
    Registry registry;
    ASSERT_EQ(registry.OpenKey(key + "\\UnDockedFxToolBars", false), RegOutcome::Ok);
    EXPECT_EQ(registry.ReadString("FxToolBar2.Name"), "FxToolBar2");
    EXPECT_EQ(registry.ReadInteger("FxToolBar2.State"), 1);
    EXPECT_EQ(registry.ReadInteger("FxToolBar2.FloatingRows"), 2);
    EXPECT_EQ(registry.ReadInteger("FxToolBar2.Left"), 320);
    EXPECT_EQ(registry.ReadInteger("FxToolBar2.Top"), 210);
    EXPECT_EQ(registry.ReadInteger("FxToolBar2.Visible"), 1);
    EXPECT_FALSE(registry.ValueExists("FxToolBar1.State"));
    registry.CloseKey();

    DragForm f(key, TPersistenceLocation::plRegistry);
    ASSERT_EQ(f.Bar(1).State(), TToolBarState::tsFloating);
    EXPECT_EQ(f.Bar(1).FloatingWindow()->pos(), QPoint(320, 210));
    EXPECT_EQ(f.Bar(1).FloatingRows(), 2);
}

}  // namespace
}  // namespace vx
