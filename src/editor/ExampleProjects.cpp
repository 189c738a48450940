#include "editor/ExampleProjects.h"

#include "editor/EditCommands.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectFile.h"
#include "model/CellKind.h"
#include "model/ElementEntry.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

// Draws into one example as the entry dialog does.
class Drawing {
  public:
    explicit Drawing(ExampleProject& example) : example_(example) {
        SetDefaultParameters(example.program);
        FillDefaultSubroutineNames(example.program.subroutineNames);
    }

    // One element of the given entry kind at the cell.
    Drawing& Enter(std::int32_t kind, const char* text, int column, int row) {
        ElementEntryRequest request;
        request.text = text;
        request.entryKind = kind;
        request.column = column;
        request.row = row;
        const std::optional<ElementEntryResult> result =
            EnterElement(request, example_.program.cells);
        if (!result) {
            throw ExampleRefused(example_.fileName + ": \"" + text + "\" at column " +
                                 std::to_string(column) + ", row " + std::to_string(row));
        }
        ApplyCellWrites(result->writes, example_.program.cells);
        return *this;
    }
    Drawing& Contact(const char* device, int column, int row) {
        return Enter(CellKind::kOpenContact, device, column, row);
    }
    Drawing& Closed(const char* device, int column, int row) {
        return Enter(CellKind::kClosedContact, device, column, row);
    }
    Drawing& Rising(const char* device, int column, int row) {
        return Enter(CellKind::kRisingEdge, device, column, row);
    }
    // A contact in parallel with the one above it.
    Drawing& Parallel(const char* device, int column, int row) {
        return Enter(CellKind::kParallelOpenContact, device, column, row);
    }
    Drawing& Coil(const char* device, int column, int row) {
        return Enter(CellKind::kCoil, device, column, row);
    }
    Drawing& Box(const char* instruction, int column, int row) {
        return Enter(CellKind::kFunctionBox, instruction, column, row);
    }
    Drawing& Step(const char* step, int row) {
        return Enter(CellKind::kStepContact, step, kFirstConditionColumn, row);
    }
    // The row's block comment (two lines).
    Drawing& Note(int row, const char* line1, const char* line2 = "") {
        StoreBlockComment(example_.program.cells, row, line1, line2);
        return *this;
    }
    Drawing& Comment(DeviceKind kind, int index, const char* text) {
        example_.comments.SetComment(kind, index, text);
        return *this;
    }

  private:
    ExampleProject& example_;
};

ExampleProject MotorStartStop() {
    ExampleProject example{kFirstExampleProject, {}, {}};
    Drawing d(example);
    d.Note(0, "电机启停: 自锁回路", "X0启动, X1停止");
    d.Contact("X0", 1, 0).Closed("X1", 2, 0).Coil("Y0", 3, 0);
    d.Parallel("Y0", 1, 1);
    d.Note(2, "电机运行5秒后", "运行指示灯亮");
    d.Contact("Y0", 1, 2).Coil("T0 K50", 2, 2);
    d.Contact("T0", 1, 3).Coil("Y1", 2, 3);
    d.Comment(DeviceKind::X, 0, "启动按钮").Comment(DeviceKind::X, 1, "停止按钮");
    d.Comment(DeviceKind::Y, 0, "电机").Comment(DeviceKind::Y, 1, "运行指示灯");
    d.Comment(DeviceKind::T, 0, "运行延时5秒");
    return example;
}

ExampleProject CounterReset() {
    ExampleProject example{"CounterReset.PSP", {}, {}};
    Drawing d(example);
    d.Note(0, "X0每接通一次", "C0计数一次");
    d.Contact("X0", 1, 0).Coil("C0 K10", 2, 0);
    d.Note(1, "X1复位计数器");
    d.Contact("X1", 1, 1).Box("RST C0", 2, 1);
    d.Note(2, "计满10次Y0亮");
    d.Contact("C0", 1, 2).Coil("Y0", 2, 2);
    d.Comment(DeviceKind::X, 0, "计数脉冲").Comment(DeviceKind::X, 1, "复位按钮");
    d.Comment(DeviceKind::C, 0, "计数10次").Comment(DeviceKind::Y, 0, "计满指示");
    return example;
}

ExampleProject StepSequence() {
    ExampleProject example{"StepSequence.PSP", {}, {}};
    Drawing d(example);
    d.Note(0, "X0按下: 顺序开始");
    d.Rising("X0", 1, 0).Box("SET S20", 2, 0);
    d.Note(1, "第1步: Y0前进", "X1到位转第2步");
    d.Step("STL S20", 1).Coil("Y0", 2, 1);
    d.Contact("X1", 1, 2).Box("SET S21", 2, 2);
    d.Note(3, "第2步: 停留3秒");
    d.Step("STL S21", 3).Coil("T0 K30", 2, 3);
    d.Contact("T0", 1, 4).Box("SET S22", 2, 4);
    d.Note(5, "第3步: Y1返回", "X2到位结束");
    d.Step("STL S22", 5).Coil("Y1", 2, 5);
    d.Contact("X2", 1, 6).Box("RST S22", 2, 6);
    d.Box("RET", 1, 7);
    d.Comment(DeviceKind::X, 0, "启动按钮").Comment(DeviceKind::X, 1, "前进到位");
    d.Comment(DeviceKind::X, 2, "返回到位").Comment(DeviceKind::Y, 0, "前进");
    d.Comment(DeviceKind::Y, 1, "返回").Comment(DeviceKind::T, 0, "停留3秒");
    d.Comment(DeviceKind::S, 20, "前进步").Comment(DeviceKind::S, 21, "停留步");
    d.Comment(DeviceKind::S, 22, "返回步");
    return example;
}

}  // namespace

std::vector<ExampleProject> ExampleProjects() {
    std::vector<ExampleProject> examples;
    examples.push_back(MotorStartStop());
    examples.push_back(CounterReset());
    examples.push_back(StepSequence());
    return examples;
}

std::vector<std::string> WriteExampleProjects(const std::string& folder) {
    if (!MakeFolders(folder)) throw std::runtime_error("cannot make the folder " + folder);
    std::vector<std::string> written;
    for (const ExampleProject& example : ExampleProjects()) {
        const std::string path = JoinPath(folder, example.fileName);
        if (!WriteFileAtomically(path, SerialiseProject(example.program)))
            throw std::runtime_error("cannot write " + path);
        if (IoResult rcm = SaveRcmFile(RcmPathOf(path), example.comments); !rcm)
            throw std::runtime_error("cannot write " + RcmPathOf(path) + ": " + rcm.error);
        written.push_back(path);
        written.push_back(RcmPathOf(path));
    }
    return written;
}

}  // namespace vx
