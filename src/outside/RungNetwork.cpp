#include "outside/RungNetwork.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <utility>

#include "model/CellKind.h"

namespace vx::convert {
namespace {

// Left edges 1 to 12 of the columns; edge 1 is the rail.
constexpr int kEdges = kOutputColumn + 1;

bool IsContactSymbol(std::uint8_t s) {
    return s == CellKind::kOpenContact || s == CellKind::kClosedContact ||
           s == CellKind::kCompareContact || s == CellKind::kRisingEdge ||
           s == CellKind::kFallingEdge || s == CellKind::kStepContact;
}

bool IsRowUsed(const LadderCells& cells, int row) {
    for (int c = kFirstConditionColumn; c <= kOutputColumn; ++c) {
        if (Symbol(cells.Kind(c, row)) != CellKind::kEmpty) return true;
    }
    return false;
}

class UnionFind {
  public:
    explicit UnionFind(int n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
    int Find(int x) {
        while (parent_[x] != x) {
            parent_[x] = parent_[parent_[x]];
            x = parent_[x];
        }
        return x;
    }
    void Join(int a, int b) { parent_[Find(a)] = Find(b); }

  private:
    std::vector<int> parent_;
};

// A piece of series-parallel logic.
struct Logic {
    enum Type { Leaf, Series, Parallel } type = Leaf;
    int element = -1;  // Leaf: index of the element
    std::vector<Logic> parts;
};

struct Element {
    int column = 0;
    int row = 0;
    std::uint8_t symbol = 0;
    int from = 0;  // nodes
    int to = 0;
};

struct Output {
    int row = 0;
    int node = 0;
};

class Network {
  public:
    Network(const LadderCells& cells, const Rung& rung, RungWriter& writer)
        : cells_(cells), rung_(rung), writer_(writer) {}

    std::optional<RungProblem> Build(const std::vector<int>& outputRows);
    std::optional<RungProblem> Write();

  private:
    int NodeIndex(int row, int edge) const { return (row - rung_.firstRow) * kEdges + edge; }

    std::vector<bool> Forward(int from, const std::vector<bool>* within) const;
    std::vector<bool> Backward(const std::vector<int>& to) const;
    std::optional<RungProblem> Branch(int from, std::vector<int> outputs, bool atRail);
    std::optional<RungProblem> Group(int from, const std::vector<int>& outputs, bool atRail);
    std::optional<Logic> Reduce(int from, int to, const std::vector<bool>& nodes) const;
    int FirstRow(const std::vector<int>& outputs) const;

    bool IsTrue(const Logic& l) const;
    bool HasInverter(const Logic& l) const;
    void Emit(const Logic& l, Mode mode);
    void EmitSeriesTail(const std::vector<const Logic*>& items, std::size_t from);
    std::vector<const Logic*> SeriesItems(const Logic& l) const;

