// One tab of a tab control: what the user sees on it and, once the layout
// has run, where it lies.
#pragma once

#include <string>

#include "platform/Colors.h"
#include "platform/Geometry.h"

namespace vx {

class TWgTabData {
  public:
    std::string Caption;  // may hold "\r\n" for several lines, "&" marks an accelerator
    TColor Color = clBtnFace;
    int DisabledIndex = -1;  // image shown while the tab is disabled; -1: none
    bool Enabled = true;
    std::string Hint;
    int ImageIndex = -1;
    // Filled by the layout: the tab's rectangle in strip coordinates (along
    // the strip, across it from the outer edge) and its row.
    TRect Rect;
    bool Visible = true;
    int Row = 0;

    // Copies what the user sets (not the rectangle and the row).
    void Assign(const TWgTabData& source) {
        Caption = source.Caption;
        DisabledIndex = source.DisabledIndex;
        ImageIndex = source.ImageIndex;
        Color = source.Color;
        Enabled = source.Enabled;
        Visible = source.Visible;
        Hint = source.Hint;
    }
};

}  // namespace vx
