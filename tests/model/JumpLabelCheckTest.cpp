#include "model/JumpLabelCheck.h"

#include <gtest/gtest.h>

#include "model/CellKind.h"
#include "model/InstructionCompiler.h"
#include "model/LadderProgram.h"
#include "support/MessageRecorder.h"

namespace vx {
namespace {

using test::MessageRecorder;

class JumpLabels : public testing::Test {
  protected:
    // Enters the instruction as the user would, with the cursor in column 12.
    void Enter(const char* text, int row) {
        std::optional<InstructionEntry> entry = CompileFunctionInstruction(text, 12, row, cells_);
        ASSERT_TRUE(entry) << text;
        ApplyCellWrites(*entry, cells_);
    }
    void Box(int row, const char* first, std::uint8_t kind = CellKind::kFunctionBox) {
        cells_.Kind(12, row) = kind;
        cells_.First(12, row) = first;
    }
    void ExpectPass() {
        MessageRecorder recorder;
        EXPECT_TRUE(CheckJumpLabels(cells_));
        EXPECT_EQ(recorder.Count(), 0u) << recorder.Last().text;
    }
    void ExpectFault(const std::string& text) {
        MessageRecorder recorder;
        EXPECT_FALSE(CheckJumpLabels(cells_));
        ASSERT_EQ(recorder.Count(), 1u);
        EXPECT_EQ(recorder.Last().text, text);
        EXPECT_EQ(recorder.Last().caption, "Error");
        EXPECT_EQ(recorder.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(recorder.Last().buttons, MsgButtons::Ok);
    }

    LadderCells cells_;
};

TEST_F(JumpLabels, AProgramWithoutJumpsPasses) {
    ExpectPass();
    Enter("P 3", 4);
    Enter("MOV K1 D0", 5);
    ExpectPass();
}

TEST_F(JumpLabels, TheLabelMayStandBeforeOrAfterTheJump) {
    Enter("CJ P5", 10);
    Enter("P 5", 20);
    Enter("P 6", 1);
    Enter("CJ P006", 30);
    Enter("CJ P5", 40);  // two jumps share one label
    ExpectPass();
    Enter("P 5", 50);  // labels with the same number are not this check's business
    ExpectPass();
}

TEST_F(JumpLabels, AMissingLabelIsReportedWithBlockAndLine) {
    Enter("CJ P5", 10);
    ExpectFault("主程序.Main - 行11, CJ \"P5\" 标签未放置！");

    cells_.Clear();
    const int row = BlockFirstRow(3) + 11;
    Enter("CJ P7", row);
    Enter("P 8", row + 1);
    ExpectFault("子程序.3 - 行12, CJ \"P7\" 标签未放置！");
}

TEST_F(JumpLabels, TheFirstFaultInBlockAndRowOrderIsReported) {
    Enter("CJ P2", BlockFirstRow(5) + 1);
    Enter("CJ P1", BlockFirstRow(2) + 9);
    Enter("CJ P3", BlockFirstRow(2) + 4);
    Enter("CJ P0", 100);
    Enter("P 0", 200);
    ExpectFault("子程序.2 - 行5, CJ \"P3\" 标签未放置！");
}

TEST_F(JumpLabels, LabelsDoNotCrossBlocks) {
    Enter("CJ P5", 1999);
    Enter("P 5", BlockFirstRow(0));
    ExpectFault("主程序.Main - 行2000, CJ \"P5\" 标签未放置！");

    cells_.Clear();
    Enter("CJ P5", BlockFirstRow(0));
    Enter("P 5", 1999);
    Enter("P 5", BlockFirstRow(1));
    ExpectFault("子程序.0 - 行1, CJ \"P5\" 标签未放置！");

    Enter("P 5", BlockLastRow(0));
    ExpectPass();
}

TEST_F(JumpLabels, BoxesWithLinkBitsCount) {
    Box(7, "CJ  P9", CellKind::kLinkDown | CellKind::kFunctionBox);
    ExpectFault("主程序.Main - 行8, CJ \"P9\" 标签未放置！");
    Box(3, "P   9", CellKind::kLinkUp | CellKind::kLinkDown | CellKind::kFunctionBox);
    ExpectPass();
}

TEST_F(JumpLabels, OnlyFunctionBoxesInTheOutputColumnCount) {
    Box(7, "CJ  P9", CellKind::kCoil);
    cells_.Kind(11, 8) = CellKind::kFunctionBox;
    cells_.First(11, 8) = "CJ  P9";
    Box(kUnshownRow, "CJ  P9");  // the unshown row belongs to no block
    Box(9, "CJP9");
    ExpectPass();

    Box(7, "CJ  P9");
    cells_.Kind(11, 3) = CellKind::kFunctionBox;
    cells_.First(11, 3) = "P   9";
    Box(4, "P   9", CellKind::kCoil);
    ExpectFault("主程序.Main - 行8, CJ \"P9\" 标签未放置！");
}

TEST_F(JumpLabels, AnUnreadableNumberIsReportedWhereItStands) {
    Box(4, "P   X");
    ExpectFault("主程序.Main - 行5, \"P   X\" 标签编号无法识别！");

    cells_.Clear();
    Box(BlockFirstRow(1) + 2, "CJ  PAB");
    ExpectFault("子程序.1 - 行3, \"CJ  PAB\" 标签编号无法识别！");

    cells_.Clear();
    Box(2, "CJ ");
    ExpectFault("主程序.Main - 行3, \"CJ \" 标签编号无法识别！");

    cells_.Clear();
    Box(2, "CJ  X5");
    ExpectFault("主程序.Main - 行3, \"CJ  X5\" 标签编号无法识别！");
}

TEST_F(JumpLabels, TheProgramBeingEditedIsChecked) {
    LadderProgram& program = TheProgram();
    program.Clear();
    {
        MessageRecorder recorder;
        EXPECT_TRUE(CheckJumpLabels());
    }
    program.cells.Kind(12, 0) = CellKind::kFunctionBox;
    program.cells.First(12, 0) = "CJ  P1";
    {
        MessageRecorder recorder;
        EXPECT_FALSE(CheckJumpLabels());
        EXPECT_EQ(recorder.Count(), 1u);
    }
    program.Clear();
}

}  // namespace
}  // namespace vx
