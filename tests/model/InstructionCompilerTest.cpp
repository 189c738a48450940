// Placement of the compiled cells, the dispatch, the bit and program-flow
// instructions, the step contact and the compare contacts.
#include "model/InstructionCompiler.h"

#include <gtest/gtest.h>

#include "InstructionCompilerCases.h"

namespace vx {
namespace {

using test::BoxCase;
using test::ExpectBoxes;
using test::ExpectRefusal;
using test::ExpectRefusals;
using test::kUnknown;
using test::kUnreadable;
using test::kWrongOperand;
using test::MessageRecorder;
using test::RefusalCase;

constexpr MsgIcon kInfo = MsgIcon::Information;

// --- Where the cells go ------------------------------------------------------

TEST(FunctionBoxPlacement, FromAConditionColumnTheRestOfTheRowBecomesLines) {
    MessageRecorder recorder;
    std::optional<InstructionEntry> entry =
        CompileFunctionInstruction("SET M10", 5, 40, test::EmptyCells());
    ASSERT_TRUE(entry);
    ASSERT_EQ(entry->writes.size(), 8u);
    EXPECT_EQ(entry->writes[0],
              (CellWrite{12, 40, CellKind::kFunctionBox, "SET M10", "SET (M[10])"}));
    for (int column = 5; column <= 11; ++column) {
        EXPECT_EQ(entry->writes[column - 4], (CellWrite{column, 40, CellKind::kLine, "", ""}));
    }
    EXPECT_TRUE(entry->outputWrapped);
    EXPECT_EQ(entry->cursorColumn, 5) << "the dialog's close moves the cursor on";
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(FunctionBoxPlacement, ColumnsOutsideTheConditionAreaGetNoLines) {
    struct Case {
        int column;
        std::size_t writes;
    };
    for (Case c : {Case{12, 1}, Case{13, 1}, Case{1, 12}, Case{0, 12}, Case{11, 2}}) {
        std::optional<InstructionEntry> entry =
            CompileFunctionInstruction("END", c.column, 7, test::EmptyCells());
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->writes.size(), c.writes) << "column " << c.column;
        for (const CellWrite& write : entry->writes) {
            EXPECT_GE(write.column, 1) << "column 0 is the rail and holds no cells";
            EXPECT_LE(write.column, 12);
        }
    }
}

TEST(FunctionBoxPlacement, LinkBitsOfReplacedCellsAreKept) {
    LadderCells cells;
    cells.Kind(12, 9) = CellKind::kLinkDown | CellKind::kCoil;
    cells.First(12, 9) = "Y0";
    cells.Kind(11, 9) = CellKind::kLinkUp | CellKind::kOpenContact;
    cells.First(11, 9) = "X1";
    cells.Second(11, 9) = "(X[1])";
    std::optional<InstructionEntry> entry = CompileFunctionInstruction("RST C1", 11, 9, cells);
    ASSERT_TRUE(entry);
    ASSERT_EQ(entry->writes.size(), 2u);
    EXPECT_EQ(entry->writes[0], (CellWrite{12, 9, 0x16, "RST C1", "Rcnt  (1)"}));
    EXPECT_EQ(entry->writes[1], (CellWrite{11, 9, 0x23, "", ""}));

    EXPECT_EQ(cells.First(12, 9), "Y0") << "compiling never writes the store";
    ApplyCellWrites(*entry, cells);
    EXPECT_EQ(cells.Kind(12, 9), 0x16);
    EXPECT_EQ(cells.Second(12, 9), "Rcnt  (1)");
    EXPECT_EQ(cells.Kind(11, 9), 0x23);
    EXPECT_EQ(cells.First(11, 9), "");
    EXPECT_EQ(cells.Second(11, 9), "");
}

TEST(FunctionBoxPlacement, FirstAndUnshownRowsAreCellsLikeAnyOther) {
    for (int row : {0, kMainRows, kUnshownRow}) {
        std::optional<InstructionEntry> entry =
            CompileFunctionInstruction("FEND", 12, row, test::EmptyCells());
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->writes[0].row, row);
    }
}

TEST(FunctionBoxPlacement, ACursorOutsideTheStoreIsRefusedSilently) {
    MessageRecorder recorder;
    for (auto [column, row] : {std::pair{-1, 0}, {14, 0}, {12, -1}, {12, kRows}}) {
        EXPECT_FALSE(CompileFunctionInstruction("END", column, row, test::EmptyCells()));
    }
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(StepContactPlacement, StandsInColumnOneAndMovesTheCursorToColumnTwo) {
    LadderCells cells;
    cells.Kind(1, 3) = CellKind::kLinkDown | CellKind::kLine;
    MessageRecorder recorder;
    std::optional<InstructionEntry> entry = CompileFunctionInstruction("stl s0199", 1, 3, cells);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->writes,
              (std::vector<CellWrite>{
                  {1, 3, CellKind::kLinkDown | CellKind::kStepContact, "STL S199", "199"}}));
    EXPECT_EQ(entry->cursorColumn, 2);
    EXPECT_FALSE(entry->outputWrapped);
    EXPECT_EQ(recorder.Count(), 0u);

    ExpectRefusals(
        {
            RefusalCase{"STL S3", "STL指令放置位置错误 ！"},
            {"STL S200", "STL指令放置位置错误 ！"},  // the place is checked before the number
            {"STL M3", kWrongOperand},
            {"STL ", kWrongOperand},
        },
        2);
    ExpectRefusals({RefusalCase{"STL S3", "STL指令放置位置错误 ！"}}, 12);
    ExpectRefusals({RefusalCase{"STL S3", "STL指令放置位置错误 ！"}}, 0);
    ExpectRefusals(
        {
            RefusalCase{"STL M3", kWrongOperand},
            {"STL S200", "S 元件编号为 0-199 ！"},
            {"STL SX", kUnreadable, kInfo},
            {"STL", kUnknown},
        },
        1);
}

TEST(CompareContactPlacement, StandsInTheCursorCellAndMovesTheCursorRight) {
    LadderCells cells;
    cells.Kind(11, 5) = CellKind::kLinkUp | CellKind::kOpenContact;
    std::optional<InstructionEntry> entry = CompileFunctionInstruction("> D0 K100", 11, 5, cells);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->writes,
              (std::vector<CellWrite>{{11, 5, CellKind::kLinkUp | CellKind::kCompareContact,
                                       "> D0 K100", "L (D[0],100)"}}))
        << "nothing right of the contact is touched";
    EXPECT_EQ(entry->cursorColumn, 12);
    EXPECT_FALSE(entry->outputWrapped);

