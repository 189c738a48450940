#include "editor/qt/MenuPictures.h"

#include <QAction>

#include "editor/qt/ToolImages.h"
#include "platform/paint/ImageList.h"

namespace vx {
namespace {

constexpr MenuPicture kMenuPictures[] = {
    // File
    {"FileNewItem", kImageNew},
    {"FileOpenItem", kImageOpen},
    {"FileSaveItem", kImageSave},
    {"FileSaveAsItem", kImageSaveAs},
    {"PrintItem", kImagePrint},
    {"N29", kImagePrinterSetup},
    {"N63", kImageExamples},
    {"FileExitItem", kImageExit},
    // Edit
    {"UndoItem", kImageUndo},
    {"RedoItem", kImageRedo},
    {"P2", kImageBlockComment},
    {"cutX", kImageCut},
    {"copyC", kImageCopy},
    {"affixV", kImagePaste},
    {"N48", kImageRowDelete},
    {"D3", kImageRowInsert},
    {"D4", kImageColumnDelete},
    {"i3", kImageColumnInsert},
    // Find, and find in the grid's pop-up menu
    {"N2", kImageTop},
    {"n33", kImageBottom},
    {"MenuItem3", kImageGoToRow},
    {"GridGoToRowItem", kImageGoToRow},
    {"LookupItem", kImageFind},
    {"MenuItem1", kImageFind},
    // View
    {"N23", kImageUsage},
    {"N24", kImageComment},
    // C language
    {"N38", kImageCBlock},
    {"N39", kImageLibrary},
    {"N40", kImageCIntro},
    {"N41", kImageReservedWords},
    {"N42", kImageTextEditor},
    // PLC
    {"c1", kImageCompile},
    {"N12", kImageDownload},
    {"N13", kImageComm},
    {"N14", kImageClock},
    {"N15", kImagePlcInfo},
    {"N26", kImageNumberConverter},
    {"N27", kImagePid},
    // Monitor / test
    {"NStakeoutON", kImageMonitorOff},
    {"N30", kImageMemory},
    {"N31", kImageSpecialRegisters},
    {"N32", kImageHighSpeedTest},
    {"CanExyItem", kImageCanModules},
    // Options
    {"PLC2", kImageSystem},
    {"N43", kImageOutputCheck},
    {"N44", kImageUpdatePackage},
    {"FirmwareUpdateItem", kImageFirmwareUpdate},
    {"N46", kImageSaveBackup},
    {"N47", kImagePlug},
    // Personal
    {"I5", kImageLadderColors},
    // Help
    {"N60", kImageHelp},
    {"N61", kImageHomePage},
    {"AboutItem", kImageAbout},
    // The monitoring pop-up menu of the grid
    {"MenuItem4", kImageForceOn},
    {"MenuItem6", kImageForceOff},
    {"MenuItem8", kImageSetValue},
    {"N72", kImageMemory},
};

}  // namespace

std::span<const MenuPicture> MenuPictures() {
    return kMenuPictures;
}

void SetMenuPictures(QObject& window, const TImageList& images) {
    for (const MenuPicture& picture : kMenuPictures) {
        auto* item = window.findChild<QAction*>(QString::fromUtf8(picture.item));
        if (item != nullptr && picture.image >= 0 && picture.image < images.Count())
            item->setIcon(images.GetIcon(picture.image));
    }
}

}  // namespace vx
