#include "editor/UndoHistory.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

class UndoHistoryTest : public testing::Test {
  protected:
    // The state after loading: the first snapshot, then an empty history.
    UndoHistoryTest() {
        cells.First(1, 0) = "loaded";
        undo.EditFileBackup(cells);
        undo.Clear();
    }

    // One edit: a new text in cell (1, 0), then the snapshot.
    void Edit(const std::string& text) {
        cells.First(1, 0) = text;
        undo.EditFileBackup(cells);
    }
    const std::string& Shown() const { return cells.First(1, 0); }

    LadderCells cells;
    UndoHistory undo;
};

TEST_F(UndoHistoryTest, FiveEditsUndoBackToTheLoadedStateAndRedoForward) {
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.Undo(cells)) << "nothing to undo after loading";
    for (int i = 1; i <= 5; ++i)
        Edit("edit " + std::to_string(i));
    EXPECT_EQ(undo.Depth(), 5);

    for (int i = 4; i >= 1; --i) {
        ASSERT_TRUE(undo.Undo(cells));
        EXPECT_EQ(Shown(), "edit " + std::to_string(i));
    }
    ASSERT_TRUE(undo.Undo(cells));
    EXPECT_EQ(Shown(), "loaded");
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.Undo(cells)) << "a sixth undo does nothing";
    EXPECT_EQ(undo.Position(), 5);
    EXPECT_EQ(Shown(), "loaded");

    for (int i = 1; i <= 5; ++i) {
        ASSERT_TRUE(undo.Redo(cells));
        EXPECT_EQ(Shown(), "edit " + std::to_string(i));
    }
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_FALSE(undo.Redo(cells));
    EXPECT_EQ(undo.Position(), 0);
}

TEST_F(UndoHistoryTest, AnEditAfterUndoDropsTheRedoSteps) {
    Edit("a");
    Edit("b");
    Edit("c");
    ASSERT_TRUE(undo.Undo(cells));
    ASSERT_TRUE(undo.Undo(cells));
    EXPECT_EQ(Shown(), "a");
    EXPECT_TRUE(undo.Restored());
    Edit("d");
    EXPECT_FALSE(undo.Restored());
    EXPECT_EQ(undo.Depth(), 1) << "one undo step is left";
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_FALSE(undo.Redo(cells));
    ASSERT_TRUE(undo.Undo(cells));
    EXPECT_EQ(Shown(), "a");
    EXPECT_FALSE(undo.Undo(cells));
}

TEST_F(UndoHistoryTest, OnlyFiveStepsAreKept) {
    for (int i = 1; i <= 9; ++i)
        Edit(std::to_string(i));
    EXPECT_EQ(undo.Depth(), 5);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(undo.Undo(cells));
    EXPECT_EQ(Shown(), "4");
    EXPECT_FALSE(undo.Undo(cells));
}

TEST_F(UndoHistoryTest, ClearingKeepsWhatIsShownAsTheNewestState) {
    Edit("a");
    Edit("b");
    ASSERT_TRUE(undo.Undo(cells));  // shows "a"
    undo.Clear();                   // e.g. the project is saved now
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());
    Edit("c");
    ASSERT_TRUE(undo.Undo(cells));
    EXPECT_EQ(Shown(), "a") << "undo goes back to the saved state, not to one never saved";
}

TEST_F(UndoHistoryTest, TheUnshownRowIsNeverRestored) {
    Edit("a");
    cells.First(5, kUnshownRow) = "kept";
    cells.Kind(5, kUnshownRow) = 4;
    cells.First(5, kUnshownRow - 1) = "undone";
    ASSERT_TRUE(undo.Undo(cells));
    EXPECT_EQ(cells.First(5, kUnshownRow), "kept");
    EXPECT_EQ(cells.Kind(5, kUnshownRow), 4);
    EXPECT_EQ(cells.First(5, kUnshownRow - 1), "");
}

}  // namespace
}  // namespace vx
