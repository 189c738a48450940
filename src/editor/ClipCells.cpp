#include "editor/ClipCells.h"

#include "editor/ProjectRecord.h"
#include "platform/Text.h"

namespace vx {

ClipCells::ClipCells()
    : kinds_(kClipCellCount, 0), firsts_(kClipCellCount), seconds_(kClipCellCount) {}

void ClipCells::SetArea(const CopiedArea& area) {
    Kind(0, kClipControlRow) = static_cast<std::uint8_t>(area.top % 256);
    Kind(1, kClipControlRow) = static_cast<std::uint8_t>(area.top / 256);
    Kind(2, kClipControlRow) = static_cast<std::uint8_t>(area.left);
    Kind(6, kClipControlRow) = static_cast<std::uint8_t>(area.bottom % 256);
    Kind(7, kClipControlRow) = static_cast<std::uint8_t>(area.bottom / 256);
    Kind(8, kClipControlRow) = static_cast<std::uint8_t>(area.right);
}

std::optional<CopiedArea> ClipCells::Area() const {
    CopiedArea area;
    area.top = Kind(1, kClipControlRow) * 256 + Kind(0, kClipControlRow);
    area.left = Kind(2, kClipControlRow);
    area.bottom = Kind(7, kClipControlRow) * 256 + Kind(6, kClipControlRow);
    area.right = Kind(8, kClipControlRow);
    if (area.Rows() < 1 || area.Rows() > kClipCopyRows) return std::nullopt;
    if (area.right >= kColumns || area.left > area.right) return std::nullopt;
    return area;
}

void ClipCells::SetHandOverName(std::string_view name) {
    std::string_view rest = name;
    for (int piece = 0; piece < 3; ++piece) {
        // The last piece takes what is left; the file cuts it to 26 bytes.
        std::string text = piece < 2 ? CutToGbkBytes(rest, kRecordTextBytes) : std::string(rest);
        rest.remove_prefix(text.size());
        First(piece, kClipControlRow) = std::move(text);
    }
}

std::string ClipCells::HandOverName() const {
    return First(0, kClipControlRow) + First(1, kClipControlRow) + First(2, kClipControlRow);
}

void ClipCells::TakeCopiedCells(const ClipCells& fromFile) {
    const std::string openMode = OpenMode();
    const std::string newMode = NewMode();
    *this = fromFile;
    SetOpenMode(openMode);
    SetNewMode(newMode);
}

ClipCells& TheClipCells() {
    static ClipCells clip;
    return clip;
}

}  // namespace vx
