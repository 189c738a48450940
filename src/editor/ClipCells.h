// The cut/copy/paste buffer, mirrored whole into "Clipboard.dat".
//
// The same cell shape as the ladder program, 14 columns by 131 rows. Rows
// 0-127 hold copied cells (row 0 = the first copied row, column = the grid
// column the cell came from); rows 128 and 129 are unused; row 130 is the
// control row:
//   kind bytes of columns 0, 1, 2   first copied grid row (low, high byte), left column
//   kind bytes of columns 6, 7, 8   last copied grid row (low, high byte), right column
//   first texts of columns 0, 1, 2  a project name handed to a new instance
//   first text of column 11         OpenMode
//   first text of column 12         NewMode
// The modes say whether this instance may load a project: "StartOpenFile" /
// "StartNewFile" after a plain start, "OpenFile" / "NewFile" when it was
// started to take a request over, "oooooo" once it holds a project.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/LadderCells.h"

namespace vx {

inline constexpr int kClipRows = 131;
inline constexpr int kClipCopyRows = 128;  // rows 0-127 hold copied cells
inline constexpr int kClipControlRow = 130;
inline constexpr int kClipCellCount = kColumns * kClipRows;  // 1834

inline constexpr const char* kOpenFileMode = "OpenFile";
inline constexpr const char* kStartOpenFileMode = "StartOpenFile";
inline constexpr const char* kNewFileMode = "NewFile";
inline constexpr const char* kStartNewFileMode = "StartNewFile";
inline constexpr const char* kProjectHeldMode = "oooooo";

// The rectangle a copy took, in grid rows (block-local) and columns.
struct CopiedArea {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    int Rows() const { return bottom - top + 1; }
    int Columns() const { return right - left + 1; }
    bool operator==(const CopiedArea&) const = default;
};

class ClipCells {
  public:
    ClipCells();

    std::uint8_t& Kind(int column, int row) { return kinds_[Index(column, row)]; }
    std::uint8_t Kind(int column, int row) const { return kinds_[Index(column, row)]; }
    std::string& First(int column, int row) { return firsts_[Index(column, row)]; }
    const std::string& First(int column, int row) const { return firsts_[Index(column, row)]; }
    std::string& Second(int column, int row) { return seconds_[Index(column, row)]; }
    const std::string& Second(int column, int row) const { return seconds_[Index(column, row)]; }

    // Notes the copied rectangle in the control row.
    void SetArea(const CopiedArea& area);
    // The copied rectangle, or nothing when the control row does not describe
    // one inside the copied rows (1 to 128 rows, columns 0-13, left <= right):
    // such a buffer counts as empty.
    std::optional<CopiedArea> Area() const;

    const std::string& OpenMode() const { return First(11, kClipControlRow); }
    const std::string& NewMode() const { return First(12, kClipControlRow); }
    void SetOpenMode(std::string_view mode) { First(11, kClipControlRow) = mode; }
    void SetNewMode(std::string_view mode) { First(12, kClipControlRow) = mode; }

    // A project name in the three pieces of the control row, 26 GBK bytes a
    // piece, cut between characters. A name longer than the three pieces hold
    // arrives cut.
    void SetHandOverName(std::string_view name);
    // The three pieces joined.
    std::string HandOverName() const;

    // Takes everything another instance wrote (copied cells, control row, name
    // pieces) except the modes, which belong to this instance.
    void TakeCopiedCells(const ClipCells& fromFile);

    bool operator==(const ClipCells&) const = default;

  private:
    static constexpr std::size_t Index(int column, int row) {
        return static_cast<std::size_t>(column) * kClipRows + static_cast<std::size_t>(row);
    }

    std::vector<std::uint8_t> kinds_;
    std::vector<std::string> firsts_;
    std::vector<std::string> seconds_;
};

// The buffer of this instance, for the whole run.
ClipCells& TheClipCells();

}  // namespace vx
