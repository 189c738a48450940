// Docking into the family's dock sites: the panel's caption bars, the size
// panel's dock area and its cursors, the page control's dock pages, and the
// whole round of docking, dragging out and docking back in the test window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "DockTestWindow.h"
#include "support/ImagePixel.h"
#include "support/PaintedRegion.h"
#include "widgets/qt/WgPanelDock.h"
#include "widgets/qt/WgSplitCursors.h"

namespace vx::test {
namespace {

TEST(WgPanelDock, CaptionBarsFollowTheFocusAndTheAlignment) {
    DockTestWindow w;
    w.Show();
    auto* one = w.Form("One", clWhite);
    auto* two = w.Form("Two", clYellow);
    ASSERT_TRUE(one->ManualDock(w.left));
    ASSERT_TRUE(two->ManualDock(w.left));
    ASSERT_TRUE(dynamic_cast<TWgSizePanelDockManager*>(w.left->DockManager()));
    // Stacked, each with a 14-pixel bar on top inside the panel's frame.
    const TRect area = w.left->DockClientArea();
    EXPECT_EQ(one->geometry().top(), area.top + 14);
    EXPECT_EQ(two->geometry().top(), area.top + (area.Height() / 2) + 14);
    EXPECT_EQ(one->x(), area.left);

    two->edit->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return two->edit->hasFocus(); }));
    const QImage image = w.left->PaintedImage();
    const TRect barOne = w.left->DockManager()->GrabberOf(*one);
    const TRect barTwo = w.left->DockManager()->GrabberOf(*two);
    EXPECT_EQ(barOne.Height(), 14);
    EXPECT_EQ(PixelAt(image, barOne.left + 20, barOne.top + 1), ColorToRGB(clInactiveCaption));
    EXPECT_EQ(PixelAt(image, barTwo.left + 20, barTwo.top + 1), ColorToRGB(clActiveCaption));
    // The close cross: 12 high, 1 below the top, ending 2 inside the right edge.
    const TRect close = w.left->DockManager()->CloseRect(barTwo);
    EXPECT_EQ(close, (TRect{barTwo.right - 14, barTwo.top + 1, barTwo.right - 2, barTwo.top + 13}));
    bool crossDrawn = false;
    for (int x = close.left; x < close.right; ++x)
        crossDrawn |= PixelAt(image, x, close.top + 5) == ColorToRGB(clCaptionText);
    EXPECT_TRUE(crossDrawn);

    // A press inside the panel repaints it before the press goes on, and so
    // does a focus change: on the screen, the bar of the client with the
    // focus is the active one after a click and after a Tab.
    auto* manager = static_cast<TWgPanelDockManager*>(w.left->DockManager());
    const int before = manager->HookRepaints();
    QTest::mouseClick(one->edit, Qt::LeftButton);
    EXPECT_GT(manager->HookRepaints(), before);
    QWidget::setTabOrder(one->edit, two->edit);
    const struct {
        bool tab;
        TColor one, two;
    } moves[] = {{false, clActiveCaption, clInactiveCaption},
                 {true, clInactiveCaption, clActiveCaption}};
    for (const auto& move : moves) {
        if (move.tab) QTest::keyClick(one->edit, Qt::Key_Tab);
        QCoreApplication::processEvents();
        auto onScreen = [&](const TRect& bar) {
            return ToTColor(
                w.left->LastPainting(QRect(bar.left + 20, bar.top + 1, 1, 1)).pixel(0, 0));
        };
        EXPECT_EQ(onScreen(barOne), ColorToRGB(move.one)) << move.tab;
        EXPECT_EQ(onScreen(barTwo), ColorToRGB(move.two)) << move.tab;
    }

    // A panel along the top puts the bars at the clients' left, text turned.
    auto* three = w.Form("Three", clWhite);
    ASSERT_TRUE(three->ManualDock(w.panel));
    const TRect bar = w.panel->DockManager()->GrabberOf(*three);
    EXPECT_EQ(bar.Width(), 14);
    EXPECT_EQ(three->x(), bar.right);
    EXPECT_TRUE(w.panel->DockManager()->CloseRect(bar).IsEmpty());
    // The turned caption is set in Verdana of 8 points: its text runs up
    // the bar as long as it measures in that face.
    three->SetCaption(QStringLiteral("Illicit lilies"));
    const QImage top = w.panel->PaintedImage();
    int first = bar.bottom, last = bar.top - 1;
    for (int y = bar.top; y < bar.bottom; ++y)
        for (int x = bar.left; x < bar.right; ++x)
            if (PixelAt(top, x, y) == ColorToRGB(clInactiveCaptionText)) {
                first = std::min(first, y);
                last = std::max(last, y);
            }
    QImage scratch(8, 8, QImage::Format_RGB32);
    QPainter painter(&scratch);
    Canvas canvas(painter);
    canvas.font.name = "Verdana";
    canvas.font.size = 8;
    const int length = canvas.TextWidth("Illicit lilies");
    EXPECT_LE(last - first + 1, length);
    EXPECT_GE(last - first + 1, length - 2);

    // Without captions the client takes its whole zone.
    w.panel->SetShowDockClientCaptions(false);
    EXPECT_EQ(three->x(), w.panel->DockClientArea().left);
}

