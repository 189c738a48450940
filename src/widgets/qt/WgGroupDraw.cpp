#include "widgets/qt/WgGroupDraw.h"

#include "platform/paint/Canvas.h"
#include "widgets/WgCommonColors.h"

namespace vx {
namespace {

// The 15 x 15 button by rows: R ring, F fill, A arrow, b the ring half over
// what is below, h the ring half over the fill; '.' leaves the pixel.
constexpr const char* kOpenedButton[15] = {
    "....bRRRRRb....", "...RhFFFFFhR...", "..RFFFFFFFFFR..", ".RFFFFFAFFFFFR.", "bhFFFFAAAFFFFhb",
    "RFFFFAAFAAFFFFR", "RFFFAAFFFAAFFFR", "RFFFFFFAFFFFFFR", "RFFFFFAAAFFFFFR", "RFFFFAAFAAFFFFR",
    "bhFFAAFFFAAFFhb", ".RFFFFFFFFFFFR.", "..RFFFFFFFFFR..", "...RhFFFFFhR...", "....bRRRRRb....",
};
constexpr const char* kClosedButton[15] = {
    "....bRRRRRb....", "...RhFFFFFhR...", "..RFFFFFFFFFR..", ".RFFFFFFFFFFFR.", "bhFFAAFFFAAFFhb",
    "RFFFFAAFAAFFFFR", "RFFFFFAAAFFFFFR", "RFFFFFFAFFFFFFR", "RFFFAAFFFAAFFFR", "RFFFFAAFAAFFFFR",
    "bhFFFFAAAFFFFhb", ".RFFFFFAFFFFFR.", "..RFFFFFFFFFR..", "...RhFFFFFhR...", "....bRRRRRb....",
};

}  // namespace

void DrawCircleButton(Canvas& canvas, int x, int y, TColor ring, TColor fill, TColor arrow,
                      bool opened) {
    const char* const* rows = opened ? kOpenedButton : kClosedButton;
    const TColor half = MixColors(ring, fill, 128);
    for (int row = 0; row < 15; ++row) {
        for (int col = 0; col < 15; ++col) {
            TColor color = clNone;
            switch (rows[row][col]) {
                case 'R':
                    color = ring;
                    break;
                case 'F':
                    color = fill;
                    break;
                case 'A':
                    color = arrow;
                    break;
                case 'h':
                    color = half;
                    break;
                case 'b':
                    color = MixColors(ring, canvas.Pixel(x + col, y + row), 128);
                    break;
                default:
                    break;
            }
            if (color != clNone) canvas.SetPixel(x + col, y + row, color);
        }
    }
}

}  // namespace vx