    const LadderCells& cells_;
    Rung rung_;
    RungWriter& writer_;
    int nodeCount_ = 0;
    int rail_ = 0;
    std::vector<int> nodeOf_;  // class of each (row, edge)
    std::vector<int> edgeOf_;  // edge number of each class
    std::vector<Element> elements_;
    std::vector<Output> outputs_;
    std::vector<std::vector<int>> out_;  // elements leaving each node
    std::vector<std::vector<int>> in_;   // elements entering each node
};

std::optional<RungProblem> Network::Build(const std::vector<int>& outputRows) {
    const int rows = rung_.lastRow - rung_.firstRow + 1;
    UnionFind classes(rows * kEdges);
    for (int r = rung_.firstRow; r <= rung_.lastRow; ++r) {
        classes.Join(NodeIndex(r, kFirstConditionColumn), NodeIndex(rung_.firstRow, 1));
        if (r == rung_.lastRow) continue;
        for (int c = kFirstConditionColumn + 1; c <= kOutputColumn; ++c) {
            if (RowsLinked(cells_, c, r)) classes.Join(NodeIndex(r, c), NodeIndex(r + 1, c));
        }
    }
    // Number the classes densely.
    std::map<int, int> dense;
    nodeOf_.assign(rows * kEdges, -1);
    for (int r = rung_.firstRow; r <= rung_.lastRow; ++r) {
        for (int e = 1; e < kEdges; ++e) {
            const int root = classes.Find(NodeIndex(r, e));
            auto [it, added] = dense.emplace(root, static_cast<int>(dense.size()));
            if (added) edgeOf_.push_back(e);
            nodeOf_[NodeIndex(r, e)] = it->second;
        }
    }
    nodeCount_ = static_cast<int>(dense.size());
    rail_ = nodeOf_[NodeIndex(rung_.firstRow, 1)];

    for (int r = rung_.firstRow; r <= rung_.lastRow; ++r) {
        for (int c = kFirstConditionColumn; c <= kLastConditionColumn; ++c) {
            const std::uint8_t s = Symbol(cells_.Kind(c, r));
            if (s == CellKind::kEmpty) continue;
            if (s == CellKind::kCoil || s == CellKind::kFunctionBox) {
                return RungProblem{r, kOutputNotInColumn12};
            }
            const bool known =
                IsContactSymbol(s) || s == CellKind::kLine || s == CellKind::kInverter;
            if (!known || (s == CellKind::kStepContact && c != kFirstConditionColumn)) {
                return RungProblem{r, kMalformedCell};
            }
            elements_.push_back({c, r, s, nodeOf_[NodeIndex(r, c)], nodeOf_[NodeIndex(r, c + 1)]});
        }
        const std::uint8_t s = Symbol(cells_.Kind(kOutputColumn, r));
        if (s == CellKind::kCoil || s == CellKind::kFunctionBox) {
            if (std::find(outputRows.begin(), outputRows.end(), r) != outputRows.end()) {
                outputs_.push_back({r, nodeOf_[NodeIndex(r, kOutputColumn)]});
            }
        } else if (s != CellKind::kEmpty && s != CellKind::kLine) {
            return RungProblem{r, kMalformedCell};
        }
    }

    out_.assign(nodeCount_, {});
    in_.assign(nodeCount_, {});
    for (int i = 0; i < static_cast<int>(elements_.size()); ++i) {
        out_[elements_[i].from].push_back(i);
        in_[elements_[i].to].push_back(i);
    }

    // Every contact must be fed from the rail and lead to an output; a line
    // that goes nowhere is a harmless remnant of drawing.
    const std::vector<bool> fed = Forward(rail_, nullptr);
    std::vector<int> outputNodes;
    for (const Output& o : outputs_) {
        if (!fed[o.node]) return RungProblem{o.row, kNoPathToRail};
        outputNodes.push_back(o.node);
    }
    const std::vector<bool> leads = Backward(outputNodes);
    for (const Element& e : elements_) {
        if (e.symbol == CellKind::kLine) continue;
        if (!fed[e.from]) return RungProblem{e.row, kNoPathToRail};
        if (!leads[e.to]) return RungProblem{e.row, kNoOutput};
    }
    return std::nullopt;
}

std::vector<bool> Network::Forward(int from, const std::vector<bool>* within) const {
    std::vector<bool> seen(nodeCount_, false);
    std::vector<int> todo{from};
    seen[from] = true;
    while (!todo.empty()) {
        const int n = todo.back();
        todo.pop_back();
        for (int e : out_[n]) {
            const int t = elements_[e].to;
            if (seen[t] || (within && !(*within)[t])) continue;
            seen[t] = true;
            todo.push_back(t);
        }
    }
    return seen;
}

std::vector<bool> Network::Backward(const std::vector<int>& to) const {
    std::vector<bool> seen(nodeCount_, false);
    std::vector<int> todo;
    for (int n : to) {
        if (!seen[n]) todo.push_back(n);
        seen[n] = true;
    }
    while (!todo.empty()) {
        const int n = todo.back();
        todo.pop_back();
        for (int e : in_[n]) {
            const int f = elements_[e].from;
            if (seen[f]) continue;
            seen[f] = true;
            todo.push_back(f);
        }
    }
    return seen;
}

int Network::FirstRow(const std::vector<int>& outputs) const {
    int row = rung_.lastRow;
    for (int o : outputs)
        row = std::min(row, outputs_[o].row);
    return row;
}

std::optional<RungProblem> Network::Write() {
    if (outputs_.empty()) {
        // Nothing to drive: only lines (checked above), so nothing to write.
        return std::nullopt;
    }
    std::vector<int> all(outputs_.size());
    std::iota(all.begin(), all.end(), 0);
    return Branch(rail_, all, true);
}

// The outputs reached from node `from`, whose power the accumulator holds
// (unless atRail): those standing on the node itself first, then each branch.
std::optional<RungProblem> Network::Branch(int from, std::vector<int> outputs, bool atRail) {
    std::vector<int> rest;
    for (int o : outputs) {
        if (outputs_[o].node == from) {
            writer_.Output(outputs_[o].row);
        } else {
            rest.push_back(o);
        }
    }
    if (rest.empty()) return std::nullopt;

    std::vector<int> targets;
    for (int o : rest)
        targets.push_back(outputs_[o].node);
    const std::vector<bool> ahead = Forward(from, nullptr);
    std::vector<bool> part = Backward(targets);
    for (int n = 0; n < nodeCount_; ++n)
        part[n] = part[n] && ahead[n];

    // Branches: the outputs whose paths meet other than at `from`.
    UnionFind meet(nodeCount_);
    for (const Element& e : elements_) {
        if (e.from != from && e.to != from && part[e.from] && part[e.to]) meet.Join(e.from, e.to);
    }
    std::map<int, std::vector<int>> byBranch;
    for (int o : rest)
        byBranch[meet.Find(outputs_[o].node)].push_back(o);
    std::vector<std::vector<int>> branches;
    for (auto& [root, outs] : byBranch)
        branches.push_back(std::move(outs));
    std::sort(branches.begin(), branches.end(),
              [&](const auto& a, const auto& b) { return FirstRow(a) < FirstRow(b); });

    // Branches that part at the rail are separate rungs that happen to
    // share a stray link; each starts with its own load.
    for (std::size_t i = 0; i < branches.size(); ++i) {
        if (branches.size() > 1 && !atRail) {
            writer_.Block(i == 0 ? "MPS" : (i + 1 < branches.size() ? "MRD" : "MPP"));
        }
        if (auto problem = Group(from, branches[i], atRail)) return problem;
    }
    return std::nullopt;
}

// One branch: the logic from `from` to the first node all its outputs pass
// through, then what hangs from that node.
std::optional<RungProblem> Network::Group(int from, const std::vector<int>& outputs, bool atRail) {
    std::vector<int> targets;
    for (int o : outputs)
        targets.push_back(outputs_[o].node);
    const std::vector<bool> ahead = Forward(from, nullptr);
    std::vector<bool> part = Backward(targets);
    for (int n = 0; n < nodeCount_; ++n)
        part[n] = part[n] && ahead[n];

    std::vector<int> candidates;
    for (int n = 0; n < nodeCount_; ++n) {
        if (part[n] && n != from) candidates.push_back(n);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](int a, int b) { return edgeOf_[a] < edgeOf_[b]; });
    int through = -1;
    for (int d : candidates) {
        std::vector<bool> without = part;
        without[d] = false;
        const std::vector<bool> reach = Forward(from, &without);
        const bool passes =
            std::none_of(targets.begin(), targets.end(), [&](int t) { return t != d && reach[t]; });
        if (passes) {
            through = d;
            break;
        }
    }
    if (through < 0) return RungProblem{FirstRow(outputs), kCannotState};

