// Converts and compiles a full main program of 2000 rows and prints the time
// of each stage: saving the project, the ladder converter, and the C stage
// with the GNU ARM tool chain. First it prints the converter's time on one
// large rung (rows of eleven contacts in series, all joined at the output
// column) of 100 to 2000 rows. Usage: convert_compile_bench [folder]
// (a fresh folder under the system's temporary folder by default; the run-time
// kit is the one the build put into the program folder).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "build/ScratchFolder.h"
#include "build/StageView.h"
#include "build/ToolChain.h"
#include "build/TranslateStage.h"
#include "editor/ProjectFile.h"
#include "model/CellKind.h"
#include "outside/LadderConvert.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string Octal(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%o", n);
    return text;
}

void Put(vx::LadderCells& cells, int column, int row, std::uint8_t kind, const std::string& text) {
    cells.Kind(column, row) = kind;
    cells.First(column, row) = text;
}

// 2000 rows of dense two-row rungs: a series of five contacts with a parallel
// branch of three, then a coil, a timer, a counter or an arithmetic box.
vx::LadderProgram DenseProgram() {
    using namespace vx;
    LadderProgram p;
    SetDefaultParameters(p);
    for (int row = 0; row + 1 < kMainRows; row += 2) {
        const int i = row / 2;
        Put(p.cells, 1, row, CellKind::kOpenContact, "X" + Octal(i % 200));
        Put(p.cells, 2, row, CellKind::kClosedContact, "M" + std::to_string(i));
        Put(p.cells, 3, row, CellKind::kOpenContact, "T" + std::to_string(i % 200));
        Put(p.cells, 4, row, CellKind::kRisingEdge, "M" + std::to_string(1000 + i));
        Put(p.cells, 5, row, CellKind::kCompareContact, "> D" + std::to_string(i) + " K100");
        for (int c = 6; c <= kLastConditionColumn; ++c)
            Put(p.cells, c, row, CellKind::kLine, "");
        Put(p.cells, 1, row + 1, CellKind::kOpenContact, "Y" + Octal(i % 200));
        Put(p.cells, 2, row + 1, CellKind::kOpenContact, "M" + std::to_string(2000 + i));
        Put(p.cells, 3, row + 1, CellKind::kClosedContact, "C" + std::to_string(i % 200));
        p.cells.Kind(2, row) |= CellKind::kLinkDown;  // joins row + 1 back after column 1
        p.cells.Kind(2, row + 1) |= CellKind::kLinkUp;
        p.cells.Kind(4, row) |= CellKind::kLinkDown;  // and after column 3
        p.cells.Kind(4, row + 1) |= CellKind::kLinkUp;
        std::string out;
        std::uint8_t kind = CellKind::kCoil;
        switch (i % 4) {
            case 0:
                out = "Y" + Octal(i % 200);
                break;
            case 1:
                out = "T" + std::to_string(i % 200) + " K" + std::to_string(10 + i);
                break;
            case 2:
                out = "C" + std::to_string(i % 200) + " K5";
                break;
            default:
                out = "ADD D" + std::to_string(i) + " K1 D" + std::to_string(i + 1000);
                kind = CellKind::kFunctionBox;
                break;
        }
        Put(p.cells, kOutputColumn, row, kind, out);
    }
    return p;
}

// One rung of `rows` rows: eleven contacts in series in each row, the rows
// joined at the left edge of the output column, one coil on the first row.
vx::LadderProgram OneLargeRung(int rows) {
    using namespace vx;
    LadderProgram p;
    SetDefaultParameters(p);
    for (int row = 0; row < rows; ++row) {
        for (int c = kFirstConditionColumn; c <= kLastConditionColumn; ++c) {
            const int n = (row * kLastConditionColumn + c) % 10000;
            Put(p.cells, c, row, (n % 3 == 0) ? CellKind::kClosedContact : CellKind::kOpenContact,
                "M" + std::to_string(n));
        }
        if (row + 1 < rows) {
            p.cells.Kind(kOutputColumn, row) |= CellKind::kLinkDown;
            p.cells.Kind(kOutputColumn, row + 1) |= CellKind::kLinkUp;
        }
    }
    p.cells.Kind(kOutputColumn, 0) |= CellKind::kCoil;
    p.cells.First(kOutputColumn, 0) = "Y0";
    return p;
}

