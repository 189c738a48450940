#include "editor/UndoHistory.h"

#include <algorithm>

namespace vx {

UndoHistory::UndoHistory() = default;
UndoHistory::~UndoHistory() = default;

void UndoHistory::EditFileBackup(const LadderCells& cells) {
    if (restored_) {
        // The state shown becomes the newest; what could be redone is dropped.
        if (position_ != 0) *slots_[0] = *slots_[position_];
        position_ = 0;
        restored_ = false;
        depth_ = 0;
    }
    // The oldest slot is recycled as the new newest one.
    std::rotate(slots_.begin(), slots_.end() - 1, slots_.end());
    if (slots_[0]) {
        *slots_[0] = cells;
    } else {
        slots_[0] = std::make_unique<LadderCells>(cells);
    }
    filled_ = std::min(filled_ + 1, kSlots);
    // A step back needs a snapshot to go back to.
    depth_ = std::min({depth_ + 1, kMaxDepth, filled_ - 1});
}

void UndoHistory::Show(int slot, LadderCells& cells) const {
    const LadderCells& snapshot = *slots_[slot];
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kUnshownRow; ++row) {
            cells.Kind(column, row) = snapshot.Kind(column, row);
            cells.First(column, row) = snapshot.First(column, row);
            cells.Second(column, row) = snapshot.Second(column, row);
        }
    }
}

bool UndoHistory::Undo(LadderCells& cells) {
    if (position_ >= depth_) return false;
    ++position_;
    Show(position_, cells);
    restored_ = true;
    return true;
}

bool UndoHistory::Redo(LadderCells& cells) {
    if (position_ <= 0) return false;
    --position_;
    Show(position_, cells);
    restored_ = true;
    return true;
}

void UndoHistory::Clear() {
    if (restored_ && position_ != 0) *slots_[0] = *slots_[position_];
    restored_ = false;
    position_ = 0;
    depth_ = 0;
}

UndoHistory& TheUndoHistory() {
    static UndoHistory history;
    return history;
}

}  // namespace vx
