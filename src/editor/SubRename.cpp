#include "editor/SubRename.h"

#include <algorithm>

#include "editor/ProjectRecord.h"
#include "platform/Text.h"

namespace vx {

std::string SubRenameCaption(int tag, bool chinese) {
    if (IsRenameTag(tag)) return chinese ? "子程序重命名" : "Rename Subroutine";
    return chinese ? "转移到行" : "Go to Row";
}

GoToRowOffer OfferGoToRow(const ProgramBlocks& blocks, int cursorRow) {
    GoToRowOffer offer;
    offer.maximum = std::max(1, blocks.rowCount);
    offer.value = std::clamp(cursorRow - blocks.rowBase + 1, 1, offer.maximum);
    offer.range = "1 ~ " + std::to_string(offer.maximum);
    return offer;
}

int GoToGridRow(int value, int rowCount) {
    return std::clamp(value - 1, 0, std::max(0, rowCount - 1));
}

bool RenameSubroutine(std::array<std::string, kSubroutineCount>& names, int tag,
                      const std::string& typed) {
    if (!IsRenameTag(tag)) return false;
    names[static_cast<std::size_t>(tag)] = CutToGbkBytes(typed, kRecordTextBytes);
    return true;
}

}  // namespace vx
