// What one OK of the entry dialog stores: contacts, coils, timers and
// counters, parallel and edge contacts with their links, the cursor, and the
// refusals with their messages.
#include "model/ElementEntry.h"

#include <gtest/gtest.h>

#include "InstructionCompilerCases.h"
#include "model/CellKind.h"
#include "support/MessageRecorder.h"

namespace vx {
namespace {

using test::MessageRecorder;

constexpr int kRow = 40;
constexpr MsgIcon kInfo = MsgIcon::Information;
constexpr MsgIcon kWarn = MsgIcon::Exclamation;

std::optional<ElementEntryResult> Enter(const LadderCells& cells, const char* text,
                                        std::int32_t kind, int column, int row = kRow,
                                        bool orEdge = false, bool keepOpen = false) {
    return EnterElement({text, kind, orEdge, keepOpen, column, row}, cells);
}

TEST(ElementEntry, ContactsStoreTheDeviceAndItsArray) {
    struct Case {
        const char* text;
        std::int32_t kind;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"x17", 1, "X17", "(X[17])"},        {"X017", 2, "X17", "(X[17])"},
        {"y0", 8, "Y0", "(Y[0])"},           {"M0010", 9, "M10", "(M[10])"},
        {"s199", 1, "S199", "(S[199])"},     {"t5", 2, "T5", "(T_out[5])"},
        {"c199", 1, "C199", "(C_out[199])"}, {"X377", 1, "X377", "(X[377])"},
    };
    MessageRecorder messages;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto result = Enter(test::EmptyCells(), c.text, c.kind, 3);
        ASSERT_TRUE(result);
        ASSERT_EQ(result->writes.size(), 1u);
        EXPECT_EQ(result->writes[0],
                  (CellWrite{3, kRow, static_cast<std::uint8_t>(c.kind), c.first, c.second}));
        EXPECT_EQ(result->cursorColumn, 4);
        EXPECT_EQ(result->cursorRow, kRow);
        EXPECT_TRUE(result->closes);
        EXPECT_EQ(result->elementColumn, 3);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(ElementEntry, CoilsGoToTheOutputColumnBehindLines) {
    struct Case {
        const char* text;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"y7", "Y7", "OUT   (Y[7])"},
        {"M100", "M100", "OUT   (M[100])"},
        {"s5", "S5", "OUT   (S[5])"},
        {"t5 k100", "T5 K100", "TON   (5, 100)"},
        {"T05 D010", "T5 D10", "TON   (5, D[10])"},
        {"c199 k65535", "C199 K65535", "CNT   (199, 65535)"},
        {"c3 d9999", "C3 D9999", "CNT   (3, D[9999])"},
    };
    MessageRecorder messages;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto result = Enter(test::EmptyCells(), c.text, CellKind::kCoil, 3);
        ASSERT_TRUE(result);
        ASSERT_EQ(result->writes.size(), 1u + 9u);
        EXPECT_EQ(result->writes[0], (CellWrite{12, kRow, CellKind::kCoil, c.first, c.second}));
        for (int column = 3; column <= 11; ++column) {
            EXPECT_EQ(result->writes[column - 2],
                      (CellWrite{column, kRow, CellKind::kLine, "", ""}));
        }
        EXPECT_EQ(result->cursorColumn, 1) << "column 1 of the next row";
        EXPECT_EQ(result->cursorRow, kRow + 1);
        EXPECT_TRUE(result->closes);
        EXPECT_EQ(result->elementColumn, 12);
    }
    EXPECT_EQ(messages.Count(), 0u);

    // In the output column itself there are no lines.
    const auto inPlace = Enter(test::EmptyCells(), "Y1", CellKind::kCoil, 12);
    ASSERT_TRUE(inPlace);
    EXPECT_EQ(inPlace->writes.size(), 1u);
    // On a block's last row the cursor stays on that row.
    for (int last : {BlockLastRow(kMainBlock), BlockLastRow(0), BlockLastRow(31)}) {
        const auto result = Enter(test::EmptyCells(), "Y1", CellKind::kCoil, 5, last);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->cursorRow, last);
        EXPECT_EQ(result->cursorColumn, 1);
    }
}

