// The ladder print's pages: the last used row of the shown block, the grid
// rows the cursor steps through, the page range, and the header lines.
#include "editor/PrintPages.h"

#include <gtest/gtest.h>

#include "model/CellKind.h"

namespace vx {
namespace {

std::vector<int> CursorRows(const std::vector<LadderPage>& pages) {
    std::vector<int> rows;
    for (const LadderPage& p : pages)
        rows.push_back(p.cursorRow);
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

TEST(LadderPagePlan, StepsARowsPerPageAtATimeUntilTheLastUsedRow) {
    EXPECT_EQ(RowsPerPage(false), 14);
    EXPECT_EQ(RowsPerPage(true), 10);
    const PageRange all;

    // Nothing used, or everything within the first page: one page.
    EXPECT_EQ(LadderPagePlan(-1, 14, kMainRows, all), (std::vector<LadderPage>{{1, 14, true}}));
    EXPECT_EQ(LadderPagePlan(14, 14, kMainRows, all), (std::vector<LadderPage>{{1, 14, true}}));
    // One row more: a second page.
    EXPECT_EQ(LadderPagePlan(15, 14, kMainRows, all),
              (std::vector<LadderPage>{{1, 14, true}, {2, 28, true}}));
    EXPECT_EQ(CursorRows(LadderPagePlan(25, 10, kMainRows, all)), (std::vector<int>{10, 20, 30}));

    // The block's end: the last step stops on the last row.
    const std::vector<LadderPage> sub = LadderPagePlan(255, 10, kSubroutineRows, all);
    ASSERT_EQ(sub.size(), 26u);
    EXPECT_EQ(sub[24].cursorRow, 250);
    EXPECT_EQ(sub.back(), (LadderPage{26, 255, true}));
    EXPECT_EQ(LadderPagePlan(1999, 14, kMainRows, all).back().cursorRow, 1999);
}

TEST(LadderPagePlan, TheRangeChoosesThePrintedPagesButTheGridStepsThroughAll) {
    const std::vector<LadderPage> pages = LadderPagePlan(50, 14, kMainRows, {false, 2, 3});
    EXPECT_EQ(CursorRows(pages), (std::vector<int>{14, 28, 42, 56}));
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
