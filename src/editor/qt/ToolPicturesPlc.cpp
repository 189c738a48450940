// The pictures of the controller commands: compile, download, monitoring,
// forcing, parameters, the utility windows, the options and the C language.
#include "editor/qt/ToolImages.h"
#include "editor/qt/ToolPictureSets.h"

namespace vx::pictures {
namespace {

void Compile(ToolSketch& k) {
    k.Line(Points({{2.2, 13.8}, {9.0, 7.0}}, false), kBrown, 2.4, Qt::RoundCap);
    k.Slant(Points({{14.6, 7.1}, {12.1, 9.6}, {6.4, 3.9}, {8.9, 1.4}}), kGrey, kGreyDark);
    k.Slant(Points({{9.6, 5.2}, {10.8, 6.4}, {9.4, 7.8}, {8.2, 6.6}}), kGreyDark, kNone);
}

void Download(ToolSketch& k) {
    Controller(k, 8);
    Arrow(k, 8, 0, 8, 8, 2, 4, kBlue);
}

void Eye(ToolSketch& k, bool on) {
    QPainterPath eye;
    eye.moveTo(0.8, 8);
    eye.cubicTo(4, 2.6, 12, 2.6, 15.2, 8);
    eye.cubicTo(12, 13.4, 4, 13.4, 0.8, 8);
    k.Slant(eye, on ? kGreenLight : kPaper, on ? kGreenDark : kGreyDark);
    Badge(k, 8, 8, 3.2, on ? kGreen : kGrey, on ? kGreenDark : kGreyDark);
    Badge(k, 8, 8, 1.4, kInk, kNone);
    k.Fill(8, 6, 1, 1, kPaper);
}

void MonitorOff(ToolSketch& k) {
    Eye(k, false);
}

void MonitorOn(ToolSketch& k) {
    Eye(k, true);
}

void Memory(ToolSketch& k) {
    Chip(k, 3, 1, 12, 14);
    const bool lit[3][2] = {{true, false}, {false, true}, {true, true}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            k.Fill(5 + 4 * col, 3 + 4 * row, 2, 2, lit[row][col] ? kGreen : kGrey);
        }
    }
}

void Comm(ToolSketch& k) {
    k.Shape(Poly({{1, 2}, {13, 2}, {11, 9}, {3, 9}}), kGreyLight, kGreyDark);
    for (int x = 3; x <= 11; x += 2)
        k.Fill(x, 4, 1, 1, kInk);
    for (int x = 4; x <= 10; x += 2)
        k.Fill(x, 6, 1, 1, kInk);
    k.Fill(6, 10, 3, 2, kGreyDark);
    k.Fill(7, 12, 1, 4, kInk);
}

void System(ToolSketch& k) {
    Gear(k, 8, 8, 7.4, 5.5, 8, 2.3, kGrey, kGreyDark);
}

void Switch(ToolSketch& k, bool on) {
    k.Slant(RoundRect(1, 4, 14, 11, 3.5), on ? kGreen : kGreyLight, on ? kGreenDark : kGreyDark);
    if (on) {
        k.Fill(4, 6, 1, 4, kPaper);
    } else {
        k.Line(Ellipse(11.0, 8, 1.5, 1.5), kGreyDark, 1);
    }
    Badge(k, on ? 11.0 : 5.0, 8, 2.8, kPaper, on ? kGreenDark : kGreyDark);
}

void ForceOn(ToolSketch& k) {
    Switch(k, true);
}

void ForceOff(ToolSketch& k) {
    Switch(k, false);
}

void SetValue(ToolSketch& k) {
    k.Frame(0, 3, 16, 10, kPaper, kGreyDark);
    k.Fill(3, 5, 1, 6, kInk);
    k.Line(Ellipse(7.5, 8, 1.6, 2.5), kInk, 1);
    k.Fill(11, 5, 1, 6, kBlue);
    k.Fill(10, 4, 3, 1, kBlue);
    k.Fill(10, 11, 3, 1, kBlue);
}

void Library(ToolSketch& k) {
    k.Shape(Poly({{1, 3}, {4, 3}, {4, 14}, {1, 14}}), kPurple, kPurpleDark);
    k.Fill(2, 5, 2, 1, kPurpleLight);
    k.Fill(2, 11, 2, 1, kPurpleLight);
    k.Shape(Poly({{5, 1}, {8, 1}, {8, 14}, {5, 14}}), kBlue, kBlueDark);
    k.Fill(6, 3, 2, 1, kBlueLight);
    k.Fill(6, 11, 2, 1, kBlueLight);
    k.Slant(Points({{9.6, 3.6}, {12.2, 2.9}, {14.9, 13.6}, {12.3, 14.3}}), kGreen, kGreenDark);
}

void TextEditor(ToolSketch& k) {
    Page(k, 1, 1, 12, 14);
    TextLines(k, 3, 8, 4, 4);
    Pencil(k, 6.5, 15.2, 10.0, true);
}

void CIntro(ToolSketch& k) {
    k.Slant(Points({{0.5, 4.0},
                    {7.5, 5.0},
                    {8.5, 5.0},
                    {15.5, 4.0},
                    {15.5, 14.0},
                    {8.5, 15.0},
                    {7.5, 15.0},
                    {0.5, 14.0}}),
            kPurple, kPurpleDark);
    k.Shape(Poly({{1, 2}, {7, 3}, {7, 13}, {1, 12}}), kPaper, kPaperEdge);
    k.Shape(Poly({{8, 3}, {14, 2}, {14, 12}, {8, 13}}), kPaper, kPaperEdge);
    for (int y = 5; y <= 9; y += 2) {
        k.Fill(3, y, 3, 1, kPurple);
        k.Fill(10, y, 3, 1, kTextLine);
    }
}

void ReservedWords(ToolSketch& k) {
    Page(k, 1, 1, 14, 14);
    k.Line(Poly({{6, 4}, {5, 4}, {5, 7}, {4, 8}, {5, 9}, {5, 12}, {6, 12}}, false), kPurple, 1);
    k.Line(Poly({{9, 4}, {10, 4}, {10, 7}, {11, 8}, {10, 9}, {10, 12}, {9, 12}}, false), kPurple,
           1);
}

void Clock(ToolSketch& k) {
    Badge(k, 7.5, 7.5, 7, kPaper, kInk);
    k.Fill(7, 2, 1, 1, kGreyDark);
    k.Fill(7, 13, 1, 1, kGreyDark);
    k.Fill(2, 7, 1, 1, kGreyDark);
    k.Fill(13, 7, 1, 1, kGreyDark);
    k.Line(7.5, 3.5, 7.5, 7.5, kInk);
    k.Line(7.5, 7.5, 10.5, 7.5, kInk);
    k.Line(7.5, 7.5, 5.5, 10.5, kRed, 1, Qt::FlatCap);
}

void PlcInfo(ToolSketch& k) {
    Controller(k, 2);
    Badge(k, 11.5, 11.5, 4, kBlue, kBlueDark, true);
    k.Fill(11, 9, 1, 1, kPaper);
    k.Fill(11, 11, 1, 3, kPaper);
}

void NumberConverter(ToolSketch& k) {
    // "01" over "10" with arrows both ways: the same value in two codes.
    k.Line(Ellipse(2.5, 3.5, 1.5, 2.5), kInk, 1);
    k.Fill(6, 1, 1, 6, kInk);
    k.Fill(9, 9, 1, 6, kInk);
    k.Line(Ellipse(13.5, 12.5, 1.5, 2.5), kInk, 1);
    Arrow(k, 8, 3.5, 15, 3.5, 1, 2.5, kBlue);
    Arrow(k, 8, 12.5, 1, 12.5, 1, 2.5, kGreen);
}

void Pid(ToolSketch& k) {
    k.Fill(1, 1, 1, 14, kGreyDark);
    k.Fill(1, 14, 15, 1, kGreyDark);
    for (int x = 3; x <= 13; x += 4)
        k.Fill(x, 5, 2, 1, kRed);
    QPainterPath response;
    response.moveTo(2.5, 13);
    response.cubicTo(5.5, 13, 5.5, 2.5, 8.5, 3.5);
    response.cubicTo(10.5, 4.3, 11.5, 6.2, 15, 5.5);
    k.Line(response, kBlue, 1.5, Qt::RoundCap);
}

void SpecialRegisters(ToolSketch& k) {
    Chip(k, 3, 1, 11, 11);
    k.Fill(5, 3, 2, 2, kGreen);
    k.Fill(8, 3, 2, 2, kGrey);
    Magnifier(k, 10.0, 10.0, 3.0, 2.6);
}

void HighSpeedTest(ToolSketch& k) {
    k.Shape(RoundRect(1, 2, 14, 13, 1.5), kScreen, kInk);
    k.Line(Poly({{2, 10}, {4, 10}, {4, 5}, {7, 5}, {7, 10}, {10, 10}, {10, 5}, {13, 5}, {13, 10}},
                false),
           QColor(0x62, 0xE0, 0x80), 1);
}

void CanModules(ToolSketch& k) {
    k.Frame(0, 1, 6, 6, kGreyLight, kGreyDark);
    k.Frame(10, 1, 6, 6, kGreyLight, kGreyDark);
    k.Fill(2, 3, 2, 1, kGreen);
    k.Fill(12, 3, 2, 1, kGreen);
    k.Fill(2, 7, 2, 4, kGreyDark);
    k.Fill(12, 7, 2, 4, kGreyDark);
    k.Fill(0, 11, 16, 1, kBlueDark);
    k.Fill(0, 13, 16, 1, kBlue);
}

// A coil "( )" on a rung at row y.
void Coil(ToolSketch& k, int y, const QColor& color) {
    k.Fill(0, y, 4, 1, color);
    k.Fill(12, y, 4, 1, color);
    QPainterPath left, right;
    left.moveTo(6.0, y - 2.3);
    left.quadTo(3.6, y + 0.5, 6.0, y + 3.3);
    right.moveTo(10.0, y - 2.3);
    right.quadTo(12.4, y + 0.5, 10.0, y + 3.3);
    k.Line(left, color, 1.3, Qt::FlatCap);
    k.Line(right, color, 1.3, Qt::FlatCap);
}

void OutputCheck(ToolSketch& k) {
    Coil(k, 3, kInk);
    Coil(k, 11, kRed);
    k.Fill(7, 1, 2, 5, kInk);
    k.Fill(7, 9, 2, 5, kRed);
}

// An output coil used a second time, marked.
void RepeatedOutput(ToolSketch& k) {
    k.Fill(7, 1, 2, 4, kRed);
    k.Fill(7, 6, 2, 2, kRed);
    Coil(k, 11, kRed);
}

void UpdatePackage(ToolSketch& k) {
    k.Shape(Poly({{1, 6}, {14, 6}, {14, 14}, {1, 14}}), QColor(0xD8, 0xA8, 0x6C), kBrownDark);
    k.Shape(Poly({{1, 6}, {3, 3}, {5, 3}, {4, 6}}), QColor(0xE8, 0xC2, 0x8E), kBrownDark);
    k.Shape(Poly({{14, 6}, {12, 3}, {10, 3}, {11, 6}}), QColor(0xE8, 0xC2, 0x8E), kBrownDark);
    Arrow(k, 8, 12, 8, 0, 2, 4, kGreen, true);
}

void FirmwareUpdate(ToolSketch& k) {
    Chip(k, 3, 1, 12, 14);
    Arrow(k, 8, 12, 8, 3, 2, 4, QColor(0x62, 0xE0, 0x80));
}

void SaveBackup(ToolSketch& k) {
    Floppy(k, 0, 0, 11);
    k.Clear(Points({{4, 4}, {16, 4}, {16, 16}, {4, 16}}), 0.0);
    Floppy(k, 5, 5, 11);
}

constexpr PictureDrawing kPlcPictures[] = {
    {kImageCompile, Compile},
    {kImageDownload, Download},
    {kImageMonitorOff, MonitorOff},
    {kImageMonitorOn, MonitorOn},
    {kImageMemory, Memory},
    {kImageMemoryNode, Memory},
    {kImageComm, Comm},
    {kImageSystem, System},
    {kImageSystemNode, System},
    {kImageForceOn, ForceOn},
    {kImageForceOff, ForceOff},
    {kImageSetValue, SetValue},
    {kImageLibrary, Library},
    {kImageTextEditor, TextEditor},
    {kImageCIntro, CIntro},
    {kImageReservedWords, ReservedWords},
    {kImageClock, Clock},
    {kImagePlcInfo, PlcInfo},
    {kImageNumberConverter, NumberConverter},
    {kImagePid, Pid},
    {kImageSpecialRegisters, SpecialRegisters},
    {kImageHighSpeedTest, HighSpeedTest},
    {kImageCanModules, CanModules},
    {kImageOutputCheck, OutputCheck},
    {kImageRepeatedOutput, RepeatedOutput},
    {kImageUpdatePackage, UpdatePackage},
    {kImageFirmwareUpdate, FirmwareUpdate},
    {kImageSaveBackup, SaveBackup},
};

}  // namespace

std::span<const PictureDrawing> PlcPictures() {
    return kPlcPictures;
}

}  // namespace vx::pictures