    entry = CompileFunctionInstruction("D>= D10 D20", 1, 5, cells);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->writes[0].column, 1);
    EXPECT_EQ(entry->cursorColumn, 2);

    for (int column : {0, 12, 13}) {
        ExpectRefusals({RefusalCase{"> D0 K1", "这里不能放置比较触点 ！"},
                        // The operands are checked before the place.
                        {"> D10000 K1", "D 元件编号为 0-9999 ！"}},
                       column);
    }
}

// --- Dispatch ------------------------------------------------------------------

TEST(Dispatch, InstructionsWithoutOperandsAreMatchedWithoutABlank) {
    ExpectBoxes({
        BoxCase{"CLR", "CLR", "if(B00) LcdCLR();"},
        {"RET", "RET", "return;"},
        {"END", "END", "return;"},
        {"FEND", "FEND", "return;"},
        {"end", "END", "return;"},
        {"fEnD", "FEND", "return;"},
    });
    ExpectRefusals({
        RefusalCase{"END ", kUnknown},
        {"CLR ", kUnknown},
        {"RET X0", kUnknown},
        {"", kUnknown},
        {" ", kUnknown},
        {" MOV D0 D1", kUnknown},
        {"MOVE D0 D1", kUnknown},
        {"MOV", kUnknown},
        {"LD X0", kUnknown},
        {"LD> D0 K1", kUnknown},
        {"AND< D0 K1", kUnknown},
        {"D>=", kUnknown},
        {"ADDP D0 D1 D2", kUnknown},
        {"X17", kUnknown},
        {"温度 D0", kUnknown},
    });
}

// --- Bit instructions ----------------------------------------------------------

TEST(BitInstructions, AcceptedForms) {
    ExpectBoxes({
        BoxCase{"SET M10", "SET M10", "SET (M[10])"},
        {"set y017", "SET Y17", "SET (Y[17])"},
        {"SET Y377", "SET Y377", "SET (Y[377])"},
        {"SET M9999", "SET M9999", "SET (M[9999])"},
        {"RST S199", "RST S199", "RST (S[199])"},
        {"RST M0010", "RST M10", "RST (M[10])"},
        {"RST Y0", "RST Y0", "RST (Y[0])"},
        {"ALT Y7", "ALT Y7", "ALT (Y[7])"},
        {"ALT S0", "ALT S0", "ALT (S[0])"},
        {"ALT M5", "ALT M5", "ALT (M[5])"},
        {"RST C1", "RST C1", "Rcnt  (1)"},
        {"RST C199", "RST C199", "Rcnt  (199)"},
        {"PLS M1999", "PLS M1999", "PLS (M[1999],MP[1999])"},
        {"PLF M0", "PLF M0", "PLF (M[0],MP[0])"},
        {"PLS S5", "PLS S5", "PLS (S[5],SP[5])"},
        {"PLF S199", "PLF S199", "PLF (S[199],SP[199])"},
        {"SET  M3", "SET M3", "SET (M[3])"},
    });
}

