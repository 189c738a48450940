// The undo history: whole snapshots of the ladder program's rows 0-10191.
//
// Six slots, slot 0 the newest. Every edit ends with EditFileBackup, which
// pushes the program's cells into slot 0 (the oldest falls out). Position is
// the slot shown after undo or redo (0 = newest), Depth the number of undo
// steps available (at most 5); Restored is set after an undo or redo until the
// next edit, which then drops the steps that could have been redone. Row 10192
// is never shown and never touched by undo or redo.
#pragma once

#include <array>
#include <memory>

#include "model/LadderCells.h"

namespace vx {

class UndoHistory {
  public:
    static constexpr int kSlots = 6;
    static constexpr int kMaxDepth = kSlots - 1;

    UndoHistory();
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Takes a snapshot of the cells after an edit. The caller enables Save:
    // the project now has unsaved changes.
    void EditFileBackup(const LadderCells& cells);

    // Steps one snapshot back (undo) or forward (redo) and copies it into the
    // cells; false, with nothing changed, when there is no such step. After a
    // true result the caller repaints and enables Save.
    bool Undo(LadderCells& cells);
    bool Redo(LadderCells& cells);

    // Empties the history (saving, loading, a new project): no undo and no
    // redo step, and the newest slot holds what is shown now.
    void Clear();

    bool CanUndo() const { return position_ < depth_; }
    bool CanRedo() const { return position_ > 0; }
    int Position() const { return position_; }
    int Depth() const { return depth_; }
    bool Restored() const { return restored_; }

  private:
    void Show(int slot, LadderCells& cells) const;

    std::array<std::unique_ptr<LadderCells>, kSlots> slots_;  // made on first use
    int filled_ = 0;                                          // slots that hold a snapshot
    int position_ = 0;
    int depth_ = 0;
    bool restored_ = false;
};

// The history of the program being edited, for the whole run.
UndoHistory& TheUndoHistory();

}  // namespace vx
