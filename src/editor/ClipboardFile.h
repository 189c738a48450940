// "Clipboard.dat": the clipboard buffer shared by every instance of the tool.
//
// 1835 records of 60 bytes (ProjectRecord.h), written whole each time:
//   1            tag 0; text 1 the mode ("Copy" after a cut or copy, "Open",
//                "New", "Create" or empty); text 2 "ClipboardFile"; value 0
//   2 + i        the buffer cell of row i / 14, column i % 14 (i = 0..1833):
//                tag = kind byte, its two texts, value 0
// The file lies in the Windows directory's "system32" folder. It is written to
// a temporary file and renamed into place, so another instance never reads
// half of it. Each instance watches its last-write time and reloads the buffer
// when it changes, so a copy made in one instance can be pasted in the others.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "editor/ClipCells.h"
#include "platform/FileIo.h"

namespace vx {

inline constexpr const char* kCopyMode = "Copy";
inline constexpr const char* kOpenMode = "Open";
inline constexpr const char* kNewMode = "New";
inline constexpr const char* kCreateMode = "Create";
inline constexpr const char* kClipboardFileMark = "ClipboardFile";
inline constexpr std::size_t kClipboardRecords = 1 + kClipCellCount;  // 1835

// The Windows directory + "/system32/Clipboard.dat".
std::string ClipboardFilePath();

std::string SerialiseClipboard(std::string_view mode, const ClipCells& clip);

struct ClipboardContents {
    std::string mode;  // the header's first text
    ClipCells cells;
};

// Nothing when the bytes hold fewer than 1835 whole records; a trailing part
// of a record is ignored and length bytes above 26 count as 26.
std::optional<ClipboardContents> ParseClipboard(std::string_view bytes);

// Writes the buffer with the header mode. The commands ignore a failure (the
// folder not writable, the disk full): the copy simply is not shared.
IoResult WriteClipboardFile(const std::string& path, std::string_view mode, const ClipCells& clip);
std::optional<ClipboardContents> ReadClipboardFile(const std::string& path);

// What an instance finds in the file when it starts.
struct StartRequest {
    // Another instance started this one for a new project or to open a file.
    bool handedOver = false;
    std::string projectName;  // the name to open (the three pieces joined)
};

// Reads the file into the buffer, modes included. When the file is missing or
// cannot be read, the modes become "StartOpenFile" / "StartNewFile" and a
// fresh file is written with the mode "Create".
StartRequest LoadClipboardAtStart(const std::string& path, ClipCells& clip);

// A request handed to a new instance of the tool, which this instance starts
// right after: open the named project ("OpenFile" with the name in the control
// row, header "Open") or make a new one ("NewFile", empty header). This
// instance keeps its own modes: it still holds its project, so its next New
// or Open is handed over again rather than replacing that project.
IoResult WriteOpenRequest(const std::string& path, ClipCells& clip, std::string_view projectName);
IoResult WriteNewRequest(const std::string& path, ClipCells& clip);

// The once-a-second look at the file.
class ClipboardWatch {
  public:
    explicit ClipboardWatch(std::string path) : path_(std::move(path)) {}

    struct Result {
        bool reloaded = false;        // the buffer was reloaded from the file
        bool pasteAvailable = false;  // its header says "Copy" and it holds a copied area
    };

    // When the file's last-write time differs from the one seen at the last
    // look, reloads the buffer, keeping this instance's modes, and remembers
    // the time. Every failure is ignored; a file that cannot be read is tried
    // again at the next look.
    Result Poll(ClipCells& clip);

  private:
    std::string path_;
    std::optional<std::filesystem::file_time_type> lastSeen_;
};

}  // namespace vx
