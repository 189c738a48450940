#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <vector>

#include "styling/toolbar/FloatingWindowGeometry.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "support/ImagePixel.h"

namespace vx {
namespace {

using E = TFloatingEdge;
using C = TFloatingCursor;

TEST(FloatingWindowGeometryTest, EdgeBandsAndCursorsAsData) {
    struct Row {
        int x, y;
        E edge;
        C cursor;
    };
    // A 100 x 40 window; right before bottom before left before top for the
    // press, left and right before top and bottom for the cursor.
    const std::vector<Row> rows = {
        {95, 20, E::feRight, C::fcSizeWE},  {94, 20, E::feNone, C::fcNormal},
        {100, 20, E::feRight, C::fcSizeWE}, {50, 35, E::feBottom, C::fcSizeNS},
        {50, 34, E::feNone, C::fcNormal},   {0, 20, E::feLeft, C::fcSizeWE},
        {5, 20, E::feLeft, C::fcSizeWE},    {6, 20, E::feNone, C::fcNormal},
        {50, 0, E::feTop, C::fcSizeNS},     {50, 5, E::feTop, C::fcSizeNS},
        {2, 38, E::feBottom, C::fcSizeWE},  {98, 2, E::feRight, C::fcSizeWE},
        {3, 3, E::feLeft, C::fcSizeWE},     {-1, 20, E::feNone, C::fcNormal},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FloatingEdgeAt(r.x, r.y, 100, 40), r.edge) << r.x << "," << r.y;
        EXPECT_EQ(FloatingCursorAt(r.x, r.y, 100, 40), r.cursor) << r.x << "," << r.y;
    }
}

TEST(FloatingWindowGeometryTest, EdgeStepsAsData) {
    // Rows 1 to 4 are possible: width 120 / n, height 20 n.
    const TRowsSize sizeFor = [](int n) -> std::optional<TFloatingWindowSize> {
        if (n < 1 || n > 4) return std::nullopt;
        return TFloatingWindowSize{120 / n, 20 * n};
    };
    struct Row {
        E edge;
        int reference, mode;  // before the step
        int x, y, rows;
        int delta, modeAfter;
    };
    // Window 130 x 50, border 2.
    const std::vector<Row> rows = {
        {E::feRight, 130, 0, 134, 0, 2, 0, 0},   // 4 pixels: nothing
        {E::feRight, 130, 0, 136, 0, 2, -1, 1},  // 6: one row fewer (wider)
        {E::feRight, 130, 1, 133, 0, 2, -1, 1},  // then 3 more: one more
        {E::feRight, 130, 1, 132, 0, 2, 0, 1},   // 2 more: nothing
        {E::feRight, 130, 0, 124, 0, 2, +1, 2},  // 6 back: one row more
        {E::feRight, 130, 2, 127, 0, 2, +1, 2},
        // Going back in mode 1: rows + 1 = 3 is 40 wide, edge at 2b + 40.
        {E::feRight, 130, 1, 44, 0, 2, +1, 1},
        {E::feRight, 130, 1, 45, 0, 2, 0, 1},   // d = -85 is no step back
        {E::feRight, 130, 2, 64, 0, 2, +1, 2},  // but d < -2 in mode 2 is
        // Mode 2 steps back at 2b + 120 before the 3-pixel rule.
        {E::feRight, 130, 2, 129, 0, 2, -1, 2},
        {E::feRight, 130, 2, 123, 0, 2, +1, 2},
        // Mode 2 returns at 2b + w of rows - 1 (120 wide): x >= 124.
        {E::feRight, 124, 2, 124, 0, 2, -1, 2},
        {E::feRight, 124, 1, 60, 0, 4, 0, 1},  // rows 5 impossible
        {E::feLeft, 0, 0, -6, 0, 2, -1, 1},
        {E::feLeft, 0, 0, -5, 0, 2, 0, 0},
        {E::feLeft, 0, 0, 6, 0, 2, +1, 2},
        {E::feLeft, 0, 1, -3, 0, 2, -1, 1},
        {E::feBottom, 50, 0, 0, 56, 2, +1, 1},
        {E::feBottom, 50, 0, 0, 55, 2, 0, 0},
        {E::feBottom, 50, 1, 0, 53, 2, +1, 1},
        {E::feBottom, 50, 0, 0, 44, 2, -1, 2},
        // In mode 1 back to rows - 1 (20 high) once y <= 2(b+1) + 20.
        {E::feBottom, 50, 1, 0, 26, 2, -1, 1},
        {E::feTop, 0, 0, 0, -6, 2, +1, 1},
        {E::feTop, 0, 0, 0, 6, 2, -1, 2},
        {E::feTop, 0, 2, 0, 3, 2, -1, 2},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        TFloatingDrag drag{r.edge, r.reference, r.mode};
        EXPECT_EQ(FloatingEdgeStep(drag, r.x, r.y, 130, 50, 2, r.rows, sizeFor), r.delta) << i;
        EXPECT_EQ(drag.mode, r.modeAfter) << i;
    }
    EXPECT_EQ(FloatingEdgeReference(E::feRight, 130, 50), 130);
    EXPECT_EQ(FloatingEdgeReference(E::feBottom, 130, 50), 50);
    EXPECT_EQ(FloatingEdgeReference(E::feTop, 130, 50), 0);
}

using test::PixelAt;

// A floating window holding a bar of eight buttons.
struct Floating {
    QWidget owner;
    TFloatingWindow* window = nullptr;
    TFxToolBar* bar = nullptr;
    Floating() {
        owner.resize(400, 300);
        window = new TFloatingWindow(&owner);
        window->SetColor(0xF0F0F0);
        bar = new TFxToolBar(window);
        for (int i = 0; i < 8; ++i)
            new TFxToolBarButton(bar);
    }
};

TEST(FloatingWindowTest, FitsAroundItsBarAndPaintsItsBorder) {
    Floating f;
    EXPECT_EQ(f.bar->State(), TToolBarState::tsFloating);
    EXPECT_EQ(f.window->FxCustomToolBar(), f.bar);
    EXPECT_EQ(f.window->width(), f.bar->width() + 6);
    EXPECT_EQ(f.window->height(), f.bar->height() + 6);
    EXPECT_EQ(f.bar->pos(), QPoint(3, 3));
    f.window->SetBorderWidth(4);
    EXPECT_EQ(f.window->width(), f.bar->width() + 10);
    EXPECT_EQ(f.bar->pos(), QPoint(5, 5));
    f.window->SetBorderWidth(2);

    // The styler's look: its border and the end colour of its gradient, or
    // the start colour when there is no end.
    TCustomFxToolBarStyler styler;
    styler.SetFloatingWindowBorderWidth(3);
    styler.SetFloatingWindowBorderColor(0x123456);
    styler.Color().SetColor(0x00FF00);
    styler.Color().SetColorTo(0xF0F0F0);
    f.window->TakeLook(styler);
    EXPECT_EQ(f.window->BorderWidth(), 3);
    EXPECT_EQ(f.window->BorderColor(), TColor(0x123456));
    EXPECT_EQ(f.window->Color(), TColor(0xF0F0F0));
    EXPECT_EQ(f.bar->pos(), QPoint(4, 4));
    styler.Color().SetColorTo(clNone);
    f.window->TakeLook(styler);
    EXPECT_EQ(f.window->Color(), TColor(0x00FF00));
    f.window->SetColor(0xF0F0F0);
    f.window->SetBorderWidth(2);

    f.window->SetBorderColor(0x0000FF);
    const int w = f.window->width();
    const int h = f.window->height();
    QImage image = f.window->PaintedImage();
    for (const QPoint p : {QPoint(2, 2), QPoint(w - 3, 2), QPoint(2, h - 3), QPoint(w - 3, h - 3),
                           QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)})
        EXPECT_EQ(PixelAt(image, p.x(), p.y()), TColor(0x0000FF)) << p.x() << "," << p.y();
    EXPECT_EQ(PixelAt(image, w / 2, h / 2), TColor(0xF0F0F0));
    f.window->SetBorderColor(clNone);
    image = f.window->PaintedImage();
    EXPECT_EQ(PixelAt(image, 2, 2), TColor(0xF0F0F0));
    EXPECT_EQ(PixelAt(image, w - 1, h / 2), TColor(0xF0F0F0));
}

