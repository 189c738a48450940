#include "editor/qt/LadderDraw.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

#include "model/CellKind.h"
#include "platform/paint/Canvas.h"

namespace vx {
namespace {

constexpr TColor kSelectedLiveValue = 0x00FFFF;

class CellPainter {
  public:
    CellPainter(Canvas& canvas, int x, int y, const CellMetrics& m)
        : c_(canvas), x_(x), y_(y), m_(m) {}

    // A line at the height of the lines, from x + a to x + b.
    void L(int a, int b) {
        c_.MoveTo(x_ + a, y_ + m_.mid);
        c_.LineTo(x_ + b, y_ + m_.mid);
    }
    // A contact bar at x + a.
    void V(int a) {
        c_.MoveTo(x_ + a, y_ + m_.top);
        c_.LineTo(x_ + a, y_ + m_.bottom);
    }
    void Line(int x1, int y1, int x2, int y2) {
        c_.MoveTo(x_ + x1, y_ + y1);
        c_.LineTo(x_ + x2, y_ + y2);
    }
    void Text(int dx, int dy, const std::string& text, TColor color) {
        c_.font.color = color;
        c_.TextOut(x_ + dx, y_ + dy, text);
    }
    void Slash() { Line(37, m_.top, 22, m_.bottom); }

  private:
    Canvas& c_;
    int x_, y_;
    const CellMetrics& m_;
};

void DrawSymbol(Canvas& canvas, CellPainter& p, std::uint8_t symbol, const CellMetrics& m) {
    canvas.font.size = 12;
    canvas.font.bold = true;
    const TColor penColor = canvas.pen.color;
    switch (symbol) {
        case CellKind::kOpenContact:
            p.L(0, 26), p.L(35, 60), p.V(26), p.V(34);
            break;
        case CellKind::kClosedContact:
            p.L(0, 26), p.L(35, 60), p.V(26), p.V(34), p.Slash();
            break;
        case CellKind::kLine:
            p.L(0, 60);
            break;
        case CellKind::kCoil:
            p.Text(4, m.top - 2, "(", penColor);
            p.Text(80, m.top - 2, ")", penColor);
            p.L(0, 8), p.L(85, 185);
            break;
        case CellKind::kInverter:
            p.L(0, 60), p.Slash();
            break;
        case CellKind::kFunctionBox:
            p.Text(4, m.top - 2, "[", penColor);
            p.Text(173, m.top - 2, "]", penColor);
            p.L(0, 8), p.L(177, 185);
            break;
        case CellKind::kCompareContact:
            p.L(0, 17), p.L(41, 60), p.V(17), p.V(41);
            break;
        case CellKind::kRisingEdge:
            p.L(0, 24), p.L(36, 60), p.V(24), p.V(36);
            p.Line(30, m.bottom, 30, m.top);
            p.Line(30, m.top, 27, m.top + 7);
            p.Line(30, m.top, 33, m.top + 7);
            break;
        case CellKind::kFallingEdge:
            p.L(0, 24), p.L(36, 60), p.V(24), p.V(36);
            p.Line(30, m.top, 30, m.bottom);
            p.Line(30, m.bottom, 27, m.bottom - 7);
            p.Line(30, m.bottom, 33, m.bottom - 7);
            break;
        case CellKind::kStepContact:
            p.L(0, 15), p.L(42, 60), p.V(15), p.V(42);
            break;
        default:
            break;
    }
    canvas.font.size = 9;
    canvas.font.bold = false;
}

// The comparison sign and the two operands of a compare contact's text.
void SplitCompare(const std::string& text, std::string& sign, std::string& a, std::string& b) {
    std::size_t s1 = text.find(' ');
    sign = text.substr(0, s1);
    if (s1 == std::string::npos) return;
    std::size_t s2 = text.find(' ', s1 + 1);
    a = text.substr(s1 + 1, s2 == std::string::npos ? std::string::npos : s2 - s1 - 1);
    if (s2 != std::string::npos) b = text.substr(s2 + 1);
}

// Whether the wires of a row are drawn live: the row names a device in one of
// its cells, and everything those cells show was read.
bool WiresLive(const LadderDrawContext& ctx, int gridRow) {
    if (!ctx.evaluate) return false;
    bool any = false;
    for (int column = 1; column < kCommentColumn; ++column) {
        CellLiveState live;
        if (ctx.evaluate(column, ctx.rowBase + gridRow, live) == kNoDevice) continue;
        if (!live.read) return false;
        any = true;
    }
    return any;
}

// The row number has the room of four digits half as wide as the font is
// high (from x + 5 to x + 29, two pixels short of the rail); a face whose
// digits are wider is narrowed to it, so the last digit keeps clear of the
// rail.
int RowNumberStretch() {
    static const int stretch = [] {
        CanvasFont font;
        font.size = 9;
        const QFont face = ToQFont(font);
        const double digits = QFontMetricsF(face).horizontalAdvance(QStringLiteral("0000"));
        const double room = 4 * face.pixelSize() / 2.0;
        return digits > room ? static_cast<int>(std::floor(100 * room / digits)) : 100;
    }();
    return stretch;
}

// The font and colour of the row numbers: the canvas's own face at 9 points.
CanvasFont RowNumberFont() {
    CanvasFont font;
    font.size = 9;
    font.bold = false;
    font.color = clBlack;
    font.stretch = RowNumberStretch();
    return font;
}

// Where the row number's ink ends on the screen: the number drawn as the
// grid draws it, the right edge of its rightmost pixel.
double ScreenInkRight(const std::string& number) {
    QImage image(4 * kColumnWidths[kRailColumn], 43, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.font = RowNumberFont();
        canvas.TextOut(kRowNumberLeft, kRowNumberTop, number);
    }
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return x + 1;
        }
    }
    return kRowNumberLeft;
}