    std::vector<bool> between = Backward({through});
    for (int n = 0; n < nodeCount_; ++n)
        between[n] = between[n] && ahead[n];
    std::optional<Logic> logic = Reduce(from, through, between);
    if (!logic) return RungProblem{FirstRow(outputs), kCannotState};

    if (atRail) {
        Emit(*logic, Mode::Load);
    } else {
        // After a branch point the logic continues the accumulator: an
        // inverter here inverts everything before it.
        for (const Logic* item : SeriesItems(*logic))
            Emit(*item, Mode::And);
    }
    return Branch(through, outputs, false);
}

// Series and parallel reduction of the network between two nodes.
std::optional<Logic> Network::Reduce(int from, int to, const std::vector<bool>& nodes) const {
    struct Piece {
        int from, to;
        Logic logic;
    };
    std::vector<Piece> pieces;
    for (int i = 0; i < static_cast<int>(elements_.size()); ++i) {
        const Element& e = elements_[i];
        if (nodes[e.from] && nodes[e.to]) {
            pieces.push_back({e.from, e.to, Logic{Logic::Leaf, i, {}}});
        }
    }
    auto join = [](Logic::Type type, Logic a, Logic b) {
        Logic l{type, -1, {}};
        for (Logic* p : {&a, &b}) {
            if (p->type == type) {
                for (Logic& q : p->parts)
                    l.parts.push_back(std::move(q));
            } else {
                l.parts.push_back(std::move(*p));
            }
        }
        return l;
    };
    bool changed = true;
    while (changed && pieces.size() > 1) {
        changed = false;
        // Side by side: the same two nodes.
        for (std::size_t i = 0; i < pieces.size() && !changed; ++i) {
            for (std::size_t j = i + 1; j < pieces.size(); ++j) {
                if (pieces[i].from == pieces[j].from && pieces[i].to == pieces[j].to) {
                    pieces[i].logic = join(Logic::Parallel, std::move(pieces[i].logic),
                                           std::move(pieces[j].logic));
                    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(j));
                    changed = true;
                    break;
                }
            }
        }
        if (changed) continue;
        // In a row: a node with one piece in and one out.
        for (int n = 0; n < nodeCount_ && !changed; ++n) {
            if (n == from || n == to || !nodes[n]) continue;
            int in = -1, out = -1, ins = 0, outs = 0;
            for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
                if (pieces[i].to == n) in = i, ++ins;
                if (pieces[i].from == n) out = i, ++outs;
            }
            if (ins != 1 || outs != 1) continue;
            pieces[in].logic =
                join(Logic::Series, std::move(pieces[in].logic), std::move(pieces[out].logic));
            pieces[in].to = pieces[out].to;
            pieces.erase(pieces.begin() + out);
            changed = true;
        }
    }
    if (pieces.size() != 1 || pieces[0].from != from || pieces[0].to != to) return std::nullopt;
    return std::move(pieces[0].logic);
}

