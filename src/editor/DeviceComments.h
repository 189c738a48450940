// The device comments: one comment per device, for the whole run.
//
// There is a comment table per device letter (X, Y, M, S, T, C, D), one row
// per device in address order; timer and counter current values share the T
// and C tables. X and Y rows are indexed by the device's index, so X17 (octal)
// is row 15. Beside each comment the table keeps the usage mark set by the
// usage scan. The comment page of the device usage window shows these tables,
// the ladder grid draws the comments under the contacts and the entry dialog
// edits them.
//
// The comments are saved beside the project in a ".Rcm" file: an INI file
// with section "Comment" and one key per commented device, the row label
// (X17, M100) as key and the comment as value, GBK on disk.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Devices.h"
#include "platform/FileIo.h"

namespace vx {

// The comment tables in page and file order.
inline constexpr int kCommentTableCount = 7;
inline constexpr std::array<DeviceKind, kCommentTableCount> kCommentTableKinds = {
    DeviceKind::X, DeviceKind::Y, DeviceKind::M, DeviceKind::S,
    DeviceKind::T, DeviceKind::C, DeviceKind::D};

// Page titles and column headers of the comment page.
inline constexpr std::array<const char*, kCommentTableCount> kCommentPageTitles = {
    "X 接点", "Y 接点", "M 接点", "S 接点", "T 计时器", "C 计数器", "D 寄存器"};
inline constexpr std::array<const char*, 3> kCommentColumnHeaders = {" 编号", " 使用", " 元件注释"};
inline constexpr std::array<const char*, 3> kEnglishCommentColumnHeaders = {" No.", " Used",
                                                                            " Comment"};
inline constexpr const char* kUsageMarkText = "   U";

// A device's row in the comment tables.
struct CommentSlot {
    DeviceKind kind;  // X, Y, M, S, T, C or D
    int index;        // row index, from 0
};

// The row of a device code (kinds 7 and 8 go to the T and C tables, X and Y
// numbers are converted from octal digits); nothing for no device or a
// number outside the table.
std::optional<CommentSlot> CommentSlotOf(DeviceCode code);

class DeviceComments {
  public:
    DeviceComments();

    // Rows of a table: X and Y 256, M 10000, S 200, T 400, C 200, D 10000.
    static int Rows(DeviceKind kind);
    // The row label as the comment page shows it: a blank, the letter and the
    // number (" X17" for index 15, " M100").
    static std::string RowLabel(DeviceKind kind, int index);

    // Empty for rows outside the table.
    const std::string& Comment(DeviceKind kind, int index) const;
    // Returns false (and stores nothing) for rows outside the table.
    bool SetComment(DeviceKind kind, int index, std::string text);

    // The comment of a device code, empty when it has none.
    const std::string& CommentOf(DeviceCode code) const;
    bool SetCommentOf(DeviceCode code, std::string text);

    bool UsageMark(DeviceKind kind, int index) const;
    void SetUsageMark(DeviceKind kind, int index, bool used);
    void ClearUsageMarks();

    // Every comment and mark emptied.
    void Clear();

    bool operator==(const DeviceComments&) const = default;

  private:
    static int Table(DeviceKind kind);  // 0-6, -1 for no table

    std::array<std::vector<std::string>, kCommentTableCount> comments_;
    std::array<std::vector<bool>, kCommentTableCount> marks_;
};

// The process-wide comments of the open project.
DeviceComments& TheDeviceComments();

// Default comments of the system devices (M2000 "RUN常闭" ...), filled into
// empty comments only: a user's comment is never replaced.
void SysRemark(DeviceComments& comments);

// A typed comment as the ".Rcm" file keeps it: one line (line breaks become
// blanks), no blanks or tabs at either end, and "?" for each character GBK
// cannot hold. The entry dialog and the comment page store this, so what the
// user sees after an edit is what a save and reopen give back.
std::string CommentAsKept(std::string_view typed);

// The ".Rcm" file of a project: the project's path with its extension
// replaced.
std::string RcmPathOf(const std::string& projectFile);

// Reads the comments from the file when it exists: every comment takes the
// file's value (empty when the file has none), then the system defaults fill
// the gaps. A missing or unreadable file changes nothing. Returns whether the
// file was read.
bool OpenRcmFile(const std::string& path, DeviceComments& comments);

// Writes every non-empty comment into the file's "Comment" section, replacing
// the section; other sections of the file are kept. Written atomically.
IoResult SaveRcmFile(const std::string& path, const DeviceComments& comments);

}  // namespace vx
