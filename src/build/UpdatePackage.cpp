#include "build/UpdatePackage.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/FileIo.h"
#include "platform/SystemFolders.h"

namespace vx {

namespace fs = std::filesystem;

PackageResult MakeUpdatePackage(const PackageRequest& request,
                                const std::function<bool()>& replaceImage) {
    PackageResult result;
    auto fail = [&result](PackageOutcome outcome, std::string detail) {
        result.outcome = outcome;
        result.detail = std::move(detail);
        return result;
    };
    // Read first: nothing is made for an image that is not there.
    const std::optional<std::string> image = ReadWholeFile(request.targetFile);
    if (!image) return fail(PackageOutcome::NoImage, request.targetFile);

    if (!MakeFolders(request.folder)) return fail(PackageOutcome::FolderFailed, request.folder);

    std::error_code ec;
    const std::string updater = JoinPath(request.folder, kPackageUpdater);
    if (fs::exists(updater, ec)) {
        result.updaterKept = true;
    } else {
        const std::string source = JoinPath(request.programFolder, kUpdaterProgram);
        if (!fs::is_regular_file(source, ec)) return fail(PackageOutcome::NoUpdater, source);
        // Copied whole with its permissions: a killed copy leaves no torn
        // program, and the next copy removes what it left.
        if (IoResult copy = CopyFileAtomically(source, updater); !copy) {
            return fail(PackageOutcome::UpdaterFailed, copy.error);
        }
    }

    const std::string packageImage = JoinPath(request.folder, kPackageImage);
    if (fs::exists(packageImage, ec)) {
        if (!replaceImage || !replaceImage()) return fail(PackageOutcome::ImageKept, packageImage);
        result.imageReplaced = true;
    }
    if (IoResult written = WriteFileAtomically(packageImage, *image); !written) {
        return fail(PackageOutcome::ImageFailed, written.error);
    }
    return result;
}

}  // namespace vx
