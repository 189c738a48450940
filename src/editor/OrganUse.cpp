#include "editor/OrganUse.h"

#include <cstdio>

#include "model/CellKind.h"
#include "model/MyPublic.h"
#include "platform/Text.h"

namespace vx {
namespace {

int TableOf(DeviceKind kind) {
    for (int t = 0; t < kCommentTableCount; ++t) {
        if (kCommentTableKinds[t] == kind) return t;
    }
    return -1;
}

DeviceKind KindOfLetter(char letter, bool& ok) {
    const std::optional<DeviceRange> range = RangeOfLetter(letter);
    ok = range.has_value();
    return range ? range->kind : DeviceKind::X;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The table row of a device number written as `digits` (decimal, or octal
// digits for X and Y), when it is a device's own text: no leading zeros and
// within the table. -1 otherwise.
int IndexOfDigits(DeviceKind kind, std::string_view digits) {
    if (digits.empty() || digits.size() > 4) return -1;
    if (digits.size() > 1 && digits[0] == '0') return -1;
    int value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return -1;
        value = value * 10 + (c - '0');
    }
    if (kind == DeviceKind::X || kind == DeviceKind::Y) {
        for (char c : digits) {
            if (c > '7') return -1;
        }
        if (value > 377) return -1;
        return OctalDigitsToInt(value);
    }
    return value < DeviceComments::Rows(kind) ? value : -1;
}

// The length of the run of digits from `from`.
std::size_t DigitRun(std::string_view t, std::size_t from) {
    std::size_t end = from;
    while (end < t.size() && IsDigit(t[end]))
        ++end;
    return end - from;
}

std::string EnglishHeaderOf(DeviceKind kind) {
    return std::string(1, LetterOfKind(kind)) + " device usage";
}

std::string EnglishSummaryOf(DeviceKind kind) {
    return std::string(" ") + LetterOfKind(kind) + " used:";
}

const char* HeaderOf(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::X:
            return "X 接点使用情况";
        case DeviceKind::Y:
            return "Y 接点使用情况";
        case DeviceKind::M:
            return "M 接点使用情况";
        case DeviceKind::S:
            return "S 接点使用情况";
        case DeviceKind::T:
            return "T 接点使用情况";
        case DeviceKind::C:
            return "C 接点使用情况";
        default:
            return "D 寄存器使用情况";
    }
}

const char* SummaryOf(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::X:
            return " X接点使用数:";
        case DeviceKind::Y:
            return " Y接点使用数:";
        case DeviceKind::M:
            return " M接点使用数:";
        case DeviceKind::S:
            return " S接点使用数:";
        case DeviceKind::T:
            return " T接点使用数:";
        case DeviceKind::C:
            return " C接点使用数:";
        default:
            return " D寄存器使用数:";
    }
}

constexpr std::array<int, kCommentTableCount> kProgressAfterKind = {10, 20, 40, 50, 70, 80, 100};

// The number as the usage table writes it: octal digits for X and Y.
std::int64_t WrittenNumber(DeviceKind kind, int index) {
    return kind == DeviceKind::X || kind == DeviceKind::Y ? IntToOctalDigits(index) : index;
}

// What a used device without a comment shows.
const char* UsedText(bool chinese) {
    return chinese ? "已使用" : "Used";
}

}  // namespace

std::vector<std::string> UsageScopeNames() {
    std::vector<std::string> names{"Main"};
    for (int n = 0; n < kSubroutineCount; ++n)
        names.push_back("Main -> Sub" + std::to_string(n));
    return names;
}

int UsageScopeEnd(bool wholeProgram, int scopeIndex) {
    if (wholeProgram) return kUnshownRow;
    if (scopeIndex < 0) scopeIndex = 0;
    if (scopeIndex > kSubroutineCount) scopeIndex = kSubroutineCount;
    return kMainRows + kSubroutineRows * scopeIndex;
}

int LastUsedRow(const LadderCells& cells, int scopeEnd) {
    if (scopeEnd > kRows) scopeEnd = kRows;
    int last = -1;
    for (int col = kFirstConditionColumn; col <= kOutputColumn; ++col) {
        for (int row = scopeEnd - 1; row > last; --row) {
            if (cells.Kind(col, row) != CellKind::kEmpty) {
                last = row;
                break;
            }
        }
    }
    return last;
}

