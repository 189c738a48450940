#include "editor/OrganUse.h"

#include <gtest/gtest.h>

#include <random>

#include "model/CellKind.h"
#include "model/MyPublic.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

// The usage rules read word for word: every device against every scanned cell.
int LiteralLastRow(const LadderCells& cells, int scopeEnd) {
    for (int row = scopeEnd - 1; row >= 0; --row) {
        for (int col = 1; col <= 12; ++col) {
            if (cells.Kind(col, row) != 0) return row;
        }
    }
    return -1;
}

bool EndsWith(const std::string& t, const std::string& s) {
    return t.size() >= s.size() && t.compare(t.size() - s.size(), s.size(), s) == 0;
}

// The non-empty first texts of the scanned cells; an empty text matches no rule.
std::vector<std::string> ScannedTexts(const LadderCells& cells, int lastRow) {
    std::vector<std::string> texts;
    for (int row = 0; row <= lastRow; ++row) {
        for (int col = 1; col <= 12; ++col) {
            if (!cells.First(col, row).empty()) texts.push_back(cells.First(col, row));
        }
    }
    return texts;
}

bool LiteralUseCheck(const std::vector<std::string>& texts, const std::string& q) {
    const char letter = q[0];
    const std::string alt = "ALT " + q, rst = "RST " + q, set = "SET " + q;
    const std::string pls = "PLS " + q, plf = "PLF " + q;
    const std::string followed = q + " ", between = " " + q + " ", after = " " + q;
    for (const std::string& t : texts) {
        bool used = false;
        switch (letter) {
            case 'X':
                used = t == q;
                break;
            case 'Y':
            case 'S':
                used = t == q || t == alt || t == rst || t == set;
                break;
            case 'M':
                used = t == q || t == alt || t == rst || t == set || t == pls || t == plf;
                break;
            case 'T':
            case 'C':
                used = t == q || t.find(followed) != std::string::npos;
                break;
            case 'D':
                used = t.find(between) != std::string::npos || EndsWith(t, after);
                break;
        }
        if (used) return true;
    }
    return false;
}

std::string DeviceName(DeviceKind kind, int index) {
    const bool octal = kind == DeviceKind::X || kind == DeviceKind::Y;
    return std::string(1, LetterOfKind(kind)) +
           std::to_string(octal ? IntToOctalDigits(index) : index);
}

// Texts that come near the rules: real elements and instructions, and
// pieces glued together at random (leading zeros, digits 8 and 9, numbers
// beyond the tables, blanks in odd places).
std::string RandomText(std::mt19937& random) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const char* letters = "XYMSTCD";
    auto device = [&]() {
        const char letter = letters[pick(7)];
        const bool octal = letter == 'X' || letter == 'Y';
        const int n = pick(4) == 0 ? pick(12000) : pick(30);
        return std::string(1, letter) + std::to_string(octal ? IntToOctalDigits(n % 300) : n);
    };
    switch (pick(9)) {
        case 0:
            return device();
        case 1: {
            const char* mnemonics[] = {"ALT ", "RST ", "SET ", "PLS ", "PLF ", "OUT "};
            return mnemonics[pick(6)] + device();
        }
        case 2:
            return device() + " K" + std::to_string(pick(100));
        case 3:
            return "MOV " + device() + " " + device();
        case 4:
            return "ZRST " + device() + " " + device() + (pick(2) ? " " : "");
        default: {
            const char* pieces[] = {"X",  "Y",    "M",     "S",    "T",    "C",    "D",
                                    "K",  "ALT ", "RST ",  "SET ", "PLS ", "PLF ", "MOV ",
                                    " ",  "  ",   "0",     "7",    "8",    "9",    "1",
                                    "12", "377",  "400",   "199",  "200",  "9999", "10000",
                                    "05", "017",  "99999", " D",   "T1 ",  "C0 ",  " D3"};
            std::string text;
            const int count = 1 + pick(6);
            for (int i = 0; i < count; ++i)
                text += pieces[pick(static_cast<int>(std::size(pieces)))];
            return text;
        }
    }
}

