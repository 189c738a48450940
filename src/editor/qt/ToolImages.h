// The pictures of the main window's tool buttons, menu items and project
// tree: one image list of icons drawn as vector pictures (ToolPictures), so
// they are sharp at every size and screen scale (the monitoring button shows
// image 35 when off and 36 when on), and the 34 x 24 element glyphs of the
// function tool bar.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

class QObject;

namespace vx {

class TImageList;

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
    // Menu items without a tool button.
    kImageSaveAs = 20,
    kImageRowDelete = 21,
    kImageRowInsert = 22,
    kImageColumnDelete = 23,
    kImageColumnInsert = 24,
    kImageForceOn = 25,
    kImageCBlock = 26,  // tree: "function1"; "编写函数(&W)"
    kImageForceOff = 27,
    kImageSystemNode = 28,  // tree: "系统设置"
    kImageSetValue = 29,
    kImageBottom = 30,
    kImageGoToRow = 31,
    kImageBlockComment = 32,
    kImageHelp = 33,
    kImageAbout = 34,
    kImageMonitorOff = 35,
    kImageMonitorOn = 36,
    kImageMemoryNode = 37,  // tree: "软元件内存"
    kImageHomePage = 38,
    kImageLibrary = 39,
    kImageMain = 40,  // tree: "Main", 41 selected
    kImageMainSelected = 41,
    kImageSubroutines = 42,  // tree: "子程序"
    kImageComment = 43,      // tree: "软元件注释"
    kImageUsageNode = 44,    // tree: "元件使用情况"
    kImagePrinterSetup = 45,
    kImageProgram = 46,     // tree: "主程序"
    kImageSubroutine = 47,  // tree: a subroutine, 48 selected
    kImageSubroutineSelected = 48,
    kImageProject = 49,  // tree: "工程"
    kImageExamples = 50,
    kImageExit = 51,
    kImageTextEditor = 52,
    kImageClock = 53,
    kImagePlcInfo = 54,
    kImageNumberConverter = 55,
    kImagePid = 56,
    kImageSpecialRegisters = 57,
    kImageHighSpeedTest = 58,
    kImageCanModules = 59,
    kImageOutputCheck = 60,
    kImageUpdatePackage = 61,
    kImageFirmwareUpdate = 62,
    kImageSaveBackup = 63,
    kImageLadderColors = 64,
    kImageRepeatedOutput = 65,  // the duplicate-output list: a device's second place
    kImageCIntro = 67,
    kImageReservedWords = 68,
    kImagePlug = 72,  // tree: "Plug"; "特殊插件(&E)"
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

// The image list shared by the tool bars, the menus and the project tree;
// an index without a picture holds a null icon.
QList<QIcon> ToolImages();

// The same pictures as an image list of 16 x 16 pictures (the tool bars'),
// owned by `parent`.
TImageList* NewToolImageList(QObject* parent);

// The icon of one picture; a tree node shows `selectedIndex` instead while
// it is selected (-1: the same picture). Null for an index without a picture.
QIcon ToolImageIcon(int index, int selectedIndex = -1);

// One picture at `size` device pixels (a square), as the icon gives it in
// the normal or disabled look; null for an index without a picture.
QPixmap ToolImagePixmap(int index, int size, bool disabled = false);

// The glyph of an element tool button, on white, its transparent colour.
QPixmap ElementGlyph(int glyph);

}  // namespace vx