DeviceUsage::DeviceUsage() {
    for (int t = 0; t < kCommentTableCount; ++t) {
        used_[t].assign(static_cast<std::size_t>(DeviceComments::Rows(kCommentTableKinds[t])),
                        false);
    }
}

void DeviceUsage::Note(DeviceKind kind, int index) {
    const int t = TableOf(kind);
    const auto i = static_cast<std::size_t>(index);
    if (!used_[t][i]) {
        used_[t][i] = true;
        ++counts_[t];
    }
}

DeviceUsage DeviceUsage::Scan(const LadderCells& cells, int scopeEnd) {
    DeviceUsage usage;
    usage.lastRow_ = LastUsedRow(cells, scopeEnd);
    for (int col = kFirstConditionColumn; col <= kOutputColumn; ++col) {
        for (int row = 0; row <= usage.lastRow_; ++row) {
            const std::string_view t = cells.First(col, row);
            if (t.empty()) continue;
            bool isDevice = false;

            // The text is a device of its own: X, Y, M, S, T, C.
            const DeviceKind own = KindOfLetter(t[0], isDevice);
            if (isDevice && own != DeviceKind::D) {
                const int index = IndexOfDigits(own, t.substr(1));
                if (index >= 0) usage.Note(own, index);
            }

            // A bit instruction with a device: Y, S and M after ALT, RST, SET;
            // M also after PLS and PLF.
            if (t.size() > 5 && t[3] == ' ') {
                const std::string_view mnemonic = t.substr(0, 4);
                const bool setLike = mnemonic == "ALT " || mnemonic == "RST " || mnemonic == "SET ";
                const bool pulse = mnemonic == "PLS " || mnemonic == "PLF ";
                if (setLike || pulse) {
                    const DeviceKind kind = KindOfLetter(t[4], isDevice);
                    const bool fits =
                        isDevice && (kind == DeviceKind::M ||
                                     (setLike && (kind == DeviceKind::Y || kind == DeviceKind::S)));
                    if (fits) {
                        const int index = IndexOfDigits(kind, t.substr(5));
                        if (index >= 0) usage.Note(kind, index);
                    }
                }
            }

            // T and C followed by their number and a blank anywhere; D as an
            // operand after a blank, followed by a blank or the end.
            for (std::size_t i = 0; i < t.size(); ++i) {
                const char c = t[i];
                if (c == 'T' || c == 'C') {
                    const std::size_t run = DigitRun(t, i + 1);
                    if (run > 0 && i + 1 + run < t.size() && t[i + 1 + run] == ' ') {
                        const DeviceKind kind = c == 'T' ? DeviceKind::T : DeviceKind::C;
                        const int index = IndexOfDigits(kind, t.substr(i + 1, run));
                        if (index >= 0) usage.Note(kind, index);
                    }
                } else if (c == ' ' && i + 1 < t.size() && t[i + 1] == 'D') {
                    const std::size_t run = DigitRun(t, i + 2);
                    if (run > 0 && (i + 2 + run == t.size() || t[i + 2 + run] == ' ')) {
                        const int index = IndexOfDigits(DeviceKind::D, t.substr(i + 2, run));
                        if (index >= 0) usage.Note(DeviceKind::D, index);
                    }
                }
            }
        }
    }
    return usage;
}

bool DeviceUsage::Used(DeviceKind kind, int index) const {
    const int t = TableOf(kind);
    if (t < 0 || index < 0 || index >= static_cast<int>(used_[t].size())) return false;
    return used_[t][static_cast<std::size_t>(index)];
}

bool DeviceUsage::UseCheck(std::string_view q) const {
    if (q.empty()) return false;
    bool isDevice = false;
    const DeviceKind kind = KindOfLetter(q[0], isDevice);
    if (!isDevice) return false;
    const int index = IndexOfDigits(kind, q.substr(1));
    return index >= 0 && Used(kind, index);
}

int DeviceUsage::Count(DeviceKind kind) const {
    const int t = TableOf(kind);
    return t < 0 ? 0 : counts_[t];
}