void ExpectScanMatchesTheRules(const LadderCells& cells, int scopeEnd) {
    const DeviceUsage usage = DeviceUsage::Scan(cells, scopeEnd);
    const int lastRow = LiteralLastRow(cells, scopeEnd);
    ASSERT_EQ(usage.LastRow(), lastRow);
    const std::vector<std::string> texts = ScannedTexts(cells, lastRow);
    for (DeviceKind kind : kCommentTableKinds) {
        int count = 0;
        for (int i = 0; i < DeviceComments::Rows(kind); ++i) {
            const std::string q = DeviceName(kind, i);
            const bool used = LiteralUseCheck(texts, q);
            count += used ? 1 : 0;
            ASSERT_EQ(usage.Used(kind, i), used) << q;
            ASSERT_EQ(usage.UseCheck(q), used) << q;
        }
        EXPECT_EQ(usage.Count(kind), count);
    }
}

TEST(UsageScan, OnePassFindsWhatTheRulesFindOnRandomPrograms) {
    std::mt19937 random(20240611);
    for (int program = 0; program < 4; ++program) {
        LadderCells cells;
        // Main rows 0-29 and subroutine 0 rows 2000-2019, dense with texts;
        // some cells have a text but no kind (their text still counts).
        for (int row = 0; row < 2020; row = row == 29 ? 2000 : row + 1) {
            for (int col = 1; col <= 12; ++col) {
                if (random() % 4 == 0) continue;
                cells.First(col, row) = RandomText(random);
                cells.Kind(col, row) = random() % 5 == 0 ? 0 : CellKind::kOpenContact;
            }
        }
        // Beyond the last used row, and on the rails: never scanned.
        cells.First(5, 2020) = "X0";
        cells.First(0, 3) = "Y0";
        cells.First(13, 3) = "M0";
        cells.Kind(3, kUnshownRow) = CellKind::kCoil;
        cells.First(3, kUnshownRow) = "S0";
        ExpectScanMatchesTheRules(cells, UsageScopeEnd(true, 0));
        ExpectScanMatchesTheRules(cells, UsageScopeEnd(false, 0));
    }
}

TEST(UsageScan, TheRulesCasesByExample) {
    LadderCells cells;
    cells.Kind(1, 0) = CellKind::kFunctionBox;
    cells.First(1, 0) = "SET Y5";
    cells.First(2, 0) = "MOV K1 D100";
    cells.First(3, 0) = "T3 K50";
    cells.First(4, 0) = "RST T7";
    cells.First(5, 0) = "X017";
    cells.First(6, 0) = "PLS M12";
    cells.First(7, 0) = "SET X1";
    cells.First(8, 0) = "ZRST D0 D20";
    cells.Kind(12, 1) = CellKind::kCoil;
    cells.First(12, 1) = "C199 D5";
    const DeviceUsage usage = DeviceUsage::Scan(cells, UsageScopeEnd(true, 0));
    EXPECT_TRUE(usage.UseCheck("Y5"));
    EXPECT_TRUE(usage.UseCheck("D100"));
    EXPECT_FALSE(usage.UseCheck("D10"));
    EXPECT_FALSE(usage.UseCheck("K1"));
    EXPECT_TRUE(usage.UseCheck("T3"));
    EXPECT_FALSE(usage.UseCheck("T7")) << "a reset timer is no coil with a set value";
    EXPECT_FALSE(usage.UseCheck("X17")) << "X017 is not the text X17";
    EXPECT_TRUE(usage.UseCheck("M12"));
    EXPECT_FALSE(usage.UseCheck("X1")) << "inputs count only as contacts";
    EXPECT_TRUE(usage.UseCheck("D0"));
    EXPECT_TRUE(usage.UseCheck("D20"));
    EXPECT_TRUE(usage.UseCheck("C199"));
    EXPECT_TRUE(usage.UseCheck("D5"));
    EXPECT_EQ(usage.Count(DeviceKind::D), 4);
    EXPECT_TRUE(usage.Used(DeviceKind::Y, 5));
}

