// Golden-case harness for the instruction compiler: tables of accepted texts
// with both cell texts, and of refusals with their message and icon.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/CellKind.h"
#include "model/InstructionCompiler.h"
#include "model/LadderCells.h"
#include "support/MessageRecorder.h"

namespace vx {

// Readable failure output for the cell writes.
inline void PrintTo(const CellWrite& w, std::ostream* os) {
    *os << "(" << w.column << ", " << w.row << ") kind 0x" << std::hex << int(w.kind) << std::dec
        << " \"" << w.first << "\" \"" << w.second << "\"";
}

}  // namespace vx

namespace vx::test {

inline constexpr const char* kWrongOperand = "元件设置错误 ！";
inline constexpr const char* kOnlyD = "元件设置错误,只可用 D ！";
inline constexpr const char* kUnreadable = "数值设置错误 ！";
inline constexpr const char* kUnknown = "指令设置错误 ！";
inline constexpr const char* kFirstTooLong = "指令文本超过 26 字节,无法保存 ！";

// An instruction stored as a function box.
struct BoxCase {
    const char* text;
    const char* first;
    const char* second;
};

// An instruction refused with one message.
struct RefusalCase {
    const char* text;
    const char* message;
    MsgIcon icon = MsgIcon::Exclamation;
};

// One empty store for all the cases (building one takes a moment).
inline const LadderCells& EmptyCells() {
    static const LadderCells cells;
    return cells;
}

inline constexpr int kCaseRow = 40;

// Entered with the cursor in column 12, a function box is the one write.
inline void ExpectBox(const BoxCase& c) {
    SCOPED_TRACE(c.text);
    MessageRecorder recorder;
    std::optional<InstructionEntry> entry =
        CompileFunctionInstruction(c.text, kOutputColumn, kCaseRow, EmptyCells());
    ASSERT_TRUE(entry.has_value()) << (recorder.Count() ? recorder.Last().text : "no message");
    EXPECT_EQ(recorder.Count(), 0u);
    ASSERT_EQ(entry->writes.size(), 1u);
    EXPECT_EQ(entry->writes[0],
              (CellWrite{kOutputColumn, kCaseRow, CellKind::kFunctionBox, c.first, c.second}));
    EXPECT_TRUE(entry->outputWrapped);
    EXPECT_EQ(entry->cursorColumn, kOutputColumn);
}

inline void ExpectRefusal(const RefusalCase& c, int column = kOutputColumn) {
    SCOPED_TRACE(std::string(c.text) + " in column " + std::to_string(column));
    MessageRecorder recorder;
    std::optional<InstructionEntry> entry =
        CompileFunctionInstruction(c.text, column, kCaseRow, EmptyCells());
    EXPECT_FALSE(entry.has_value()) << (entry ? entry->writes[0].first : "");
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, c.message);
    EXPECT_EQ(recorder.Last().icon, c.icon);
    EXPECT_EQ(recorder.Last().caption, "KZ6-Quillary");
    EXPECT_EQ(recorder.Last().buttons, MsgButtons::Ok);
}

template <std::size_t N>
void ExpectBoxes(const BoxCase (&cases)[N]) {
    for (const BoxCase& c : cases)
        ExpectBox(c);
}

template <std::size_t N>
void ExpectRefusals(const RefusalCase (&cases)[N], int column = kOutputColumn) {
    for (const RefusalCase& c : cases)
        ExpectRefusal(c, column);
}

}  // namespace vx::test