bool Network::IsTrue(const Logic& l) const {
    switch (l.type) {
        case Logic::Leaf:
            return elements_[l.element].symbol == CellKind::kLine;
        case Logic::Series:
            return std::all_of(l.parts.begin(), l.parts.end(),
                               [&](const Logic& p) { return IsTrue(p); });
        case Logic::Parallel:
            return false;
    }
    return false;
}

bool Network::HasInverter(const Logic& l) const {
    for (const Logic* item : SeriesItems(l)) {
        if (item->type == Logic::Leaf && elements_[item->element].symbol == CellKind::kInverter) {
            return true;
        }
    }
    return false;
}

// The parts of a series that do something (lines left out); a piece that is
// not a series is its own only item.
std::vector<const Logic*> Network::SeriesItems(const Logic& l) const {
    std::vector<const Logic*> items;
    if (l.type != Logic::Series) {
        if (!IsTrue(l)) items.push_back(&l);
        return items;
    }
    for (const Logic& p : l.parts) {
        if (!IsTrue(p)) items.push_back(&p);
    }
    return items;
}

void Network::EmitSeriesTail(const std::vector<const Logic*>& items, std::size_t from) {
    for (std::size_t i = from; i < items.size(); ++i)
        Emit(*items[i], Mode::And);
}

