// The temporary file a file is written to before it takes the file's place.
//
// It lies in the target's own folder, so that the rename that puts it in
// place stays on one file system, and is named after the target: the
// target's name, ".vxtmp-" and six characters ("big.PSP.vxtmp-rMinR8").
// Its writer holds a lock on it from its creation until it is in place or
// removed. A write that is killed on the way leaves its temporary file
// behind; the next write of the same target removes every such leftover
// that no one holds, and keeps one whose lock is held: another instance of
// the tool may be writing the same file at that moment.
//
// The lock is one of the file's open description (fcntl F_OFD_SETLK): the
// system ends it exactly when its writer's descriptor goes, killed or not,
// it is seen by the other processes of the machine and through a shared
// folder, and it holds against another descriptor of the same process too.
// A writer's process number would not do: numbers are reused, and say
// nothing of a writer on another machine or in another process namespace.
// Where a file system takes no locks, nothing is ever taken for a leftover.
#pragma once

#include <string>

namespace vx {

// Whether the file name `name` (without folder) is that of a temporary file
// of the target file named `targetName`.
bool IsTemporaryOf(const std::string& name, const std::string& targetName);

// Removes the temporary files of the target that no writer holds; how many.
int RemoveLeftoverTemporaries(const std::string& target);

class TemporaryFile {
  public:
    // Removes what killed writes of the target left, then makes a new
    // temporary file beside it, locked and open for writing; Ok() is false,
    // and Error() the reason (an errno), when none can be made.
    explicit TemporaryFile(const std::string& target);
    // Removes the file unless it was renamed into place, and closes it.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Ok() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }
    int Error() const { return error_; }

    // Renames the file over the target, the lock held until the end; false,
    // with errno set, when that fails.
    bool RenameOverTarget();

  private:
    std::string target_;
    std::string path_;
    int fd_ = -1;
    int error_ = 0;
    bool placed_ = false;
};

}  // namespace vx