TEST(BitInstructions, Refusals) {
    ExpectRefusals({
        RefusalCase{"PLS M2000", "脉冲指令: M 元件编号为 0-1999 ！"},
        {"PLF M9999", "脉冲指令: M 元件编号为 0-1999 ！"},
        {"PLS Y0", "元件设置错误,Y不可 PLS || PLF ！"},
        {"PLF Y400", "元件设置错误,Y不可 PLS || PLF ！"},
        {"SET C1", "元件设置错误,C只可用 RST ！"},
        {"PLS C1", "元件设置错误,C只可用 RST ！"},
        {"ALT C0", "元件设置错误,C只可用 RST ！"},
        {"SET X0", kWrongOperand},
        {"RST D0", kWrongOperand},
        {"RST T0", kWrongOperand},
        {"PLS K1", kWrongOperand},
        {"SET ", kWrongOperand},
        {"SET", kUnknown},
        {"SET M10000", "M 元件编号为 0-9999 ！"},
        {"SET Y8", "Y 元件编号不是 8 进制 ！"},
        {"ALT Y400", "Y 元件编号为 0-377 ！"},
        {"RST S200", "S 元件编号为 0-199 ！"},
        {"RST C200", "C 元件编号为 0-199 ！"},
        {"SET MX", kUnreadable, kInfo},
        {"PLS S", kUnreadable, kInfo},
        {"SET M-1", "M 元件编号为 0-9999 ！"},
    });
}

// --- Program flow --------------------------------------------------------------

TEST(ProgramFlow, AcceptedForms) {
    ExpectBoxes({
        BoxCase{"MC N0", "MC  N0", "MC (0)"},
        {"mc n1", "MC  N1", "MC (1)"},
        {"MCR N0", "MCR N0", "MCR (0)"},
        {"MCR N1", "MCR N1", "MCR (1)"},
        {"CJ P5", "CJ  P5", "if(B00)goto Label5;"},
        {"CJ P007", "CJ  P007", "if(B00)goto Label7;"},
        {"CJ P0", "CJ  P0", "if(B00)goto Label0;"},
        {"CJ P255", "CJ  P255", "if(B00)goto Label255;"},
        {"cj   p9", "CJ  P9", "if(B00)goto Label9;"},
        {"CALL S0", "CALL S0", "CALLs (0)"},
        {"CALL S31", "CALL S31", "CALLs (31)"},
        {"CALL S05", "CALL S05", "CALLs (5)"},
        {"P 5", "P   5", "Label5:"},
        {"P 0", "P   0", "Label0:"},
        {"P 255", "P   255", "Label255:"},
        {"p 017", "P   017", "Label17:"},
    });
}

TEST(ProgramFlow, Refusals) {
    ExpectRefusals({
        RefusalCase{"MC N2", kWrongOperand},
        {"MC M0", kWrongOperand},
        {"MC N", kWrongOperand},
        {"MC N01", kWrongOperand},
        {"MC ", kWrongOperand},
        {"MCR N2", kWrongOperand},
        {"MCR ", kWrongOperand},
        {"CJ 5", kWrongOperand},
        {"CJ S5", kWrongOperand},
        {"CJ ", kWrongOperand},
        {"CJ P256", "设定值 P 超过 255 上限 ！"},
        {"CJ P-1", "设定值 P 超过 255 上限 ！"},
        {"CJ PAB", kUnreadable, kInfo},
        {"CJ P", kUnreadable, kInfo},
        {"CJ P99999999999", kUnreadable, kInfo},
        {"CALL S32", "设定值 S 超过 31 上限 ！"},
        {"CALL S-1", "设定值 S 超过 31 上限 ！"},
        {"CALL P1", kWrongOperand},
        {"CALL SX", kUnreadable, kInfo},
        {"P 256", "设定值 P 超过 255 上限 ！"},
        {"P -1", "设定值 P 超过 255 上限 ！"},
        {"P PA", kUnreadable, kInfo},
        {"P P5", kUnreadable, kInfo},
        {"P ", kUnreadable, kInfo},
        {"P", kUnknown},
    });
}

// --- Compare contacts ------------------------------------------------------------

