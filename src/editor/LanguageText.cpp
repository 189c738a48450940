#include "editor/LanguageText.h"

#include "platform/Text.h"

namespace vx {
namespace {

// Where marker first occurs in text at or after `from`, without regard to case.
std::size_t FindNoCase(std::string_view text, std::string_view marker, std::size_t from = 0) {
    if (marker.empty()) return std::string_view::npos;
    // Lowering ASCII letters keeps every byte in place, so positions carry over.
    const std::string lowText = AsciiLower(text);
    const std::string lowMarker = AsciiLower(marker);
    return lowText.find(lowMarker, from);
}

}  // namespace

std::string TextBefore(std::string_view text, std::string_view marker) {
    const std::size_t at = FindNoCase(text, marker);
    if (at == std::string_view::npos) return {};
    return std::string(text.substr(0, at));
}

std::string TextBetween(std::string_view text, std::string_view open, std::string_view close) {
    const std::size_t start = FindNoCase(text, open);
    if (start == std::string_view::npos) return {};
    const std::size_t inside = start + open.size();
    const std::size_t end = FindNoCase(text, close, inside);
    if (end == std::string_view::npos) return {};
    return std::string(text.substr(inside, end - inside));
}

std::vector<std::string> SplitToStringList(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) break;
        pieces.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

}  // namespace vx