void Network::Emit(const Logic& l, Mode mode) {
    if (IsTrue(l)) {
        if (mode != Mode::And) writer_.Always(mode);
        return;
    }
    switch (l.type) {
        case Logic::Leaf: {
            const Element& e = elements_[l.element];
            if (e.symbol != CellKind::kInverter) {
                writer_.Contact(e.column, e.row, mode);
                return;
            }
            if (mode == Mode::And) {
                writer_.Block("INV");
                return;
            }
            writer_.Always(Mode::Load);
            writer_.Block("INV");
            if (mode == Mode::Or) writer_.Block("ORB");
            return;
        }
        case Logic::Series: {
            const std::vector<const Logic*> items = SeriesItems(l);
            if (items.size() == 1) {
                Emit(*items[0], mode);
                return;
            }
            if (mode == Mode::And && !HasInverter(l)) {
                EmitSeriesTail(items, 0);
                return;
            }
            Emit(*items[0], Mode::Load);
            EmitSeriesTail(items, 1);
            if (mode != Mode::Load) writer_.Block(mode == Mode::And ? "ANB" : "ORB");
            return;
        }
        case Logic::Parallel: {
            if (mode == Mode::Or) {
                for (const Logic& p : l.parts)
                    Emit(p, Mode::Or);
                return;
            }
            Emit(l.parts[0], Mode::Load);
            for (std::size_t i = 1; i < l.parts.size(); ++i)
                Emit(l.parts[i], Mode::Or);
            if (mode == Mode::And) writer_.Block("ANB");
            return;
        }
    }
}

// Instructions are collected first, so a refused rung writes nothing.
class Recorder : public RungWriter {
  public:
    struct Step {
        int kind;  // 0 contact, 1 always, 2 block, 3 output
        int column, row;
        Mode mode;
        const char* op;
    };
    void Contact(int column, int row, Mode mode) override {
        steps.push_back({0, column, row, mode, nullptr});
    }
    void Always(Mode mode) override { steps.push_back({1, 0, 0, mode, nullptr}); }
    void Block(const char* op) override { steps.push_back({2, 0, 0, Mode::Load, op}); }
    void Output(int row) override { steps.push_back({3, 0, row, Mode::Load, nullptr}); }

    void Replay(RungWriter& to) const {
        for (const Step& s : steps) {
            switch (s.kind) {
                case 0:
                    to.Contact(s.column, s.row, s.mode);
                    break;
                case 1:
                    to.Always(s.mode);
                    break;
                case 2:
                    to.Block(s.op);
                    break;
                default:
                    to.Output(s.row);
                    break;
            }
        }
    }
    std::vector<Step> steps;
};

}  // namespace

bool RowsLinked(const LadderCells& cells, int column, int row) {
    if (column <= kFirstConditionColumn || column > kOutputColumn) return false;
    if (!IsCell(column, row) || !IsCell(column, row + 1)) return false;
    return HasLinkDown(cells.Kind(column, row)) && HasLinkUp(cells.Kind(column, row + 1));
}

std::vector<Rung> FindRungs(const LadderCells& cells, int firstRow, int lastRow) {
    std::vector<Rung> rungs;
    int r = firstRow;
    while (r <= lastRow) {
        if (!IsRowUsed(cells, r)) {
            ++r;
            continue;
        }
        Rung rung{r, r};
        while (rung.lastRow < lastRow) {
            bool linked = false;
            for (int c = kFirstConditionColumn + 1; c <= kOutputColumn && !linked; ++c)
                linked = RowsLinked(cells, c, rung.lastRow);
            if (!linked) break;
            ++rung.lastRow;
        }
        rungs.push_back(rung);
        r = rung.lastRow + 1;
    }
    return rungs;
}

std::optional<RungProblem> WriteRung(const LadderCells& cells, const Rung& rung,
                                     const std::vector<int>& outputRows, RungWriter& writer) {
    Recorder recorder;
    Network network(cells, rung, recorder);
    if (auto problem = network.Build(outputRows)) return problem;
    if (auto problem = network.Write()) return problem;
    recorder.Replay(writer);
    return std::nullopt;
}

}  // namespace vx::convert
