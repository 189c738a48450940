// A small tool for the instance tests: writes a project with the given
// cells, or prints the cells of a project.
//   vx_project_tool write FILE [COL,ROW,KIND ...]
//   vx_project_tool dump FILE COL,ROW ...     (prints one kind per line)
#include <cstdio>
#include <string>

#include "editor/ProjectFile.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"

using namespace vx;

namespace {

bool ParseCell(const char* text, int& col, int& row, int& kind) {
    kind = 0;
    return std::sscanf(text, "%d,%d,%d", &col, &row, &kind) >= 2 && IsCell(col, row);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string command = argv[1];
    LadderProgram program;
    if (command == "write") {
        SetDefaultParameters(program);
        for (int i = 3; i < argc; ++i) {
            int col = 0, row = 0, kind = 0;
            if (!ParseCell(argv[i], col, row, kind)) return 2;
            program.cells.Kind(col, row) = static_cast<std::uint8_t>(kind);
        }
        return WriteFileAtomically(argv[2], SerialiseProject(program)) ? 0 : 1;
    }
    if (command == "dump") {
        std::optional<std::string> bytes = ReadWholeFile(argv[2]);
        if (!bytes || ParseProject(*bytes, program) != ProjectReadResult::Ok) return 1;
        for (int i = 3; i < argc; ++i) {
            int col = 0, row = 0, kind = 0;
            if (!ParseCell(argv[i], col, row, kind)) return 2;
            std::printf("%d\n", program.cells.Kind(col, row));
        }
        return 0;
    }
    return 2;
}