TEST(ElementEntry, RefusalsTellOnceAndStoreNothing) {
    struct Case {
        const char* text;
        std::int32_t kind;
        const char* message;
        MsgIcon icon = kWarn;
    };
    const Case cases[] = {
        {"", 1, "设置错误 ！"},
        {"", 4, "设置错误 ！"},
        {"D5", 1, "设置错误 ！"},
        {"K5", 2, "设置错误 ！"},
        {"启动", 1, "设置错误 ！"},
        {"X8", 1, "X 元件编号不是 8 进制 ！"},
        {"X400", 8, "X 元件编号为 0-377 ！"},
        {"M10000", 1, "M 元件编号为 0-9999 ！"},
        {"X", 1, "数值设置错误 ！", kInfo},
        {"X17 K5", 1, "数值设置错误 ！", kInfo},
        {"X17", 4, "元件设置错误 ！"},
        {"D5", 4, "元件设置错误 ！"},
        {"T5 K", 4, "指令设置错误 ！"},
        {"T5", 4, "指令设置错误 ！"},
        {"C5 ", 4, "指令设置错误 ！"},
        {"T5 X1", 4, "指令设置错误, K/D ！"},
        {"T5  K1", 4, "指令设置错误, K/D ！"},
        {"T400 K1", 4, "T 元件编号为 0-399 ！"},
        {"T5 K65536", 4, "设定值 K 超过 65535 ！"},
        {"T5 K-1", 4, "设定值 K 低于 0 ！"},
        {"C5 K-32768", 4, "设定值 K 低于 0 ！"},
        {"C5 D10000", 4, "D 元件编号为 0-9999 ！"},
        {"C200 K1", 4, "C 元件编号为 0-199 ！"},
        {"T5 KX", 4, "数值设置错误 ！", kInfo},
        {"Y5", CellKind::kLine, "设置错误 ！"},
        {"Y5", 13, "设置错误 ！"},
        {"MOVE D0 D1", CellKind::kFunctionBox, "指令设置错误 ！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " kind " + std::to_string(c.kind));
        MessageRecorder messages;
        EXPECT_FALSE(Enter(test::EmptyCells(), c.text, c.kind, 3));
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, c.message);
        EXPECT_EQ(messages.Last().icon, c.icon);
        EXPECT_EQ(messages.Last().caption, "KZ6-Quillary");
    }
}

TEST(ElementEntry, ContactsStayInTheConditionColumns) {
    MessageRecorder messages;
    EXPECT_FALSE(Enter(test::EmptyCells(), "X1", CellKind::kOpenContact, 12));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "这里不能放置该元件 ！");
    // A cursor outside the store is no entry, and tells nothing.
    EXPECT_FALSE(Enter(test::EmptyCells(), "X1", CellKind::kOpenContact, 3, kRows));
    EXPECT_FALSE(Enter(test::EmptyCells(), "X1", CellKind::kOpenContact, 3, kUnshownRow));
    EXPECT_EQ(messages.Count(), 1u);
}

TEST(ElementEntry, ParallelContactsJoinTheRowAboveAtBothEdges) {
    const LadderCells& empty = test::EmptyCells();
    // At column 1 only the right edge is joined: the left edge is the rail.
    auto result = Enter(empty, "X1", CellKind::kParallelOpenContact, 1);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes, (std::vector<CellWrite>{
                                  {1, kRow, CellKind::kOpenContact, "X1", "(X[1])"},
                                  {2, kRow, CellKind::kLinkUp, "", ""},
                                  {2, kRow - 1, CellKind::kLinkDown, "", ""},
                              }));
    // At column 4 both edges.
    result = Enter(empty, "M7", CellKind::kParallelClosedContact, 4);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes,
              (std::vector<CellWrite>{
                  {4, kRow, CellKind::kClosedContact | CellKind::kLinkUp, "M7", "(M[7])"},
                  {4, kRow - 1, CellKind::kLinkDown, "", ""},
                  {5, kRow, CellKind::kLinkUp, "", ""},
                  {5, kRow - 1, CellKind::kLinkDown, "", ""},
              }));
    EXPECT_EQ(result->cursorColumn, 5);
    // The first row of a block has nothing above it.
    for (int first : {0, BlockFirstRow(0), BlockFirstRow(31)}) {
        result = Enter(empty, "X1", CellKind::kParallelOpenContact, 4, first);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->writes.size(), 1u) << "row " << first;
        EXPECT_EQ(result->writes[0].kind, CellKind::kOpenContact);
    }
    // The row above keeps what it holds.
    LadderCells cells;
    cells.Kind(5, kRow - 1) = CellKind::kCoil | CellKind::kLinkUp;
    cells.First(5, kRow - 1) = "keep";
    result = Enter(cells, "X1", CellKind::kParallelOpenContact, 4);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes[3],
              (CellWrite{5, kRow - 1, CellKind::kCoil | CellKind::kLinkUp | CellKind::kLinkDown,
                         "keep", ""}));
}

TEST(ElementEntry, EdgeContactsAfterOrpOrOrfAreParallelBranches) {
    const LadderCells& empty = test::EmptyCells();
    for (std::int32_t kind : {CellKind::kRisingEdge, CellKind::kFallingEdge}) {
        auto result = Enter(empty, "X2", kind, 4, kRow, /*orEdge=*/true);
        ASSERT_TRUE(result);
        ASSERT_EQ(result->writes.size(), 4u);
        EXPECT_EQ(result->writes[0].kind, kind | CellKind::kLinkUp);
        result = Enter(empty, "X2", kind, 4, kRow, /*orEdge=*/false);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->writes.size(), 1u) << "without the flag: a plain edge contact";
    }
    // The flag joins edge contacts only.
    auto result = Enter(empty, "X2", CellKind::kOpenContact, 4, kRow, /*orEdge=*/true);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes.size(), 1u);
}

