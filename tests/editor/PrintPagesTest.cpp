// The ladder print's pages: the last used row of the shown block, the rows
// each page holds, the page range, the page's scale, and the header lines.
#include "editor/PrintPages.h"

#include <gtest/gtest.h>

#include "model/CellKind.h"

namespace vx {
namespace {

// Each page as its first and last row.
std::vector<std::pair<int, int>> Rows(const std::vector<LadderPage>& pages) {
    std::vector<std::pair<int, int>> rows;
    for (const LadderPage& p : pages)
        rows.emplace_back(p.firstRow, p.firstRow + p.rows - 1);
    return rows;
}

std::vector<int> Printed(const std::vector<LadderPage>& pages) {
    std::vector<int> numbers;
    for (const LadderPage& p : pages) {
        if (p.printed) numbers.push_back(p.number);
    }
    return numbers;
}

TEST(LastUsedGridRow, CountsElementsInTheConditionAndOutputColumnsOnly) {
    LadderCells cells;
    EXPECT_EQ(LastUsedGridRow(cells, 0, kMainRows), -1) << "an empty program";
    cells.Kind(kCommentColumn, 90) = CellKind::kLine;  // not an element column
    cells.First(kCommentColumn, 90) = "note";
    EXPECT_EQ(LastUsedGridRow(cells, 0, kMainRows), -1);
    cells.Kind(kOutputColumn, 27) = CellKind::kCoil;
    EXPECT_EQ(LastUsedGridRow(cells, 0, kMainRows), 27);
    cells.Kind(kFirstConditionColumn, 31) = CellKind::kOpenContact;
    EXPECT_EQ(LastUsedGridRow(cells, 0, kMainRows), 31);
    cells.Kind(kFirstConditionColumn, kMainRows - 1) = CellKind::kLine;
    EXPECT_EQ(LastUsedGridRow(cells, 0, kMainRows), kMainRows - 1) << "the block's last row";
    EXPECT_EQ(LastUsedGridRow(cells, 0, 0), -1) << "no rows at all";
}

// A subroutine is scanned in its own rows, not in the main program's rows of
// the same grid numbers.
TEST(LastUsedGridRow, ScansTheShownBlockThroughItsRowBase) {
    LadderCells cells;
    cells.Kind(3, 200) = CellKind::kOpenContact;  // a long main program
    const int sub = BlockFirstRow(3);
    EXPECT_EQ(LastUsedGridRow(cells, sub, kSubroutineRows), -1) << "subroutine 3 is empty";
    cells.Kind(kOutputColumn, sub + 40) = CellKind::kCoil;
    cells.Kind(5, BlockFirstRow(4) + 100) = CellKind::kLine;  // the next subroutine
    EXPECT_EQ(LastUsedGridRow(cells, sub, kSubroutineRows), 40);
    EXPECT_EQ(LastUsedGridRow(cells, 0, kMainRows), 200) << "the main program keeps its own";
    // The last subroutine's rows end where the store's block rows end.
    const int last = BlockFirstRow(kSubroutineCount - 1);
    cells.Kind(1, last + kSubroutineRows - 1) = CellKind::kLine;
    EXPECT_EQ(LastUsedGridRow(cells, last, kSubroutineRows), kSubroutineRows - 1);
}

// Every row of the block up to the last used one is on exactly one page, in
// order, a page's rows at a time.
TEST(LadderPagePlan, EveryRowOnExactlyOnePage) {
    EXPECT_EQ(RowsPerPage(false), 14);
    EXPECT_EQ(RowsPerPage(true), 10);
    using Span = std::vector<std::pair<int, int>>;
    const struct {
        int lastUsed, rowsPerPage, gridRows;
        Span pages;
    } cases[] = {
        {-1, 14, kMainRows, {{0, 13}}},  // nothing used: one page
        {13, 14, kMainRows, {{0, 13}}},
        {14, 14, kMainRows, {{0, 13}, {14, 27}}},
        {31, 16, kMainRows, {{0, 15}, {16, 31}}},
        {25, 10, kMainRows, {{0, 9}, {10, 19}, {20, 29}}},
        {3, 10, 5, {{0, 4}}},  // a block shorter than a page
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastUsed);
        const std::vector<LadderPage> pages =
            LadderPagePlan(c.lastUsed, c.rowsPerPage, c.gridRows, {});
        EXPECT_EQ(Rows(pages), c.pages);
        int next = 0;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].number, static_cast<int>(i) + 1);
            EXPECT_EQ(pages[i].firstRow, next) << "no row left off or repeated";
            next += pages[i].rows;
        }
        EXPECT_GT(next, c.lastUsed) << "the last used row is printed";
    }
    // The block's end: the last page is cut short.
    const std::vector<LadderPage> sub = LadderPagePlan(255, 10, kSubroutineRows, {});
    ASSERT_EQ(sub.size(), 26u);
    EXPECT_EQ(sub.back(), (LadderPage{26, 250, 6, true}));
    EXPECT_EQ(LadderPagePlan(1999, 14, kMainRows, {}).back(), (LadderPage{143, 1988, 12, true}));
}