TEST(UsageScan, ScopeMainLeavesTheSubroutinesOut) {
    LadderCells cells;
    cells.Kind(1, 0) = CellKind::kOpenContact;
    cells.First(1, 0) = "X1";
    cells.Kind(1, 2000) = CellKind::kOpenContact;
    cells.First(1, 2000) = "X2";
    EXPECT_FALSE(DeviceUsage::Scan(cells, UsageScopeEnd(false, 0)).UseCheck("X2"));
    EXPECT_TRUE(DeviceUsage::Scan(cells, UsageScopeEnd(false, 1)).UseCheck("X2"));
    EXPECT_TRUE(DeviceUsage::Scan(cells, UsageScopeEnd(true, 0)).UseCheck("X2"));
    EXPECT_EQ(UsageScopeEnd(false, 32), kUnshownRow);
    EXPECT_EQ(DeviceUsage::Scan(LadderCells(), kUnshownRow).LastRow(), -1);

    const std::vector<std::string> names = UsageScopeNames();
    ASSERT_EQ(names.size(), 33u);
    EXPECT_EQ(names[0], "Main");
    EXPECT_EQ(names[1], "Main -> Sub0");
    EXPECT_EQ(names[32], "Main -> Sub31");
}

TEST(UsageReport, SummariesRatiosAndReportLines) {
    LadderCells cells;
    for (int col = 1; col <= 3; ++col)
        cells.Kind(col, 0) = CellKind::kOpenContact;
    cells.First(1, 0) = "X17";
    cells.First(2, 0) = "X0";
    cells.First(3, 0) = "X377";
    cells.First(4, 0) = "T3 K50";
    DeviceComments comments;
    comments.SetComment(DeviceKind::X, 15, "启动");
    comments.SetUsageMark(DeviceKind::M, 4, true);  // from an earlier scan
    const DeviceUsage usage = DeviceUsage::Scan(cells, kUnshownRow);
    const UsageReport report = BuildUsageReport(usage, comments);

    const UsageSummary& x = report.summaries[0];
    EXPECT_EQ(x.count, 3);
    EXPECT_EQ(x.label, " X接点使用数:3  使用比率:1.17%");
    EXPECT_EQ(x.ratioBar, 1);
    EXPECT_EQ(x.progress, 10);
    EXPECT_EQ(report.summaries[4].label, " T接点使用数:1  使用比率:0.25%");
    EXPECT_EQ(report.summaries[6].label, " D寄存器使用数:0  使用比率:0%");
    EXPECT_EQ(report.summaries[6].progress, 100);

    ASSERT_GE(report.memoLines.size(), 6u);
    EXPECT_EQ(report.memoLines[0], "");
    EXPECT_EQ(report.memoLines[1], "X 接点使用情况" + std::string(30, '='));
    EXPECT_EQ(report.memoLines[2], "");
    EXPECT_EQ(report.memoLines[3], "X0   已使用");
    EXPECT_EQ(report.memoLines[4], "X17   启动");
    EXPECT_EQ(report.memoLines[5], "X377   已使用");
    EXPECT_EQ(report.memoLines[7], "Y 接点使用情况" + std::string(30, '='));
    EXPECT_EQ(report.memoLines.back(), "") << "D has a header and no device";
    EXPECT_EQ(report.memoLines[report.memoLines.size() - 2],
              "D 寄存器使用情况" + std::string(30, '='));

    // In English the tool's own words change, the user's comments stay.
    const UsageReport english = BuildUsageReport(usage, comments, /*chinese=*/false);
    EXPECT_EQ(english.summaries[0].label, " X used:3  Ratio:1.17%");
    EXPECT_EQ(english.memoLines[1], "X device usage" + std::string(30, '='));
    EXPECT_EQ(english.memoLines[3], "X0   Used");
    EXPECT_EQ(english.memoLines[4], "X17   启动");

    MarkUsage(usage, comments);
    EXPECT_TRUE(comments.UsageMark(DeviceKind::X, 15));
    EXPECT_TRUE(comments.UsageMark(DeviceKind::T, 3));
    EXPECT_FALSE(comments.UsageMark(DeviceKind::M, 4));
}

