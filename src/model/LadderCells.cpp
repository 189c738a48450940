#include "model/LadderCells.h"

#include <algorithm>

#include "model/CellKind.h"

namespace vx {

LadderCells::LadderCells() : kinds_(kCellCount, 0), firsts_(kCellCount), seconds_(kCellCount) {}

void LadderCells::ClearCell(int column, int row) {
    const std::size_t i = Index(column, row);
    kinds_[i] = CellKind::kEmpty;
    firsts_[i].clear();
    seconds_[i].clear();
}

void LadderCells::Clear() {
    std::fill(kinds_.begin(), kinds_.end(), CellKind::kEmpty);
    for (std::string& s : firsts_)
        s.clear();
    for (std::string& s : seconds_)
        s.clear();
}

bool LadderCells::HasVerticalLink(int column, int row) const {
    if (row <= 0 || !IsCell(column, row)) return false;
    return HasLinkDown(Kind(column, row - 1)) && HasLinkUp(Kind(column, row));
}

bool LadderCells::SetVerticalLink(int column, int row, bool on) {
    if (column <= kFirstConditionColumn || row <= 0 || !IsCell(column, row)) return false;
    std::uint8_t& upper = Kind(column, row - 1);
    std::uint8_t& lower = Kind(column, row);
    if (on) {
        upper |= CellKind::kLinkDown;
        lower |= CellKind::kLinkUp;
    } else {
        upper &= static_cast<std::uint8_t>(~CellKind::kLinkDown);
        lower &= static_cast<std::uint8_t>(~CellKind::kLinkUp);
    }
    return true;
}

}  // namespace vx
