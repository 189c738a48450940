// Classic edges, scroll-bar arrows, push buttons, focus frames, and text
// turned, aligned, clipped and with "&" prefixes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/paint/CanvasImage.h"

namespace vx {
namespace {

using test::CanvasImage;
using Rows = std::vector<std::string>;

constexpr QRgb kWhite = qRgb(255, 255, 255);
// The ground the edges are drawn on (white is the highlight colour).
constexpr QRgb kGround = qRgb(1, 2, 3);

// The image as letters: the edge colours by initial, the ground ".", others "?".
Rows Letters(const CanvasImage& img, int w, int h) {
    const std::pair<TColor, char> names[] = {
        {cl3DLight, 'L'},   {cl3DDkShadow, 'D'}, {clBtnHighlight, 'H'},
        {clBtnShadow, 'S'}, {clBtnFace, 'F'},    {clBtnText, 'T'},
    };
    Rows rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            char c = img.At(x, y) == kGround ? '.' : '?';
            for (const auto& [color, letter] : names) {
                if (img.Is(x, y, color)) c = letter;
            }
            row += c;
        }
        rows.push_back(row);
    }
    return rows;
}

class CanvasEdgeTest : public testing::Test {
  protected:
    void SetUp() override { SetSystemColors(DefaultSystemColors()); }
};

TEST_F(CanvasEdgeTest, RaisedAndSunkenEdges) {
    CanvasImage raised(6, 5, kGround), sunken(6, 5, kGround);
    TRect r{0, 0, 6, 5};
    raised.Paint([&](Canvas& c) {
        c.DrawEdge(r, EdgeFlags::kRaised, BorderFlags::kRect | BorderFlags::kAdjust);
    });
    EXPECT_EQ(r, (TRect{2, 2, 4, 3}));
    EXPECT_EQ(Letters(raised, 6, 5), (Rows{"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"}));
    TRect s{0, 0, 6, 5};
    sunken.Paint([&](Canvas& c) {
        c.DrawEdge(s, EdgeFlags::kSunken, BorderFlags::kRect | BorderFlags::kMiddle);
    });
    EXPECT_EQ(s, (TRect{0, 0, 6, 5})) << "without kAdjust the rectangle stays";
    EXPECT_EQ(Letters(sunken, 6, 5), (Rows{"SSSSSH", "SDDDLH", "SDFFLH", "SLLLLH", "HHHHHH"}));
}

TEST_F(CanvasEdgeTest, EdgesOnChosenSidesAndFlat) {
    CanvasImage img(5, 4, kGround), flat(4, 4, kGround);
    TRect r{0, 0, 5, 4};
    img.Paint([&](Canvas& c) {
        c.DrawEdge(r, EdgeFlags::kSunkenOuter, BorderFlags::kBottom | BorderFlags::kAdjust);
    });
    EXPECT_EQ(r, (TRect{0, 0, 5, 3}));
    EXPECT_EQ(Letters(img, 5, 4), (Rows{".....", ".....", ".....", "HHHHH"}));
    TRect f{0, 0, 4, 4};
    flat.Paint([&](Canvas& c) {
        c.DrawEdge(f, EdgeFlags::kRaised, BorderFlags::kRect | BorderFlags::kFlat);
    });
    EXPECT_EQ(Letters(flat, 4, 4), (Rows{"SSSS", "SFFS", "SFFS", "SSSS"}));
}

TEST_F(CanvasEdgeTest, PushButtonUpAndDown) {
    CanvasImage up(5, 5, kGround), down(5, 5, kGround);
    up.Paint([](Canvas& c) {
        c.DrawFrameControl({0, 0, 5, 5}, FrameControl::kButton, FrameControlState::kButtonPush);
    });
    EXPECT_EQ(Letters(up, 5, 5), (Rows{"HHHHD", "HLLSD", "HLFSD", "HSSSD", "DDDDD"}));
    down.Paint([](Canvas& c) {
        c.DrawFrameControl({0, 0, 5, 5}, FrameControl::kButton,
                           FrameControlState::kButtonPush | FrameControlState::kPushed);
    });
    EXPECT_EQ(Letters(down, 5, 5), (Rows{"TTTTT", "TSSST", "TSFST", "TSSST", "TTTTT"}));
}

