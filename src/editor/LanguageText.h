// Text pieces of the language engine: the part of a text before a marker,
// between two markers, and a text cut into pieces at a separator.
//
// TextBefore and TextBetween compare their markers without regard to the case
// of ASCII letters (the language files' names and brackets are ASCII; Chinese
// text has no case).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The part of text before the first occurrence of marker; empty when the
// marker does not occur (or is empty).
std::string TextBefore(std::string_view text, std::string_view marker);

// The part between the first `open` and the next `close` after it; empty when
// either is missing.
std::string TextBetween(std::string_view text, std::string_view open, std::string_view close);

// The pieces between separators (matched exactly), the last piece included:
// "a|b|" split at "|" gives "a", "b" and "". An empty separator gives the
// whole text as one piece.
std::vector<std::string> SplitToStringList(std::string_view text, std::string_view separator);

}  // namespace vx
