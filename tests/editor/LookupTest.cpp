#include "editor/Lookup.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(LookupMatches, NamesAndOperandsButNotLongerNames) {
    EXPECT_TRUE(LookupMatches("X1", "X1", false));
    EXPECT_FALSE(LookupMatches("X10", "X1", false));
    EXPECT_TRUE(LookupMatches("T5 K100", "T5", false));
    EXPECT_TRUE(LookupMatches("T5 K100", "K100", false));
    EXPECT_TRUE(LookupMatches("MOV D1 D10", "D1", false));
    EXPECT_FALSE(LookupMatches("MOV D10 D0", "D1", false));
    EXPECT_TRUE(LookupMatches("MOV D10 D1", "D1", false)) << "the text ends with it";
    EXPECT_TRUE(LookupMatches("ADD D10 D1 D2", "D1", false));
    EXPECT_TRUE(LookupMatches("X1", "1", false)) << "an end of the text is enough";
    EXPECT_FALSE(LookupMatches("", "X1", false));
    // Whole text: nothing but equality.
    EXPECT_TRUE(LookupMatches("T5 K100", "T5 K100", true));
    EXPECT_FALSE(LookupMatches("T5 K100", "T5", true));
    EXPECT_FALSE(LookupMatches("X1", "1", true));
}

class LookupStepTest : public testing::Test {
  protected:
    std::optional<LookupHit> Step(std::string_view text, int col, int row, bool upward = false,
                                  bool allBlocks = true) {
        LookupOptions options;
        options.upward = upward;
        options.allBlocks = allBlocks;
        return LookupStep(cells_, text, options, col, row, blocks_);
    }
    static void ExpectHit(const std::optional<LookupHit>& hit, int column, int row) {
        ASSERT_TRUE(hit.has_value());
        EXPECT_EQ(hit->column, column);
        EXPECT_EQ(hit->row, row);
    }

    LadderCells cells_;
    ProgramBlocks blocks_;
};

TEST_F(LookupStepTest, DownwardBeginsAfterTheCursorAndWalksRowsLeftToRight) {
    cells_.First(2, 5) = "X1";
    cells_.First(7, 5) = "X1";
    cells_.First(3, 6) = "X1";
    ExpectHit(Step("X1", 1, 5), 2, 5);
    ExpectHit(Step("X1", 2, 5), 7, 5);  // the cursor cell itself is skipped
    ExpectHit(Step("X1", 7, 5), 3, 6);
    // From the output column the step begins in the next row's first column.
    cells_.First(1, 9) = "Y0";
    cells_.First(12, 8) = "Y0";
    ExpectHit(Step("Y0", 12, 8), 1, 9);
    // Column 13 (block comments) and column 0 are never searched.
    cells_.First(13, 20) = "M7";
    cells_.First(0, 21) = "M7";
    EXPECT_FALSE(Step("M7", 1, 0).has_value());
    EXPECT_FALSE(Step("", 1, 0).has_value());
}

TEST_F(LookupStepTest, UpwardWalksRowsBackButEachRowLeftToRight) {
    cells_.First(2, 5) = "X1";
    cells_.First(7, 5) = "X1";
    cells_.First(9, 7) = "X1";
    ExpectHit(Step("X1", 4, 7, true), 9, 7);  // the cursor row from the next column on
    // Then the rows above, each from its first column.
    ExpectHit(Step("X1", 9, 7, true), 2, 5);
    ExpectHit(Step("X1", 2, 5, true), 7, 5);
    ExpectHit(Step("X1", 12, 8, true), 9, 7);  // from the output column: the row above
    EXPECT_FALSE(Step("X1", 12, 0, true).has_value()) << "no row above the program";
}

TEST_F(LookupStepTest, TheShownBlockOrTheWholeProgram) {
    ShowBlock(blocks_, kFirstSubroutineNode + 3);
    cells_.First(4, 100) = "C3";               // main program
    cells_.First(4, BlockFirstRow(5)) = "C3";  // subroutine 5
    cells_.First(4, kUnshownRow) = "C3";       // the row no block holds
    const int first = BlockFirstRow(3), last = BlockLastRow(3);
    EXPECT_FALSE(Step("C3", 1, first, false, false).has_value());
    EXPECT_FALSE(Step("C3", 1, last, true, false).has_value());
    ExpectHit(Step("C3", 1, last), 4, BlockFirstRow(5));
    ExpectHit(Step("C3", 1, first, true), 4, 100);
    // A start row outside the range finds nothing, even with hits beyond it.
    EXPECT_FALSE(Step("C3", 12, last, false, false).has_value());
    EXPECT_FALSE(Step("C3", 12, first, true, false).has_value());
    EXPECT_FALSE(Step("C3", 1, BlockFirstRow(6)).has_value()) << "row 10192 is never searched";
}

TEST(LookupBlockJumps, UpwardHitsReturnAndDownwardHitsGoOn) {
    ProgramBlocks blocks;
    ShowBlock(blocks, kFirstSubroutineNode + 3);
    EXPECT_FALSE(ResiliencyFrontSect(blocks, BlockFirstRow(3)).has_value());
    EXPECT_FALSE(JumpNextSect(blocks, BlockLastRow(3)).has_value());
    auto back = ResiliencyFrontSect(blocks, BlockFirstRow(1) + 7);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->node, kFirstSubroutineNode + 1);
    EXPECT_EQ(back->notice, "跳回: 子程序.1");
    back = ResiliencyFrontSect(blocks, 1999);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->node, kMainNode);
    EXPECT_EQ(back->notice, "跳回: 主程序.Main ！");
    auto on = JumpNextSect(blocks, BlockLastRow(31));
    ASSERT_TRUE(on.has_value());
    EXPECT_EQ(on->node, kFirstSubroutineNode + 31);
    EXPECT_EQ(on->notice, "跳至: 子程序.31");

    ShowBlock(blocks, kMainNode);
    on = JumpNextSect(blocks, 2000);
    ASSERT_TRUE(on.has_value());
    EXPECT_EQ(on->node, kFirstSubroutineNode);
    EXPECT_EQ(on->notice, "跳至: 子程序.0");
    EXPECT_FALSE(ResiliencyFrontSect(blocks, 0).has_value());

    // In English.
    EXPECT_EQ(JumpNextSect(blocks, 2000, false)->notice, "Jump to: Sub.0");
    ShowBlock(blocks, kFirstSubroutineNode + 3);
    EXPECT_EQ(ResiliencyFrontSect(blocks, BlockFirstRow(1), false)->notice, "Back to: Sub.1");
    EXPECT_EQ(ResiliencyFrontSect(blocks, 1999, false)->notice, "Back to: Program.Main!");
}

TEST(LookupHistory, DistinctTextsUntilMoreThanAThousand) {
    LookupHistory history;
    EXPECT_TRUE(history.AddLookupItems("X1"));
    EXPECT_FALSE(history.AddLookupItems("X1"));
    for (int i = 2; i <= 1001; ++i)
        ASSERT_TRUE(history.AddLookupItems("M" + std::to_string(i)));
    EXPECT_EQ(history.Entries().size(), 1001u);
    EXPECT_FALSE(history.AddLookupItems("M500")) << "a known text changes nothing";
    EXPECT_TRUE(history.AddLookupItems("D1002"));
    EXPECT_EQ(history.Entries(), std::vector<std::string>{"D1002"})
        << "the 1002nd distinct text starts the history afresh";
}

}  // namespace
}  // namespace vx