// Where the arrow of a 17 x 17 scroll button lies, in each direction and
// state: inside the part of the button that the arrow buttons copy.
QRect ArrowBox(const CanvasImage& img, TColor color) {
    QRect box;
    for (int y = 2; y < 15; ++y) {
        for (int x = 2; x < 15; ++x) {
            if (img.Is(x, y, color)) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST_F(CanvasEdgeTest, ScrollArrowsSitInTheMiddleOfTheButton) {
    using namespace FrameControlState;
    struct Case {
        unsigned direction;
        QRect arrow;   // released
        QRect copied;  // the part a glyph takes from the button
    } cases[] = {
        {kScrollUp, QRect(5, 6, 7, 4), QRect(4, 5, 9, 6)},
        {kScrollDown, QRect(5, 7, 7, 4), QRect(4, 6, 9, 6)},
        {kScrollLeft, QRect(6, 5, 4, 7), QRect(4, 4, 9, 9)},
        {kScrollRight, QRect(7, 5, 4, 7), QRect(6, 4, 9, 9)},
    };
    for (const Case& k : cases) {
        CanvasImage normal(17, 17), pushed(17, 17), inactive(17, 17);
        normal.Paint([&](Canvas& c) {
            c.DrawFrameControl({0, 0, 17, 17}, FrameControl::kScroll, k.direction);
        });
        pushed.Paint([&](Canvas& c) {
            c.DrawFrameControl({0, 0, 17, 17}, FrameControl::kScroll, k.direction | kPushed);
        });
        inactive.Paint([&](Canvas& c) {
            c.DrawFrameControl({0, 0, 17, 17}, FrameControl::kScroll, k.direction | kInactive);
        });
        EXPECT_EQ(ArrowBox(normal, clBtnText), k.arrow) << k.direction;
        EXPECT_EQ(ArrowBox(pushed, clBtnText), k.arrow.translated(1, 1)) << k.direction;
        EXPECT_TRUE(k.copied.contains(ArrowBox(pushed, clBtnText))) << k.direction;
        EXPECT_EQ(ArrowBox(inactive, clBtnText), QRect()) << "no dark arrow when inactive";
        EXPECT_EQ(ArrowBox(inactive, clBtnShadow), k.arrow);
        EXPECT_EQ(ArrowBox(inactive, clBtnHighlight).bottomRight(),
                  k.arrow.bottomRight() + QPoint(1, 1));
        EXPECT_TRUE(k.copied.contains(ArrowBox(inactive, clBtnHighlight)));
        // The button around it: raised, or flat while held.
        EXPECT_TRUE(normal.Is(0, 0, cl3DLight));
        EXPECT_TRUE(normal.Is(16, 16, cl3DDkShadow));
        EXPECT_TRUE(normal.Is(1, 1, clBtnHighlight));
        EXPECT_TRUE(normal.Is(15, 15, clBtnShadow));
        EXPECT_TRUE(pushed.Is(0, 0, clBtnShadow));
        EXPECT_TRUE(pushed.Is(16, 16, clBtnShadow));
        EXPECT_TRUE(pushed.Is(1, 1, clBtnFace));
    }
}

TEST_F(CanvasEdgeTest, ArrowRowsWidenByTwo) {
    CanvasImage img(17, 17);
    img.Paint([](Canvas& c) {
        c.DrawFrameControl({0, 0, 17, 17}, FrameControl::kScroll, FrameControlState::kScrollUp);
    });
    for (int k = 0; k < 4; ++k) {
        int n = 0;
        for (int x = 0; x < 17; ++x)
            n += img.Is(x, 6 + k, clBtnText);
        EXPECT_EQ(n, 2 * k + 1) << "row " << k;
        EXPECT_TRUE(img.Is(8, 6 + k, clBtnText));
    }
}

TEST_F(CanvasEdgeTest, FocusRectIsDottedAndRemovesItself) {
    CanvasImage img(12, 8, qRgb(40, 40, 40));
    auto focus = [](Canvas& c) { c.DrawFocusRect({1, 1, 11, 7}); };
    img.Paint(focus);
    int dots = 0;
    for (int x = 1; x < 11; ++x) {
        const bool dot = img.At(x, 1) == qRgb(215, 215, 215);
        dots += dot;
        if (x > 1) {
            EXPECT_NE(dot, img.At(x - 1, 1) == qRgb(215, 215, 215));
        }
    }
    EXPECT_EQ(dots, 5);
    EXPECT_EQ(img.At(5, 4), qRgb(40, 40, 40)) << "inside untouched";
    EXPECT_EQ(img.Count(qRgb(215, 215, 215)), 14) << "half of the 28 frame pixels";
    img.Paint(focus);
    EXPECT_EQ(img.Count(qRgb(40, 40, 40)), 12 * 8);
}

// Text: ink only, on white, black font, no background.
template <typename Draw>
CanvasImage Text(int w, int h, Draw draw) {
    CanvasImage img(w, h);
    img.Paint([&](Canvas& c) {
        c.font.color = clBlack;
        c.brush.style = BrushStyle::Clear;
        draw(c);
    });
    return img;
}

TEST(CanvasTextTest, EscapementTurnsTextAboutItsAnchor) {
    CanvasImage flat = Text(120, 120, [](Canvas& c) { c.TextOut(60, 60, "WWW"); });
    CanvasImage up = Text(120, 120, [](Canvas& c) {
        c.font.escapement = 900;
        c.TextOut(60, 60, "WWW");
    });
    CanvasImage down = Text(120, 120, [](Canvas& c) {
        c.font.escapement = 2700;
        c.TextOut(60, 60, "WWW");
    });
    const QRect f = flat.InkBox(), u = up.InkBox(), d = down.InkBox();
    ASSERT_FALSE(f.isEmpty());
    EXPECT_GE(f.left(), 60);
    EXPECT_GE(f.top(), 60);
    // Upwards: above the anchor, to its right; downwards: below it, to its left.
    EXPECT_LT(u.bottom(), 61);
    EXPECT_GE(u.left(), 60);
    EXPECT_GE(d.top(), 60);
    EXPECT_LT(d.right(), 61);
    // The same line, turned: its length runs along the other axis.
    EXPECT_NEAR(u.height(), f.width(), 2);
    EXPECT_NEAR(u.width(), f.height(), 2);
    EXPECT_NEAR(d.height(), f.width(), 2);
}

TEST(CanvasTextTest, TextAlignPlacesTheAnchor) {
    int width = 0;
    CanvasImage centre = Text(120, 30, [&](Canvas& c) {
        width = c.TextWidth("MMMM");
        c.textAlign = TextAlign::Center;
        c.TextOut(60, 5, "MMMM");
    });
    CanvasImage right = Text(120, 30, [](Canvas& c) {
        c.textAlign = TextAlign::Right;
        c.TextOut(100, 5, "MMMM");
    });
    const QRect m = centre.InkBox(), r = right.InkBox();
    EXPECT_NEAR(m.left() + m.width() / 2.0, 60, 2.5);
    EXPECT_LE(r.right(), 100);
    EXPECT_GE(r.left(), 100 - width);
}

TEST(CanvasTextTest, TextRectFillsAndClips) {
    CanvasImage img(100, 30);
    img.Paint([](Canvas& c) {
        c.font.color = clBlack;
        c.brush.color = clYellow;
        c.TextRect({10, 5, 30, 25}, 12, 6, "WWWWWWWW");
        c.FillRect({60, 0, 61, 1});  // the brush and the clip are as before
    });
    EXPECT_EQ(img.InkBox(), QRect(10, 0, 51, 25));
    EXPECT_EQ(img.At(10, 5), qRgb(255, 255, 0));
    EXPECT_EQ(img.At(60, 0), qRgb(255, 255, 0));
    for (int y = 0; y < 30; ++y) {
        for (int x = 30; x < 60; ++x)
            ASSERT_EQ(img.At(x, y), kWhite) << "text cut at the rectangle: " << x << "," << y;
    }
}

TEST(CanvasTextTest, PrefixUnderlinesItsLetterAndDoubleAmpersandIsOne) {
    auto draw = [](const char* text, unsigned flags) {
        return Text(80, 30, [&](Canvas& c) {
            TRect box{2, 2, 78, 28};
            c.font.size = 12;
            c.DrawText(text, box, flags | DrawTextFlags::kSingleLine);
        });
    };
    CanvasImage plain = draw("W", 0), marked = draw("&W", 0);
    const QRect glyph = plain.InkBox(), withLine = marked.InkBox();
    // All of the letter, and a line under it.
    for (int y = glyph.top(); y <= glyph.bottom(); ++y) {
        for (int x = glyph.left(); x <= glyph.right(); ++x) {
            if (plain.At(x, y) != kWhite) {
                EXPECT_NE(marked.At(x, y), kWhite) << x << "," << y;
            }
        }
    }
    EXPECT_GT(withLine.bottom(), glyph.bottom());
    int line = 0;
    for (int x = 0; x < 80; ++x)
        line += marked.At(x, withLine.bottom()) != kWhite;
    EXPECT_GE(line, glyph.width() - 2) << "the underline runs under the letter";

    EXPECT_EQ(draw("R&&D", 0).Image(), draw("R&D", DrawTextFlags::kNoPrefix).Image());
    EXPECT_NE(draw("&W", DrawTextFlags::kNoPrefix).Image(), marked.Image())
        << "without prefixes the & is shown";
}

}  // namespace
}  // namespace vx
