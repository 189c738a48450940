#include "build/CompileReport.h"

#include <algorithm>

namespace vx {
namespace {

std::string Tenths(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

int SizeTenths(int imageSize, int kitSize) {
    const long long program = static_cast<long long>(std::max(imageSize, 0)) - std::max(kitSize, 0);
    return static_cast<int>(std::max(program, 0LL) * 10 / 1024);
}

std::string SizeHintText(int imageSize, int kitSize) {
    return Tenths(SizeTenths(imageSize, kitSize)) + "KB";
}

std::string UseText(int imageSize, int kitSize) {
    return " use:" + Tenths(SizeTenths(imageSize, kitSize) * 100 / 256) + "%";
}

CompileReport MakeCompileReport(int compileResult, int imageSize, bool stopped, int kitSize) {
    CompileReport report;
    report.sizeHint = SizeHintText(imageSize, kitSize);
    report.success = imageSize > 0 && !stopped && compileResult >= 0 && compileResult <= 2;
    if (report.success) {
        report.statusText =
            " Compiler success: " + std::to_string(compileResult + 1) + UseText(imageSize, kitSize);
        report.paneLine = "Compiler success:" + UseText(imageSize, kitSize);
    } else {
        report.statusText = " Compilation fails: " + std::to_string(compileResult + 1);
        report.paneLine = "Compilation fails!";
    }
    return report;
}

}  // namespace vx