TEST(UsageReport, RatioIsTheShortDecimalText) {
    EXPECT_EQ(UsageRatioText(0, 256), "0%");
    EXPECT_EQ(UsageRatioText(1, 256), "0.39%");
    EXPECT_EQ(UsageRatioText(256, 256), "100%");
    EXPECT_EQ(UsageRatioText(1, 6000), "0.01%");
    EXPECT_EQ(UsageRatioText(10, 200), "5%");
    EXPECT_EQ(UsageRatioText(25, 200), "12.5%");
    EXPECT_EQ(UsageRatioText(10000, 6000), "166.%") << "M counts against 6000 points";
    EXPECT_EQ(UsageRatioPoints(DeviceKind::M), 6000);
    EXPECT_EQ(UsageRatioPoints(DeviceKind::D), 6000);
    EXPECT_EQ(UsageRatioPoints(DeviceKind::T), 400);
}

TEST(UsageReport, GridsPlaceDevicesByTheirDigits) {
    LadderCells cells;
    cells.Kind(1, 0) = CellKind::kOpenContact;
    cells.First(1, 0) = "X17";
    cells.First(2, 0) = "MOV D0 D1234";
    DeviceComments comments;
    comments.SetComment(DeviceKind::D, 1234, "速度");
    const DeviceUsage usage = DeviceUsage::Scan(cells, kUnshownRow);

    const UsageGrid x = BuildUsageGrid(DeviceKind::X, usage, comments);
    EXPECT_EQ(x.columns, 9);
    EXPECT_EQ(x.rows, 33);
    EXPECT_EQ(x.Cell(0, 0), "元 件");
    EXPECT_EQ(x.Cell(1, 0), " + 0");
    EXPECT_EQ(x.Cell(8, 0), " + 7");
    EXPECT_EQ(x.Cell(0, 2), "X10");
    EXPECT_EQ(x.Cell(0, 32), "X370");
    EXPECT_EQ(x.Cell(8, 2), "已使用");
    EXPECT_EQ(x.Cell(7, 2), " *");

    const UsageGrid d = BuildUsageGrid(DeviceKind::D, usage, comments);
    EXPECT_EQ(d.columns, 11);
    EXPECT_EQ(d.rows, 1001);
    EXPECT_EQ(d.Cell(0, 124), "D1230");
    EXPECT_EQ(d.Cell(5, 124), "速度");
    EXPECT_EQ(d.Cell(1, 1), "已使用");
    const UsageGrid english = BuildUsageGrid(DeviceKind::D, usage, comments, /*chinese=*/false);
    EXPECT_EQ(english.Cell(1, 1), "Used");
    EXPECT_EQ(english.Cell(5, 124), "速度");
    EXPECT_EQ(english.Cell(2, 1), " *");
    EXPECT_EQ(BuildUsageGrid(DeviceKind::T, usage, comments).rows, 41);
    EXPECT_EQ(BuildUsageGrid(DeviceKind::S, usage, comments).rows, 21);
}

TEST(UsageReport, SavedAsTextWithTheExtension) {
    EXPECT_EQ(UsageReportPath("/tmp/元件使用情况表"), "/tmp/元件使用情况表.Txt");
    EXPECT_EQ(UsageReportPath("/tmp/r.Txt"), "/tmp/r.Txt");
    test::TempFolder dir;
    const std::string path = UsageReportPath(dir / "r");
    ASSERT_TRUE(SaveUsageReport(path, {"", "X0   已使用"}));
    EXPECT_EQ(test::ReadTestFile(path), "\r\nX0   " + Utf8ToGbk("已使用") + "\r\n");
}

}  // namespace
}  // namespace vx
