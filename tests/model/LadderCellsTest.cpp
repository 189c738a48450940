#include "model/LadderCells.h"

#include <gtest/gtest.h>

#include "model/CellKind.h"
#include "model/Devices.h"
#include "model/LadderProgram.h"

namespace vx {
namespace {

TEST(ProgramBlocks, MainAndSubroutinesTileTheRows) {
    EXPECT_EQ(BlockFirstRow(kMainBlock), 0);
    EXPECT_EQ(BlockLastRow(kMainBlock), 1999);
    EXPECT_EQ(BlockFirstRow(0), 2000) << "row 2000 starts subroutine 0, not the main program";
    EXPECT_EQ(BlockLastRow(31), 10191);
    EXPECT_EQ(BlockRowCount(7), 256);
    for (int block = 0; block < kSubroutineCount; ++block) {
        EXPECT_EQ(BlockFirstRow(block), block == 0 ? kMainRows : BlockLastRow(block - 1) + 1);
    }
}

TEST(ProgramBlocks, RowsKnowTheirBlockAndLine) {
    EXPECT_EQ(BlockOfRow(0), kMainBlock);
    EXPECT_EQ(BlockOfRow(1999), kMainBlock);
    EXPECT_EQ(BlockOfRow(2000), 0);
    EXPECT_EQ(BlockOfRow(2255), 0);
    EXPECT_EQ(BlockOfRow(2256), 1);
    EXPECT_EQ(BlockOfRow(10191), 31);
    EXPECT_LT(BlockOfRow(kUnshownRow), kMainBlock) << "row 10192 is in no block";
    EXPECT_LT(BlockOfRow(-1), kMainBlock);
    EXPECT_EQ(BlockLine(0), 1);
    EXPECT_EQ(BlockLine(1999), 2000);
    EXPECT_EQ(BlockLine(2000 + 256 * 3 + 9), 10);
}

TEST(CellNumbers, RowTimesFourteenPlusColumn) {
    EXPECT_EQ(CellNumber(12, 0), 12);
    EXPECT_EQ(CellNumber(1, 2), 29);
    EXPECT_EQ(CellColumn(29), 1);
    EXPECT_EQ(CellRow(29), 2);
    EXPECT_EQ(CellNumber(13, kUnshownRow), kCellCount - 1);
    EXPECT_TRUE(IsCellNumber(kCellCount - 1));
    EXPECT_FALSE(IsCellNumber(kCellCount));
    EXPECT_FALSE(IsCellNumber(-1));
}

TEST(CellStore, StartsEmptyAndKeepsEveryRowIncludingTheUnshownOne) {
    LadderCells cells;
    EXPECT_EQ(cells.Kind(5, 100), CellKind::kEmpty);
    cells.Kind(13, kUnshownRow) = CellKind::kRailMarker;
    cells.First(13, kUnshownRow) = "last";
    cells.Kind(1, 0) = CellKind::kOpenContact;
    cells.First(1, 0) = "X0";
    cells.Second(1, 0) = "(X[0])";
    EXPECT_EQ(cells.First(13, kUnshownRow), "last");
    EXPECT_EQ(cells.First(1, 0), "X0");
    EXPECT_TRUE(cells.First(0, 1).empty()) << "neighbouring cells are untouched";

    LadderCells copy = cells;
    EXPECT_EQ(copy, cells);
    cells.ClearCell(1, 0);
    EXPECT_EQ(cells.Kind(1, 0), CellKind::kEmpty);
    EXPECT_TRUE(cells.Second(1, 0).empty());
    EXPECT_NE(copy, cells);
    cells.Clear();
    EXPECT_EQ(cells, LadderCells());
}

TEST(CellKinds, SymbolIgnoresLinksAndStoringKeepsThem) {
    const std::uint8_t linkedBox = 0x16;  // function box, link on the lower half of its left edge
    EXPECT_EQ(Symbol(linkedBox), CellKind::kFunctionBox);
    EXPECT_TRUE(HasLinkDown(linkedBox));
    EXPECT_FALSE(HasLinkUp(linkedBox));
    EXPECT_EQ(WithSymbol(0x31, CellKind::kLine), 0x33);
    EXPECT_EQ(WithSymbol(0x33, CellKind::kEmpty), 0x30);
    EXPECT_FALSE(HasLinkDown(CellKind::kRailMarker) || HasLinkUp(CellKind::kRailMarker))
        << "the rail marker carries no link bits";
    EXPECT_TRUE(IsOutputSymbol(Symbol(linkedBox)));
    EXPECT_FALSE(IsOutputSymbol(CellKind::kLine));
    EXPECT_TRUE(IsConditionSymbol(CellKind::kStepContact));
    EXPECT_FALSE(IsConditionSymbol(CellKind::kCoil));
}

TEST(VerticalLinks, AreThePairOfBitsOnTwoRows) {
    LadderCells cells;
    cells.Kind(3, 9) = CellKind::kOpenContact;
    ASSERT_TRUE(cells.SetVerticalLink(3, 10, true));
    EXPECT_EQ(cells.Kind(3, 9), CellKind::kOpenContact | CellKind::kLinkDown);
    EXPECT_EQ(cells.Kind(3, 10), CellKind::kLinkUp);
    EXPECT_TRUE(cells.HasVerticalLink(3, 10));
    EXPECT_FALSE(cells.HasVerticalLink(3, 11));

    // Half a pair is no connection.
    cells.Kind(4, 20) = CellKind::kLinkDown;
    EXPECT_FALSE(cells.HasVerticalLink(4, 21));

    ASSERT_TRUE(cells.SetVerticalLink(3, 10, false));
    EXPECT_EQ(cells.Kind(3, 9), CellKind::kOpenContact) << "the symbol stays";
    EXPECT_EQ(cells.Kind(3, 10), CellKind::kEmpty);
}

TEST(VerticalLinks, NeverOnColumnOneOrAboveTheFirstRow) {
    LadderCells cells;
    EXPECT_FALSE(cells.SetVerticalLink(1, 5, true)) << "column 1's left edge is the rail";
    EXPECT_EQ(cells.Kind(1, 4), CellKind::kEmpty);
    EXPECT_EQ(cells.Kind(1, 5), CellKind::kEmpty);
    EXPECT_FALSE(cells.SetVerticalLink(2, 0, true));
    EXPECT_FALSE(cells.SetVerticalLink(14, 5, true));
    EXPECT_FALSE(cells.SetVerticalLink(2, kRows, true));
    EXPECT_EQ(cells, LadderCells());
}

TEST(DeviceCodes, KindPlusNumberTimes256) {
    EXPECT_EQ(MakeDeviceCode(DeviceKind::X, 17), 17 * 256);
    EXPECT_EQ(MakeDeviceCode(DeviceKind::D, 9999), 6 + 9999 * 256);
    const DeviceCode code = MakeDeviceCode(DeviceKind::CValue, 199);
    EXPECT_EQ(DeviceCodeKind(code), DeviceKind::CValue);
    EXPECT_EQ(DeviceCodeNumber(code), 199);
    EXPECT_EQ(LetterOfKind(DeviceKind::TValue), 'T');
}

TEST(DeviceRanges, TableOfTheLetters) {
    ASSERT_TRUE(RangeOfLetter('X'));
    EXPECT_EQ(RangeOfLetter('X')->highest, 377);
    EXPECT_TRUE(RangeOfLetter('Y')->octal);
    EXPECT_EQ(RangeOfLetter('Y')->points, 256);
    EXPECT_EQ(RangeOfLetter('T')->highest, 399);
    EXPECT_FALSE(RangeOfLetter('M')->octal);
    EXPECT_FALSE(RangeOfLetter('K').has_value()) << "constants are no devices";
    EXPECT_EQ(DeviceText('X', 17), "X17");
}

TEST(WholeProgram, ClearEmptiesEverything) {
    LadderProgram program;
    program.cells.Kind(12, 0) = CellKind::kCoil;
    program.subroutineNames[30] = "EXTI_Xnn";
    program.sysParamString = "02";
    program.passwordFlag = 1;
    program.usePlugin = 1;
    program.pluginName = "CAN";
    program.Clear();
    EXPECT_EQ(program.cells.Kind(12, 0), 0);
    EXPECT_TRUE(program.subroutineNames[30].empty());
    EXPECT_TRUE(program.sysParamString.empty());
    EXPECT_EQ(program.passwordFlag, 0);
    EXPECT_EQ(program.usePlugin, 0);
    EXPECT_TRUE(program.pluginName.empty());
    EXPECT_EQ(&TheProgram(), &TheProgram());
}

}  // namespace
}  // namespace vx
