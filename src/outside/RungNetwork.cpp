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
    // Makes x a class of its own again (for reuse on a subset of the nodes).
    void Reset(int x) { parent_[x] = x; }

  private:
    std::vector<int> parent_;
};

// A piece of series-parallel logic.
struct Logic {
    enum Type { Leaf, Series, Parallel } type = Leaf;
    int element = -1;  // Leaf: index of the element
    int first = 0;     // the lowest element index inside (the topmost, leftmost cell)
    std::vector<Logic> parts;
};

// Joins two pieces in series (a before b) or side by side; a part of the
// same type is flattened into the result. Side by side the parts are put in
// order later (OrderParallels), so the longer list takes the shorter one and
// a wide parallel block is built in time linear in its width.
Logic Join(Logic::Type type, Logic a, Logic b) {
    const int first = std::min(a.first, b.first);
    if (type == Logic::Parallel && a.type == type && b.type == type &&
        a.parts.size() < b.parts.size()) {
        std::swap(a, b);
    }
    if (a.type == type) {
        if (b.type == type) {
            for (Logic& q : b.parts)
                a.parts.push_back(std::move(q));
        } else {
            a.parts.push_back(std::move(b));
        }
        a.first = first;
        return a;
    }
    if (b.type == type) {
        // A series runs left to right: a goes in front (a series is at most
        // one part per column long).
        if (type == Logic::Series) {
            b.parts.insert(b.parts.begin(), std::move(a));
        } else {
            b.parts.push_back(std::move(a));
        }
        b.first = first;
        return b;
    }
    Logic l{type, -1, first, {}};
    l.parts.push_back(std::move(a));
    l.parts.push_back(std::move(b));
    return l;
}

// Branches side by side are written top to bottom.
void OrderParallels(Logic& l) {
    for (Logic& p : l.parts)
        OrderParallels(p);
    if (l.type == Logic::Parallel) {
        std::stable_sort(l.parts.begin(), l.parts.end(),
                         [](const Logic& a, const Logic& b) { return a.first < b.first; });
    }
}

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

// The network's nodes are the classes of joined left edges. Every element
// leads from a node of edge c to one of edge c + 1, so a node's edge number is
// its level, and each path from the rail meets every level once. The work
// below keeps to the nodes of the part being written (lists, and marks that
// are stamped rather than cleared), so a rung is written in time close to
// linear in its size.
class Network {
  public:
    Network(const LadderCells& cells, const Rung& rung, RungWriter& writer)
        : cells_(cells), rung_(rung), writer_(writer) {}

    std::optional<RungProblem> Build(const std::vector<int>& outputRows);
    std::optional<RungProblem> Write();

  private:
    int NodeIndex(int row, int edge) const { return (row - rung_.firstRow) * kEdges + edge; }

    std::vector<bool> Forward(int from) const;
    std::vector<bool> Backward(const std::vector<int>& to) const;
    // `from` and the nodes beyond it that lead to an output.
    std::vector<int> PartFrom(int from);
    std::optional<RungProblem> Branch(int from, const std::vector<int>& outputs,
                                      const std::vector<int>& part, bool atRail);
    std::optional<RungProblem> Group(int from, const std::vector<int>& outputs,
                                     const std::vector<int>& part, bool atRail);
    std::optional<Logic> Reduce(int from, int to, const std::vector<int>& nodes);
    int FirstRow(const std::vector<int>& outputs) const;
    // Marks the nodes as the current set; Marked tells them apart.
    void Mark(const std::vector<int>& nodes);
    bool Marked(int node) const { return stamp_[node] == stampNow_; }

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
    std::vector<bool> leads_;            // nodes from which an output is reached
    std::vector<int> stamp_;
    int stampNow_ = 0;
    UnionFind meet_{0};  // where the paths of a branch point's outputs meet
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
    // Number the classes densely, in the order their first edge is met.
    std::vector<int> dense(rows * kEdges, -1);
    nodeOf_.assign(rows * kEdges, -1);
    for (int r = rung_.firstRow; r <= rung_.lastRow; ++r) {
        for (int e = 1; e < kEdges; ++e) {
            int& number = dense[classes.Find(NodeIndex(r, e))];
            if (number < 0) {
                number = nodeCount_++;
                edgeOf_.push_back(e);
            }
            nodeOf_[NodeIndex(r, e)] = number;
        }
    }
    rail_ = nodeOf_[NodeIndex(rung_.firstRow, 1)];