int UsageRatioPoints(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::X:
        case DeviceKind::Y:
            return 256;
        case DeviceKind::M:
        case DeviceKind::D:
            return 6000;
        case DeviceKind::S:
        case DeviceKind::C:
            return 200;
        case DeviceKind::T:
            return 400;
        default:
            return 1;
    }
}

std::string UsageRatioText(int count, int points) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g",
                  static_cast<double>(count) * 100.0 / static_cast<double>(points));
    return std::string(text).substr(0, 4) + "%";
}

UsageReport BuildUsageReport(const DeviceUsage& usage, const DeviceComments& comments,
                             bool chinese) {
    UsageReport report;
    for (int t = 0; t < kCommentTableCount; ++t) {
        const DeviceKind kind = kCommentTableKinds[t];
        report.memoLines.emplace_back();
        report.memoLines.push_back((chinese ? std::string(HeaderOf(kind)) : EnglishHeaderOf(kind)) +
                                   std::string(30, '='));
        report.memoLines.emplace_back();
        const char letter = LetterOfKind(kind);
        const int rows = DeviceComments::Rows(kind);
        for (int i = 0; i < rows; ++i) {
            if (!usage.Used(kind, i)) continue;
            const std::string& comment = comments.Comment(kind, i);
            report.memoLines.push_back(
                std::string(1, letter) + std::to_string(WrittenNumber(kind, i)) + "   " +
                (comment.empty() ? std::string(UsedText(chinese)) : comment));
        }
        UsageSummary& summary = report.summaries[t];
        const int points = UsageRatioPoints(kind);
        summary.kind = kind;
        summary.count = usage.Count(kind);
        summary.label = (chinese ? std::string(SummaryOf(kind)) : EnglishSummaryOf(kind)) +
                        std::to_string(summary.count) + (chinese ? "  使用比率:" : "  Ratio:") +
                        UsageRatioText(summary.count, points);
        summary.ratioBar = summary.count * 100 / points;
        summary.progress = kProgressAfterKind[t];
    }
    return report;
}

void MarkUsage(const DeviceUsage& usage, DeviceComments& comments) {
    comments.ClearUsageMarks();
    for (DeviceKind kind : kCommentTableKinds) {
        const int rows = DeviceComments::Rows(kind);
        for (int i = 0; i < rows; ++i) {
            if (usage.Used(kind, i)) comments.SetUsageMark(kind, i, true);
        }
    }
}

UsageGrid BuildUsageGrid(DeviceKind kind, const DeviceUsage& usage, const DeviceComments& comments,
                         bool chinese) {
    UsageGrid grid;
    const bool octal = kind == DeviceKind::X || kind == DeviceKind::Y;
    const int digitColumns = octal ? 8 : 10;
    const int deviceRows = octal ? 32 : DeviceComments::Rows(kind) / 10;
    grid.columns = digitColumns + 1;
    grid.rows = deviceRows + 1;
    grid.cells.assign(static_cast<std::size_t>(grid.columns) * grid.rows, " *");
    auto cell = [&grid](int column, int row) -> std::string& {
        return grid.cells[static_cast<std::size_t>(row) * grid.columns + column];
    };
    const char letter = LetterOfKind(kind);
    cell(0, 0) = "元 件";
    for (int c = 0; c < digitColumns; ++c)
        cell(c + 1, 0) = " + " + std::to_string(c);
    for (int r = 0; r < deviceRows; ++r) {
        const std::int64_t tens = octal ? IntToOctalDigits(r) : r;
        cell(0, r + 1) = std::string(1, letter) + std::to_string(tens * 10);
    }
    const int rows = DeviceComments::Rows(kind);
    for (int i = 0; i < rows; ++i) {
        if (!usage.Used(kind, i)) continue;
        const std::int64_t number = WrittenNumber(kind, i);
        const std::string& comment = comments.Comment(kind, i);
        cell(static_cast<int>(number % 10) + 1, static_cast<int>(number / 10) + 1) =
            comment.empty() ? std::string(UsedText(chinese)) : comment;
    }
    return grid;
}

std::string UsageReportPath(const std::string& chosenName) {
    return chosenName.find(".Txt") == std::string::npos ? chosenName + ".Txt" : chosenName;
}

IoResult SaveUsageReport(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return WriteFileAtomically(path, Utf8ToGbk(text));
}

}  // namespace vx
