// The rung structure the converter writes is checked by running it: a small
// accumulator-and-stack machine executes the instructions for every setting of
// the contacts, and each output's power must equal the ladder's own logic.
#include "outside/RungNetwork.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>

#include "LadderSketch.h"

namespace vx::convert {
namespace {

using test::LadderSketch;

// Executes the instructions as the controller's macros do.
class Machine : public RungWriter {
  public:
    Machine(const LadderCells& cells, const std::map<std::string, bool>& inputs)
        : cells_(cells), inputs_(inputs) {}

    void Contact(int column, int row, Mode mode) override {
        const auto it = inputs_.find(cells_.First(column, row));
        bool v = it != inputs_.end() && it->second;
        if (Symbol(cells_.Kind(column, row)) == CellKind::kClosedContact) v = !v;
        Apply(v, mode);
    }
    void Always(Mode mode) override { Apply(true, mode); }
    void Block(const char* op) override {
        const std::string o = op;
        if (o == "INV") {
            acc_ = !acc_;
        } else if (o == "ANB") {
            acc_ = Pop() && acc_;
        } else if (o == "ORB") {
            acc_ = Pop() || acc_;
        } else if (o == "MPS") {
            stack_.push_back(acc_);
        } else if (o == "MRD") {
            acc_ = stack_.at(stack_.size() - 1);
        } else if (o == "MPP") {
            acc_ = Pop();
        } else {
            ADD_FAILURE() << "unknown block " << o;
        }
    }
    void Output(int row) override { outputs[row] = acc_; }

    std::map<int, bool> outputs;

  private:
    void Apply(bool v, Mode mode) {
        if (mode == Mode::Load) {
            stack_.push_back(acc_);
            acc_ = v;
        } else if (mode == Mode::And) {
            acc_ = acc_ && v;
        } else {
            acc_ = acc_ || v;
        }
    }
    bool Pop() {
        EXPECT_FALSE(stack_.empty()) << "stack underflow";
        if (stack_.empty()) return false;
        const bool v = stack_.back();
        stack_.pop_back();
        return v;
    }

    const LadderCells& cells_;
    const std::map<std::string, bool>& inputs_;
    bool acc_ = false;
    std::vector<bool> stack_;
};

using Inputs = std::map<std::string, bool>;
using Expect = std::function<std::map<int, bool>(const Inputs&)>;

class RungNetworkTest : public ::testing::Test {
  protected:
    std::unique_ptr<LadderCells> cells = std::make_unique<LadderCells>();
    LadderSketch sketch{*cells};

    // Runs the single rung of rows 0..last for every combination of the named
    // inputs and compares each output with the expectation.
    void CheckTruthTable(const std::vector<std::string>& names, const std::vector<int>& outputRows,
                         const Expect& expect) {
        const std::vector<Rung> rungs = FindRungs(*cells, 0, 50);
        ASSERT_EQ(rungs.size(), 1u);
        for (unsigned bits = 0; bits < (1u << names.size()); ++bits) {
            Inputs in;
            for (std::size_t i = 0; i < names.size(); ++i)
                in[names[i]] = (bits >> i) & 1u;
            Machine m(*cells, in);
            const auto problem = WriteRung(*cells, rungs[0], outputRows, m);
            ASSERT_FALSE(problem) << problem->text;
            EXPECT_EQ(m.outputs, expect(in)) << "inputs " << bits;
        }
    }