// Entered in column 3: the contact is the one write, the cursor moves to column 4.
void ExpectContacts(std::initializer_list<BoxCase> cases) {
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.text);
        MessageRecorder recorder;
        std::optional<InstructionEntry> entry =
            CompileFunctionInstruction(c.text, 3, 20, test::EmptyCells());
        ASSERT_TRUE(entry) << (recorder.Count() ? recorder.Last().text : "no message");
        EXPECT_EQ(recorder.Count(), 0u);
        EXPECT_EQ(entry->writes,
                  (std::vector<CellWrite>{{3, 20, CellKind::kCompareContact, c.first, c.second}}));
        EXPECT_EQ(entry->cursorColumn, 4);
        EXPECT_FALSE(entry->outputWrapped);
    }
}

TEST(CompareContacts, SixteenBitSigns) {
    ExpectContacts({
        BoxCase{"> D0 K100", "> D0 K100", "L (D[0],100)"},
        {"< D1 D2", "< D1 D2", "M (D[1],D[2])"},
        {"= K5 D9999", "= K5 D9999", "N (5,D[9999])"},
        {"<> H1F D5", "<> H001F D5", "O (0x001F,D[5])"},
        {">= D0 HFFFF", ">= D0 HFFFF", "P (D[0],0xFFFF)"},
        {"<= K-5 K65535", "<= K-5 K65535", "Q (-5,65535)"},
        {"> Habc K0", "> H0ABC K0", "L (0x0ABC,0)"},
        {"= H0 D0", "= H0000 D0", "N (0x0000,D[0])"},
        {"> d0010 k1", "> D10 K1", "L (D[10],1)"},
        {"> K-1 D0", "> K-1 D0", "L (-1,D[0])"},
        {"<>  D3   D4", "<> D3 D4", "O (D[3],D[4])"},
    });
}

TEST(CompareContacts, ThirtyTwoBitSignsCompareRegisterPairs) {
    ExpectContacts({
        BoxCase{"D> D0 D2", "D> D0 D2", "U (0,2)"},
        {"D< D1 D3", "D< D1 D3", "V (1,3)"},
        {"D= D10 D20", "D= D10 D20", "W (10,20)"},
        {"D<> D0 D9998", "D<> D0 D9998", "X (0,9998)"},
        {"D>= D10 D20", "D>= D10 D20", "Y (10,20)"},
        {"D<= D5 D7", "D<= D5 D7", "Z (5,7)"},
        {"d<= d05 d7", "D<= D5 D7", "Z (5,7)"},
    });
}

TEST(CompareContacts, Refusals) {
    constexpr const char* kConstant32 =
        "常数不可直接32bit双字比较运算 ！\r\r请先把常数传送至Dn,最后...";
    ExpectRefusals(
        {
            RefusalCase{"> M0 K1", kWrongOperand},
            {"> D0", kWrongOperand},
            {"> X0 Y0", kWrongOperand},
            {"> K1 M0", kWrongOperand},
            {"> D10000 M0", kWrongOperand},  // letters of both before any number
            {"D> K1 D0", kConstant32},
            {"D> D0 H1", kConstant32},
            {"D= D10000 K1", kConstant32},
            {"D> D9999 D0", "D 元件编号为 0-9998 ！"},  // D9999's partner is no device
            {"D<= D0 D9999", "D 元件编号为 0-9998 ！"},
            {"D> D0 M0", kWrongOperand},
            {"> D10000 K1", "D 元件编号为 0-9999 ！"},
            {"> D0 K65536", "设定值 K 超过 65535 ！"},
            {"> D0 H10000", "设定值 H 超过 FFFF ！"},
            {"> D0 HXY", kUnreadable, kInfo},
            {"> DA K1", kUnreadable, kInfo},
            {"< D-1 K1", "D 元件编号为 0-9999 ！"},
            {">", kUnknown},
            {">< D0 D1", kUnknown},
        },
        3);
}

// --- Texts the project file could not keep -----------------------------------------

