// The structure of one ladder rung, as the converter reads it.
//
// A rung is a run of rows joined by vertical links. Its cells form a network
// from the left rail to the outputs in column 12: every condition cell of
// columns 1 to 11 joins the left edge of its column to the left edge of the
// next one (a contact, a line or an inverter; an empty cell joins nothing),
// and a vertical link joins the left edges of one column in two rows. Power
// flows from left to right only.
//
// `WriteRung` turns that network into instructions on the accumulator and the
// bit stack, the way an instruction list states a rung: a series of cells is
// a load and ANDs, cells side by side are ORs, a parallel block inside a
// series is loaded on its own and joined with ANB or ORB, and outputs that
// branch from one point of the rung are kept apart with MPS, MRD and MPP.
// Networks that no such list can state (a bridge across two branches, outputs
// reached through crossing paths) are refused with the row where the
// trouble starts, as are cells that no power can reach and contacts that lead
// to no output. The work grows about linearly with the rung, so even a rung of
// the whole main program is written at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/LadderCells.h"

namespace vx::convert {

// Rows firstRow..lastRow of a block that belong together.
struct Rung {
    int firstRow = 0;
    int lastRow = 0;
};

// Whether the left edges of `column` in rows row and row + 1 are joined.
bool RowsLinked(const LadderCells& cells, int column, int row);

// The rungs of the rows firstRow..lastRow in row order; rows with nothing in
// columns 1 to 12 belong to no rung.
std::vector<Rung> FindRungs(const LadderCells& cells, int firstRow, int lastRow);

// How a piece of logic enters the accumulator.
enum class Mode {
    Load,  // starts a new logic block (the previous one is pushed)
    And,   // combines with the accumulator by AND
    Or,    // combines with the accumulator by OR
};

// What the rung's structure is written to.
class RungWriter {
  public:
    virtual ~RungWriter() = default;
    // A contact cell (symbols 1, 2, 7, 8, 9, 10) of the rung.
    virtual void Contact(int column, int row, Mode mode) = 0;
    // Power that always flows (a path of lines only).
    virtual void Always(Mode mode) = 0;
    // A block instruction without operand: "INV", "ANB", "ORB", "MPS", "MRD", "MPP".
    virtual void Block(const char* op) = 0;
    // The output in column 12 of the row, with the accumulator holding its power.
    virtual void Output(int row) = 0;
};

struct RungProblem {
    int row = 0;
    std::string text;
};

inline constexpr const char* kNoPathToRail = "元件没有通往左母线的通路";
inline constexpr const char* kNoOutput = "元件没有连接到输出";
inline constexpr const char* kOutputNotInColumn12 = "输出线圈或功能指令不在第12列";
inline constexpr const char* kMalformedCell = "元件类型错误";
inline constexpr const char* kCannotState = "梯形图结构无法转换为指令表";

// Writes the rung. outputRows are the rows whose column-12 cell is an output
// to drive (a jump label, say, is left out by the caller); a column-12 cell of
// another row is not part of the network. Nothing is written when the rung
// is refused.
std::optional<RungProblem> WriteRung(const LadderCells& cells, const Rung& rung,
                                     const std::vector<int>& outputRows, RungWriter& writer);

}  // namespace vx::convert