    std::optional<RungProblem> Problem(const std::vector<int>& outputRows) {
        const std::vector<Rung> rungs = FindRungs(*cells, 0, 50);
        Inputs none;
        Machine m(*cells, none);
        return WriteRung(*cells, rungs.at(0), outputRows, m);
    }
};

TEST_F(RungNetworkTest, SeriesAndClosedContacts) {
    sketch.Contact(1, 0, "A").Closed(2, 0, "B").Contact(3, 0, "C").Out(4, 0, "Y0");
    CheckTruthTable({"A", "B", "C"}, {0}, [](const Inputs& i) {
        return std::map<int, bool>{{0, i.at("A") && !i.at("B") && i.at("C")}};
    });
}

TEST_F(RungNetworkTest, ParallelBranchesFromTheRail) {
    // A | B | C, the lower rows joined back at column 2.
    sketch.Contact(1, 0, "A").Out(2, 0, "Y0");
    sketch.Contact(1, 1, "B").Link(2, 0);
    sketch.Contact(1, 2, "C").Link(2, 1);
    CheckTruthTable({"A", "B", "C"}, {0}, [](const Inputs& i) {
        return std::map<int, bool>{{0, i.at("A") || i.at("B") || i.at("C")}};
    });
}

TEST_F(RungNetworkTest, ParallelBlockInSeriesAndNestedParallel) {
    // A & ((B & C) | (D & (E | F))) & G
    sketch.Contact(1, 0, "A").Contact(2, 0, "B").Contact(3, 0, "C").Lines(4, 4, 0);
    sketch.Contact(5, 0, "G").Out(6, 0, "Y0");
    sketch.Contact(2, 1, "D").Contact(3, 1, "E").Lines(4, 4, 1).Link(2, 0).Link(5, 0);
    sketch.Contact(3, 2, "F").Lines(4, 4, 2).Link(3, 1).Link(5, 1);
    CheckTruthTable({"A", "B", "C", "D", "E", "F", "G"}, {0}, [](const Inputs& i) {
        const bool inner = (i.at("B") && i.at("C")) || (i.at("D") && (i.at("E") || i.at("F")));
        return std::map<int, bool>{{0, i.at("A") && inner && i.at("G")}};
    });
}

TEST_F(RungNetworkTest, ParallelOfSeriesJoinedLate) {
    // (A & B) | (C & D & E), the second row longer.
    sketch.Contact(1, 0, "A").Contact(2, 0, "B").Lines(3, 3, 0).Out(4, 0, "Y0");
    sketch.Contact(1, 1, "C").Contact(2, 1, "D").Contact(3, 1, "E").Link(4, 0);
    CheckTruthTable({"A", "B", "C", "D", "E"}, {0}, [](const Inputs& i) {
        return std::map<int, bool>{
            {0, (i.at("A") && i.at("B")) || (i.at("C") && i.at("D") && i.at("E"))}};
    });
}

TEST_F(RungNetworkTest, StackedOutputsAndBranchedOutputs) {
    // A, then three branches: Y0 directly, B -> Y1, C|D -> Y2 and Y3 stacked.
    sketch.Contact(1, 0, "A").Out(2, 0, "Y0");
    sketch.Contact(2, 1, "B").Out(3, 1, "Y1").Link(2, 0);
    sketch.Contact(2, 2, "C").Out(3, 2, "Y2").Link(2, 1);
    sketch.Contact(2, 3, "D").Lines(3, 3, 3).Link(2, 2).Link(4, 2);
    sketch.Out(4, 4, "Y3").Link(4, 3);
    const auto& problem = Problem({0, 1, 2, 4});
    ASSERT_FALSE(problem) << problem->text;
    CheckTruthTable({"A", "B", "C", "D"}, {0, 1, 2, 4}, [](const Inputs& i) {
        const bool a = i.at("A");
        const bool cd = a && (i.at("C") || i.at("D"));
        return std::map<int, bool>{{0, a}, {1, a && i.at("B")}, {2, cd}, {4, cd}};
    });
}

TEST_F(RungNetworkTest, BranchesInsideBranches) {
    // A -> (B -> (C -> Y0 | D -> Y1) | E -> Y2)
    sketch.Contact(1, 0, "A").Contact(2, 0, "B").Contact(3, 0, "C").Out(4, 0, "Y0");
    sketch.Contact(3, 1, "D").Out(4, 1, "Y1").Link(3, 0);
    sketch.Contact(2, 2, "E").Out(3, 2, "Y2").Link(2, 0).Link(2, 1);
    CheckTruthTable({"A", "B", "C", "D", "E"}, {0, 1, 2}, [](const Inputs& i) {
        const bool ab = i.at("A") && i.at("B");
        return std::map<int, bool>{
            {0, ab && i.at("C")}, {1, ab && i.at("D")}, {2, i.at("A") && i.at("E")}};
    });
}

TEST_F(RungNetworkTest, InverterAndAlwaysOn) {
    sketch.Contact(1, 0, "A").Contact(2, 0, "B").Cell(3, 0, CellKind::kInverter).Out(4, 0, "Y0");
    CheckTruthTable({"A", "B"}, {0}, [](const Inputs& i) {
        return std::map<int, bool>{{0, !(i.at("A") && i.at("B"))}};
    });
    auto other = std::make_unique<LadderCells>();
    LadderSketch(*other).Out(1, 0, "Y1");
    cells = std::move(other);
    CheckTruthTable({}, {0}, [](const Inputs&) { return std::map<int, bool>{{0, true}}; });
}

TEST_F(RungNetworkTest, RungsAreRowsJoinedByLinks) {
    sketch.Contact(1, 0, "A").Out(2, 0, "Y0");
    sketch.Contact(1, 1, "B").Link(2, 0);
    sketch.Contact(1, 3, "C").Out(2, 3, "Y1");
    const std::vector<Rung> rungs = FindRungs(*cells, 0, 10);
    ASSERT_EQ(rungs.size(), 2u);
    EXPECT_EQ(rungs[0].firstRow, 0);
    EXPECT_EQ(rungs[0].lastRow, 1);
    EXPECT_EQ(rungs[1].firstRow, 3);
    EXPECT_EQ(rungs[1].lastRow, 3);
    // Half a link joins nothing.
    cells->Kind(2, 0) &= static_cast<std::uint8_t>(~CellKind::kLinkDown);
    EXPECT_EQ(FindRungs(*cells, 0, 10).size(), 3u);
}

TEST_F(RungNetworkTest, RefusalsNameTheRow) {
    sketch.Contact(1, 0, "A").Cell(2, 0, CellKind::kCoil, "Y0");
    auto problem = Problem({});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, kOutputNotInColumn12);

