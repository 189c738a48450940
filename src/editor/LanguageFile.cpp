#include "editor/LanguageFile.h"

#include <charconv>
#include <filesystem>

#include "editor/LanguageText.h"
#include "platform/Text.h"

namespace vx {
namespace {

// The number of "(3)" or "[3]"; -1 when it is not a plain decimal number.
int IndexOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) return -1;
    int value = -1;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || end != digits.data() + digits.size()) return -1;
    return value;
}

// A part that ends in `close` and holds `open` before it, with a number
// between them: the text before the bracket and the number.
bool SplitIndexed(std::string_view part, char open, char close, NamePart& out) {
    if (part.empty() || part.back() != close) return false;
    const std::size_t at = part.find(open);
    if (at == std::string_view::npos || at == 0) return false;
    const int index = IndexOf(part.substr(at + 1, part.size() - at - 2));
    if (index < 0) return false;
    out.name = std::string(part.substr(0, at));
    out.index = index;
    return true;
}

}  // namespace

std::vector<NamePart> SplitEntryName(std::string_view name) {
    std::vector<NamePart> parts;
    for (const std::string& piece : SplitToStringList(name, ".")) {
        NamePart part;
        if (SplitIndexed(piece, '(', ')', part)) {
            part.kind = NamePart::Kind::Owned;
        } else if (SplitIndexed(piece, '[', ']', part)) {
            part.kind = NamePart::Kind::Item;
        } else {
            part.kind = NamePart::Kind::Name;
            part.name = piece;
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

std::string JoinListLines(const std::vector<std::string>& lines) {
    std::string value;
    for (const std::string& line : lines) {
        value += line;
        value += kLineBreakMark;
    }
    return value;
}

std::vector<std::string> SplitListValue(std::string_view value) {
    std::vector<std::string> pieces = SplitToStringList(value, kLineBreakMark);
    pieces.pop_back();  // the split always gives at least one piece
    return pieces;
}

std::vector<LanguageEntry> ParseLanguageText(std::string_view gbk) {
    std::vector<LanguageEntry> entries;
    ForEachGbkLine(gbk, [&entries](std::string_view line) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return;  // blank, or names nothing
        entries.push_back(
            {std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
    });
    return entries;
}

std::string FormatLanguageText(const std::vector<LanguageEntry>& entries) {
    std::string text;
    for (const LanguageEntry& e : entries) {
        text += e.name;
        text += '=';
        text += e.value;
        text += "\r\n";
    }
    return Utf8ToGbk(text);
}

LanguageFileRead ReadLanguageFile(const std::string& path) {
    LanguageFileRead read;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        read.status = LanguageFileStatus::Missing;
        return read;
    }
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        read.status = LanguageFileStatus::Unreadable;
        return read;
    }
    read.entries = ParseLanguageText(*bytes);
    return read;
}

IoResult WriteLanguageFile(const std::string& path, const std::vector<LanguageEntry>& entries) {
    if (entries.empty()) return {};
    return WriteFileAtomically(path, FormatLanguageText(entries));
}

}  // namespace vx