TEST(LadderPagePlan, TheRangeChoosesThePrintedPages) {
    const std::vector<LadderPage> pages = LadderPagePlan(50, 14, kMainRows, {false, 2, 3});
    EXPECT_EQ(pages.size(), 4u);
    EXPECT_EQ(Printed(pages), (std::vector<int>{2, 3}));
    EXPECT_EQ(Printed(LadderPagePlan(50, 14, kMainRows, {false, 4, 9})), (std::vector<int>{4}));
    EXPECT_TRUE(Printed(LadderPagePlan(50, 14, kMainRows, {false, 5, 9})).empty())
        << "a range past the end prints nothing";
    EXPECT_TRUE(Printed(LadderPagePlan(50, 14, kMainRows, {false, 3, 2})).empty())
        << "a reversed range prints nothing";
    EXPECT_EQ(Printed(LadderPagePlan(50, 14, kMainRows, {true, 3, 2})),
              (std::vector<int>{1, 2, 3, 4}))
        << "all pages, whatever the fields hold";
}

// The ladder takes the sheet's width unless the sheet is too short for it.
TEST(LadderPageScale, FillsTheWidthWhereTheHeightAllows) {
    const struct {
        double sheetWidth, sheetHeight, width, height, scale;
    } cases[] = {
        {1047, 718, 1011, 647, 1047.0 / 1011},  // A4 landscape, 14 rows
        {2022, 2000, 1011, 595, 2.0},           // a larger sheet
        {1011, 300, 1011, 600, 0.5},            // too short: as tall as the sheet
        {1000, 700, 0, 600, 1.0},               // nothing to draw
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(LadderPageScale(c.sheetWidth, c.sheetHeight, c.width, c.height), c.scale)
            << c.sheetWidth << "x" << c.sheetHeight;
}

TEST(PrintHeaders, HoldTheProjectTheDateAndTheTime) {
    const std::string header = LadderHeaderText("D:\\泵站.PSP", "2024/5/6", "8:09");
    EXPECT_EQ(header, "D:\\泵站.PSP   梯形图打印   2024/5/6  8:09    第");
    EXPECT_EQ(LadderPageLabel(header, 12), "D:\\泵站.PSP   梯形图打印   2024/5/6  8:09    第12页");
    EXPECT_EQ(InstructionListHeader("Torvin0", "2024/5/6", "8:09"),
              "Torvin0   指令表打印   2024/5/6  8:09");

    const std::string english = LadderHeaderText("/p/a.PSP", "5/6/24", "8:09 AM", false);
    EXPECT_EQ(LadderPageLabel(english, 12, false),
              "/p/a.PSP   Ladder print   5/6/24  8:09 AM    Page 12");
    EXPECT_EQ(InstructionListHeader("Torvin0", "5/6/24", "8:09 AM", false),
              "Torvin0   Instruction list print   5/6/24  8:09 AM");
}

}  // namespace
}  // namespace vx