    cells = std::make_unique<LadderCells>();
    LadderSketch(*cells).Contact(2, 0, "A").Out(3, 0, "Y0");  // nothing in column 1
    problem = Problem({0});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, kNoPathToRail);

    cells = std::make_unique<LadderCells>();
    LadderSketch(*cells).Contact(1, 0, "A").Out(2, 0, "Y0").Contact(1, 1, "B").Link(2, 0);
    LadderSketch(*cells).Contact(2, 1, "C");  // leads nowhere
    problem = Problem({0});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->row, 1);
    EXPECT_EQ(problem->text, kNoOutput);

    cells = std::make_unique<LadderCells>();
    LadderSketch(*cells).Contact(1, 0, "A");
    problem = Problem({});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, kNoOutput);

    cells = std::make_unique<LadderCells>();
    LadderSketch(*cells).Cell(3, 0, 12, "X");
    problem = Problem({});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, kMalformedCell);
}

TEST_F(RungNetworkTest, ABridgeCannotBeStated) {
    // A and B in row 0, C and D in row 1, E bridging the middle from row 0
    // down to row 1: no series-parallel list expresses it.
    sketch.Contact(1, 0, "A").Lines(2, 2, 0).Contact(3, 0, "B").Out(4, 0, "Y0");
    sketch.Contact(1, 1, "C").Contact(2, 1, "E").Contact(3, 1, "D").Link(4, 0);
    sketch.Link(2, 0);  // A's right end joins E's left end
    sketch.Link(3, 0);  // and E's right end joins B's left end
    // That is A|C -> (line | E) -> B|D: series-parallel after all.
    CheckTruthTable({"A", "B", "C", "D", "E"}, {0}, [](const Inputs& i) {
        const bool left = i.at("A") || i.at("C");
        return std::map<int, bool>{{0, left && (i.at("B") || i.at("D"))}};
    });

    // A true bridge: X joins the point after A to the point after C, so D
    // is fed from both sides.
    cells = std::make_unique<LadderCells>();
    LadderSketch s(*cells);
    s.Contact(1, 0, "A").Contact(2, 0, "B").Out(3, 0, "Y0");
    s.Contact(2, 1, "X").Contact(3, 1, "D").Lines(4, 11, 1).Link(2, 0).Link(12, 0);
    s.Contact(1, 2, "C").Lines(2, 2, 2).Link(3, 1);
    const auto problem = Problem({0});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, kCannotState);
}

// Power as the ladder itself conducts it: from the rail through closed
// contacts and lines, left to right, and up or down any link.
std::map<int, bool> Conducts(const LadderCells& cells, int rows, const std::vector<int>& outputs,
                             const Inputs& in) {
    std::vector<std::vector<bool>> lit(rows, std::vector<bool>(kOutputColumn + 1, false));
    std::vector<std::pair<int, int>> todo;  // row, left edge of a column
    for (int r = 0; r < rows; ++r) {
        lit[r][1] = true;
        todo.emplace_back(r, 1);
    }
    while (!todo.empty()) {
        const auto [r, e] = todo.back();
        todo.pop_back();
        auto light = [&](int row, int edge) {
            if (!lit[row][edge]) {
                lit[row][edge] = true;
                todo.emplace_back(row, edge);
            }
        };
        if (r + 1 < rows && RowsLinked(cells, e, r)) light(r + 1, e);
        if (r > 0 && RowsLinked(cells, e, r - 1)) light(r - 1, e);
        if (e > kLastConditionColumn) continue;
        const std::uint8_t s = Symbol(cells.Kind(e, r));
        const auto it = in.find(cells.First(e, r));
        const bool on = it != in.end() && it->second;
        if (s == CellKind::kLine || (s == CellKind::kOpenContact && on) ||
            (s == CellKind::kClosedContact && !on)) {
            light(r, e + 1);
        }
    }
    std::map<int, bool> power;
    for (int r : outputs)
        power[r] = lit[r][kOutputColumn];
    return power;
}

