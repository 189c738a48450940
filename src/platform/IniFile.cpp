#include "platform/IniFile.h"

#include <utility>

#include "platform/Text.h"

namespace vx {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Why a name or value would not read back as written, or empty when it would.
// Names and values come trimmed.
std::string WriteProblem(std::string_view section, std::string_view key, std::string_view value) {
    const std::string where =
        "[" + std::string(section) + "] " + std::string(key) + ": the profile cannot keep ";
    if (HasLineBreak(section) || section.find(']') != std::string_view::npos)
        return where + "a section name with a line break or \"]\"";
    if (key.empty()) return where + "an empty key name";
    if (HasLineBreak(key) || key.find('=') != std::string_view::npos || key.front() == '[' ||
        key.front() == ';') {
        return where + "a key name with a line break or \"=\", or starting with \"[\" or \";\"";
    }
    if (HasLineBreak(value)) return where + "a value with a line break";
    return {};
}

}  // namespace

bool ParseProfileInteger(std::string_view text, std::int32_t& value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    // Decimal must fit a signed 32-bit number; hexadecimal may use all 32 bits
    // (FFFFFFFF is -1), as the profile's reader allows.
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t v = 0;
    for (char c : text) {
        int d = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) return false;
        v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (v > limit) return false;
    }
    auto bits = static_cast<std::uint32_t>(v);
    if (negative) bits = ~bits + 1u;
    value = static_cast<std::int32_t>(bits);
    return true;
}

IniFile::Line IniFile::Line::Entry(std::string_view key, std::string_view value) {
    Line line;
    line.text.reserve(key.size() + value.size());
    line.text.append(key).append(value);
    line.keyLength = static_cast<std::uint32_t>(key.size());
    line.isEntry = true;
    return line;
}

void IniFile::Line::SetValue(std::string_view value) {
    if (value == Value()) return;  // the same value: the line stays as it stood
    raw.clear();
    text.resize(keyLength);
    text.append(value);
}

void IniFile::Section::Reindex() {
    index.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isEntry) index.emplace(AsciiLower(lines[i].Key()), i);  // first one wins
    }
}

IniFile IniFile::Load(const std::string& path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    IniFile ini = bytes ? Parse(*bytes) : IniFile();
    ini.path_ = path;
    ini.existed_ = bytes.has_value();
    return ini;
}

IniFile IniFile::Parse(std::string_view gbkText) {
    IniFile ini;
    Section* current = nullptr;
    // Each line is decoded on its own: a GBK trail byte can look like "[" or
    // "]", UTF-8 never can. A line that is no entry keeps its own bytes, and
    // so do headers and entries, for as long as nothing changes them.
    ForEachRawLine(gbkText, [&](std::string_view raw) {
        const bool ascii = IsAscii(raw);
        const std::string decoded = ascii ? std::string() : GbkToUtf8(raw);
        const std::string_view line = ascii ? raw : std::string_view(decoded);
        std::string_view trimmed = TrimBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            std::size_t close = trimmed.find(']');
            std::string_view name = TrimBlanks(trimmed.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            const std::size_t count = ini.sections_.size();
            current = &ini.FindOrAdd(name);  // a repeated header continues its section
            const bool first = ini.sections_.size() != count || !current->hasHeader;
            // A header goes out in its own bytes unless it is plain "[name]":
            // one without its "]", or in a code other than GBK, would come
            // back changed if it were made again from its name.
            if (first && (!ascii || raw != "[" + std::string(name) + "]"))
                current->rawHeader = std::string(raw);
            current->hasHeader = true;
            return;
        }
        if (current == nullptr) current = &ini.FindOrAdd("");
        std::size_t eq = trimmed.find('=');
        if (eq != std::string_view::npos && trimmed.front() != ';' &&
            !TrimBlanks(trimmed.substr(0, eq)).empty()) {
            Line entry =
                Line::Entry(TrimBlanks(trimmed.substr(0, eq)), TrimBlanks(trimmed.substr(eq + 1)));
            const bool plain = ascii && raw.size() == entry.text.size() + 1 &&
                               raw.substr(0, entry.keyLength) == entry.Key() &&
                               raw[entry.keyLength] == '=';
            if (!plain) entry.raw = std::string(raw);
            current->lines.push_back(std::move(entry));
        } else if (!current->lines.empty() && !current->lines.back().isEntry) {
            current->lines.back().text.append("\r\n").append(raw);
        } else {
            current->lines.push_back(Line{std::string(raw), {}, 0, false});
        }
    });
    for (Section& s : ini.sections_)
        s.Reindex();
    return ini;
}

