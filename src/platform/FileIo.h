// Whole-file reads and writes.
//
// Every file the tool writes (settings, projects, comments, the clipboard
// file, the registry store) is written whole: to a temporary file beside the
// target first, then renamed over it. A failed write therefore never destroys
// the old file, and another instance never reads half a file.
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

bool FileExists(const std::string& path);

}  // namespace vx
