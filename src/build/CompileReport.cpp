#include "build/CompileReport.h"

#include <algorithm>

namespace vx {
namespace {

std::string Tenths(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

int SizeTenths(int imageSize) {
    const long long tenths = static_cast<long long>(std::max(imageSize, 0)) * 10 / 1024 - 330;
    return static_cast<int>(std::max(tenths, 0LL));
}

std::string SizeHintText(int imageSize) {
    return Tenths(SizeTenths(imageSize)) + "KB";
}

std::string UseText(int imageSize) {
    return " use:" + Tenths(SizeTenths(imageSize) * 100 / 256) + "%";
}

CompileReport MakeCompileReport(int compileResult, int imageSize, bool stopped) {
    CompileReport report;
    report.sizeHint = SizeHintText(imageSize);
    report.success = imageSize > 0 && !stopped && compileResult >= 0 && compileResult <= 2;
    if (report.success) {
        report.statusText =
            " Compiler success: " + std::to_string(compileResult + 1) + UseText(imageSize);
        report.paneLine = "Compiler success:" + UseText(imageSize);
    } else {
        report.statusText = " Compilation fails: " + std::to_string(compileResult + 1);
        report.paneLine = "Compilation fails!";
    }
    return report;
}

}  // namespace vx