TEST(FloatingWindowTest, FollowsItsFormOnEachTick) {
    Floating f;
    f.owner.show();
    f.window->show();
    f.window->SetFollowForm(&f.owner);
    EXPECT_TRUE(f.window->FollowTimer().isActive());
    EXPECT_EQ(f.window->FollowTimer().interval(), 40);
    f.window->FollowTimer().stop();
    f.owner.hide();
    f.window->FollowTick();
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_TRUE(f.window->ShowLater());
    f.owner.show();
    f.window->FollowTick();
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_FALSE(f.window->ShowLater());
    // A window hidden on purpose stays hidden.
    f.window->hide();
    f.window->FollowTick();
    EXPECT_FALSE(f.window->isVisible());
}

void Move(QWidget* w, QPoint p, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

TEST(FloatingWindowTest, DraggingTheRightTopAndLeftEdgesReflowsTheBar) {
    Floating f;
    f.window->move(50, 50);
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window));
    ASSERT_EQ(f.bar->FloatingRows(), 1);
    const int w1 = f.window->width();
    const int y = f.window->height() / 2;
    QTest::mousePress(f.window, Qt::LeftButton, {}, QPoint(w1 - 1, y));
    EXPECT_TRUE(f.window->Sizing());
    EXPECT_EQ(f.window->SizingEdge(), E::feRight);
    Move(f.window, QPoint(w1 - 5, y), Qt::LeftButton);  // 4 pixels: nothing
    EXPECT_EQ(f.bar->FloatingRows(), 1);
    Move(f.window, QPoint(w1 - 7, y), Qt::LeftButton);
    EXPECT_EQ(f.bar->FloatingRows(), 2);
    EXPECT_LT(f.window->width(), w1);
    EXPECT_EQ(f.window->width(), f.bar->width() + 6);
    EXPECT_EQ(f.window->height(), f.bar->height() + 6);
    EXPECT_EQ(f.window->pos(), QPoint(50, 50));
    QTest::mouseRelease(f.window, Qt::LeftButton, {}, QPoint(w1 - 7, y));
    EXPECT_FALSE(f.window->Sizing());
    // Moving without the button re-flows nothing.
    Move(f.window, QPoint(2, y), Qt::NoButton);
    EXPECT_EQ(f.bar->FloatingRows(), 2);
    EXPECT_EQ(f.window->cursor().shape(), Qt::SizeHorCursor);

    // The top edge taken up adds a row and keeps the bottom edge in place.
    const int bottom = f.window->geometry().bottom();
    const int x = f.window->width() / 2;
    QTest::mousePress(f.window, Qt::LeftButton, {}, QPoint(x, 1));
    Move(f.window, QPoint(x, -6), Qt::LeftButton);
    EXPECT_EQ(f.bar->FloatingRows(), 3);
    EXPECT_EQ(f.window->geometry().bottom(), bottom);
    QTest::mouseRelease(f.window, Qt::LeftButton, {}, QPoint(x, -6));

    // The left edge taken out takes a row away and keeps the right edge.
    const int right = f.window->geometry().right();
    const int mid = f.window->height() / 2;
    QTest::mousePress(f.window, Qt::LeftButton, {}, QPoint(1, mid));
    EXPECT_EQ(f.window->SizingEdge(), E::feLeft);
    Move(f.window, QPoint(-6, mid), Qt::LeftButton);
    EXPECT_EQ(f.bar->FloatingRows(), 2);
    EXPECT_EQ(f.window->geometry().right(), right);
    QTest::mouseRelease(f.window, Qt::LeftButton, {}, QPoint(-6, mid));
}

