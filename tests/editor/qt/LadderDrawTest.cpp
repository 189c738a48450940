#include "editor/qt/LadderDraw.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "model/CellKind.h"
#include "platform/paint/Canvas.h"

namespace vx {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// Draws single cells on a white image with the cell's corner at (10, 10).
class LadderDrawTest : public testing::Test {
  protected:
    LadderDrawTest() : image_(260, 90, QImage::Format_RGB32) {
        context_.cells = &cells_;
        context_.colors.figure = clBlack;
    }

    void Draw(int column, int gridRow, bool selected = false) {
        image_.fill(selected ? QColor(49, 106, 197) : QColor(Qt::white));
        QPainter painter(&image_);
        Canvas canvas(painter);
        LadderEditDrawCell(canvas, context_, column, gridRow, kX, kY, selected);
    }
    QRgb At(int dx, int dy) const { return image_.pixel(kX + dx, kY + dy) | 0xFF000000; }
    bool Black(int dx, int dy) const { return At(dx, dy) == 0xFF000000; }
    // Whether any pixel of the colour lies in the rectangle (cell coordinates).
    bool Has(QRgb color, int left, int top, int right, int bottom) const {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (At(x, y) == (color | 0xFF000000)) return true;
            }
        }
        return false;
    }

    static constexpr int kX = 10, kY = 10;
    LadderCells cells_;
    LadderDrawContext context_;
    QImage image_;
};

TEST_F(LadderDrawTest, OpenContactLinesAndBarsWithCommentsOff) {
    cells_.Kind(1, 0) = CellKind::kOpenContact;
    Draw(1, 0);
    EXPECT_TRUE(Black(0, 21)) << "lead line at mid height 21";
    EXPECT_TRUE(Black(25, 21));
    EXPECT_FALSE(Black(28, 21)) << "gap between the bars";
    EXPECT_TRUE(Black(35, 21));
    EXPECT_TRUE(Black(59, 21));
    EXPECT_FALSE(Black(60, 21)) << "a one-pixel line stops short of its end";
    EXPECT_TRUE(Black(26, 15));
    EXPECT_TRUE(Black(26, 28));
    EXPECT_FALSE(Black(26, 29));
    EXPECT_TRUE(Black(34, 20));
}

TEST_F(LadderDrawTest, CommentsOnMoveTheLinesDown) {
    cells_.Kind(1, 0) = CellKind::kOpenContact;
    context_.commentsShown = true;
    Draw(1, 0);
    EXPECT_TRUE(Black(10, 27));
    EXPECT_FALSE(Black(10, 21));
    EXPECT_TRUE(Black(26, 21));
    EXPECT_TRUE(Black(26, 34));
    EXPECT_EQ(MetricsFor(true).rowHeight, 55);
    EXPECT_EQ(MetricsFor(false).rowHeight, 43);
}

TEST_F(LadderDrawTest, ClosedContactHasItsSlash) {
    cells_.Kind(2, 0) = CellKind::kClosedContact;
    Draw(2, 0);
    EXPECT_TRUE(Black(37, 15));
    EXPECT_TRUE(Black(30, 22) || Black(29, 22) || Black(30, 21));
}

TEST_F(LadderDrawTest, VerticalLinkHalvesAndFullHeight) {
    cells_.Kind(3, 0) = CellKind::kLine | CellKind::kLinkDown;
    Draw(3, 0);
    EXPECT_TRUE(Black(0, 21));
    EXPECT_TRUE(Black(0, 59));
    EXPECT_FALSE(Black(0, 10)) << "only the lower half";

    cells_.Kind(3, 1) = CellKind::kLinkUp;
    Draw(3, 1);
    EXPECT_TRUE(Black(0, 0));
    EXPECT_TRUE(Black(0, 20));
    EXPECT_FALSE(Black(0, 30));

    cells_.Kind(3, 2) = CellKind::kLinkUp | CellKind::kLinkDown;
    context_.commentsShown = true;
    Draw(3, 2);
    EXPECT_TRUE(Black(0, 54)) << "2 x mid + 1 = 55 pixels";
    EXPECT_FALSE(Black(0, 56));
}

TEST_F(LadderDrawTest, RailColumnShowsTheBlockLocalRowNumber) {
    context_.rowBase = BlockFirstRow(5);
    Draw(0, 0);
    EXPECT_TRUE(Black(32, 0)) << "the rail";
    EXPECT_TRUE(Black(32, 59));
    EXPECT_TRUE(Has(0xFF000000, 5, 15, 32, 30)) << "the row number 0001";
    // Whatever its last digit, the number ends two pixels short of the rail.
    for (int row = 0; row < 10; ++row) {
        Draw(0, row);
        EXPECT_TRUE(Has(0xFF000000, 5, 15, 29, 30)) << row + 1;
        EXPECT_FALSE(Has(0xFF000000, 29, 0, 31, 43)) << row + 1;
    }
}

TEST_F(LadderDrawTest, PaintingTheCommentColumnMarksItsCell) {
    cells_.First(13, 4) = "启动回路";
    Draw(13, 4);
    EXPECT_EQ(cells_.Kind(13, 4), CellKind::kRailMarker);
    EXPECT_TRUE(Has(0xFFFF8000, 5, 8, 160, 24)) << "block comment in DollopNoteColor $0080FF";
}

