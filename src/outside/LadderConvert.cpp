#include "outside/LadderConvert.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "editor/ProjectFile.h"
#include "model/CellKind.h"
#include "model/ElementEntry.h"
#include "model/InstructionCompiler.h"
#include "outside/RungNetwork.h"
#include "platform/FileIo.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx {
namespace {

using convert::Mode;
using convert::Rung;
using convert::RungProblem;

std::string& LastMessage() {
    static std::string message;
    return message;
}

// The entry rules report refusals as messages; while the converter asks them,
// the text is kept for its own report instead.
class QuietMessages {
  public:
    QuietMessages()
        : previous_(SetMessagePresenter([this](const Message& m) {
              last_ = m.text;
              return CautiousAnswer(m.buttons);
          })) {}
    ~QuietMessages() { SetMessagePresenter(std::move(previous_)); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

    std::string Take() { return std::exchange(last_, {}); }

  private:
    MessagePresenter previous_;
    std::string last_;
};

std::string Line4(int line) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", line);
    return text;
}

std::string PadMnemonic(const std::string& m) {
    std::string s = m;
    if (s.size() < 5) s.resize(5, ' ');
    return s + " ";
}

// The number after the last letter of a text such as "MC  N1" or "CALL S3";
// -1 when there is none or it does not fit. Read only from texts the entry
// rules have accepted, whose numbers are in range.
int TrailingNumber(const std::string& text) {
    std::size_t i = text.size();
    while (i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9')
        --i;
    int number = -1;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + i, end, number);
    return error == std::errc() && stop == end ? number : -1;
}

std::string Mnemonic(const std::string& first) {
    const std::size_t blank = first.find(' ');
    return blank == std::string::npos ? first : first.substr(0, blank);
}

// A block's heading in the instruction list and in refusals, in the
// interface language.
std::string BlockTitle(const LadderProgram& program, int block) {
    if (block == kMainBlock) return InterfaceText("主程序", "Main program");
    const std::string& name = program.subroutineNames[static_cast<std::size_t>(block)];
    return InterfaceText("子程序 S", "Subroutine S") + std::to_string(block) +
           (name.empty() ? "" : " " + name);
}

// A refusal's reason in English: the reasons are written in Chinese, and a
// detail in brackets (what the entry rules said) follows as it is.
std::string EnglishReason(const std::string& text) {
    static const std::pair<const char*, const char*> kReasons[] = {
        {convert::kNoPathToRail, "the element has no path to the left rail"},
        {convert::kNoOutput, "the element is not connected to an output"},
        {convert::kOutputNotInColumn12,
         "the output coil or function instruction is not in column 12"},
        {convert::kMalformedCell, "wrong kind of element"},
        {convert::kCannotState, "the ladder cannot be stated as an instruction list"},
        {"元件设置错误", "device setting error"},
        {"指令设置错误", "instruction setting error"},
        {"子程序递归调用", "recursive subroutine call"},
    };
    for (const auto& [chinese, english] : kReasons) {
        if (text.rfind(chinese, 0) == 0) return english + text.substr(std::strlen(chinese));
    }
    // "跳转标号 P<n> 重复" and "跳转标号 P<n> 不存在".
    static const std::string kLabel = "跳转标号 ";
    if (text.rfind(kLabel, 0) == 0) {
        std::string rest = text.substr(kLabel.size());
        for (const auto& [chinese, english] :
             {std::pair<std::string, std::string>{" 重复", " is used twice"},
              std::pair<std::string, std::string>{" 不存在", " does not exist"}}) {
            if (const std::size_t at = rest.find(chinese); at != std::string::npos)
                return "jump label " + rest.substr(0, at) + english +
                       rest.substr(at + chinese.size());
        }
    }
    return text;
}

struct CallSite {
    int target = 0;
    int row = 0;
};

// One block (the main program or a subroutine) turned into C and a list.
class BlockConverter : public convert::RungWriter {
  public:
    BlockConverter(const LadderProgram& program, int block, QuietMessages& quiet)
        : cells_(program.cells), block_(block), quiet_(quiet) {}

    std::optional<RungProblem> Convert();

    std::string list;
    std::string code;
    int edgeMemories = 0;
    std::vector<CallSite> calls;

