#include "editor/qt/LadderGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/paint/Canvas.h"

namespace vx {
namespace {

constexpr int kFixedWidth = 33;  // column 0 stays in place

int ScrollableWidth() {
    int w = 0;
    for (int c = 1; c < kColumns; ++c)
        w += kColumnWidths[c];
    return w;
}

}  // namespace

TLadderGrid::TLadderGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("LadderEdit"));
    viewport()->setMouseTracking(false);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(20);
    UpdateScrollBars();
}

void TLadderGrid::SetRowCount(int rows) {
    rowCount_ = std::max(1, rows);
    row_ = std::min(row_, rowCount_ - 1);
    UpdateScrollBars();
    viewport()->update();
}

void TLadderGrid::SetDefaultRowHeight(int height) {
    rowHeight_ = std::max(1, height);
    UpdateScrollBars();
    viewport()->update();
}

void TLadderGrid::SetCellColor(TColor color) {
    cellColor_ = color;
    viewport()->update();
}

int TLadderGrid::TopRow() const {
    return verticalScrollBar()->value();
}

int TLadderGrid::VisibleRowCount() const {
    return std::max(1, viewport()->height() / rowHeight_);
}

void TLadderGrid::UpdateScrollBars() {
    const int visibleRows = VisibleRowCount();
    verticalScrollBar()->setRange(0, std::max(0, rowCount_ - visibleRows));
    verticalScrollBar()->setPageStep(visibleRows);
    const int visibleWidth = std::max(0, viewport()->width() - kFixedWidth);
    horizontalScrollBar()->setRange(0, std::max(0, ScrollableWidth() - visibleWidth));
    horizontalScrollBar()->setPageStep(visibleWidth);
}

int TLadderGrid::ColumnLeft(int column) const {
    if (column == 0) return 0;
    int x = kFixedWidth - horizontalScrollBar()->value();
    for (int c = 1; c < column; ++c)
        x += kColumnWidths[c];
    return x;
}

QRect TLadderGrid::CellRect(int column, int row) const {
    return QRect(ColumnLeft(column), (row - TopRow()) * rowHeight_, kColumnWidths[column],
                 rowHeight_);
}

bool TLadderGrid::CellAt(QPoint point, int& column, int& row) const {
    const int r = TopRow() + point.y() / rowHeight_;
    if (point.y() < 0 || r >= rowCount_) return false;
    for (int c = 0; c < kColumns; ++c) {
        const QRect rect = CellRect(c, r);
        if (point.x() >= rect.left() && point.x() <= rect.right()) {
            if (c > 0 && point.x() < kFixedWidth) continue;  // hidden under the fixed column
            column = c;
            row = r;
            return true;
        }
    }
    return false;
}

int TLadderGrid::FullWidth() {
    return kFixedWidth + ScrollableWidth();
}

void TLadderGrid::PaintCell(Canvas& canvas, int column, int row, const QRect& r, bool selected) {
    canvas.SetClipRect(ToTRect(r));
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = column == 0 ? clInfoBk : selected ? clHighlight : cellColor_;
    canvas.FillRect(ToTRect(r));
    if (context_.cells != nullptr)
        LadderEditDrawCell(canvas, context_, column, row, r.left(), r.top(), selected);
    canvas.ClearClip();
}

void TLadderGrid::PaintRows(QPainter& painter, int firstRow, int rows) {
    // On paper the row numbers keep the gap to the rail that the grid shows.
    struct PaperRowNumbers {
        LadderDrawContext& context;
        std::function<double(const std::string&)> kept = context.rowNumberShift;
        ~PaperRowNumbers() { context.rowNumberShift = kept; }
    } paper{context_};
    context_.rowNumberShift = PaperRowNumberShift;
    Canvas canvas(painter);
    const int last = std::min(rowCount_ - 1, firstRow + rows - 1);
    for (int row = std::max(0, firstRow); row <= last; ++row) {
        int x = 0;
        for (int column = 0; column < kColumns; ++column) {
            PaintCell(canvas, column, row,
                      QRect(x, (row - firstRow) * rowHeight_, kColumnWidths[column], rowHeight_),
                      false);
            x += kColumnWidths[column];
        }
    }
}

void TLadderGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    Canvas canvas(painter);
    canvas.brush.color = cellColor_;
    canvas.FillRect({0, 0, viewport()->width(), viewport()->height()});
    const int first = TopRow();
    const int last = std::min(rowCount_ - 1, first + VisibleRowCount());
    for (int pass = 0; pass < 2; ++pass) {
        // The scrolling columns first, the fixed column over them.
        for (int row = first; row <= last; ++row) {
            for (int column = pass == 0 ? 1 : 0; column < (pass == 0 ? kColumns : 1); ++column) {
                const QRect r = CellRect(column, row);
                if (r.right() < 0 || r.left() >= viewport()->width()) continue;
                const bool selected = column > 0 && selection_.Contains(column, row);
                if (selected) cursorCellPos_ = QPoint(r.left(), r.top());
                PaintCell(canvas, column, row, r, selected);
            }
        }
    }
    if (hasFocus() && row_ >= first && row_ <= last) {
        // The focus frame of the current cell.
        const QRect r = CellRect(col_, row_);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void TLadderGrid::EnsureVisible(int column, int row) {
    if (row < TopRow()) {
        verticalScrollBar()->setValue(row);
    } else if (row >= TopRow() + VisibleRowCount()) {
        verticalScrollBar()->setValue(row - VisibleRowCount() + 1);
    }
    if (column > 0) {
        const QRect r = CellRect(column, row);
        if (r.left() < kFixedWidth) {
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() -
                                            (kFixedWidth - r.left()));
        } else if (r.right() >= viewport()->width()) {
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + r.right() -
                                            viewport()->width() + 1);
        }
    }
}

void TLadderGrid::MoveTo(int column, int row, bool extend) {
    column = std::clamp(column, 1, kColumns - 1);
    row = std::clamp(row, 0, rowCount_ - 1);
    col_ = column;
    row_ = row;
    if (!extend || !rangeSelect_) {
        anchorCol_ = column;
        anchorRow_ = row;
    }
    selection_ = {std::min(anchorCol_, col_), std::min(anchorRow_, row_),
                  std::max(anchorCol_, col_), std::max(anchorRow_, row_)};
    EnsureVisible(column, row);
    viewport()->update();
    emit SelectCell(col_, row_);
}

void TLadderGrid::SetCursor(int column, int row) {
    MoveTo(column, row, false);
}

void TLadderGrid::mousePressEvent(QMouseEvent* event) {
    lastMousePos_ = event->position().toPoint();
    int column = 0, row = 0;
    if (event->button() != Qt::LeftButton || !CellAt(event->position().toPoint(), column, row)) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (column == 0) return;  // the fixed column takes no cursor
    dragging_ = true;
    MoveTo(column, row, (event->modifiers() & Qt::ShiftModifier) != 0);
}

void TLadderGrid::mouseMoveEvent(QMouseEvent* event) {
    int column = 0, row = 0;
    if (dragging_ && rangeSelect_ && CellAt(event->position().toPoint(), column, row) &&
        column > 0 && (column != col_ || row != row_)) {
        MoveTo(column, row, true);
    }
}

void TLadderGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        emit SelectionFinished(selection_);
    }
}

void TLadderGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    lastMousePos_ = event->position().toPoint();
    int column = 0, row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), column, row) &&
        column > 0) {
        emit CellDoubleClicked();
    }
}

void TLadderGrid::keyPressEvent(QKeyEvent* event) {
    const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
    switch (event->key()) {
        case Qt::Key_Left:
            MoveTo(col_ - 1, row_, extend);
            return;
        case Qt::Key_Right:
            MoveTo(col_ + 1, row_, extend);
            return;
        case Qt::Key_Up:
            MoveTo(col_, row_ - 1, extend);
            return;
        case Qt::Key_Down:
            MoveTo(col_, row_ + 1, extend);
            return;
        case Qt::Key_PageUp:
            MoveTo(col_, row_ - VisibleRowCount(), extend);
            return;
        case Qt::Key_PageDown:
            MoveTo(col_, row_ + VisibleRowCount(), extend);
            return;
        case Qt::Key_Home:
            if (!(event->modifiers() & Qt::ControlModifier)) {
                MoveTo(1, row_, extend);
                return;
            }
            break;
        case Qt::Key_End:
            if (!(event->modifiers() & Qt::ControlModifier)) {
                MoveTo(kColumns - 1, row_, extend);
                return;
            }
            break;
        default:
            break;
    }
    emit KeyDown(event);
}

void TLadderGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TLadderGrid::scrollContentsBy(int, int) {
    viewport()->update();
    emit TopLeftChanged();
}

}  // namespace vx