TEST(WgPanelDock, TheManagerAndItsWatchComeAndGoWithTheSettings) {
    QWidget host;
    auto* panel = new TWgPanel(&host);
    panel->setGeometry(0, 0, 200, 100);
    auto* edit = new QLineEdit(panel);
    edit->setGeometry(20, 40, 80, 20);
    host.resize(300, 200);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    EXPECT_FALSE(panel->DockSite());
    EXPECT_TRUE(panel->UseDockManager());
    EXPECT_EQ(panel->DockManager(), nullptr);
    test::PaintedRegion spy(panel);
    QRegion& painted = spy.painted;
    // A press inside a dock site's panel repaints the whole panel first;
    // once the manager is gone it does not.
    const bool sites[] = {true, false};
    for (bool managed : sites) {
        panel->SetDockSite(true);
        panel->SetUseDockManager(managed);
        EXPECT_EQ(dynamic_cast<TWgPanelDockManager*>(panel->DockManager()) != nullptr, managed);
        QCoreApplication::processEvents();
        painted = {};
        QTest::mouseClick(edit, Qt::LeftButton);
        EXPECT_EQ((QRegion(panel->rect()) - painted).isEmpty(), managed);
    }
}

TEST(WgPanelDock, FullRepaintOffRepaintsOnlyTheStrips) {
    QWidget host;
    auto* panel = new TWgPanel(&host);
    panel->setGeometry(0, 0, 200, 100);
    panel->SetBorderWidth(3);
    host.resize(400, 300);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    test::PaintedRegion spy(panel);
    QRegion& painted = spy.painted;
    struct Case {
        bool full;
        QString caption;
        bool whole;
    };
    const Case cases[] = {
        {true, {}, true},
        {false, QStringLiteral("Text"), true},
        {false, {}, false},  // narrower
        {false, {}, false},  // wider
    };
    for (const Case& c : cases) {
        panel->SetFullRepaint(c.full);
        panel->SetCaption(c.caption);
        QCoreApplication::processEvents();
        painted = {};
        const int oldWidth = panel->width();
        panel->resize(oldWidth == 200 ? 180 : 200, 100);
        QCoreApplication::processEvents();
        QTest::qWait(0);
        // Else the strip between the frames' inside and the right edge (the
        // border band and the raised frame's two pixels) where it stood and
        // stands, and what the panel grew by.
        QRegion want = panel->rect();
        if (!c.whole) {
            want = QRegion(oldWidth - 5, 0, 5, 100) + QRect(panel->width() - 5, 0, 5, 100);
            if (panel->width() > oldWidth)
                want += QRect(oldWidth, 0, panel->width() - oldWidth, 100);
            want &= panel->rect();
        }
        EXPECT_EQ(painted, want) << c.full;
    }
}