    std::string EdgeArray() const {
        return block_ == kMainBlock ? "EdgeM_" : "EdgeS" + std::to_string(block_) + "_";
    }

    // convert::RungWriter
    void Contact(int column, int row, Mode mode) override;
    void Always(Mode mode) override;
    void Block(const char* op) override;
    void Output(int row) override;

  private:
    // The C fragment the entry rules give the cell's first text, where the
    // text makes the element the cell's kind shows; empty otherwise.
    std::optional<std::string> Fragment(int column, int row);
    // Why Fragment refused the cell: `text` for a text the entry rules
    // refuse, a damaged cell where the text is another kind of element.
    RungProblem CellProblem(int column, int row, const std::string& text);
    void Put(const std::string& listLine, const std::string& c);
    std::optional<RungProblem> Refuse(int row, const std::string& text);
    std::optional<RungProblem> ConvertRung(const Rung& rung);

    const LadderCells& cells_;
    int block_;
    QuietMessages& quiet_;
    int step_ = 0;
    std::optional<RungProblem> pending_;  // a cell refused while the rung is written
    std::map<std::pair<int, int>, std::string> fragments_;
    bool wrongKind_ = false;  // the last refused text is another kind of element

    int openStep_ = -1;          // the step whose rungs follow, -1 outside steps
    std::vector<int> mcLevels_;  // open master-control levels, innermost last
    bool rungHasStep_ = false;   // the rung holds its own step contact
    std::set<int> labels_;
    std::vector<std::pair<int, int>> jumps_;  // label, row
};

void BlockConverter::Put(const std::string& listLine, const std::string& c) {
    if (!listLine.empty()) {
        char number[16];
        std::snprintf(number, sizeof number, "%04d  ", step_++);
        list += number + listLine + "\r\n";
    }
    code += "  " + c + "\r\n";
}

std::optional<RungProblem> BlockConverter::Refuse(int row, const std::string& text) {
    std::string why = text;
    const std::string detail = quiet_.Take();
    if (!detail.empty() && detail != text) why += " (" + detail + ")";
    return RungProblem{row, why};
}

std::optional<std::string> BlockConverter::Fragment(int column, int row) {
    const auto key = std::make_pair(column, row);
    if (auto it = fragments_.find(key); it != fragments_.end()) return it->second;
    quiet_.Take();  // a notice left by an earlier cell says nothing about this one
    wrongKind_ = false;
    const std::string& first = cells_.First(column, row);
    const std::uint8_t symbol = Symbol(cells_.Kind(column, row));
    std::optional<CellWrite> made;
    if (symbol == CellKind::kCompareContact || symbol == CellKind::kStepContact ||
        symbol == CellKind::kFunctionBox) {
        auto entry = CompileFunctionInstruction(first, column, row, cells_);
        if (entry && !entry->writes.empty()) made = std::move(entry->writes.front());
    } else {
        ElementEntryRequest request;
        request.text = first;
        request.entryKind = symbol;
        request.column = column;
        request.row = row;
        auto entry = EnterElement(request, cells_);
        if (entry && !entry->writes.empty()) made = std::move(entry->writes.front());
    }
    if (!made) return std::nullopt;
    // "END" in a compare contact or an instruction in a step contact: the
    // entry would have made another element, somewhere else.
    if (Symbol(made->kind) != symbol || made->column != column) {
        wrongKind_ = true;
        return std::nullopt;
    }
    fragments_[key] = made->second;
    return std::move(made->second);
}

RungProblem BlockConverter::CellProblem(int column, int row, const std::string& text) {
    if (wrongKind_) {
        quiet_.Take();
        return {row, std::string(convert::kMalformedCell) + " (" + cells_.First(column, row) + ")"};
    }
    return *Refuse(row, text);
}

void BlockConverter::Contact(int column, int row, Mode mode) {
    const std::optional<std::string> fragment = Fragment(column, row);
    if (!fragment) {
        if (!pending_) pending_ = CellProblem(column, row, "元件设置错误");
        return;
    }
    const std::string& first = cells_.First(column, row);
    const std::uint8_t symbol = Symbol(cells_.Kind(column, row));
    static constexpr const char* kLoad[] = {"LD", "AND", "OR"};
    const int m = static_cast<int>(mode);
    const std::string c = kLoad[m];
    switch (symbol) {
        case CellKind::kOpenContact:
            Put(PadMnemonic(c) + first, c + *fragment + ";");
            return;
        case CellKind::kClosedContact: {
            static constexpr const char* kNot[] = {"LDI", "ANI", "ORI"};
            Put(PadMnemonic(kNot[m]) + first, std::string(kNot[m]) + *fragment + ";");
            return;
        }
        case CellKind::kRisingEdge:
        case CellKind::kFallingEdge: {
            const bool rise = symbol == CellKind::kRisingEdge;
            const std::string macro = c + (rise ? "UPp" : "DNp");
            const std::string device = fragment->substr(1, fragment->size() - 2);
            Put(PadMnemonic(c + (rise ? "P" : "F")) + first,
                macro + "(" + device + ", " + EdgeArray() + "[" + std::to_string(edgeMemories++) +
                    "]);");
            return;
        }
        case CellKind::kCompareContact: {
            // "L (D[0],100)": the code letter names the comparison.
            const std::size_t blank = first.find(' ');
            const std::string sign = first.substr(0, blank);
            const std::string operands = blank == std::string::npos ? "" : first.substr(blank + 1);
            const std::size_t open = fragment->find('(');
            Put(PadMnemonic(c + sign) + operands,
                c + fragment->substr(0, 1) + fragment->substr(open) + ";");
            return;
        }
        case CellKind::kStepContact: {
            const std::string n = *fragment;
            if (mode == Mode::Load) {
                Put("STL   S" + n, "STL(" + n + ");");
            } else {
                Put(PadMnemonic(c) + "S" + n, c + "(S[" + n + "]);");
            }
            return;
        }
        default:
            if (!pending_) pending_ = Refuse(row, convert::kMalformedCell);
            return;
    }
}

void BlockConverter::Always(Mode mode) {
    if (mode == Mode::Load) {
        Put("LD    TRUE", "LD(TRUE);");
    } else if (mode == Mode::Or) {
        Put("OR    TRUE", "OR(TRUE);");
    }
}

void BlockConverter::Block(const char* op) {
    Put(op, std::string(op) + "();");
}

void BlockConverter::Output(int row) {
    const std::optional<std::string> fragment = Fragment(kOutputColumn, row);
    if (!fragment) {
        if (!pending_) pending_ = CellProblem(kOutputColumn, row, "指令设置错误");
        return;
    }
    const std::string& first = cells_.First(kOutputColumn, row);
    const bool coil = Symbol(cells_.Kind(kOutputColumn, row)) == CellKind::kCoil;
    const std::string mnemonic = Mnemonic(first);
    std::string c = *fragment;
    if (c.empty() || (c.back() != ';' && c.back() != ':')) c += ";";
    const std::string shown = coil ? PadMnemonic("OUT") + first : first;

    if (mnemonic == "END" || mnemonic == "FEND" || mnemonic == "RET") {
        Put(shown, c);
        return;
    }
    if (mnemonic == "CALL") calls.push_back({TrailingNumber(first), row});
    if (mnemonic == "CJ") jumps_.emplace_back(TrailingNumber(first), row);

    // Inside a step or a master-control level the output acts only while
    // they are on; the rung's own logic stays as the list shows it.
    std::string condition;
    if (openStep_ >= 0 && !rungHasStep_) condition += "AND(S[" + std::to_string(openStep_) + "]);";
    if (!mcLevels_.empty()) condition += "AND(N[" + std::to_string(mcLevels_.back()) + "]);";
    // SET of another step inside a step moves the step on.
    std::string moveOn;
    if (mnemonic == "SET" && openStep_ >= 0 && first.size() > 4 && first[4] == 'S' &&
        TrailingNumber(first) != openStep_) {
        moveOn = " RST(S[" + std::to_string(openStep_) + "]);";
    }
    if (condition.empty()) {
        Put(shown, c + moveOn);
    } else {
        Put(shown, "MPS(); " + condition + " " + c + moveOn + " MPP();");
    }
}

std::optional<RungProblem> BlockConverter::ConvertRung(const Rung& rung) {
    // What the rung's outputs do to the blocks that follow.
    std::vector<int> outputs;
    std::vector<std::pair<int, int>> labels;  // number, row
    bool closesStep = false;
    int opensMc = -1, closesMc = -1;
    for (int r = rung.firstRow; r <= rung.lastRow; ++r) {
        const std::uint8_t s = Symbol(cells_.Kind(kOutputColumn, r));
        if (s != CellKind::kCoil && s != CellKind::kFunctionBox) continue;
        // Numbers are read from the text only once the entry rules accept it.
        if (!Fragment(kOutputColumn, r)) return CellProblem(kOutputColumn, r, "指令设置错误");
        const std::string mnemonic = s == CellKind::kCoil ? "" : Mnemonic(cells_.First(12, r));
        if (mnemonic == "P") {
            labels.emplace_back(TrailingNumber(cells_.First(12, r)), r);
            continue;
        }
        if (mnemonic == "RET" && openStep_ >= 0) {
            closesStep = true;
            continue;
        }
        if (mnemonic == "MC") opensMc = TrailingNumber(cells_.First(12, r));
        if (mnemonic == "MCR") closesMc = TrailingNumber(cells_.First(12, r));
        outputs.push_back(r);
    }
    int stepHere = -1;
    for (int r = rung.firstRow; r <= rung.lastRow; ++r) {
        if (Symbol(cells_.Kind(kFirstConditionColumn, r)) == CellKind::kStepContact) {
            const std::optional<std::string> n = Fragment(kFirstConditionColumn, r);
            if (!n) return CellProblem(kFirstConditionColumn, r, "元件设置错误");
            stepHere = TrailingNumber(*n);
        }
    }
    rungHasStep_ = stepHere >= 0;

    for (const auto& [n, r] : labels) {
        if (!labels_.insert(n).second) return Refuse(r, "跳转标号 P" + std::to_string(n) + " 重复");
        Put("P" + std::to_string(n), "Label" + std::to_string(n) + ": ;");
    }
    if (stepHere >= 0) openStep_ = stepHere;

    list += "; " + Line4(BlockLine(rung.firstRow)) + "\r\n";
    code += "  /* " + Line4(BlockLine(rung.firstRow)) + " */\r\n";
    std::optional<RungProblem> problem = convert::WriteRung(cells_, rung, outputs, *this);
    if (!problem && pending_) problem = std::exchange(pending_, std::nullopt);
    if (problem) return problem;  // the whole conversion ends here
    if (closesStep) {
        Put("RET", "/* RET */");
        openStep_ = -1;
    }
    if (opensMc >= 0) {
        while (!mcLevels_.empty() && mcLevels_.back() >= opensMc)
            mcLevels_.pop_back();
        mcLevels_.push_back(opensMc);
    }
    if (closesMc >= 0) {
        while (!mcLevels_.empty() && mcLevels_.back() >= closesMc)
            mcLevels_.pop_back();
    }
    return std::nullopt;
}

std::optional<RungProblem> BlockConverter::Convert() {
    for (const Rung& rung :
         convert::FindRungs(cells_, BlockFirstRow(block_), BlockLastRow(block_))) {
        if (auto problem = ConvertRung(rung)) return problem;
    }
    for (const auto& [label, row] : jumps_) {
        if (!labels_.contains(label)) {
            return Refuse(row, "跳转标号 P" + std::to_string(label) + " 不存在");
        }
    }
    return std::nullopt;
}

std::string Refusal(const LadderProgram& program, int block, const RungProblem& problem) {
    if (!InterfaceChinese()) {
        return BlockTitle(program, block) + " line " + Line4(BlockLine(problem.row)) + ": " +
               EnglishReason(problem.text);
    }
    return BlockTitle(program, block) + " 第" + Line4(BlockLine(problem.row)) +
           "行: " + problem.text;
}

// A subroutine that calls itself, directly or through others, would never end.
std::optional<std::string> FindRecursion(const LadderProgram& program,
                                         const std::map<int, std::vector<CallSite>>& calls) {
    auto reaches = [&](int from, int to) {
        std::set<int> seen;
        std::vector<int> todo{from};
        while (!todo.empty()) {
            const int b = todo.back();
            todo.pop_back();
            if (b == to) return true;
            if (!seen.insert(b).second) continue;
            if (auto it = calls.find(b); it != calls.end()) {
                for (const CallSite& c : it->second)
                    todo.push_back(c.target);
            }
        }
        return false;
    };
    for (const auto& [block, sites] : calls) {
        if (block == kMainBlock) continue;
        for (const CallSite& site : sites) {
            if (reaches(site.target, block)) {
                return Refusal(program, block, {site.row, "子程序递归调用"});
            }
        }
    }
    return std::nullopt;
}

}  // namespace