TEST(FloatingWindowTest, DraggedByTheBarsCaption) {
    Floating f;
    f.window->move(50, 50);
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window));
    const TRect drag = f.bar->FloatingDragRect();
    ASSERT_FALSE(drag.IsEmpty());
    const QPoint at(drag.left + 4, (drag.top + drag.bottom) / 2);
    const QPointF base = f.bar->mapToGlobal(QPointF(at));  // before it moves
    auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(p), base + QPointF(p - at), button, held, Qt::NoModifier);
        QApplication::sendEvent(f.bar, &e);
    };
    // A press below the caption moves nothing.
    const QPoint below(at.x(), drag.bottom + 2);
    send(QEvent::MouseButtonPress, below, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(f.window->CaptionDragging());
    send(QEvent::MouseButtonRelease, below, Qt::LeftButton, Qt::NoButton);

    send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(f.window->CaptionDragging());
    send(QEvent::MouseMove, at + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(f.window->pos(), QPoint(80, 70));
    send(QEvent::MouseButtonRelease, at + QPoint(-10, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(f.window->CaptionDragging());
    EXPECT_EQ(f.window->pos(), QPoint(40, 55));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    send(QEvent::MouseMove, at + QPoint(50, 50), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(f.window->pos(), QPoint(40, 55));

    // A bar taken out of the window is no longer carried.
    QWidget other;
    f.bar->setParent(&other);
    EXPECT_EQ(f.window->FxCustomToolBar(), nullptr);
}

}  // namespace
}  // namespace vx
