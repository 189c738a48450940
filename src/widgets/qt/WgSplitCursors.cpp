#include "widgets/qt/WgSplitCursors.h"

#include <QPixmap>
#include <array>
#include <optional>

namespace vx {
namespace {

constexpr int kSize = 32;

// The black pixels of a vertical bar's cursor (arrows left and right), in
// x across and y down.
std::array<std::array<bool, kSize>, kSize> HorzShape(bool hotSpot) {
    std::array<std::array<bool, kSize>, kSize> black{};
    auto set = [&](int x, int y) {
        if (x >= 0 && x < kSize && y >= 0 && y < kSize) black[y][x] = true;
    };
    // The bar: two upright lines.
    for (int y = 8; y <= 23; ++y) {
        set(13, y);
        set(18, y);
    }
    // The arrows' shafts and heads.
    for (int x = 4; x <= 12; ++x) {
        set(x, 15);
        set(x, 16);
    }
    for (int x = 19; x <= 27; ++x) {
        set(x, 15);
        set(x, 16);
    }
    for (int i = 0; i <= 4; ++i) {
        for (int y = 15 - i; y <= 16 + i; ++y) {
            set(4 + i - 1, y);
            set(27 - i + 1, y);
        }
    }
    if (hotSpot) {
        // The hot spot's box between the lines, dotted down its middle.
        for (int y = 10; y <= 21; ++y) {
            set(14, y);
            set(17, y);
        }
        for (int y = 11; y <= 20; y += 3) {
            set(15, y);
            set(16, y + 1);
        }
    }
    return black;
}

QImage Draw(TWgSplitCursor kind) {
    const bool vertical = kind == TWgSplitCursor::scVert || kind == TWgSplitCursor::scVertHotSpot;
    const bool hotSpot =
        kind == TWgSplitCursor::scHorzHotSpot || kind == TWgSplitCursor::scVertHotSpot;
    const auto shape = HorzShape(hotSpot);
    // A horizontal bar's cursor is the same turned a quarter (x and y swapped).
    auto black = [&](int x, int y) {
        if (x < 0 || x >= kSize || y < 0 || y >= kSize) return false;
        return vertical ? shape[x][y] : shape[y][x];
    };
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (black(x, y)) {
                image.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx)
                    edge = black(x + dx, y + dy);
            if (edge) image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return image;
}

}  // namespace

QImage WgSplitCursorImage(TWgSplitCursor kind) {
    return Draw(kind);
}

const QCursor& WgSplitCursorOf(TWgSplitCursor kind) {
    static std::array<std::optional<QCursor>, 4> cursors;
    auto& cursor = cursors[static_cast<int>(kind)];
    if (!cursor) cursor.emplace(QPixmap::fromImage(Draw(kind)), kSize / 2, kSize / 2);
    return *cursor;
}

}  // namespace vx
