// A small raster of TColor values that frame routines draw onto, shown as
// rows of letters so expected frames read as pictures.
#pragma once

#include <string>
#include <vector>

#include "widgets/WgGrafxFrames.h"

namespace vx::test {

class ColorGrid : public TFrameTarget {
  public:
    ColorGrid(int width, int height)
        : width_(width), height_(height), cells_(std::size_t(width * height), clNone) {}

    void Fill(const TRect& r, TColor color) override {
        ++fills_;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (x >= 0 && y >= 0 && x < width_ && y < height_)
                    cells_[std::size_t(y * width_ + x)] = color;
                else
                    ++outside_;
            }
        }
    }

    TColor At(int x, int y) const { return cells_[std::size_t(y * width_ + x)]; }
    int Fills() const { return fills_; }
    int PixelsOutside() const { return outside_; }

    // One letter per pixel: the frame tables' system colours by their
    // initial, any other colour by the letter the test gives it, "." none.
    std::vector<std::string> Rows(const std::vector<std::pair<TColor, char>>& extra = {}) const {
        std::vector<std::string> rows;
        for (int y = 0; y < height_; ++y) {
            std::string row;
            for (int x = 0; x < width_; ++x)
                row += Letter(At(x, y), extra);
            rows.push_back(row);
        }
        return rows;
    }

  private:
    static char Letter(TColor c, const std::vector<std::pair<TColor, char>>& extra) {
        for (const auto& [color, letter] : extra) {
            if (c == color) return letter;
        }
        switch (c) {
            case clNone:
                return '.';
            case cl3DDkShadow:
                return 'D';
            case cl3DLight:
                return 'L';
            case clBtnHighlight:
                return 'H';
            case clBtnShadow:
                return 'S';
            case clBtnFace:
                return 'F';
            case clBtnText:
                return 'T';
            default:
                return '?';
        }
    }

    int width_;
    int height_;
    std::vector<TColor> cells_;
    int fills_ = 0;
    int outside_ = 0;
};

}  // namespace vx::test
