// The rows of a dock panel: which docked tool bars share a row (a column on
// a left or right dock), where each stands along it, and how large the
// panel must be to hold its rows. No window is needed: the panel and its
// tool bars are reached through the two interfaces below, so the rules are
// tested on plain objects.
//
// Along a row a top or bottom dock runs in x (Left, Width), a left or right
// dock in y (Top, Height); the other direction is across.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "styling/toolbar/DbgList.h"

namespace vx {

// The side of a dock panel, and the orientation of a tool bar and of each of
// its controls: daTop and daBottom are horizontal.
enum class TDockAlign : std::uint8_t { daLeft, daTop, daRight, daBottom };

constexpr bool IsHorizontalDock(TDockAlign align) {
    return align == TDockAlign::daTop || align == TDockAlign::daBottom;
}

// A misuse of the dock panel or its rows; the message is fixed text
// ("Invalid Parent", "Invalid Row Index", "Invalid ToolBar Index").
class EDockError : public std::runtime_error {
  public:
    explicit EDockError(const std::string& message) : std::runtime_error(message) {}
};

// Size limits of a control; 0 means no limit.
struct TSizeConstraints {
    int minWidth = 0;
    int maxWidth = 0;
    int minHeight = 0;
    int maxHeight = 0;
    bool operator==(const TSizeConstraints&) const = default;
};

// A size held within its limits (0 = none).
int Constrain(int size, int minimum, int maximum);

// What a row reads and writes of a docked tool bar.
class IDockBar {
  public:
    // Left, top, right, bottom in the panel's client coordinates.
    virtual TRect DockBounds() const = 0;
    // Places the bar as the rows require, without reporting the change back
    // to the panel; the size is held within the bar's constraints.
    virtual void PlaceInRow(const TRect& bounds) = 0;
    virtual TSizeConstraints DockConstraints() const = 0;
    virtual void SetDockConstraints(const TSizeConstraints& constraints) = 0;
    virtual bool FullSize() const = 0;
    virtual bool DockVisible() const = 0;
    virtual int RowIndex() const = 0;
    virtual void SetRowIndex(int row) = 0;
    // The panel's side, given when the bar joins the panel or the panel
    // turns to another side.
    virtual void DockAlignChanged(TDockAlign align) = 0;
    // A full-size bar was given the row's length: lay the controls out again.
    virtual void FullSizeApplied() {}

  protected:
    ~IDockBar() = default;
};

class TDockPanelModel;
class TRowCollection;

// One row of docked tool bars.
class TRowCollectionItem {
  public:
    explicit TRowCollectionItem(TRowCollection& rows) : rows_(rows) {}

    // The row's tool bars in placement order (left to right, or top to
    // bottom on a left or right dock); the row does not own them.
    const TDbgList<IDockBar*>& ToolBars() const { return toolBars_; }
    TRect RowRect() const { return rowRect_; }
    void SetRowRect(const TRect& rect) { rowRect_ = rect; }
    // The row's place among the rows (kept by the rows as they change).
    int Index() const { return index_; }

    // Appends and places the bar; its index in the row, or -1 when it is
    // there already or the row does not take it.
    int AddToolBar(IDockBar* bar);
    // Takes the bar out and arranges the row; with dropIfEmpty an emptied
    // row goes. A bar the row does not hold changes nothing. The row may be
    // gone when this returns.
    void RemoveToolBar(IDockBar* bar, bool dropIfEmpty);
    // Keeps the bars within the row without overlaps, each grown as far as
    // its free space and its constraints allow.
    void ArrangeToolBars();
    // A bar's requested place (p) and length (s) along the row, answered
    // with the place the row allows; raises "Invalid ToolBar Index" for a
    // bar the row does not hold.
    void MoveAlongRow(IDockBar* bar, int& p, int& s);
    // The free length between a and b (either may be null: the row's head or
    // end); negative is an overlap, 0 with neither.
    int FreeSpace(const IDockBar* a, const IDockBar* b) const;
    bool CanAdd(const IDockBar* bar) const;
    // The thickest bar across the row, at least 26.
    int RowThickness() const;

  private:
    friend class TRowCollection;

    bool Horizontal() const;
    // Places and lengths along the row in 64 bits: no sum of a few places
    // a bar or a request reports overflows.
    long long Pos(int i) const;
    long long Len(int i) const;
    long long Head() const;
    long long End() const;
    long long Gap(int a, int b) const;  // FreeSpace of list indices; -1 / Count() = none
    long long Growable(int i) const;
    long long Shrinkable(int i) const;
    void MoveBy(int from, int to, long long delta);
    long long GrowBy(int i, long long delta, bool keepEnd);

    TRowCollection& rows_;
    TDbgList<IDockBar*> toolBars_;
    TRect rowRect_;
    int index_ = -1;
};

// The rows of one dock panel.
class TRowCollection {
  public:
    static constexpr int RowGap = 1;
    static constexpr int ToolBarMargin = 2;