// A negative constant is checked against the lowest value its operand takes:
// a 16-bit value down to -32768, a 32-bit one as far down as up, a count,
// position, channel or set value not below 0.
TEST(ConstantOperands, NegativeValuesStopAtTheOperandsLowerLimit) {
    ExpectBoxes({
        BoxCase{"MOV K-32768 D0", "MOV K-32768 D0", "MOV (-32768,D[0])"},
        {"ADD K-32768 K-1 D2", "ADD K-32768 K-1 D2", "ADD(-32768,-1,2)"},
        {"CML K-1 D1", "CML K-1 D1", "CML (-1,D[1])"},
        {"FMOV K-5 D100 K0", "FMOV K-5 D100 K0", "FMOV (-5,100,0)"},
        {"DMOV K-999999999 D0", "DMOV K-999999999 D0", "KMOV(13825,50277,0)"},
        {"TXT K0 K0 AB", "TXT K0 K0 AB  ", "TXT (0,0,\"AB  \")"},
    });
    ExpectRefusals({
        RefusalCase{"MOV K-32769 D0", "设定值 K 低于 -32768 ！"},
        {"MOV K-70000 D0", "设定值 K 低于 -32768 ！"},
        {"SUB K-5 K-40000 D0", "设定值 K 低于 -32768 ！"},
        {"DMOV K-1000000000 D0", "设定值 K 低于 -999999999 ！"},
        {"TXT K0 K-214 ABCDEFGHIJ 中", "设定值 K 低于 0 ！"},
        {"TXT K-1 K0 AB", "设定值 K 低于 0 ！"},
        {"FMOV K5 D100 K-1", "设定值 K 低于 0 ！"},
        {"ROR D0 K-1", "设定值 K 低于 0 ！"},
        {"WTOB D0 D10 K-3", "设定值 K 低于 0 ！"},
        {"SFTL M0 K-1", "设定值 K 低于 0 ！"},
        {"WSFR D0 D1 K-2 K3", "设定值 K 低于 0 ！"},
        {"RS1 K-1 D0 K1 D1", "设定值 K 低于 0 ！"},
        {"REG K0 K-7 D0 K0", "设定值 K 低于 0 ！"},
        {"PWM K-1 Y0", "设定值 K 低于 0 ！"},
        {"DUTY K-10 D1 M8330", "设定值 K 低于 0 ！"},
        {"MODRD K-1 K2 K3", "设定值 K 低于 0 ！"},
        {"MODRD K1 K-2 K3", "设定值 K 低于 0 ！"},
        {"PLSR D0 D1 D2 K-1", "通道号设定范围 K0..K2  ！"},
    });
    ExpectRefusal(RefusalCase{"> D0 K-32769", "设定值 K 低于 -32768 ！"}, 3);
}

TEST(CellTextLimit, DisplayTextsLongerThanTheProjectFileKeepsAreRefused) {
    ExpectBoxes({
        // Up to 26 bytes of display text are kept whole.
        BoxCase{"WSFR D9999 D9999 K256 K256", "WSFR D9999 D9999 K256 K256",
                "WSFR (9999,9999,256,256)"},
        {"DDRVI D99 D9998 Y377 Y377", "DDRVI D99 D9998 Y377 Y377", "DDRVI (99,9998,377,Y[377])"},
        {"DZRN D9998 D9998 X377 Y37", "DZRN D9998 D9998 X377 Y37", "DZRN (9998,9998,X[377],37)"},
        {"DZRN D1000 D1000 X377 Y1", "DZRN D1000 D1000 X377 Y1", "DZRN (1000,1000,X[377],1)"},
        {"PID D1000 D1000 D1000 D100", "PID D1000 D1000 D1000 D100", "PID (1000,1000,1000,100)"},
        // The C text is derived again from the display text whenever the
        // program is converted, so a longer one is stored (a saved project
        // keeps 26 bytes of it).
        {"DUTY D1000 D1000 M8330", "DUTY D1000 D1000 M8330", "DUTY (D[1000],D[1000],8330)"},
        {"DUTY D9999 D9999 M8334", "DUTY D9999 D9999 M8334", "DUTY (D[9999],D[9999],8334)"},
        {"DUTY D0 D9999 M8331", "DUTY D0 D9999 M8331", "DUTY (D[0],D[9999],8331)"},
        {"DDRVI D998 D9998 Y377 Y377", "DDRVI D998 D9998 Y377 Y377", "DDRVI (998,9998,377,Y[377])"},
        {"DDRVA D9998 D9998 Y17 S199", "DDRVA D9998 D9998 Y17 S199", "DDRVA (9998,9998,17,S[199])"},
        {"DZRN D9998 D9998 X377 Y377", "DZRN D9998 D9998 X377 Y377", "DZRN (9998,9998,X[377],377)"},
        {"DZRN D9998 D9998 Y377 Y377", "DZRN D9998 D9998 Y377 Y377", "DZRN (9998,9998,Y[377],377)"},
    });
    ExpectRefusals({
        RefusalCase{"DDRVI D9998 D9998 Y377 Y377", test::kFirstTooLong},
        {"PID D1000 D1000 D1000 D1000", test::kFirstTooLong},
        {"DDRVA D9998 D9998 Y377 S199", test::kFirstTooLong},
    });
}

}  // namespace
}  // namespace vx