TEST(WgSizePanelDock, DockAreaLiesPastTheBarAndCollapsedShowsNoCaptions) {
    DockTestWindow w;
    w.Show();
    struct Case {
        TWgSizePanel* panel;
        TRect bar;  // with the dock site's extra pixel
    };
    const Case cases[] = {
        {w.left, {w.left->width() - 8, 0, w.left->width(), w.left->height()}},
        {w.top, {0, w.top->height() - 8, w.top->width(), w.top->height()}},
        {w.right, {0, 0, 8, w.right->height()}},
        {w.bottom, {0, 0, w.bottom->width(), 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel->objectName().toStdString());
        EXPECT_EQ(c.panel->SizeBarRect(), c.bar);
        auto* form = w.Form(c.panel->objectName() + "Form", clWhite);
        ASSERT_TRUE(form->ManualDock(c.panel));
        const QRect g = form->geometry();
        EXPECT_FALSE(g.intersects(ToQRect(c.bar)));
        // Past the bar, its dock pixel and the flat frame; a bottom panel's
        // caption bar stands at the client's left.
        if (c.panel == w.right) {
            EXPECT_EQ(g.left(), 8 + 1);
        }
        if (c.panel == w.bottom) {
            EXPECT_EQ(g.left(), 1 + 14);
            EXPECT_EQ(g.top(), 8 + 1);
        }
    }
    // Collapsed: no bars painted, none reserved, also where MarginMin
    // leaves the clients room.
    const TRect bar = w.left->DockManager()->GrabberOf(*w.left->DockClients()[0]);
    auto isBar = [](TColor c) {
        return c == ColorToRGB(clInactiveCaption) || c == ColorToRGB(clActiveCaption);
    };
    EXPECT_TRUE(isBar(PixelAt(w.left->PaintedImage(), bar.right - 20, bar.top + 1)));
    for (const int margin : {0, 60}) {
        SCOPED_TRACE(margin);
        w.left->SetMarginMin(margin);
        w.left->CollapseToHotSpot();
        EXPECT_EQ(w.left->width(), 8 + margin);
        const QImage collapsed = w.left->PaintedImage();
        for (int x = 0; x < collapsed.width(); ++x)
            EXPECT_FALSE(isBar(PixelAt(collapsed, x, 1))) << x;
        w.left->SetHotSpotClosed(false);
        w.left->SetBounds(0, 0, 170, w.left->height());
    }
}

TEST(WgSizePanelDock, FourCursorsOfTheirOwn) {
    DockTestWindow w;
    w.Show();
    const QImage images[] = {WgSplitCursorImage(TWgSplitCursor::scHorz),
                             WgSplitCursorImage(TWgSplitCursor::scHorzHotSpot),
                             WgSplitCursorImage(TWgSplitCursor::scVert),
                             WgSplitCursorImage(TWgSplitCursor::scVertHotSpot)};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            EXPECT_NE(images[i], images[j]) << i << " " << j;
    // The horizontal variants point left and right, the vertical up and down.
    EXPECT_EQ(qAlpha(images[0].pixel(5, 15)), 255);
    EXPECT_EQ(qAlpha(images[2].pixel(15, 5)), 255);
    EXPECT_EQ(qAlpha(images[0].pixel(15, 5)), 0);

    struct Case {
        TWgSizePanel* panel;
        bool onHotSpot;
        TWgSplitCursor cursor;
        bool locked = false;  // a locked bar keeps the plain cursor
    };
    const Case cases[] = {{w.left, false, TWgSplitCursor::scHorz},
                          {w.left, true, TWgSplitCursor::scHorzHotSpot},
                          {w.bottom, false, TWgSplitCursor::scVert},
                          {w.bottom, true, TWgSplitCursor::scVertHotSpot},
                          {w.left, false, TWgSplitCursor::scHorz, true},
                          {w.bottom, true, TWgSplitCursor::scVertHotSpot, true}};
    for (const Case& c : cases) {
        c.panel->SetLockBar(c.locked);
        const TRect bar = c.panel->SizeBarRect();
        const TRect hot = c.panel->HotSpotRect();
        const QPoint at = c.onHotSpot
                              ? QPoint((hot.left + hot.right) / 2, (hot.top + hot.bottom) / 2)
                              : QPoint(bar.left + 2, bar.top + 2);
        QMouseEvent move(QEvent::MouseMove, at, c.panel->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, {});
        QApplication::sendEvent(c.panel, &move);
        if (c.locked) {
            EXPECT_EQ(c.panel->cursor().shape(), Qt::ArrowCursor);
            continue;
        }
        EXPECT_EQ(c.panel->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(c.panel->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                  WgSplitCursorImage(c.cursor));
        EXPECT_EQ(c.panel->cursor().hotSpot(), QPoint(16, 16));
    }
}

TEST(WgPageControlDock, DockedControlsGetPagesOfTheirOwn) {
    DockTestWindow w;
    w.Show();
    auto* form = w.Form("Monitor", clWhite);
    form->SetCaption(QStringLiteral("Monitor\r\nsecond line"));
    ASSERT_TRUE(form->ManualDock(w.pages));
    ASSERT_EQ(w.pages->PageCount(), 2);
    TWgTabSheet* page = w.pages->Pages(1);
    EXPECT_EQ(w.pages->DockPageOf(*form), page);
    EXPECT_EQ(page->Caption(), QStringLiteral("Monitor"));
    EXPECT_EQ(w.pages->ActivePage(), page);
    EXPECT_EQ(form->geometry(), page->rect());
    // The caption and the tab follow the control.
    form->SetCaption(QStringLiteral("Memory\tview"));
    EXPECT_EQ(page->Caption(), QStringLiteral("Memory"));
    form->hide();
    EXPECT_FALSE(page->TabVisible());
    form->show();
    EXPECT_TRUE(page->TabVisible());

    // A double click on its tab floats it; the page goes after the next
    // page was selected.
    const TRect tab = w.pages->TabRect(1);
    const QPoint onTab((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    QTest::mouseDClick(w.pages, Qt::LeftButton, {}, onTab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->Floating());
    EXPECT_EQ(w.pages->PageCount(), 1);
    EXPECT_EQ(w.pages->ActivePage(), w.pages->Pages(0));
    EXPECT_EQ(form->FloatingDockWindow()->size(), TFloatingDockWindow::FrameSize(160, 90));

    // Dragged back by its floating caption, and out again by its tab.
    TFloatingDockWindow* floating = form->FloatingDockWindow();
    DockTestWindow::Drag(floating, QPoint(30, 8), DockTestWindow::CentreOf(w.pages));
    ASSERT_EQ(form->HostDockSite(), w.pages);
    ASSERT_EQ(w.pages->PageCount(), 2);
    const TRect tab2 = w.pages->TabRect(1);
    DockTestWindow::Drag(w.pages,
                         QPoint((tab2.left + tab2.right) / 2, (tab2.top + tab2.bottom) / 2),
                         w.window->mapToGlobal(QPoint(900, 600)));
    EXPECT_TRUE(form->Floating());
    EXPECT_EQ(w.pages->PageCount(), 1);

    // Without DblClickUndocks a double click leaves it docked.
    form->ManualDock(w.pages);
    w.pages->SetDblClickUndocks(false);
    QTest::mouseDClick(w.pages, Qt::LeftButton, {}, onTab);
    EXPECT_EQ(form->HostDockSite(), w.pages);
}

TEST(DockTestWindow, EverySiteFreesOrLaysOutWhatAControlLeaves) {
    // How the docked control "One" leaves: dragged out (a double click on its
    // tab), destroyed, closed as a form that deletes itself on closing,
    // moved elsewhere by code, or hidden.
    enum class Way { kUndocked, kDestroyed, kClosed, kMoved, kHidden };
    const Way ways[] = {Way::kUndocked, Way::kDestroyed, Way::kClosed, Way::kMoved, Way::kHidden};
    enum class Site { kPages, kPanel, kSizePanel, kFloating };
    const Site sites[] = {Site::kPages, Site::kPanel, Site::kSizePanel, Site::kFloating};
    for (const Site kind : sites) {
        for (const Way way : ways) {
            if (way == Way::kUndocked && kind != Site::kPages) continue;  // the round trip's
            SCOPED_TRACE(testing::Message()
                         << "site " << static_cast<int>(kind) << ", way " << static_cast<int>(way));
            DockTestWindow w;
            w.Show();
            TCustomControl* site = w.left;
            if (kind == Site::kPages) site = w.pages;
            if (kind == Site::kPanel) site = w.panel;
            QPointer<DockTestForm> one = w.Form("One", clWhite);
            auto* two = w.Form("Two", clYellow);
            if (way == Way::kClosed) one->setAttribute(Qt::WA_DeleteOnClose);
            // Beside two others on a page control: the start page, its own
            // and Two's after it.
            ASSERT_TRUE(one->ManualDock(site));
            ASSERT_TRUE(two->ManualDock(site));
            QPointer<TWgTabSheet> page = w.pages->DockPageOf(*one);
            if (kind == Site::kPages) w.pages->SetActivePage(page);
            QPointer<TFloatingDockWindow> floating;
            if (kind == Site::kFloating) {
                one->ManualFloat(QRect(w.window->mapToGlobal(QPoint(100, 100)), QSize(170, 110)));
                floating = one->FloatingDockWindow();
                ASSERT_TRUE(floating);
            }
            QCoreApplication::processEvents();

            switch (way) {
                case Way::kUndocked: {
                    const TRect tab = w.pages->TabRect(page->TabIndex());
                    QTest::mouseDClick(w.pages, Qt::LeftButton, {},
                                       QPoint((tab.left + tab.right) / 2, tab.top + 4));
                    break;
                }
                case Way::kDestroyed:
                    delete one.data();
                    break;
                case Way::kClosed:
                    one->close();
                    break;
                case Way::kMoved:
                    one->setParent(w.window.get());
                    break;
                case Way::kHidden:
                    one->hide();
                    break;
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            EXPECT_EQ(one.isNull(), way == Way::kDestroyed || way == Way::kClosed);
            if (one && way != Way::kHidden) {
                EXPECT_EQ(one->HostDockSite(), nullptr);
            }

            if (kind == Site::kPages) {
                // Its page goes (a hidden control's tab only hides), and the
                // next page shows, not the first.
                EXPECT_EQ(page.isNull(), way != Way::kHidden);
                EXPECT_EQ(w.pages->PageCount(), way == Way::kHidden ? 3 : 2);
                EXPECT_EQ(w.pages->ActivePage(), w.pages->DockPageOf(*two));
                EXPECT_EQ(w.pages->TabIndex(), w.pages->DockPageOf(*two)->TabIndex());
            } else if (kind == Site::kFloating) {
                // Its window goes, or hides with it.
                if (way == Way::kHidden) {
                    ASSERT_TRUE(floating);
                    EXPECT_FALSE(floating->isVisible());
                    one->show();
                    EXPECT_TRUE(floating->isVisible());
                } else {
                    EXPECT_TRUE(floating.isNull());
                }
            } else {
                // The client left takes the whole dock area.
                TDockTree* manager = site->DockManager();
                EXPECT_EQ(manager->ZoneOf(*two), manager->DockArea());
                TRect rest = manager->DockArea();
                manager->AdjustDockRect(*two, rest);
                EXPECT_EQ(two->geometry(), ToQRect(rest));
                EXPECT_EQ(site->DockClients().contains(one.data()), way == Way::kHidden);
            }
        }
    }
}

TEST(DockTestWindow, DockDragOutAndBackIntoEverySite) {
    DockTestWindow w;
    w.Show();
    TCustomControl* sites[] = {w.panel, w.top, w.bottom, w.left, w.right, w.pages};
    const QPoint outside = w.window->mapToGlobal(QPoint(1000, 700));
    for (TCustomControl* site : sites) {
        SCOPED_TRACE(site->objectName().toStdString());
        auto* form = w.Form(site->objectName() + " client", clWhite);
        ASSERT_TRUE(form->ManualDock(site));
        ASSERT_EQ(form->HostDockSite(), site);
        // Out: by the caption bar, or the tab of a page.
        QPoint press;
        if (site == w.pages) {
            const TRect tab = w.pages->TabRect(w.pages->ActivePage()->TabIndex());
            press = {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
        } else {
            const TRect bar = site->DockManager()->GrabberOf(*form);
            press = {bar.left + 4, bar.bottom - 4};
        }
        DockTestWindow::Drag(site, press, outside);
        ASSERT_TRUE(form->Floating());
        EXPECT_EQ(form->HostDockSite(), nullptr);
        EXPECT_TRUE(site->DockClients().isEmpty());
        // The window floats under the mouse, at the form's own size.
        EXPECT_TRUE(form->FloatingDockWindow()->geometry().contains(outside));
        EXPECT_EQ(form->FloatingDockWindow()->size(), TFloatingDockWindow::FrameSize(160, 90));
        // Back: by the floating window's caption onto the site's middle.
        DockTestWindow::Drag(form->FloatingDockWindow(), QPoint(40, 8),
                             DockTestWindow::CentreOf(site));
        EXPECT_EQ(form->HostDockSite(), site);
        EXPECT_FALSE(form->Floating());
        EXPECT_TRUE(site->isAncestorOf(form));
    }
    // Escape ends a drag with nothing changed; Ctrl keeps the sites out.
    auto* form = w.Form("Kept", clWhite);
    form->ManualDock(w.left);
    const TRect bar = w.left->DockManager()->GrabberOf(*form);
    QTest::mousePress(w.left, Qt::LeftButton, {}, QPoint(bar.left + 30, bar.top + 4));
    QTest::mouseMove(w.left, w.left->mapFromGlobal(outside));
    ASSERT_TRUE(TDockDrag::Current() && TDockDrag::Current()->Started());
    QTest::keyClick(w.left, Qt::Key_Escape);
    QTest::mouseRelease(w.left, Qt::LeftButton, {}, w.left->mapFromGlobal(outside));
    EXPECT_EQ(form->HostDockSite(), w.left);
}

}  // namespace
}  // namespace vx::test