TEST_F(LadderDrawTest, SelectedContactIsDrawnInTheWindowColour) {
    cells_.Kind(1, 0) = CellKind::kOpenContact;
    cells_.First(1, 0) = "X0";
    Draw(1, 0, true);
    EXPECT_EQ(At(10, 21), kWhite);
    EXPECT_TRUE(Has(kWhite, 18, 2, 50, 14)) << "its text too";
    EXPECT_FALSE(Has(0xFF0000FF, 0, 0, 57, 43)) << "nothing in the instruction colour";
}

TEST_F(LadderDrawTest, EnergisedCoilIsThreePixelsWideInTheStakeoutColour) {
    cells_.Kind(12, 0) = CellKind::kCoil;
    cells_.First(12, 0) = "Y0";
    context_.monitoring = true;
    context_.evaluate = [](int, int, CellLiveState& live) {
        live.energised = true;
        return MakeDeviceCode(DeviceKind::Y, 0);
    };
    Draw(12, 0);
    const QRgb green = 0xFF00FF00;
    EXPECT_EQ(At(100, 20), green);
    EXPECT_EQ(At(100, 21), green);
    EXPECT_EQ(At(100, 22), green);
    EXPECT_NE(At(100, 24), green);
}

// While monitoring, a cell whose device was not read since the link opened,
// and the wires of a row whose devices were not all read (or that names
// none), are drawn as while editing.
TEST_F(LadderDrawTest, OnlyWhatWasReadIsDrawnLive) {
    cells_.Kind(1, 0) = CellKind::kClosedContact;
    cells_.First(1, 0) = "M100";
    cells_.Kind(2, 0) = CellKind::kLine;
    cells_.Kind(2, 1) = CellKind::kInverter;  // in a row without devices
    context_.monitoring = true;
    bool read = false;
    context_.evaluate = [&](int column, int row, CellLiveState& live) {
        if (column != 1 || row != 0) return kNoDevice;
        live.energised = true;
        live.read = read;
        return MakeDeviceCode(DeviceKind::M, 100);
    };
    const struct {
        int column, row;
        bool read, live;
    } cases[] = {
        {1, 0, false, false}, {2, 0, false, false}, {2, 1, false, false},
        {1, 0, true, true},   {2, 0, true, true},   {2, 1, true, false},
    };
    for (const auto& c : cases) {
        read = c.read;
        Draw(c.column, c.row);
        EXPECT_EQ(Has(0xFF00FF00, 0, 0, 57, 43), c.live)
            << "column " << c.column << " row " << c.row << (c.read ? " read" : " unread");
        EXPECT_EQ(Black(10, 21), !c.live);
    }
}

TEST_F(LadderDrawTest, LiveValuesAreDrawnInTheLiveValueColour) {
    cells_.Kind(12, 0) = CellKind::kFunctionBox;
    cells_.First(12, 0) = "MOV D0 D1";
    context_.monitoring = true;
    context_.colors.stakeout = clLime;
    context_.colors.value = clRed;
    context_.evaluate = [](int, int, CellLiveState& live) {
        live.line1 = "1234";
        return MakeDeviceCode(DeviceKind::D, 0);
    };
    Draw(12, 0);
    const QRgb red = 0xFFFF0000, green = 0xFF00FF00;
    EXPECT_TRUE(Has(red, 42, 0, 120, 16)) << "the value above the box";
    EXPECT_FALSE(Has(green, 42, 0, 120, 16)) << "not in the energised colour";
    Draw(12, 0, true);
    EXPECT_TRUE(Has(0xFFFFFF00, 42, 0, 120, 16)) << "yellow on a selected cell";
}

TEST_F(LadderDrawTest, DeviceCommentUnderTheContactWithCommentsOn) {
    cells_.Kind(1, 0) = CellKind::kOpenContact;
    cells_.First(1, 0) = "X10";
    context_.commentsShown = true;
    DeviceCode asked = kNoDevice;
    context_.evaluate = [](int, int, CellLiveState&) { return MakeDeviceCode(DeviceKind::X, 10); };
    context_.comment = [&](DeviceCode code) {
        asked = code;
        return std::string("启动");
    };
    Draw(1, 0);
    EXPECT_EQ(asked, MakeDeviceCode(DeviceKind::X, 10));
    EXPECT_TRUE(Has(0xFFFF80FF, 5, 38, 57, 55)) << "comment in NoteColor below the contact";
}

TEST_F(LadderDrawTest, CompareContactsGetNoDeviceComment) {
    cells_.Kind(1, 0) = CellKind::kCompareContact;
    cells_.First(1, 0) = "> D0 K5";
    context_.commentsShown = true;
    bool asked = false;
    context_.evaluate = [](int, int, CellLiveState&) { return MakeDeviceCode(DeviceKind::D, 0); };
    context_.comment = [&](DeviceCode) {
        asked = true;
        return std::string("x");
    };
    Draw(1, 0);
    EXPECT_FALSE(asked);
    EXPECT_TRUE(Black(17, 25)) << "bars of a wide contact at 17 and 41";
    EXPECT_TRUE(Black(41, 25));
}

}  // namespace
}  // namespace vx
