// Drawing ladder rungs into a cell store for the converter's tests.
#pragma once

#include <string>

#include "model/CellKind.h"
#include "model/LadderCells.h"

namespace vx::test {

class LadderSketch {
  public:
    explicit LadderSketch(LadderCells& cells) : cells_(cells) {}

    // A condition cell; its second text is left empty so that the converter
    // must derive the code from the first text.
    LadderSketch& Cell(int column, int row, std::uint8_t symbol, const std::string& first = {}) {
        cells_.Kind(column, row) = WithSymbol(cells_.Kind(column, row), symbol);
        cells_.First(column, row) = first;
        cells_.Second(column, row).clear();
        return *this;
    }
    LadderSketch& Contact(int column, int row, const std::string& device) {
        return Cell(column, row, CellKind::kOpenContact, device);
    }
    LadderSketch& Closed(int column, int row, const std::string& device) {
        return Cell(column, row, CellKind::kClosedContact, device);
    }
    // Lines from `from` to column 11 and the output in column 12.
    LadderSketch& Out(int from, int row, const std::string& first, bool box = false) {
        for (int c = from; c <= kLastConditionColumn; ++c)
            Cell(c, row, CellKind::kLine);
        return Cell(kOutputColumn, row, box ? CellKind::kFunctionBox : CellKind::kCoil, first);
    }
    LadderSketch& Box(int from, int row, const std::string& first) {
        return Out(from, row, first, true);
    }
    // Lines in columns from..to of the row.
    LadderSketch& Lines(int from, int to, int row) {
        for (int c = from; c <= to; ++c)
            Cell(c, row, CellKind::kLine);
        return *this;
    }
    // A vertical link at the left edge of the column between row and row + 1.
    LadderSketch& Link(int column, int row) {
        cells_.Kind(column, row) |= CellKind::kLinkDown;
        cells_.Kind(column, row + 1) |= CellKind::kLinkUp;
        return *this;
    }

  private:
    LadderCells& cells_;
};

}  // namespace vx::test
