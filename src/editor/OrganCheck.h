// The duplicate-output check: output devices driven by more than one coil in
// the whole program (main program and all 32 subroutines).
//
// Only the output column is looked at, rows 0 to 10191. A bit device (Y0-Y377
// as written, M0-M9999, S0-S199) is driven by a cell whose text is its name;
// a timer or counter (T0-T399, C0-C199) by a cell whose text begins with its
// name and a blank, the set value following ("T5 K100"), so T5 K100 and T5 D10
// are the same timer while T50 K1 is another. Function boxes ("SET Y0") are
// never compared. Of each device driven twice or more the first two places
// are listed; devices come in the order Y, M, S, T, C, by number.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/LadderCells.h"

namespace vx {

// The five device groups, in the order they are checked.
enum class OutputGroup { Y, M, S, T, C };
inline constexpr std::array<OutputGroup, 5> kOutputGroups = {
    OutputGroup::Y, OutputGroup::M, OutputGroup::S, OutputGroup::T, OutputGroup::C};

// One listed place: the name searched for, the block and the line in it.
struct OutputPlace {
    std::string name;   // "Y0", or "T5 " with its blank for timers and counters
    std::string block;  // "Main" or "Sub_" + n
    int line = 0;       // 1 for the block's first row
    bool second = false;
    int row = 0;  // absolute
};

// The block name and line of an absolute row, as the list shows them.
std::string OutputBlockName(int row);

// The output column read once; each group then lists its duplicates.
class OutputScan {
  public:
    explicit OutputScan(const LadderCells& cells);

    // The places of one group: two per duplicated device (first, then
    // second), devices by number.
    std::vector<OutputPlace> Duplicates(OutputGroup group) const;

  private:
    // The first two rows of every name, -1 when not driven.
    struct Rows {
        int first = -1;
        int second = -1;
    };
    std::array<std::vector<Rows>, 5> rows_;
};

// The row a listed place stands for: block start ("Main" 0, "Sub_" n at
// 2000 + 256 n) + line - 1. A block or line text that does not parse counts
// as 0; the result is kept within rows 0-10191.
int OutputPlaceRow(const std::string& block, const std::string& line);

}  // namespace vx
