#include "widgets/WgPanelLayout.h"

#include <algorithm>

namespace vx {

TRect AdjustPanelBorders(const TRect& r, const TPanelBorders& b, bool includeBorderWidth) {
    TRect out = includeBorderWidth ? r.Inflated(-b.borderWidth, -b.borderWidth) : r;
    out = ShrinkSides(out, b.sides, FrameWidth(b.outer, b.bevelWidth));
    return ShrinkSides(out, b.sides, FrameWidth(b.inner, b.bevelWidth));
}

TRect PanelChildArea(const TRect& client, const TPanelBorders& b) {
    return AdjustPanelBorders(client.Inflated(-b.borderWidth, -b.borderWidth), b, false);
}

TRect PlaceCaption(TRect r, int marginX, int marginY, int textHeight, TAlignmentVertical av) {
    r = r.Inflated(-marginX, -marginY);
    switch (av) {
        case TAlignmentVertical::avTop:
            r.bottom = std::min(r.bottom, r.top + textHeight);
            break;
        case TAlignmentVertical::avCenter:
            r.top = (r.top + r.bottom - textHeight) / 2;  // truncated toward zero
            r.bottom = std::min(r.bottom, r.top + textHeight);
            break;
        case TAlignmentVertical::avBottom:
            // Only when the text fits; a taller text keeps the top.
            if (r.bottom - textHeight - 1 > r.top) r.top = r.bottom - textHeight - 1;
            break;
    }
    return r;
}

TGridLines PanelGridLines(const TRect& interior, int xSize, int ySize) {
    TGridLines lines;
    const int columns = xSize > 0 ? interior.Width() / xSize : 0;
    const int rows = ySize > 0 ? interior.Height() / ySize : 0;
    for (int i = 1; i <= columns; ++i)
        lines.xs.push_back(interior.left - 1 + xSize * i);
    for (int j = 1; j <= rows; ++j)
        lines.ys.push_back(interior.top - 1 + ySize * j);
    return lines;
}

TRect GroupBoxChildArea(TRect r, TWgGroupBoxStyle style, int h, int borderWidth, bool captionEmpty,
                        int bannerHeight) {
    using enum TWgGroupBoxStyle;
    switch (style) {
        case gsStandard:
        case gsFlat: {
            r.top += h / 2 - 1 >= borderWidth ? h - borderWidth : h / 2 - 1;
            const int frame = style == gsStandard ? 2 : 1;
            r = r.Inflated(-frame, -frame);
            break;
        }
        case gsCustom:
            if (!captionEmpty) r.top += h;
            r = r.Inflated(-2, -2);
            break;
        case gsTopLine:
            r.top += h;
            break;
        case gsBanner:
            r.top += bannerHeight != 0 ? bannerHeight : h + 8;
            break;
        case gsUnderline:
            r.top += h + 4;
            break;
    }
    return r;
}

TRect GroupBoxCaptionRect(const TRect& client, TWgGroupBoxStyle style, int textWidth,
                          int textHeight, int bannerHeight, bool rightToLeft) {
    using enum TWgGroupBoxStyle;
    switch (style) {
        case gsStandard:
        case gsFlat:
        case gsTopLine: {
            const int inset = style == gsTopLine ? 4 : 8;
            if (rightToLeft)
                return {client.right - inset - textWidth, client.top, client.right - inset,
                        client.top + textHeight};
            return {client.left + inset, client.top, client.left + inset + textWidth,
                    client.top + textHeight};
        }
        case gsBanner:
            return {client.left, client.top, client.right,
                    client.top + (bannerHeight != 0 ? bannerHeight : textHeight + 6)};
        case gsUnderline:
            return {client.left, client.top, client.right, client.top + textHeight + 2};
        case gsCustom:
            break;
    }
    return {};
}

}  // namespace vx