const IniFile::Section* IniFile::Find(std::string_view section) const {
    auto found = sectionIndex_.find(AsciiLower(TrimBlanks(section)));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section& IniFile::FindOrAdd(std::string_view section) {
    std::string key = AsciiLower(TrimBlanks(section));
    auto found = sectionIndex_.find(key);
    if (found != sectionIndex_.end()) return sections_[found->second];
    if (key.empty()) {
        // Lines before the first header belong to no section; they must stay first.
        sections_.insert(sections_.begin(), Section{});
        RebuildSectionIndex();
        return sections_.front();
    }
    sectionIndex_.emplace(key, sections_.size());
    sections_.push_back({std::string(TrimBlanks(section)), true, {}, {}, {}});
    return sections_.back();
}

void IniFile::RebuildSectionIndex() {
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sectionIndex_.emplace(AsciiLower(sections_[i].name), i);
    }
}

const IniFile::Line* IniFile::FindEntry(std::string_view section, std::string_view key) const {
    const Section* s = Find(section);
    if (s == nullptr) return nullptr;
    auto found = s->index.find(AsciiLower(TrimBlanks(key)));
    return found == s->index.end() ? nullptr : &s->lines[found->second];
}

bool IniFile::SectionExists(std::string_view section) const {
    return Find(section) != nullptr;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindEntry(section, key) != nullptr;
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) {
        if (s.hasHeader) names.push_back(s.name);
    }
    return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* s = Find(section)) {
        for (const Line& line : s->lines) {
            if (line.isEntry) keys.emplace_back(line.Key());
        }
    }
    return keys;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const Line* line = FindEntry(section, key);
    return std::string(line ? line->Value() : fallback);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
    const Line* line = FindEntry(section, key);
    std::int32_t value = 0;
    return line && ParseProfileInteger(line->Value(), value) ? value : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

IoResult IniFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    const std::string_view name = TrimBlanks(key);
    value = TrimBlanks(value);
    // Refused before anything changes, so no half-made section is left.
    if (std::string problem = WriteProblem(TrimBlanks(section), name, value); !problem.empty())
        return IoResult::Failure(std::move(problem));
    Section& s = FindOrAdd(section);
    std::string lower = AsciiLower(name);
    auto found = s.index.find(lower);
    if (found != s.index.end()) {
        s.lines[found->second].SetValue(value);
        return {};
    }
    // New keys go after the section's last entry, so trailing blank lines and
    // comments stay where they were.
    std::size_t at = s.lines.size();
    while (at > 0 && !s.lines[at - 1].isEntry)
        --at;
    if (at == 0) at = s.lines.size();
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), Line::Entry(name, value));
    if (at + 1 == s.lines.size()) {
        s.index.emplace(std::move(lower), at);
    } else {
        s.Reindex();
    }
    return {};
}

IoResult IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return WriteString(section, key, std::to_string(value));
}

IoResult IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    auto found = sectionIndex_.find(AsciiLower(TrimBlanks(section)));
    if (found == sectionIndex_.end()) return;
    Section& s = sections_[found->second];
    std::string lower = AsciiLower(TrimBlanks(key));
    std::erase_if(s.lines,
                  [&](const Line& l) { return l.isEntry && AsciiLower(l.Key()) == lower; });
    s.Reindex();
}

void IniFile::EraseSection(std::string_view section) {
    auto found = sectionIndex_.find(AsciiLower(TrimBlanks(section)));
    if (found == sectionIndex_.end()) return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    RebuildSectionIndex();
}

std::string IniFile::Serialise() const {
    std::string gbk;
    std::string utf8;  // headers and entries not converted yet
    // Lines kept as they stood go out in their own bytes.
    auto asStood = [&](const std::string& bytes) {
        gbk += Utf8ToGbk(utf8);
        utf8.clear();
        gbk += bytes;
    };
    for (const Section& s : sections_) {
        if (!s.rawHeader.empty()) {
            asStood(s.rawHeader);
            utf8 += "\r\n";
        } else if (s.hasHeader) {
            utf8 += "[" + s.name + "]\r\n";
        }
        for (const Line& line : s.lines) {
            if (!line.raw.empty()) {
                asStood(line.raw);
            } else if (line.isEntry) {
                utf8 += line.Key();
                utf8 += '=';
                utf8 += line.Value();
            } else {
                asStood(line.text);
            }
            utf8 += "\r\n";
        }
    }
    return gbk + Utf8ToGbk(utf8);
}

IoResult IniFile::Save() const {
    return SaveAs(path_);
}

IoResult IniFile::SaveAs(const std::string& path) const {
    if (path.empty()) return IoResult::Failure("no file name");
    return WriteFileAtomically(path, Serialise());
}

}  // namespace vx
