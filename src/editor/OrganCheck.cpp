#include "editor/OrganCheck.h"

#include <algorithm>
#include <string_view>

#include "editor/Lookup.h"
#include "model/MyPublic.h"

namespace vx {
namespace {

struct GroupLook {
    char letter;
    int last;           // highest number checked
    bool withSetValue;  // timers and counters: name, blank, set value
};
constexpr std::array<GroupLook, 5> kGroups = {{
    {'Y', 377, false},  // the octal names as decimal numbers: Y8 and Y9 never match
    {'M', 9999, false},
    {'S', 199, false},
    {'T', 399, true},
    {'C', 199, true},
}};

std::size_t GroupIndex(OutputGroup group) {
    return static_cast<std::size_t>(group);
}

// The number of a name written the way the check writes it (decimal, no
// leading zeros), -1 for anything else.
int CanonicalNumber(std::string_view digits, int last) {
    if (digits.empty() || digits.size() > 4) return -1;
    if (digits.size() > 1 && digits.front() == '0') return -1;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n <= last ? n : -1;
}

}  // namespace

std::string OutputBlockName(int row) {
    if (row < kMainRows) return "Main";
    return "Sub_" + std::to_string((row - kMainRows) / kSubroutineRows);
}

OutputScan::OutputScan(const LadderCells& cells) {
    for (std::size_t g = 0; g < kGroups.size(); ++g)
        rows_[g].resize(static_cast<std::size_t>(kGroups[g].last) + 1);
    for (int row = 0; row <= kLastFindRow; ++row) {
        const std::string& text = cells.First(kOutputColumn, row);
        if (text.empty()) continue;
        for (std::size_t g = 0; g < kGroups.size(); ++g) {
            const GroupLook& look = kGroups[g];
            if (text.front() != look.letter) continue;
            std::string_view digits = std::string_view(text).substr(1);
            if (look.withSetValue) {
                const std::size_t blank = digits.find(' ');
                if (blank == std::string_view::npos) continue;
                digits = digits.substr(0, blank);
            }
            const int n = CanonicalNumber(digits, look.last);
            if (n < 0) continue;
            Rows& r = rows_[g][static_cast<std::size_t>(n)];
            if (r.first < 0) {
                r.first = row;
            } else if (r.second < 0) {
                r.second = row;
            }
        }
    }
}

std::vector<OutputPlace> OutputScan::Duplicates(OutputGroup group) const {
    const std::size_t g = GroupIndex(group);
    const GroupLook& look = kGroups[g];
    std::vector<OutputPlace> places;
    for (std::size_t n = 0; n < rows_[g].size(); ++n) {
        const Rows& r = rows_[g][n];
        if (r.second < 0) continue;
        std::string name = look.letter + std::to_string(n);
        if (look.withSetValue) name += ' ';
        for (int row : {r.first, r.second}) {
            places.push_back(
                OutputPlace{name, OutputBlockName(row), BlockLine(row), row == r.second, row});
        }
    }
    return places;
}

int OutputPlaceRow(const std::string& block, const std::string& line) {
    long long start = 0;
    if (block.rfind("Sub_", 0) == 0)
        start = kMainRows +
                static_cast<long long>(kSubroutineRows) * DecimalToInt(block.substr(4)).value_or(0);
    const long long row = start + DecimalToInt(line).value_or(0) - 1;
    return static_cast<int>(std::clamp<long long>(row, 0, kLastFindRow));
}

}  // namespace vx