    std::vector<bool> driven(rows, false);
    for (int r : outputRows) {
        if (r >= rung_.firstRow && r <= rung_.lastRow) {
            driven[r - rung_.firstRow] = true;
        }
    }
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
            if (driven[r - rung_.firstRow]) {
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
    stamp_.assign(nodeCount_, 0);
    meet_ = UnionFind(nodeCount_);

    // Every contact must be fed from the rail and lead to an output; a line
    // that goes nowhere is a harmless remnant of drawing.
    const std::vector<bool> fed = Forward(rail_);
    std::vector<int> outputNodes;
    for (const Output& o : outputs_) {
        if (!fed[o.node]) return RungProblem{o.row, kNoPathToRail};
        outputNodes.push_back(o.node);
    }
    leads_ = Backward(outputNodes);
    for (const Element& e : elements_) {
        if (e.symbol == CellKind::kLine) continue;
        if (!fed[e.from]) return RungProblem{e.row, kNoPathToRail};
        if (!leads_[e.to]) return RungProblem{e.row, kNoOutput};
    }
    return std::nullopt;
}

std::vector<bool> Network::Forward(int from) const {
    std::vector<bool> seen(nodeCount_, false);
    std::vector<int> todo{from};
    seen[from] = true;
    while (!todo.empty()) {
        const int n = todo.back();
        todo.pop_back();
        for (int e : out_[n]) {
            const int t = elements_[e].to;
            if (seen[t]) continue;
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

void Network::Mark(const std::vector<int>& nodes) {
    ++stampNow_;
    for (int n : nodes)
        stamp_[n] = stampNow_;
}

std::vector<int> Network::PartFrom(int from) {
    ++stampNow_;
    std::vector<int> part{from};
    stamp_[from] = stampNow_;
    for (std::size_t i = 0; i < part.size(); ++i) {
        for (int e : out_[part[i]]) {
            const int t = elements_[e].to;
            if (!leads_[t] || Marked(t)) continue;
            stamp_[t] = stampNow_;
            part.push_back(t);
        }
    }
    return part;
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
    return Branch(rail_, all, PartFrom(rail_), true);
}

// The outputs reached from node `from`, whose power the accumulator holds
// (unless atRail): those standing on the node itself first, then each branch.
// `part` is `from` and the nodes beyond it on the way to these outputs.
std::optional<RungProblem> Network::Branch(int from, const std::vector<int>& outputs,
                                           const std::vector<int>& part, bool atRail) {
    std::vector<int> rest;
    for (int o : outputs) {
        if (outputs_[o].node == from) {
            writer_.Output(outputs_[o].row);
        } else {
            rest.push_back(o);
        }
    }
    if (rest.empty()) return std::nullopt;

    // Branches: the outputs whose paths meet other than at `from`, with the
    // nodes on their way.
    Mark(part);
    for (int n : part)
        meet_.Reset(n);
    for (int n : part) {
        if (n == from) continue;
        for (int e : out_[n]) {
            if (Marked(elements_[e].to)) meet_.Join(n, elements_[e].to);
        }
    }
    std::map<int, std::vector<int>> byBranch;  // class -> outputs
    for (int o : rest)
        byBranch[meet_.Find(outputs_[o].node)].push_back(o);
    std::map<int, std::vector<int>> nodesOf;  // class -> nodes, `from` first
    for (auto& [root, outs] : byBranch)
        nodesOf[root].push_back(from);
    for (int n : part) {
        if (n == from) continue;
        if (auto it = nodesOf.find(meet_.Find(n)); it != nodesOf.end()) it->second.push_back(n);
    }
    std::vector<std::pair<std::vector<int>, std::vector<int>>> branches;  // outputs, nodes
    for (auto& [root, outs] : byBranch)
        branches.emplace_back(std::move(outs), std::move(nodesOf[root]));
    std::sort(branches.begin(), branches.end(),
              [&](const auto& a, const auto& b) { return FirstRow(a.first) < FirstRow(b.first); });

    // Branches that part at the rail are separate rungs that happen to
    // share a stray link; each starts with its own load.
    for (std::size_t i = 0; i < branches.size(); ++i) {
        if (branches.size() > 1 && !atRail) {
            writer_.Block(i == 0 ? "MPS" : (i + 1 < branches.size() ? "MRD" : "MPP"));
        }
        if (auto problem = Group(from, branches[i].first, branches[i].second, atRail)) {
            return problem;
        }
    }
    return std::nullopt;
}

// One branch: the logic from `from` to the first node all its outputs pass
// through, then what hangs from that node. `part` is `from` and the nodes of
// the branch. Every path meets each level once, so the nodes all outputs pass
// through are those alone on their level; the first is the lowest level.
std::optional<RungProblem> Network::Group(int from, const std::vector<int>& outputs,
                                          const std::vector<int>& part, bool atRail) {
    int lastLevel = kEdges;  // no output stands beyond its lowest level
    for (int o : outputs)
        lastLevel = std::min(lastLevel, edgeOf_[outputs_[o].node]);
    int count[kEdges + 1] = {};
    int alone[kEdges + 1] = {};
    for (int n : part) {
        if (n == from) continue;
        ++count[edgeOf_[n]];
        alone[edgeOf_[n]] = n;
    }
    int through = -1;
    for (int level = edgeOf_[from] + 1; level <= lastLevel && through < 0; ++level) {
        if (count[level] == 1) through = alone[level];
    }
    if (through < 0) return RungProblem{FirstRow(outputs), kCannotState};

    const int level = edgeOf_[through];
    std::vector<int> between, beyond{through};
    for (int n : part) {
        if (edgeOf_[n] <= level) {
            between.push_back(n);
        } else {
            beyond.push_back(n);
        }
    }
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
    return Branch(through, outputs, beyond, false);
}

// Series and parallel reduction of the network between two nodes: a node
// with one piece in and one out joins them in series, two pieces between the
// same nodes are joined side by side. Each node is looked at again only when
// its pieces change, so the work is linear in the pieces.
std::optional<Logic> Network::Reduce(int from, int to, const std::vector<int>& nodes) {
    struct Piece {
        int from, to;
        Logic logic;
        bool alive = true;
    };
    struct Ends {
        int in = 0, out = 0;         // live pieces entering and leaving
        std::vector<int> ins, outs;  // pieces that entered or left (some since gone)
    };
    Mark(nodes);
    std::map<int, Ends> ends;
    std::map<std::pair<int, int>, int> byEnds;  // the live piece between two nodes
    std::vector<Piece> pieces;
    std::vector<int> todo;
    int alive = 0;

    // Registers piece i under its ends, joining it to a piece between the same nodes.
    auto place = [&](int i) {
        const auto [it, added] = byEnds.emplace(std::make_pair(pieces[i].from, pieces[i].to), i);
        if (added) return;
        Piece& keep = pieces[it->second];
        Piece& gone = pieces[i];
        keep.logic = Join(Logic::Parallel, std::move(keep.logic), std::move(gone.logic));
        gone.alive = false;
        --alive;
        --ends[gone.from].out;
        --ends[gone.to].in;
        todo.push_back(gone.from);
        todo.push_back(gone.to);
    };
    for (int n : nodes) {
        for (int e : out_[n]) {
            const Element& element = elements_[e];
            if (!Marked(element.to)) continue;
            const int i = static_cast<int>(pieces.size());
            pieces.push_back({n, element.to, Logic{Logic::Leaf, e, e, {}}});
            ++alive;
            Ends& a = ends[n];
            ++a.out;
            a.outs.push_back(i);
            Ends& b = ends[element.to];
            ++b.in;
            b.ins.push_back(i);
            place(i);
        }
        todo.push_back(n);
    }
    while (!todo.empty()) {
        const int n = todo.back();
        todo.pop_back();
        if (n == from || n == to) continue;
        Ends& here = ends[n];
        if (here.in != 1 || here.out != 1) continue;
        int a = -1, b = -1;
        for (int i : here.ins) {
            if (pieces[i].alive && pieces[i].to == n) a = i;
        }
        for (int i : here.outs) {
            if (pieces[i].alive) b = i;
        }
        Piece& first = pieces[a];
        Piece& second = pieces[b];
        byEnds.erase({first.from, n});
        byEnds.erase({n, second.to});
        first.logic = Join(Logic::Series, std::move(first.logic), std::move(second.logic));
        first.to = second.to;
        second.alive = false;
        --alive;
        here.in = here.out = 0;
        ends[first.to].ins.push_back(a);
        place(a);
    }
    if (alive != 1) return std::nullopt;
    auto it = byEnds.find({from, to});
    if (it == byEnds.end()) return std::nullopt;
    Logic logic = std::move(pieces[it->second].logic);
    OrderParallels(logic);
    return logic;
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
