// The rules of the dialog that goes to a row of the shown block or renames a
// subroutine: one window, two modes, chosen by its tag (-1 go to row, 0 to 31
// rename that subroutine).
#pragma once

#include <array>
#include <string>

#include "editor/ProgramBlocks.h"
#include "model/LadderCells.h"

namespace vx {

inline constexpr int kGoToRowTag = -1;

constexpr bool IsRenameTag(int tag) {
    return tag >= 0 && tag < kSubroutineCount;
}

// The window's caption in a mode: "转移到行" or "子程序重命名" (in English
// "Go to Row" or "Rename Subroutine").
std::string SubRenameCaption(int tag, bool chinese = true);

// What go to row offers: the rows of the shown block (2000 or 256), the
// cursor's row within the block counted from 1, and the range text
// "1 ~ " + rows for the label and the field's hint.
struct GoToRowOffer {
    int maximum = 1;
    int value = 1;
    std::string range;
};
GoToRowOffer OfferGoToRow(const ProgramBlocks& blocks, int cursorRow);

// The grid row of a confirmed row number: one below it, kept in the block.
int GoToGridRow(int value, int rowCount);

// Stores the typed name as the subroutine's name (an empty one included; the
// tree then gives the default name). A name longer than the file keeps is
// cut between characters. False for a tag that names no subroutine.
bool RenameSubroutine(std::array<std::string, kSubroutineCount>& names, int tag,
                      const std::string& typed);

}  // namespace vx