bool ConvertLadder(const LadderProgram& program, ConvertedProgram& out, std::string& message) {
    QuietMessages quiet;
    out = {};
    message.clear();
    std::map<int, std::vector<CallSite>> calls;
    std::string subroutines, dispatch;

    for (int block = kMainBlock; block < kSubroutineCount; ++block) {
        BlockConverter converter(program, block, quiet);
        if (std::optional<RungProblem> problem = converter.Convert()) {
            message = Refusal(program, block, *problem);
            return false;
        }
        calls[block] = converter.calls;
        const bool empty = converter.code.empty();
        if (block != kMainBlock && empty) continue;
        out.list +=
            ";========== " + BlockTitle(program, block) + " ==========\r\n" + converter.list;
        const std::string memories = converter.edgeMemories == 0
                                         ? std::string()
                                         : "static INT8U " + converter.EdgeArray() + "[" +
                                               std::to_string(converter.edgeMemories) + "];\r\n";
        if (block == kMainBlock) {
            out.macro = (memories.empty() ? "" : "  " + memories) + converter.code;
        } else {
            const std::string name = "Sub" + std::to_string(block);
            subroutines +=
                memories + "static void " + name + "(void)\r\n{\r\n" + converter.code + "}\r\n\r\n";
            dispatch += "  case " + std::to_string(block) + ": " + name + "(); break;\r\n";
        }
    }
    if (std::optional<std::string> recursion = FindRecursion(program, calls)) {
        message = *recursion;
        out = {};
        return false;
    }
    out.list += "END\r\n";
    out.sub = subroutines +
              "void CALL_Sub(unsigned char n)\r\n"
              "{\r\n"
              "  switch (n) {\r\n" +
              dispatch +
              "  default: break;\r\n"
              "  }\r\n"
              "}\r\n";
    return true;
}

