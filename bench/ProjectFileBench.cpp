// Loads and saves a project with every cell of the store filled and prints
// how long each step takes. Usage: project_file_bench [folder] [rounds]
// (the folder defaults to the system's temporary folder).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/ProjectCommands.h"
#include "editor/ProjectFile.h"
#include "editor/UndoHistory.h"
#include "model/CellKind.h"
#include "platform/FileIo.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The largest program there can be: every cell holds a symbol and two texts
// near the 26-byte limit, the comment column in Chinese.
vx::LadderProgram FullProgram() {
    vx::LadderProgram p;
    vx::SetDefaultParameters(p);
    for (int i = 0; i < vx::kSubroutineCount; ++i)
        p.subroutineNames[i] = "子程序" + std::to_string(i);
    for (int row = 0; row < vx::kRows; ++row) {
        const std::string n = std::to_string(row);
        for (int column = 0; column < vx::kColumns; ++column) {
            if (column == vx::kCommentColumn) {
                p.cells.Kind(column, row) = vx::CellKind::kRailMarker;
                p.cells.First(column, row) = "第" + n + "行的注释说明";
                p.cells.Second(column, row) = "电机启动停止控制";
            } else if (column == vx::kOutputColumn) {
                p.cells.Kind(column, row) = vx::CellKind::kFunctionBox;
                p.cells.First(column, row) = "DMOV D" + n + " D" + n;
                p.cells.Second(column, row) = "DMOV(D[" + n + "],D[" + n + "])";
            } else {
                p.cells.Kind(column, row) = 0x11;
                p.cells.First(column, row) = "M" + n;
                p.cells.Second(column, row) = "(M[" + n + "])";
            }
        }
    }
    return p;
}

struct Figures {
    double best = 1e9, total = 0;
    void Add(double ms) {
        best = std::min(best, ms);
        total += ms;
    }
};

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const std::string path = (folder / "project_file_bench.PSP").string();

    const vx::LadderProgram program = FullProgram();
    Figures serialise, write, save, read, parse, load, snapshot;
    std::size_t bytes = 0;
    vx::LadderProgram loaded;
    vx::UndoHistory undo;
    for (int i = 0; i < rounds; ++i) {
        const auto t0 = Clock::now();
        const std::string file = vx::SerialiseProject(program);
        const auto t1 = Clock::now();
        if (!vx::WriteFileAtomically(path, file)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        const auto t2 = Clock::now();
        const auto back = vx::ReadWholeFile(path);
        const auto t3 = Clock::now();
        if (!back || vx::ParseProject(*back, loaded) != vx::ProjectReadResult::Ok) {
            std::fprintf(stderr, "cannot read %s back\n", path.c_str());
            return 1;
        }
        const auto t4 = Clock::now();
        undo.EditFileBackup(loaded.cells);
        const auto t5 = Clock::now();
        bytes = file.size();
        serialise.Add(Ms(t0, t1));
        write.Add(Ms(t1, t2));
        save.Add(Ms(t0, t2));
        read.Add(Ms(t2, t3));
        parse.Add(Ms(t3, t4));
        load.Add(Ms(t2, t4));
        snapshot.Add(Ms(t4, t5));
    }
    std::filesystem::remove(path);
    if (loaded.cells != program.cells) {
        std::fprintf(stderr, "the program did not come back unchanged\n");
        return 1;
    }

    std::printf("full program: %d cells, %zu records, %zu bytes, %d rounds, in %s\n",
                vx::kCellCount, bytes / 60, bytes, rounds, folder.string().c_str());
    auto line = [&](const char* what, const Figures& f) {
        std::printf("  %-28s best %8.2f ms   mean %8.2f ms\n", what, f.best, f.total / rounds);
    };
    line("save: records", serialise);
    line("save: atomic write", write);
    line("save total", save);
    line("load: file read", read);
    line("load: records into store", parse);
    line("load total", load);
    line("undo snapshot", snapshot);
    return 0;
}
