#include "editor/qt/ToolImages.h"

#include <QPainter>

#include "platform/qt/Canvas.h"

namespace vx {
namespace {

struct IconLook {
    int index;
    QColor color;
    const char* letter;
};

// Each icon: a rounded tile in its colour with a letter or sign.
constexpr int kTile = 16;

QPixmap Tile(const QColor& color, const QString& letter) {
    QPixmap pixmap(kTile, kTile);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(color.darker(150));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(0.5, 0.5, kTile - 1, kTile - 1), 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(letter.size() > 1 ? 7 : 10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kTile, kTile), Qt::AlignCenter, letter);
    return pixmap;
}

}  // namespace

QList<QIcon> ToolImages() {
    static const IconLook looks[] = {
        {kImageNew, QColor(0x4A, 0x7E, 0xBB), "N"},
        {kImageOpen, QColor(0xD8, 0xA0, 0x30), "O"},
        {kImageSave, QColor(0x3A, 0x6E, 0xA5), "S"},
        {kImagePrint, QColor(0x70, 0x70, 0x70), "P"},
        {kImageCut, QColor(0xB0, 0x40, 0x40), "X"},
        {kImageCopy, QColor(0x50, 0x80, 0x50), "C"},
        {kImagePaste, QColor(0x90, 0x70, 0x40), "V"},
        {kImageUndo, QColor(0x40, 0x60, 0x90), "↶"},
        {kImageRedo, QColor(0x40, 0x60, 0x90), "↷"},
        {kImageFind, QColor(0x60, 0x60, 0xA0), "?"},
        {kImageTop, QColor(0x60, 0x90, 0x60), "↑"},
        {kImageComments, QColor(0xC0, 0x60, 0xC0), "注"},
        {kImageCompile, QColor(0x20, 0x80, 0x80), "C"},
        {kImageDownload, QColor(0x20, 0x60, 0xB0), "↓"},
        {kImageMemory, QColor(0x80, 0x50, 0x90), "M"},
        {kImageComm, QColor(0x50, 0x50, 0x50), "⇄"},
        {kImageSystem, QColor(0x90, 0x60, 0x20), "S"},
        {kImageUsage, QColor(0x30, 0x70, 0x40), "U"},
        {kImageStayOnTop, QColor(0x70, 0x30, 0x30), "T"},
        {kImageCalculator, QColor(0x50, 0x70, 0x30), "="},
        {kImageCBlock, QColor(0x20, 0x50, 0x90), "C"},
        {kImageSystemNode, QColor(0x90, 0x60, 0x20), "S"},
        {kImageMonitorOff, QColor(0x80, 0x80, 0x80), "M"},
        {kImageMonitorOn, QColor(0x10, 0xB0, 0x10), "M"},
        {kImageMemoryNode, QColor(0x80, 0x50, 0x90), "M"},
        {kImageMain, QColor(0x30, 0x70, 0xB0), "主"},
        {kImageMainSelected, QColor(0x10, 0x50, 0x90), "主"},
        {kImageSubroutines, QColor(0xA0, 0x80, 0x30), "子"},
        {kImageComment, QColor(0xC0, 0x60, 0xC0), "注"},
        {kImageUsageNode, QColor(0x30, 0x70, 0x40), "U"},
        {kImageProgram, QColor(0x30, 0x70, 0xB0), "P"},
        {kImageSubroutine, QColor(0xA0, 0x80, 0x30), "S"},
        {kImageSubroutineSelected, QColor(0x80, 0x60, 0x10), "S"},
        {kImageProject, QColor(0x50, 0x50, 0x90), "工"},
        {kImagePlug, QColor(0x60, 0x90, 0x90), "P"},
    };
    QList<QIcon> images(kImageCount);
    for (const IconLook& look : looks) {
        images[look.index] = QIcon(Tile(look.color, QString::fromUtf8(look.letter)));
    }
    return images;
}

QPixmap ElementGlyph(int glyph) {
    // The ladder symbol of the element, as the grid draws it, scaled to the button.
    QPixmap pixmap(34, 24);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    Canvas c(painter);
    c.pen.color = clBlack;
    const int mid = 12, top = 6, bottom = 18;
    auto line = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    auto contact = [&](bool closed) {
        line(2, mid, 13, mid), line(21, mid, 32, mid), line(13, top, 13, bottom + 1);
        line(20, top, 20, bottom + 1);
        if (closed) line(22, top, 11, bottom);
    };
    auto parallel = [&](bool closed) {
        contact(closed);
        line(2, 2, 2, mid), line(32, 2, 32, mid);
    };
    switch (glyph) {
        case kGlyphLD:
            contact(false);
            break;
        case kGlyphLDI:
            contact(true);
            break;
        case kGlyphLDP:
        case kGlyphLDF:
            contact(false);
            line(17, bottom, 17, top - 1);
            if (glyph == kGlyphLDP) {
                line(17, top, 15, top + 4), line(17, top, 19, top + 4);
            } else {
                line(17, bottom, 15, bottom - 4), line(17, bottom, 19, bottom - 4);
            }
            break;
        case kGlyphOR:
            parallel(false);
            break;
        case kGlyphORI:
            parallel(true);
            break;
        case kGlyphOUT:
            line(2, mid, 10, mid), line(24, mid, 32, mid);
            c.font.size = 10;
            c.font.bold = true;
            c.brush.style = BrushStyle::Clear;
            c.TextOut(9, 3, "( )");
            break;
        case kGlyphFUNC:
            line(2, mid, 6, mid), line(28, mid, 32, mid);
            c.brush.style = BrushStyle::Clear;
            c.Rectangle(6, 5, 29, 20);
            break;
        case kGlyphXL:
            line(2, mid, 32, mid);
            break;
        case kGlyphINV:
            line(2, mid, 32, mid), line(22, top, 11, bottom);
            break;
        case kGlyphYL:
            line(17, 2, 17, 22);
            break;
        case kGlyphYLC:
            line(17, 2, 17, 22);
            c.pen.color = clRed;
            line(11, 6, 24, 19), line(23, 6, 10, 19);
            break;
        default:
            break;
    }
    return pixmap;
}

}  // namespace vx
