// Text handling at the file boundary.
//
// Inside the program every text is UTF-8. The controller's project files, the
// settings file, the comment files and the language files keep Chinese text in
// the GBK code page (Windows code page 936), so every reader and writer of those
// files converts here. A GBK length is what a fixed-size text field of a file
// can hold, which is why the helpers below count and cut in GBK bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vx {

// GBK bytes to UTF-8. A byte sequence that is not GBK becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// Each line of GBK text, decoded to UTF-8, without its line end (LF, CR LF,
// or CR CR LF as a second line-end conversion leaves it), in order; a last
// line without a line end counts, an empty text has no lines. The lines are
// split on the bytes before they are decoded: LF is never part of a GBK
// character, so a damaged or cut character at the end of a line stays on its
// line and never takes the line break with it.
void ForEachGbkLine(std::string_view gbk, const std::function<void(std::string_view)>& line);
// The same lines as they stand in the text, not decoded.
void ForEachRawLine(std::string_view text, const std::function<void(std::string_view)>& line);

// UTF-8 to GBK. A character GBK cannot hold, or a broken UTF-8 sequence,
// becomes "?", as the Windows conversion does with its default character.
std::string Utf8ToGbk(std::string_view utf8);

// Number of bytes the text takes in GBK.
std::size_t GbkByteLength(std::string_view utf8);

// The longest leading part of the text whose GBK form fits in maxBytes,
// cut between characters, never through one.
std::string CutToGbkBytes(std::string_view utf8, std::size_t maxBytes);

// Whether GBK holds every character of the text, so it reads back as written.
bool GbkHolds(std::string_view utf8);

// Whether every byte is below 128 (then GBK and UTF-8 agree).
bool IsAscii(std::string_view text);

// Upper- and lower-case of the ASCII letters only; every other byte stays.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// The text without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace vx