    explicit TRowCollection(TDockPanelModel& panel) : panel_(panel) {}

    TDockPanelModel& Panel() const { return panel_; }
    int Count() const { return static_cast<int>(rows_.size()); }
    // Raises "Invalid Row Index" outside 0..Count-1.
    TRowCollectionItem& Items(int i) const;
    int IndexOf(const TRowCollectionItem* row) const;

    TRowCollectionItem& Add();
    TRowCollectionItem& Insert(int i);
    void Delete(int i);
    void Clear();
    void RemoveRowIfEmpty(TRowCollectionItem* row);
    int IndexOfToolBarRow(const IDockBar* bar) const;
    void MoveToolBarToRow(IDockBar* bar, int i);
    // A bar's requested place (p) and thickness (s) across the rows: may
    // move it into another row or a new one; answers the place it keeps.
    void MoveAcrossRows(IDockBar* bar, int& p, int& s);
    void ArrangeRows();
    void UpdatePanelSize();

  private:
    // Each row from `from` on learns its place again.
    void Renumber(int from);

    TDockPanelModel& panel_;
    std::vector<std::unique_ptr<TRowCollectionItem>> rows_;
    bool arranging_ = false;
};

// The dock panel's rules, apart from its window: which tool bars it holds,
// which of them are hidden, its rows, and its size. The window derives from
// it and answers the three questions about itself.
class TDockPanelModel {
  public:
    TDockPanelModel();
    virtual ~TDockPanelModel();
    TDockPanelModel(const TDockPanelModel&) = delete;
    TDockPanelModel& operator=(const TDockPanelModel&) = delete;

    TDockAlign DockAlign() const { return align_; }
    // Tells every registered bar the new side.
    void SetDockAlign(TDockAlign align);
    int MinimumSize() const { return minimumSize_; }
    // Values below 1 are ignored.
    void SetMinimumSize(int size);
    bool LockHeight() const { return lockHeight_; }
    void SetLockHeight(bool lock) { lockHeight_ = lock; }
    bool UseRunTimeHeight() const { return useRunTimeHeight_; }
    void SetUseRunTimeHeight(bool use);
    bool LoadingDone() const { return loadingDone_; }
    // LockHeight in force: rows are neither made nor dropped by docking and
    // the panel keeps its size.
    bool HeightLocked() const { return lockHeight_ && loadingDone_; }

    TRowCollection& Rows() { return rows_; }
    const TRowCollection& Rows() const { return rows_; }
    const TDbgList<IDockBar*>& ToolBars() const { return toolBars_; }
    const TDbgList<IDockBar*>& HiddenToolBars() const { return hiddenToolBars_; }

    // Registers a bar and puts it in a row: its index in that row, or -1
    // when the height is locked and no row takes it (it is then not
    // registered). While loading it is only registered (result 0).
    int AddToolBar(IDockBar* bar);
    // Takes the bar out of its row (an emptied row goes) and out of both
    // lists, hidden or not.
    void RemoveToolBar(IDockBar* bar);
    int FindRowFor(const IDockBar* bar) const;
    // A docked bar's requested bounds, answered with the bounds the rows
    // allow. Nothing while loading or for an invisible bar.
    void ToolBarBoundsChanging(IDockBar* bar, int& left, int& top, int& width, int& height);
    // After the bar applied them: should the answer have left two bars of
    // its row over each other, the row is arranged again.
    void ToolBarBoundsChanged(IDockBar* bar);
    // The whole request: asks, places the bar with the answer, checks.
    void MoveToolBar(IDockBar* bar, int left, int top, int width, int height);
    void ToolBarVisibilityChanged(IDockBar* bar);
    void MoveToolBarToOwnRow(IDockBar* bar);
    // The loading step: the registered bars in the order of their stored
    // places, each in a row of its own and then moved to its stored place,
    // so bars stored on one row share it; then RowsBuilt, and last
    // LoadingDone is set.
    void BuildRows();

    // The panel's own bounds in its parent.
    virtual TRect PanelBounds() const = 0;
    virtual void SetPanelBounds(const TRect& bounds) = 0;
    virtual bool PanelLoading() const = 0;

  protected:
    // The rows stand and LoadingDone is not set yet, so a locked height
    // does not hold yet either (the panel reads its stored layout here).
    virtual void RowsBuilt() {}

  private:
    TDockAlign align_ = TDockAlign::daTop;
    int minimumSize_ = 3;
    bool lockHeight_ = false;
    bool useRunTimeHeight_ = false;
    bool loadingDone_ = false;
    TRowCollection rows_;
    TDbgList<IDockBar*> toolBars_;
    TDbgList<IDockBar*> hiddenToolBars_;
};

}  // namespace vx
