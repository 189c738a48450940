// Kinds and small records shared by the group items, the group panels and
// the group bar.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vx {

// The bar's look, which every group on it takes.
enum class TWgGroupBarStyle : std::uint8_t { gbsCategoryView, gbsTaskList, gbsOutlook };
enum class TWgGroupCaptionStyle : std::uint8_t { csSmall, csLarge };
enum class TWgGroupItemStyle : std::uint8_t { isSmall, isLarge };
enum class TWgItemSelectionStyle : std::uint8_t { issImage, issCaption, issImageAndCaption };

// The mouse state of a caption or an item.
enum class TWgMouseState : std::uint8_t { msNormal = 0, msHot = 1, msPressed = 2 };

enum class TWgMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// What the pointer looks like over a place of a group.
enum class TWgGroupCursor : std::uint8_t { Default, Hand };

// Added to a font: bold, italic, underline, strike-out.
struct TWgFontStyles {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const TWgFontStyles&) const = default;
};

// An image list as the layout sees it: whether there is one, and its image size.
struct TWgImageSize {
    bool present = false;
    int width = 0;
    int height = 0;
    bool operator==(const TWgImageSize&) const = default;
};

// Misuse of a group or a group bar (a group outside a bar, a group index out
// of range); the text is the one the user sees.
class EWgGroupBarError : public std::runtime_error {
  public:
    explicit EWgGroupBarError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vx
