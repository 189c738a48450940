// The pictures of the file, edit, find, view and help commands, of the
// personal settings and of the project tree.
#include "editor/qt/ToolImages.h"
#include "editor/qt/ToolPictureSets.h"

namespace vx::pictures {
namespace {

// Mirrors a picture's x coordinates (the redo arrow is the undo arrow turned).
qreal Flip(qreal x) {
    return 16 - x;
}

void New(ToolSketch& k) {
    Page(k, 2, 1, 12, 14);
    TextLines(k, 4, 8, 5, 3);
    Plus(k, 9, 9, 7, 3, kGreen, true);
}

void Open(ToolSketch& k) {
    Folder(k, true);
    k.Frame(3, 4, 9, 5, kPaper, kPaperEdge);
    k.Shape(Poly({{4, 7}, {14, 7}, {12, 13}, {1, 13}}), kAmber, kAmberDark);
}

void Save(ToolSketch& k) {
    Floppy(k, 1, 1, 14);
}

void SaveAs(ToolSketch& k) {
    Floppy(k, 0, 0, 13);
    Pencil(k, 6.5, 15.2, 10.0, true);
}

// A printer over the columns left..left+width-1 from row `top` down to the
// end of its paper at row `bottom`.
void Printer(ToolSketch& k, int left, int top, int width, int bottom) {
    const int right = left + width - 1;
    k.Frame(left + 3, top, width - 6, 5, kPaper, kPaperEdge);
    k.Shape(RoundRect(left, top + 4, right, top + 10, 1.5), kGreyLight, kGreyDark);
    k.Fill(right - 3, top + 6, 2, 1, kGreen);
    k.Frame(left + 3, top + 8, width - 6, bottom - top - 7, kPaper, kPaperEdge);
    TextLines(k, left + 5, right - 5, top + 10, (bottom - top - 9) / 2);
}

void Print(ToolSketch& k) {
    Printer(k, 1, 1, 14, 14);
}

void PrinterSetup(ToolSketch& k) {
    Printer(k, 0, 0, 13, 12);
    k.Clear(Ellipse(11.6, 11.6, 4.0, 4.0), 0.6);
    Gear(k, 11.6, 11.6, 3.6, 2.6, 7, 1.1, kGrey, kGreyDark);
}

void Examples(ToolSketch& k) {
    Folder(k);
    k.Clear(Points({{7, 6}, {16, 6}, {16, 16}, {7, 16}}), 0.0);
    Page(k, 8, 6, 15, 15, 2);
    LadderSign(k, 9, 9, 13, 14, kBlue);
}

void Exit(ToolSketch& k) {
    k.Shape(Poly({{2, 1}, {10, 1}, {10, 14}, {2, 14}}), kBrown, kBrownDark);
    k.Fill(3, 2, 7, 12, QColor(0xC9, 0x92, 0x55));
    k.Fill(8, 8, 1, 1, kBrownDark);
    Arrow(k, 6, 8, 15.5, 8, 2, 4, kRed, true);
}

void Cut(ToolSketch& k) {
    k.Line(Points({{4.6, 1.0}, {10.2, 10.2}}, false), kInk, 1.8, Qt::RoundCap);
    k.Line(Points({{11.4, 1.0}, {5.8, 10.2}}, false), kInk, 1.8, Qt::RoundCap);
    k.Line(Ellipse(4.3, 12.4, 2.3, 2.3), kRed, 1.6);
    k.Line(Ellipse(11.7, 12.4, 2.3, 2.3), kRed, 1.6);
    k.Fill(7.5, 6.5, 1, 1, kGrey);
}

void Copy(ToolSketch& k) {
    Page(k, 1, 1, 9, 11, 2);
    TextLines(k, 3, 6, 4, 2);
    Page(k, 5, 4, 14, 14, 3);
    TextLines(k, 7, 11, 8, 3);
}

void Paste(ToolSketch& k) {
    k.Shape(RoundRect(1, 2, 13, 14, 1.5), kBrown, kBrownDark);
    k.Frame(3, 4, 9, 9, kPaper, kPaperEdge);
    k.Shape(RoundRect(4, 1, 10, 4, 1), kGreyLight, kGreyDark);
    TextLines(k, 5, 9, 7, 3);
}

void TurnArrow(ToolSketch& k, bool redo) {
    auto x = [redo](qreal v) { return redo ? Flip(v) : v; };
    QPainterPath shaft;
    shaft.moveTo(x(13), 14);
    shaft.cubicTo(x(13), 8, x(11), 6, x(6.5), 6);
    k.Line(shaft, kBlue, 2.4, Qt::FlatCap);
    k.Slant(Points({{x(1), 6}, {x(7), 1}, {x(7), 11}}), kBlue, kNone);
}

void Undo(ToolSketch& k) {
    TurnArrow(k, false);
}

void Redo(ToolSketch& k) {
    TurnArrow(k, true);
}

// The rows or columns of a grid with the middle one marked: red for delete,
// green for insert.
void GridLine(ToolSketch& k, bool columns, bool insert) {
    const QColor fill = insert ? kGreenLight : kRedLight;
    const QColor edge = insert ? kGreen : kRed;
    auto frame = [&](int a, int b, int c, int d, const QColor& f, const QColor& e) {
        if (columns) {
            k.Frame(b, a, d, c, f, e);
        } else {
            k.Frame(a, b, c, d, f, e);
        }
    };
    frame(1, 0, 13, 4, kPaper, kPaperEdge);
    frame(1, 11, 13, 4, kPaper, kPaperEdge);
    frame(0, 4, 15, 7, fill, edge);
    if (insert) {
        Plus(k, 5, 5, 5, 1, kGreenDark);
    } else {
        Minus(k, 5, 5, 5, 1, kRedDark);
    }
}

void RowDelete(ToolSketch& k) {
    GridLine(k, false, false);
}
void RowInsert(ToolSketch& k) {
    GridLine(k, false, true);
}
void ColumnDelete(ToolSketch& k) {
    GridLine(k, true, false);
}
void ColumnInsert(ToolSketch& k) {
    GridLine(k, true, true);
}

void Find(ToolSketch& k) {
    Magnifier(k, 6.5, 6.5, 4.7, 4.3);
}

void Top(ToolSketch& k) {
    k.Fill(2, 1, 12, 2, kInk);
    Arrow(k, 8, 15, 8, 4, 2, 5, kBlue);
}

void Bottom(ToolSketch& k) {
    k.Fill(2, 13, 12, 2, kInk);
    Arrow(k, 8, 1, 8, 12, 2, 5, kBlue);
}

void GoToRow(ToolSketch& k) {
    k.Frame(8, 0, 8, 4, kPaper, kPaperEdge);
    k.Frame(8, 6, 8, 4, kBlueLight, kBlue);
    k.Frame(8, 12, 8, 4, kPaper, kPaperEdge);
    Arrow(k, 0, 8, 7.5, 8, 2, 3.5, kBlue);
}

void Comments(ToolSketch& k) {
    QPainterPath bubble = RoundRect(1, 2, 14, 11, 2.5);
    bubble = bubble.united(Poly({{4, 10}, {4, 14}, {8, 10}}));
    k.Slant(bubble, kYellow, kYellowDark);
    TextLines(k, 4, 11, 5, 2, 3, kYellowDark);
}

void BlockComment(ToolSketch& k) {
    k.Shape(Poly({{1, 1}, {14, 1}, {14, 10}, {10, 14}, {1, 14}}), kYellow, kYellowDark);
    k.Shape(Poly({{10, 14}, {10, 10}, {14, 10}}), QColor(0xE6, 0xC2, 0x47), kYellowDark);
    TextLines(k, 3, 11, 4, 3, 2, kYellowDark);
}

void DeviceComment(ToolSketch& k) {
    k.Shape(Poly({{1, 3}, {10, 3}, {14, 7.5}, {10, 12}, {1, 12}}), kYellow, kYellowDark);
    Badge(k, 10.5, 8, 1.2, kPaper, kYellowDark);
    k.Fill(3, 6, 5, 1, kYellowDark);
    k.Fill(3, 9, 4, 1, kYellowDark);
}

void Help(ToolSketch& k) {
    Badge(k, 8, 8, 7, kBlue, kBlueDark);
    QPainterPath mark;
    mark.moveTo(5.4, 6.2);
    mark.cubicTo(5.4, 3.4, 10.6, 3.4, 10.6, 6.0);
    mark.cubicTo(10.6, 8.0, 8.0, 8.0, 8.0, 10.2);
    k.Line(mark, kPaper, 2, Qt::FlatCap);
    k.Fill(7, 11, 2, 2, kPaper);
}

void About(ToolSketch& k) {
    Badge(k, 8, 8, 7, kBlue, kBlueDark);
    k.Fill(7, 3, 2, 2, kPaper);
    k.Fill(7, 6, 2, 7, kPaper);
}

void HomePage(ToolSketch& k) {
    Badge(k, 8, 8, 7, kBlueLight, kBlueDark);
    k.Line(Ellipse(8, 8, 3, 7), kBlueDark, 1);
    k.Line(1, 7.5, 15, 7.5, kBlueDark, 1);
    QPainterPath north, south;
    north.moveTo(2.6, 4.5);
    north.quadTo(8, 5.9, 13.4, 4.5);
    south.moveTo(2.6, 11.5);
    south.quadTo(8, 10.1, 13.4, 11.5);
    k.Line(north, kBlueDark, 1, Qt::FlatCap);
    k.Line(south, kBlueDark, 1, Qt::FlatCap);
}

void LadderColors(ToolSketch& k) {
    QPainterPath palette;
    palette.moveTo(8, 1.5);
    palette.cubicTo(12.5, 1.5, 15, 4.5, 15, 8);
    palette.cubicTo(15, 11, 13, 11.5, 11, 11.5);
    palette.cubicTo(9, 11.5, 9.5, 14.8, 7, 14.8);
    palette.cubicTo(3.2, 14.8, 1.2, 12, 1.2, 8);
    palette.cubicTo(1.2, 4, 3.7, 1.5, 8, 1.5);
    k.Slant(palette, QColor(0xF1, 0xD7, 0xA8), kBrownDark);
    Badge(k, 4.5, 7.5, 1.7, kRed, kNone);
    Badge(k, 7.5, 4.3, 1.7, kBlue, kNone);
    Badge(k, 11.5, 5.0, 1.7, kGreen, kNone);
    Badge(k, 5.0, 11.5, 1.7, kYellowDark, kNone);
}

void Usage(ToolSketch& k) {
    k.Frame(1, 2, 14, 12, kPaper, kGreyDark);
    k.Fill(2, 3, 12, 2, kBlue);
    k.Fill(5, 5, 1, 8, kGreyLight);
    k.Fill(2, 8, 12, 1, kGreyLight);
    k.Fill(2, 11, 12, 1, kGreyLight);
    k.Fill(3, 6, 1, 1, kGreen);
    k.Fill(3, 9, 1, 1, kGreen);
    k.Fill(7, 6, 5, 1, kTextLine);
    k.Fill(7, 9, 4, 1, kTextLine);
    k.Fill(7, 12, 5, 1, kTextLine);
}

void LadderPage(ToolSketch& k, const QColor& sign, const QColor& paper) {
    Page(k, 2, 1, 13, 14, 3, paper);
    LadderSign(k, 4, 5, 11, 12, sign);
}

void Main(ToolSketch& k) {
    LadderPage(k, kBlue, kPaper);
}
void MainSelected(ToolSketch& k) {
    LadderPage(k, kBlueDark, kBlueLight);
}
void Subroutine(ToolSketch& k) {
    LadderPage(k, kGreen, kPaper);
}
void SubroutineSelected(ToolSketch& k) {
    LadderPage(k, kGreenDark, kGreenLight);
}

void Program(ToolSketch& k) {
    Folder(k);
    LadderSign(k, 4, 7, 11, 12, kBlueDark);
}

void Subroutines(ToolSketch& k) {
    Folder(k);
    LadderSign(k, 4, 7, 11, 12, kGreenDark);
}

void Project(ToolSketch& k) {
    Controller(k, 3);
}

void CBlock(ToolSketch& k) {
    Page(k, 2, 1, 13, 14);
    QPainterPath c;
    const QRectF ring(4.6, 5.2, 6.4, 7.0);
    c.arcMoveTo(ring, 55);
    c.arcTo(ring, 55, 250);
    k.Line(c, kPurple, 2, Qt::FlatCap);
}

void Plug(ToolSketch& k) {
    QPainterPath piece = Points({{1.5, 4.5}, {11.5, 4.5}, {11.5, 14.5}, {1.5, 14.5}});
    piece = piece.united(Ellipse(6.5, 3.0, 2.2, 2.2));
    piece = piece.united(Ellipse(13.0, 9.5, 2.2, 2.2));
    k.Slant(piece, kGreen, kGreenDark);
}

void StayOnTop(ToolSketch& k) {
    k.Fill(7, 9, 1, 6, kGreyDark);
    k.Shape(Poly({{5, 1},
                  {9, 1},
                  {9, 2},
                  {8, 3},
                  {8, 6},
                  {10, 8},
                  {10, 9},
                  {4, 9},
                  {4, 8},
                  {6, 6},
                  {6, 3},
                  {5, 2}}),
            kRed, kRedDark);
}

void Calculator(ToolSketch& k) {
    k.Shape(RoundRect(2, 1, 13, 14, 1.5), QColor(0x5F, 0x6C, 0x79), kInk);
    k.Fill(4, 3, 8, 2, kGreenLight);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool equals = row == 2 && col == 2;
            k.Fill(4 + 3 * col, 6 + 3 * row, 2, 2, equals ? kAmber : kPaper);
        }
    }
}

