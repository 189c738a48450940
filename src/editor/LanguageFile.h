// The language files "kzchs.ini" and "kzeng.ini".
//
// One entry per line: a name, "=" and a value up to the end of the line. The
// name is a path of parts joined by ".": the form, the components inside it
// (by name, or by class name and index as "QLabel(3)"), then the property:
// "Caption", "Text" or "Hint"; a string list as "Lines.Text", "Items.Text" or
// "Pages.Text", whose value holds the list's lines each ended by the two
// characters "\n"; or an item of a collection as "Items[2]" followed by the
// item's own properties. Chinese text is GBK on disk; inside, UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileIo.h"

namespace vx {

inline constexpr const char* kChineseLanguageFile = "kzchs.ini";
inline constexpr const char* kEnglishLanguageFile = "kzeng.ini";

// The two characters that stand for a line break inside a value.
inline constexpr std::string_view kLineBreakMark = "\\n";

struct LanguageEntry {
    std::string name;
    std::string value;
    bool operator==(const LanguageEntry&) const = default;
};

// One part of an entry's name.
struct NamePart {
    enum class Kind {
        Name,   // a component or property by name: "Label1", "Caption"
        Owned,  // an unnamed component by class and index: "QLabel(3)"
        Item,   // an item of a collection property: "Items[2]"
    };
    Kind kind = Kind::Name;
    std::string name;  // the name, the class name or the collection's name
    int index = -1;
};

// The parts of a name, split at ".".
std::vector<NamePart> SplitEntryName(std::string_view name);

// A string list's lines as one value: each line followed by "\n".
std::string JoinListLines(const std::vector<std::string>& lines);
// The lines of such a value: the pieces between the "\n" marks, all but the
// last (the empty piece after the final mark).
std::vector<std::string> SplitListValue(std::string_view value);

// The entries of a file's text (GBK): every line whose trimmed text is not
// empty and that holds "=". Lines may end in CR LF or LF.
std::vector<LanguageEntry> ParseLanguageText(std::string_view gbk);
// The file's text (GBK, CR LF line ends).
std::string FormatLanguageText(const std::vector<LanguageEntry>& entries);

enum class LanguageFileStatus { Ok, Missing, Unreadable };

struct LanguageFileRead {
    LanguageFileStatus status = LanguageFileStatus::Ok;
    std::vector<LanguageEntry> entries;
};

LanguageFileRead ReadLanguageFile(const std::string& path);

// Writes the entries atomically; an empty list writes no file.
IoResult WriteLanguageFile(const std::string& path, const std::vector<LanguageEntry>& entries);

}  // namespace vx
