// Which controls the dialog skin takes over: the kinds of controls and of
// their containers that its two sets select, and the rule that decides.
#pragma once

#include <cstdint>

namespace vx {

enum class TSkinControl : std::uint8_t {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcEdit,
    xcMaskEdit,
    xcMemo,
    xcCheckBox,
    xcRadioButton,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
};
// The sixteenth member of the stored set has no kind of its own here.
inline constexpr int kSkinControlCount = 16;

enum class TSkinContainer : std::uint8_t {
    xccForm,
    xccFrame,
    xccToolbar,
    xccCoolbar,
    xccControlbar,
    xccPanel,
    xccScrollBox,
    xccGroupBox,
    xccTabSheet,
    xccPageScroller,
};

// The sets, one bit per member (bit 0 the first).
using TSkinControls = std::uint16_t;
using TSkinContainers = std::uint16_t;
inline constexpr TSkinControls kAllSkinControls = 0xFFFF;
inline constexpr TSkinContainers kAllSkinContainers = 0x03FF;

constexpr std::uint16_t SkinBit(TSkinControl c) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(c));
}
constexpr std::uint16_t SkinBit(TSkinContainer c) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(c));
}

// The tag that keeps a control (or every control on a parent) out of the
// skin, the tag that keeps a control in the plain flat look under the XP
// colours, and a negative tag keeps the framework's own look.
inline constexpr int kSkinOptOutTag = 999;
inline constexpr int kSkinPlainLookTag = 1234567890;

// Whether a control of the kind, on a parent of the kind, with the two
// tags, is hooked by an enabling walk.
constexpr bool SkinSelects(TSkinControl kind, TSkinContainer parent, TSkinControls controls,
                           TSkinContainers containers, int tag, int parentTag) {
    return (controls & SkinBit(kind)) != 0 && (containers & SkinBit(parent)) != 0 &&
           tag != kSkinOptOutTag && parentTag != kSkinOptOutTag;
}

}  // namespace vx