TEST(ElementEntry, EditingALinkedCellKeepsItsKind) {
    // The editor hands over the whole kind byte; the element is its symbol.
    struct Case {
        std::uint8_t kind;
        int column;
        const char* text;
    };
    for (Case c : {Case{CellKind::kOpenContact | CellKind::kLinkUp, 4, "X3"},
                   Case{CellKind::kClosedContact | CellKind::kLinkDown, 4, "X3"},
                   Case{CellKind::kFallingEdge | CellKind::kLinkUp | CellKind::kLinkDown, 4, "X3"},
                   Case{CellKind::kCoil | CellKind::kLinkDown, 12, "Y3"},
                   Case{CellKind::kFunctionBox | CellKind::kLinkDown, 12, "SET M3"}}) {
        SCOPED_TRACE(int(c.kind));
        LadderCells cells;
        cells.Kind(c.column, kRow) = c.kind;
        cells.First(c.column, kRow) = "old";
        const auto result = Enter(cells, c.text, c.kind, c.column);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->writes[0].column, c.column);
        EXPECT_EQ(result->writes[0].kind, c.kind) << "links kept, symbol unchanged";
        for (const CellWrite& w : result->writes) {
            EXPECT_LE(Symbol(w.kind), CellKind::kStepContact) << "no stored kind 11 to 15";
        }
    }
    // A symbol 11 or 12 that is no bare tool value adds no links of its own.
    LadderCells cells;
    const auto result = Enter(cells, "X3", 0x1B, 4);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes.size(), 1u);
    EXPECT_EQ(result->writes[0].kind, CellKind::kOpenContact);
}

TEST(ElementEntry, KeptOpenTheCursorWalksRightUpToColumn11) {
    const LadderCells& empty = test::EmptyCells();
    auto result = Enter(empty, "X1", CellKind::kOpenContact, 5, kRow, false, true);
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->closes);
    EXPECT_EQ(result->cursorColumn, 6);
    result = Enter(empty, "X1", CellKind::kOpenContact, 11, kRow, false, true);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->cursorColumn, 11);
    result = Enter(empty, "X1", CellKind::kOpenContact, 11);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->cursorColumn, 12) << "closing, the cursor moves on to the output";
    // An output always closes.
    result = Enter(empty, "Y1", CellKind::kCoil, 5, kRow, false, true);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->closes);
    result = Enter(empty, "ADD D0 D1 D2", CellKind::kFunctionBox, 5, kRow, false, true);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->closes);
}

TEST(ElementEntry, InstructionsGoThroughTheCompiler) {
    const LadderCells& empty = test::EmptyCells();
    auto result = Enter(empty, "set m10", CellKind::kFunctionBox, 5);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes[0],
              (CellWrite{12, kRow, CellKind::kFunctionBox, "SET M10", "SET (M[10])"}));
    EXPECT_EQ(result->writes.size(), 8u);
    EXPECT_EQ(result->cursorColumn, 1);
    EXPECT_EQ(result->cursorRow, kRow + 1);
    EXPECT_EQ(result->elementColumn, 12);

    result = Enter(empty, "> K1 D0", CellKind::kFunctionBox, 3);
    ASSERT_TRUE(result);
    EXPECT_EQ(Symbol(result->writes[0].kind), CellKind::kCompareContact);
    EXPECT_EQ(result->cursorColumn, 4);
    EXPECT_EQ(result->cursorRow, kRow);

    result = Enter(empty, "STL S3", CellKind::kStepContact, 1);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes[0], (CellWrite{1, kRow, CellKind::kStepContact, "STL S3", "3"}));
    EXPECT_EQ(result->cursorColumn, 2);

    result = Enter(empty, "END", CellKind::kFunctionBox, 12, BlockLastRow(kMainBlock));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->cursorRow, BlockLastRow(kMainBlock));
}

TEST(ElementEntry, WritesChangeLooksAtEveryCell) {
    LadderCells cells;
    cells.Kind(1, kRow) = CellKind::kOpenContact;
    cells.First(1, kRow) = "X1";
    cells.Second(1, kRow) = "(X[1])";
    std::vector<CellWrite> same{{1, kRow, CellKind::kOpenContact, "X1", "(X[1])"}};
    EXPECT_FALSE(WritesChange(same, cells));
    // The same contact entered as a parallel branch changes only the links.
    const auto result = Enter(cells, "X1", CellKind::kParallelOpenContact, 1);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->writes[0], same[0]);
    EXPECT_TRUE(WritesChange(result->writes, cells));
    ApplyCellWrites(result->writes, cells);
    EXPECT_TRUE(cells.HasVerticalLink(2, kRow));
    EXPECT_FALSE(WritesChange(result->writes, cells));
}

}  // namespace
}  // namespace vx