namespace {

// Where the project's path ends in the argument. Either path may hold a "|":
// the first bar whose left part names a file ends it; the first bar when none
// does (the project is then missing either way).
std::size_t ProjectPathEnd(std::string_view argument) {
    const std::size_t first = argument.find('|');
    for (std::size_t bar = first; bar != std::string_view::npos;
         bar = argument.find('|', bar + 1)) {
        if (FileExists(std::string(argument.substr(0, bar)))) return bar;
    }
    return first;
}

}  // namespace

bool LadderConvert(std::string_view argument) {
    LastMessage().clear();
    const std::size_t bar = ProjectPathEnd(argument);
    if (bar == std::string_view::npos) return false;
    const std::string project(argument.substr(0, bar));
    const std::string scratch(argument.substr(bar + 1));
    if (project.empty() || scratch.empty()) return false;

    const std::optional<std::string> bytes = ReadWholeFile(project);
    if (!bytes) {
        LastMessage() =
            InterfaceText("工程文件无法读取: ", "Cannot read the project file: ") + project;
        return false;
    }
    LadderProgram program;
    if (ParseProject(*bytes, program) != ProjectReadResult::Ok) {
        LastMessage() =
            InterfaceText("工程文件格式错误: ", "The project file is damaged: ") + project;
        return false;
    }
    ConvertedProgram converted;
    if (!ConvertLadder(program, converted, LastMessage())) return false;
    if (!MakeFolders(scratch)) return false;
    const bool written =
        WriteFileAtomically(JoinPath(scratch, "LD.txt"), Utf8ToGbk(converted.list)) &&
        WriteFileAtomically(JoinPath(scratch, "Macro.txt"), Utf8ToGbk(converted.macro)) &&
        WriteFileAtomically(JoinPath(scratch, "Sub.txt"), Utf8ToGbk(converted.sub));
    if (!written) LastMessage() = InterfaceText("无法写入: ", "Cannot write: ") + scratch;
    return written;
}

const std::string& LadderConvertMessage() {
    return LastMessage();
}

}  // namespace vx