// Random rungs of contacts, lines and links: each is either refused or
// written so that every output's power is what the ladder conducts.
TEST_F(RungNetworkTest, RandomRungsConductAsTheLadder) {
    std::mt19937 random(0x2B1D6E);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int written = 0, refused = 0;
    for (int round = 0; round < 3000 && !HasFailure(); ++round) {
        for (int r = 0; r < 5; ++r) {
            for (int c = 1; c <= kOutputColumn; ++c)
                cells->ClearCell(c, r);
        }
        LadderSketch& s = sketch;
        const int rows = 1 + below(5);
        std::vector<int> outputs;
        std::vector<std::string> names;
        for (int r = 0; r < rows; ++r) {
            const int width = below(4) == 0 ? kLastConditionColumn : 1 + below(5);
            for (int c = 1; c <= width; ++c) {
                const std::string name = "X" + std::to_string(names.size());
                const int pick = below(10);
                if (pick < 5) {
                    s.Contact(c, r, name);
                } else if (pick < 7) {
                    s.Closed(c, r, name);
                } else if (pick < 9) {
                    s.Lines(c, c, r);
                    continue;
                } else {
                    continue;  // a gap
                }
                names.push_back(name);
            }
            if (below(3) != 0) {
                s.Out(width + 1, r, "Y" + std::to_string(r));
                outputs.push_back(r);
            }
        }
        for (int r = 0; r + 1 < rows; ++r) {
            for (int n = below(4); n > 0; --n)
                s.Link(2 + below(kOutputColumn - 1), r);
        }
        const std::vector<Rung> rungs = FindRungs(*cells, 0, rows - 1);
        for (const Rung& rung : rungs) {
            std::vector<int> own;
            for (int r : outputs) {
                if (r >= rung.firstRow && r <= rung.lastRow) own.push_back(r);
            }
            Inputs none;
            Machine probe(*cells, none);
            if (WriteRung(*cells, rung, own, probe)) {
                ++refused;
                continue;
            }
            ++written;
            for (int trial = 0; trial < 8; ++trial) {
                Inputs in;
                for (const std::string& name : names)
                    in[name] = below(2) == 0;
                Machine m(*cells, in);
                ASSERT_FALSE(WriteRung(*cells, rung, own, m));
                EXPECT_EQ(m.outputs, Conducts(*cells, rows, own, in))
                    << "round " << round << " rows " << rung.firstRow << ".." << rung.lastRow;
            }
        }
    }
    EXPECT_GT(written, 500);
    EXPECT_GT(refused, 100);
}

// One wide rung, rows of eleven contacts joined at the output column: the
// output is on when any row is on.
TEST_F(RungNetworkTest, ManyRowsJoinedAtTheOutput) {
    constexpr int kRows = 40;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 1; c <= kLastConditionColumn; ++c)
            sketch.Contact(c, r, c == 1 ? "R" + std::to_string(r) : "ON");
        if (r > 0) sketch.Link(kOutputColumn, r - 1);
    }
    cells->Kind(kOutputColumn, 0) |= CellKind::kCoil;
    cells->First(kOutputColumn, 0) = "Y0";
    const std::vector<Rung> rungs = FindRungs(*cells, 0, kRows);
    ASSERT_EQ(rungs.size(), 1u);
    for (int on = -1; on < kRows; ++on) {
        Inputs in{{"ON", true}};
        if (on >= 0) in["R" + std::to_string(on)] = true;
        Machine m(*cells, in);
        ASSERT_FALSE(WriteRung(*cells, rungs[0], {0}, m));
        EXPECT_EQ(m.outputs, (std::map<int, bool>{{0, on >= 0}})) << "row " << on;
    }
}

}  // namespace
}  // namespace vx::convert