// Prints the converter's time on one large rung of each size.
bool LargeRungFigures() {
    for (const int rows : {100, 400, 800, 2000}) {
        const vx::LadderProgram program = OneLargeRung(rows);
        vx::ConvertedProgram out;
        std::string message;
        const auto t0 = Clock::now();
        const bool converted = vx::ConvertLadder(program, out, message);
        const auto t1 = Clock::now();
        if (!converted) {
            std::fprintf(stderr, "converter refused the large rung: %s\n", message.c_str());
            return false;
        }
        std::printf("one rung of %4d rows x 11 contacts: %9.1f ms  (Macro.txt %zu bytes)\n", rows,
                    Ms(t0, t1), out.macro.size());
        std::fflush(stdout);
    }
    return true;
}

class Quiet : public vx::StageView {
  public:
    void ShowProgress(int, const std::string&) override {}
    void ShowState(const std::string&) override {}
    void RefreshClock() override {}
    void SetMessages(const std::string& text) override { messages += text; }
    void AddMessage(const std::string& line) override { messages += line + "\n"; }
    void ShowMessagePane(vx::PaneColour) override {}
    void SetInstructionList(const std::string&) override {}
    std::string messages;
};

}  // namespace

int main(int argc, char** argv) {
    if (!LargeRungFigures()) return 1;
    const fs::path root = argc > 1 ? fs::path(argv[1])
                                   : fs::temp_directory_path() /
                                         ("convert_compile_bench." + std::to_string(::getpid()));
    const fs::path windows = root / "windows";
    const fs::path programFolder = root / "program";
    fs::create_directories(windows);
    fs::create_directories(programFolder);
    const fs::path kit = VX_RUNTIME_KIT_DIR;
    if (!fs::exists(kit / "ST.ld")) {
        std::fprintf(stderr, "no run-time kit at %s\n", kit.c_str());
        return 1;
    }
    fs::create_directory_symlink(kit, vx::RuntimeKitFolder(programFolder.string()));
    if (const std::string why = vx::InstallToolChain(windows.string(), programFolder.string());
        !why.empty()) {
        std::fprintf(stderr, "tool chain: %s\n", why.c_str());
        return 1;
    }

    const vx::LadderProgram program = DenseProgram();
    const std::string project = (root / "dense.PSP").string();
    const std::string scratch = vx::ScratchFolder(windows.string());
    vx::MakeFolders(scratch);

    const auto t0 = Clock::now();
    if (!vx::WriteFileAtomically(project, vx::SerialiseProject(program))) return 1;
    const auto t1 = Clock::now();
    if (!vx::LadderConvert(project + "|" + scratch + "/")) {
        std::fprintf(stderr, "converter refused: %s\n", vx::LadderConvertMessage().c_str());
        return 1;
    }
    const auto t2 = Clock::now();
    const auto macroSize = fs::file_size(fs::path(scratch) / "Macro.txt");

    vx::TranslateInputs in;
    in.winDir = windows.string();
    in.programFolder = programFolder.string();
    in.projectFile = project;
    in.targetFile = (windows / "Torvin.pin").string();
    in.sysParamString = program.sysParamString;
    in.holdParamString = program.holdParamString;
    Quiet view;
    vx::TranslateStage stage(in, view);
    if (!stage.Begin()) return 1;
    // Far longer than the tool chain takes on a loaded machine.
    constexpr auto kStageBound = std::chrono::minutes(10);
    while (stage.Poll()) {
        if (Clock::now() - t2 > kStageBound && !stage.Stopped()) stage.Stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const auto t3 = Clock::now();
    if (stage.Stopped()) {
        std::fprintf(stderr,
                     "convert_compile_bench: cannot measure: the C stage took over %d "
                     "minutes and was stopped\n",
                     static_cast<int>(kStageBound.count()));
        if (argc <= 1) fs::remove_all(root);
        return 2;
    }

    std::printf("main program: %d rows, %d rungs\n", vx::kMainRows, vx::kMainRows / 2);
    std::printf("save project:    %8.1f ms\n", Ms(t0, t1));
    std::printf("ladder convert:  %8.1f ms  (Macro.txt %ju bytes)\n", Ms(t1, t2),
                static_cast<std::uintmax_t>(macroSize));
    std::printf("C stage:         %8.1f ms  (result %d, image %d bytes)\n", Ms(t2, t3),
                stage.Result(), stage.ProductSize());
    std::printf("converter share: %8.1f %%\n", 100.0 * Ms(t1, t2) / Ms(t1, t3));
    if (!view.messages.empty()) std::printf("messages: %s\n", view.messages.c_str());
    if (argc <= 1) fs::remove_all(root);
    return stage.Result() == 0 ? 0 : 1;
}