// Where its ink ends in the font's outlines, which paper shows.
double OutlineInkRight(const std::string& number) {
    QPainterPath path;
    path.addText(kRowNumberLeft, 0, ToQFont(RowNumberFont()), QString::fromStdString(number));
    return path.isEmpty() ? kRowNumberLeft : path.boundingRect().right();
}

}  // namespace

std::string RowNumberText(int gridRow) {
    char number[16];
    std::snprintf(number, sizeof number, "%04d", gridRow + 1);
    return number;
}

double PaperRowNumberShift(const std::string& number) {
    return ScreenInkRight(number) - OutlineInkRight(number);
}

CellMetrics MetricsFor(bool commentsShown) {
    return commentsShown ? CellMetrics{55, 27, 21, 35} : CellMetrics{43, 21, 15, 29};
}

void LadderEditDrawCell(Canvas& canvas, const LadderDrawContext& ctx, int column, int gridRow,
                        int x, int y, bool selected) {
    const CellMetrics m = MetricsFor(ctx.commentsShown);
    const LadderColors& colors = ctx.colors;
    const int row = ctx.rowBase + gridRow;
    CellPainter p(canvas, x, y, m);
    canvas.brush.style = BrushStyle::Clear;
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.width = 2;
    canvas.pen.color = selected ? clWindow : colors.figure;
    canvas.font.size = 9;
    canvas.font.bold = false;

    if (column == kRailColumn) {
        p.Line(kRailX, 0, kRailX, 60);
        const std::string number = RowNumberText(gridRow);
        const double shift = ctx.rowNumberShift ? ctx.rowNumberShift(number) : 0.0;
        QPainter& painter = canvas.Painter();
        const QTransform kept = painter.worldTransform();
        if (shift != 0.0) painter.translate(shift, 0);
        canvas.font.stretch = RowNumberStretch();
        p.Text(kRowNumberLeft, kRowNumberTop, number, clBlack);
        canvas.font.stretch = 100;
        painter.setWorldTransform(kept);
        return;
    }
    if (!IsCell(column, row)) return;
    LadderCells& cells = *ctx.cells;
    if (column == kCommentColumn) {
        cells.Kind(column, row) = CellKind::kRailMarker;
        p.Line(1, 0, 1, 60);
        const TColor color = selected ? clWindow : colors.dollopNote;
        p.Text(5, 8, cells.First(column, row), color);
        p.Text(5, 25, cells.Second(column, row), color);
        return;
    }

    canvas.pen.width = 1;
    CellLiveState live;
    const DeviceCode device = ctx.evaluate ? ctx.evaluate(column, row, live) : kNoDevice;
    const std::uint8_t kind = cells.Kind(column, row);
    const std::uint8_t symbol = Symbol(kind);
    const std::string& text = cells.First(column, row);
    bool commentSuppressed = false;

    // While monitoring, a cell is drawn live once what it shows was read, a
    // wire once the devices of its row were.
    const bool wire = symbol == CellKind::kLine || symbol == CellKind::kInverter;
    const bool monitored = ctx.monitoring && (wire ? WiresLive(ctx, gridRow) : live.read);
    if (monitored) {
        const bool stateful =
            symbol == CellKind::kOpenContact || symbol == CellKind::kClosedContact ||
            symbol == CellKind::kRisingEdge || symbol == CellKind::kFallingEdge ||
            symbol == CellKind::kStepContact || symbol == CellKind::kCoil ||
            symbol == CellKind::kFunctionBox || symbol == CellKind::kCompareContact;
        if ((live.energised && stateful) || wire) {
            canvas.pen.width = 3;
            canvas.pen.color = colors.stakeout;
        }
        const TColor liveColor = selected ? kSelectedLiveValue : colors.value;
        if (symbol == CellKind::kCoil && !live.line1.empty()) {
            p.Text(15, m.top - 2, live.line1, liveColor);
        } else if (symbol == CellKind::kFunctionBox) {
            p.Text(42, m.top - 12, live.line1, liveColor);
            if (!live.line2.empty()) {
                p.Text(42, 35, live.line2, liveColor);
                commentSuppressed = true;
            }
        } else if (symbol == CellKind::kCompareContact) {
            p.Text(10, 0, live.line1, liveColor);
            p.Text(10, 44, live.line2, liveColor);
        }
    }

    DrawSymbol(canvas, p, symbol, m);

    // The vertical link on the left edge takes the pen of the symbol.
    const bool down = HasLinkDown(kind), up = HasLinkUp(kind);
    if (down && up) {
        p.Line(0, 0, 0, 2 * m.mid + 1);
    } else if (down) {
        p.Line(0, m.mid, 0, 60);
    } else if (up) {
        p.Line(0, 0, 0, m.mid);
    }

    const TColor textColor = selected ? clWindow : colors.instruction;
    const TColor penColor = canvas.pen.color;
    const int shift = ctx.commentsShown ? 6 : 0;  // texts sit lower with comments on
    if (ctx.commentsShown && symbol != CellKind::kCompareContact && device != kNoDevice &&
        !commentSuppressed && ctx.comment) {
        p.Text(5, 38, ctx.comment(device), selected ? clWindow : colors.note);
    }
    if (symbol == CellKind::kFunctionBox) {
        p.Text(18, 15 + shift, text, textColor);
    } else if (symbol == CellKind::kCompareContact) {
        std::string sign, a, b;
        SplitCompare(text, sign, a, b);
        const int d = ctx.commentsShown && monitored ? 4 : 0;
        p.Text(20, 15 + shift, sign, penColor);
        p.Text(15, ctx.commentsShown ? 6 + d : 2, a, textColor);
        p.Text(15, ctx.commentsShown ? 38 - d : 28, b, textColor);
    } else if (symbol == CellKind::kStepContact) {
        p.Text(20, 15 + shift, "STL", penColor);
        const std::size_t blank = text.find(' ');
        p.Text(17, 2 + (ctx.commentsShown ? 4 : 0),
               blank == std::string::npos ? std::string() : text.substr(blank + 1), textColor);
    } else {
        p.Text(18, ctx.commentsShown ? 6 : 2, text, textColor);
    }
}

}  // namespace vx
