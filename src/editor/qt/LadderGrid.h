// The ladder grid `LadderEdit`: 14 columns, one grid row per ladder row of
// the shown block, every cell drawn by hand from the program store.
//
// It behaves like the string grid the editor was built on: column 0 is fixed
// (the rail and row numbers stay when the grid scrolls sideways), the focused
// cell moves with the arrow keys and the mouse, a range of cells can be
// selected when range selection is on, and the grid reports cell selection,
// scrolling, double clicks and keys to the main window, which runs the
// editing commands.
#pragma once

#include <QAbstractScrollArea>

#include "editor/Selection.h"
#include "editor/qt/LadderDraw.h"

class QPainter;

namespace vx {

class Canvas;

class TLadderGrid : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit TLadderGrid(QWidget* parent = nullptr);

    LadderDrawContext& DrawContext() { return context_; }

    int RowCount() const { return rowCount_; }
    void SetRowCount(int rows);
    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int height);
    bool RangeSelect() const { return rangeSelect_; }
    void SetRangeSelect(bool on) { rangeSelect_ = on; }
    void SetCellColor(TColor color);

    int Col() const { return col_; }
    int Row() const { return row_; }
    // Moves the focused cell (and the selection to it), scrolling it into view.
    void SetCursor(int column, int row);
    const GridSelection& Selection() const { return selection_; }
    int TopRow() const;
    int VisibleRowCount() const;

    // Where the focused cell was last painted, inside the grid.
    QPoint CursorCellPos() const { return cursorCellPos_; }
    // Where the mouse was last pressed or double-clicked, in the viewport.
    QPoint LastMousePos() const { return lastMousePos_; }

    // Width of all 14 columns, unscrolled.
    static int FullWidth();
    // Paints `rows` grid rows from firstRow on for a printed page, all columns
    // unscrolled, with (0, 0) at the first row's top-left corner: the cells as
    // the grid shows them, without the focused cell's frame and without the
    // selection, the row numbers placed for paper (PaperRowNumberShift).
    void PaintRows(QPainter& painter, int firstRow, int rows);

    // The cell under a point of the viewport; false outside the cells.
    bool CellAt(QPoint point, int& column, int& row) const;
    QRect CellRect(int column, int row) const;

  signals:
    void SelectCell(int column, int row);
    void TopLeftChanged();
    void CellDoubleClicked();
    void KeyDown(QKeyEvent* event);
    void SelectionFinished(const GridSelection& selection);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    int ColumnLeft(int column) const;  // in viewport pixels, after horizontal scrolling
    void PaintCell(Canvas& canvas, int column, int row, const QRect& rect, bool selected);
    void UpdateScrollBars();
    void MoveTo(int column, int row, bool extend);
    void EnsureVisible(int column, int row);

    LadderDrawContext context_;
    int rowCount_ = kMainRows;
    int rowHeight_ = 43;
    bool rangeSelect_ = true;
    TColor cellColor_ = clWindow;
    int col_ = 1, row_ = 0;
    int anchorCol_ = 1, anchorRow_ = 0;
    GridSelection selection_{1, 0, 1, 0};
    bool dragging_ = false;
    QPoint cursorCellPos_;
    QPoint lastMousePos_;
};

}  // namespace vx
