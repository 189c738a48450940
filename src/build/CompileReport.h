// The compile's report in the status bar and the message pane.
//
// The size is counted in tenths of a kilobyte above the share of the image
// that the controller's run-time kit itself takes (the image of a program with
// nothing in it, EmptyImageSize), and its use in tenths of a percent of the
// 256 KB program area. An image no larger than the kit's share (and no image
// at all) counts as 0.0; an unknown share (0) counts the whole image.
#pragma once

#include <string>

namespace vx {

// ((size - kit size) x 10) div 1024, never below 0.
int SizeTenths(int imageSize, int kitSize);
// The status bar's hint: "64.6KB".
std::string SizeHintText(int imageSize, int kitSize);
// " use:25.2%".
std::string UseText(int imageSize, int kitSize);

struct CompileReport {
    bool success = false;
    std::string statusText;  // status panel 1
    std::string paneLine;    // appended to a shown message pane after an empty line
    std::string sizeHint;
};

// The report of a compile: a success when the image was made (at any of the
// three attempts) and the stage was not stopped; the number shown is
// compileResult + 1.
CompileReport MakeCompileReport(int compileResult, int imageSize, bool stopped, int kitSize);

}  // namespace vx
