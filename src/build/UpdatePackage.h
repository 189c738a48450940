// The customer update package (F12): a folder holding the updater, copied
// from the program folder as "Update.exe", and a byte-for-byte copy of the
// compiled image as "Update.Da2". The updater, started from that folder,
// sends "Update.Da2" into the controller.
//
// An updater already in the folder is kept. An image already in the folder
// is replaced only when the caller's question says so. Every file is written
// under a temporary name and renamed into place, so a failed copy leaves no
// half file behind.
#pragma once

#include <functional>
#include <string>

namespace vx {

// The updater program in the program folder (our build names it without the
// Windows extension) and the names it gets in the package.
inline constexpr const char* kUpdaterProgram = "Update";
inline constexpr const char* kPackageUpdater = "Update.exe";
inline constexpr const char* kPackageImage = "Update.Da2";

enum class PackageOutcome {
    Made,           // both files are in the folder
    NoImage,        // the compiled image does not exist
    FolderFailed,   // the folder cannot be made
    NoUpdater,      // the program folder holds no updater
    UpdaterFailed,  // the updater cannot be copied
    ImageKept,      // the folder's image was kept at the user's word
    ImageFailed,    // the image cannot be copied
};

struct PackageResult {
    PackageOutcome outcome = PackageOutcome::Made;
    bool updaterKept = false;    // an updater was already in the folder
    bool imageReplaced = false;  // an image was in the folder and was replaced
    std::string detail;          // the path or the system's reason of a failure
};

struct PackageRequest {
    std::string targetFile;     // the compiled image
    std::string programFolder;  // where the updater lies
    std::string folder;         // the package folder, made when missing
};

// Fills the package folder. replaceImage is asked only when the folder
// already holds an image: true replaces it.
PackageResult MakeUpdatePackage(const PackageRequest& request,
                                const std::function<bool()>& replaceImage);

}  // namespace vx
