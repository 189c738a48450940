// Whole-file reads and writes.
//
// Every file the tool writes (settings, projects, comments, the clipboard
// file, the registry store, a program copied into an update package) is
// written whole: to a temporary file beside the target first, then renamed
// over it (see TemporaryFile). A failed write therefore never destroys the
// old file, another instance never reads half a file, and what a killed
// write left is removed by the next write of the same file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vx {

struct IoResult {
    bool ok = true;
    std::string error;  // what went wrong, for the message shown to the user
    explicit operator bool() const { return ok; }
    static IoResult Failure(std::string what) { return {false, std::move(what)}; }
};

// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file with the given bytes, atomically.
IoResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Replaces the file `to` with a copy of `from`, its permissions too,
// atomically.
IoResult CopyFileAtomically(const std::string& from, const std::string& to);

bool FileExists(const std::string& path);

}  // namespace vx
