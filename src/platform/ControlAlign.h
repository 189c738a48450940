// Where aligned controls go inside their parent.
//
// A control aligned to an edge of its parent sticks to that edge with its own
// thickness and the parent's full length; a client-aligned control takes what
// is left. The parent places its aligned children in a fixed order of
// alignments (top, bottom, left, right, client), each one eating into the
// rectangle the next ones share. Within one alignment the children are taken
// by where they stand: top ones from the top down, bottom ones from the bottom
// up, left ones from the left, right ones from the right. Children standing at
// the same place keep their list (creation) order, except a child that was
// just moved there: it takes the place, going first among its equals. A child
// that was only resized keeps its place in the order. Hidden children,
// unaligned children and custom-aligned children are left where they are.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/Geometry.h"

namespace vx {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// The largest size a control may have.
inline constexpr int kNoSizeLimit = 16777215;

struct AlignItem {
    TAlign align = TAlign::alNone;
    TRect bounds;  // where the control stands now, in the parent's coordinates
    bool visible = true;
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = kNoSizeLimit;
    int maxHeight = kNoSizeLimit;
    // Where the item counts as standing for the order, when not at `bounds`:
    // a child that was only resized ranks where it was placed before.
    std::optional<TRect> rankAt;
    // The item was just moved to where it stands: first among its equals.
    bool justMoved = false;
};

// The indexes of the visible items with the given alignment, in the order they
// are placed.
std::vector<std::size_t> AlignOrder(const std::vector<AlignItem>& items, TAlign align);

// The bounds of every item after arranging them in `client`; items that are
// not arranged keep theirs. Sizes are held between each item's limits, and an
// edge-aligned item takes the room its limited size really covers.
std::vector<TRect> ArrangeAligned(TRect client, const std::vector<AlignItem>& items);

}  // namespace vx
