#include "editor/ClipboardFile.h"

#include <system_error>

#include "editor/ProjectRecord.h"
#include "platform/SystemFolders.h"

namespace vx {

std::string ClipboardFilePath() {
    return JoinPath(WindowsDirectory(), "system32/Clipboard.dat");
}

std::string SerialiseClipboard(std::string_view mode, const ClipCells& clip) {
    std::string out;
    out.reserve(kClipboardRecords * kRecordSize);
    AppendRecord(out, 0, mode, kClipboardFileMark, 0);
    for (int i = 0; i < kClipCellCount; ++i) {
        const int row = i / kColumns;
        const int column = i % kColumns;
        AppendRecord(out, clip.Kind(column, row), clip.First(column, row), clip.Second(column, row),
                     0);
    }
    return out;
}

std::optional<ClipboardContents> ParseClipboard(std::string_view bytes) {
    if (WholeRecords(bytes.size()) < kClipboardRecords) return std::nullopt;
    ClipboardContents contents;
    contents.mode = RecordAt(bytes, 0).Text1();
    for (int i = 0; i < kClipCellCount; ++i) {
        const RecordView record = RecordAt(bytes, 1 + static_cast<std::size_t>(i));
        const int row = i / kColumns;
        const int column = i % kColumns;
        contents.cells.Kind(column, row) = record.Tag();
        contents.cells.First(column, row) = record.Text1();
        contents.cells.Second(column, row) = record.Text2();
    }
    return contents;
}

IoResult WriteClipboardFile(const std::string& path, std::string_view mode, const ClipCells& clip) {
    return WriteFileAtomically(path, SerialiseClipboard(mode, clip));
}

std::optional<ClipboardContents> ReadClipboardFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return ParseClipboard(*bytes);
}

StartRequest LoadClipboardAtStart(const std::string& path, ClipCells& clip) {
    StartRequest request;
    if (std::optional<ClipboardContents> contents = ReadClipboardFile(path)) {
        clip = std::move(contents->cells);
        if (clip.OpenMode() == kOpenFileMode || clip.NewMode() == kNewFileMode) {
            request.handedOver = true;
            request.projectName = clip.HandOverName();
        }
        return request;
    }
    clip.SetOpenMode(kStartOpenFileMode);
    clip.SetNewMode(kStartNewFileMode);
    WriteClipboardFile(path, kCreateMode, clip);
    return request;
}

IoResult WriteOpenRequest(const std::string& path, ClipCells& clip, std::string_view projectName) {
    const std::string ownMode = clip.OpenMode();
    clip.SetOpenMode(kOpenFileMode);
    clip.SetHandOverName(projectName);
    IoResult written = WriteClipboardFile(path, kOpenMode, clip);
    clip.SetOpenMode(ownMode);
    return written;
}

IoResult WriteNewRequest(const std::string& path, ClipCells& clip) {
    const std::string ownMode = clip.NewMode();
    clip.SetNewMode(kNewFileMode);
    IoResult written = WriteClipboardFile(path, "", clip);
    clip.SetNewMode(ownMode);
    return written;
}

ClipboardWatch::Result ClipboardWatch::Poll(ClipCells& clip) {
    Result result;
    std::error_code ec;
    const std::filesystem::file_time_type stamp = std::filesystem::last_write_time(path_, ec);
    if (ec || (lastSeen_ && *lastSeen_ == stamp)) return result;
    // A file that cannot be read now (half written by a tool that does not
    // rename into place) is looked at again next time.
    std::optional<ClipboardContents> contents = ReadClipboardFile(path_);
    if (!contents) return result;
    lastSeen_ = stamp;
    clip.TakeCopiedCells(contents->cells);
    result.reloaded = true;
    result.pasteAvailable = contents->mode == kCopyMode && clip.Area().has_value();
    return result;
}

}  // namespace vx
