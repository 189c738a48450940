// The pictures of the main window's tool buttons and project tree, drawn by
// code: one image list of 16 x 16 icons (the monitoring button shows image 35
// when off and 36 when on) and the 34 x 24 element glyphs of the function
// tool bar.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

namespace vx {

enum ToolImage {
    kImageNew = 0,
    kImageOpen = 1,
    kImageSave = 2,
    kImagePrint = 3,
    kImageCut = 4,
    kImageCopy = 5,
    kImagePaste = 6,
    kImageUndo = 7,
    kImageRedo = 8,
    kImageFind = 9,
    kImageTop = 10,
    kImageComments = 11,
    kImageCompile = 12,
    kImageDownload = 13,
    kImageMemory = 14,
    kImageComm = 15,
    kImageSystem = 16,
    kImageUsage = 17,
    kImageStayOnTop = 18,
    kImageCalculator = 19,
    kImageCBlock = 26,      // tree: "function1"
    kImageSystemNode = 28,  // tree: "系统设置"
    kImageMemoryNode = 37,  // tree: "软元件内存"
    kImageMonitorOff = 35,
    kImageMonitorOn = 36,
    kImageMain = 40,  // tree: "Main", 41 selected
    kImageMainSelected = 41,
    kImageSubroutines = 42,  // tree: "子程序"
    kImageComment = 43,      // tree: "软元件注释"
    kImageUsageNode = 44,    // tree: "元件使用情况"
    kImageProgram = 46,      // tree: "主程序"
    kImageSubroutine = 47,   // tree: a subroutine, 48 selected
    kImageSubroutineSelected = 48,
    kImageProject = 49,  // tree: "工程"
    kImagePlug = 72,     // tree: "Plug"
    kImageCount = 80,
};

enum ElementGlyph {
    kGlyphLD,
    kGlyphLDI,
    kGlyphLDP,
    kGlyphLDF,
    kGlyphOR,
    kGlyphORI,
    kGlyphOUT,
    kGlyphFUNC,
    kGlyphXL,
    kGlyphINV,
    kGlyphYL,
    kGlyphYLC,
};

// The image list shared by the tool bars and the project tree.
QList<QIcon> ToolImages();

// The glyph of an element tool button.
QPixmap ElementGlyph(int glyph);

}  // namespace vx
