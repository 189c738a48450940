// What the compile leaves for the download command and the status bar: the
// outcome of the last compile, the image's size, and the stamps of the project
// and the image taken at its end. One store for the whole run.
#pragma once

#include <string>

namespace vx {

struct CompileState {
    // 0, 1, 2: the image was made at attempt 1, 2 or 3; 2 also after a stop;
    // 3: three attempts without image; 5: the converter refused the project;
    // 60 once reported (the seconds until the status bar reads " 就绪" again).
    int compileResult = 0;
    int targetImageSize = 0;   // bytes of the image after the last attempt, 0 when none
    bool compileStop = false;  // the stop button or a compiler error ended the stage
    std::string projectStampAtCompile;
    std::string targetStampAtCompile;
};

CompileState& TheCompileState();

// The last-write time of a file as text (empty when the file is missing); two
// stamps differ when the file was written in between.
std::string FileStampText(const std::string& path);

}  // namespace vx
