// INI profile files with the rules of the Windows profile interface.
//
// The settings file, the device comment files and the language files were
// made by the Windows profile functions, and the tool relies on their rules:
// section and key names match without regard to case, blanks around names and
// values do not count, integers are written in decimal, and any non-zero
// integer reads as true. Values are stored in GBK on disk and are UTF-8 here.
// Lines this class does not understand (comments, garbage), section headers
// and every entry the program did not change are kept byte for byte when the
// file is written back: a value another editor stored in UTF-8, or blanks
// around "=", survive a save. The file is held in memory and written whole by
// Save(), atomically.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/FileIo.h"

namespace vx {

class IniFile {
  public:
    IniFile() = default;

    // Reads the file when it exists; a missing or unreadable file gives an
    // empty profile that Save() will create.
    static IniFile Load(const std::string& path);
    // A profile from file bytes (GBK), for files read some other way.
    static IniFile Parse(std::string_view gbkText);

    const std::string& Path() const { return path_; }
    // Whether the file existed when it was loaded.
    bool Existed() const { return existed_; }

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Section names and the keys of one section, in file order.
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // A value that is not an integer gives the fallback. Accepted forms:
    // optional sign and decimal digits, or "$"/"0x" and hexadecimal digits.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // A value holding a line break (CR or LF) would come back cut and leave
    // stray lines in the file, and some names would read back as another key,
    // a section header or a comment: such a write is refused, the profile is
    // left as it was and the refusal names the key. A changed or new entry is
    // written as "key=value" in GBK (blanks around names and values dropped,
    // as the profile never reads them); writing the value an entry already
    // holds leaves its line as it stood.
    [[nodiscard]] IoResult WriteString(std::string_view section, std::string_view key,
                                       std::string_view value);
    // Refused only for a name that cannot be written (see WriteString).
    IoResult WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    IoResult WriteBool(std::string_view section, std::string_view key, bool value);

    // Adds an empty section when there is none of that name.
    void AddSection(std::string_view section) { FindOrAdd(section); }
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    // The file's text in GBK, lines ending in CR LF.
    std::string Serialise() const;
    IoResult Save() const;
    IoResult SaveAs(const std::string& path) const;

  private:
    // An entry, or a run of lines that are no entries. A profile holds a line
    // for every line of its file, so a line is kept small: the run of a file
    // of blank lines is one text, not a line each.
    struct Line {
        // An entry: its key (trimmed, as written) then its value (trimmed);
        // otherwise the lines as they stood, in the file's bytes (GBK or
        // not), joined by CR LF.
        std::string text;
        // An entry read from the file and not changed since: the line as it
        // stood, when that differs from "key=value" (blanks, bytes that are
        // no GBK, any non-ASCII text). Empty once the entry is written.
        std::string raw;
        std::uint32_t keyLength = 0;
        bool isEntry = false;

        static Line Entry(std::string_view key, std::string_view value);
        std::string_view Key() const { return std::string_view(text).substr(0, keyLength); }
        std::string_view Value() const { return std::string_view(text).substr(keyLength); }
        void SetValue(std::string_view value);
    };
    struct Section {
        std::string name;  // empty for the lines before the first header
        bool hasHeader = false;
        // The header line as it stood in the file, when it differs from
        // "[name]".
        std::string rawHeader;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> index;  // lower-case key -> line
        void Reindex();
    };

    const Section* Find(std::string_view section) const;
    Section& FindOrAdd(std::string_view section);
    void RebuildSectionIndex();
    const Line* FindEntry(std::string_view section, std::string_view key) const;

    std::string path_;
    bool existed_ = false;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name -> section
};

// Integer text as the profile reads it (see IniFile::ReadInteger).
bool ParseProfileInteger(std::string_view text, std::int32_t& value);

}  // namespace vx