constexpr PictureDrawing kFilePictures[] = {
    {kImageNew, New},
    {kImageOpen, Open},
    {kImageSave, Save},
    {kImageSaveAs, SaveAs},
    {kImagePrint, Print},
    {kImagePrinterSetup, PrinterSetup},
    {kImageExamples, Examples},
    {kImageExit, Exit},
    {kImageCut, Cut},
    {kImageCopy, Copy},
    {kImagePaste, Paste},
    {kImageUndo, Undo},
    {kImageRedo, Redo},
    {kImageRowDelete, RowDelete},
    {kImageRowInsert, RowInsert},
    {kImageColumnDelete, ColumnDelete},
    {kImageColumnInsert, ColumnInsert},
    {kImageFind, Find},
    {kImageTop, Top},
    {kImageBottom, Bottom},
    {kImageGoToRow, GoToRow},
    {kImageComments, Comments},
    {kImageBlockComment, BlockComment},
    {kImageComment, DeviceComment},
    {kImageHelp, Help},
    {kImageAbout, About},
    {kImageHomePage, HomePage},
    {kImageLadderColors, LadderColors},
    {kImageUsage, Usage},
    {kImageUsageNode, Usage},
    {kImageMain, Main},
    {kImageMainSelected, MainSelected},
    {kImageSubroutine, Subroutine},
    {kImageSubroutineSelected, SubroutineSelected},
    {kImageProgram, Program},
    {kImageSubroutines, Subroutines},
    {kImageProject, Project},
    {kImageCBlock, CBlock},
    {kImagePlug, Plug},
    {kImageStayOnTop, StayOnTop},
    {kImageCalculator, Calculator},
};

}  // namespace

std::span<const PictureDrawing> FilePictures() {
    return kFilePictures;
}

}  // namespace vx::pictures
