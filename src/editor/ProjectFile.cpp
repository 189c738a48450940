#include "editor/ProjectFile.h"

#include "editor/ProjectRecord.h"
#include "model/CellKind.h"
#include "platform/Text.h"

namespace vx {
namespace {

// A column-13 cell that carries a block comment is a rail marker on disk; the
// grid marks painted cells the same way, but saving must not depend on it.
std::uint8_t KindToWrite(const LadderCells& cells, int column, int row) {
    const std::uint8_t kind = cells.Kind(column, row);
    if (column == kCommentColumn &&
        (!cells.First(column, row).empty() || !cells.Second(column, row).empty())) {
        return CellKind::kRailMarker;
    }
    return kind;
}

}  // namespace

bool IsValidProjectHeader(std::uint8_t tag, std::int32_t value) {
    return (tag == kOldProjectHeaderTag && value == kOldProjectMagic) ||
           (tag >= 200 && value == kProjectMagic);
}

void SetDefaultParameters(LadderProgram& program) {
    program.sysParamString = kDefaultSysParamString;
    program.holdParamString = kDefaultHoldParamString;
}

std::string SerialiseProject(const LadderProgram& program) {
    const LadderCells& cells = program.cells;
    std::size_t cellRecords = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (KindToWrite(cells, column, row) != 0) ++cellRecords;
        }
    }
    std::string out;
    out.reserve((kLeadingRecords + cellRecords) * kRecordSize);

    // The parameter string is hexadecimal digits; the cut still keeps any
    // other character whole.
    const std::string sysFirst = CutToGbkBytes(program.sysParamString, kRecordTextBytes);
    const std::string_view sysRest =
        std::string_view(program.sysParamString).substr(sysFirst.size());
    AppendRecord(out, kProjectHeaderTag, sysFirst, sysRest, kProjectMagic);
    AppendRecord(out, 0, program.holdParamString, program.passwordText, program.passwordFlag);
    AppendRecord(out, program.usePlugin, program.pluginName, "", 0);
    for (int i = 0; i < 4; ++i)
        AppendRecord(out, 0, "", "", 0);
    for (int k = 0; k < kSubroutineCount / 2; ++k)
        AppendRecord(out, 0, program.subroutineNames[2 * k], program.subroutineNames[2 * k + 1], 0);

    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const std::uint8_t kind = KindToWrite(cells, column, row);
            if (kind == 0) continue;
            AppendRecord(out, kind, cells.First(column, row), cells.Second(column, row),
                         CellNumber(column, row));
        }
    }
    return out;
}

ProjectReadResult ParseProject(std::string_view bytes, LadderProgram& program) {
    program.cells.Clear();
    const std::size_t records = WholeRecords(bytes.size());
    if (records == 0) return ProjectReadResult::NotFound;
    const RecordView header = RecordAt(bytes, 0);
    if (!IsValidProjectHeader(header.Tag(), header.Value())) return ProjectReadResult::VersionError;
    if (records < kLeadingRecords) return ProjectReadResult::NotFound;

    program.sysParamString = header.Text1() + header.Text2();
    const RecordView hold = RecordAt(bytes, 1);
    program.holdParamString = hold.Text1();
    program.passwordText = hold.Text2();
    program.passwordFlag = hold.Value();
    const RecordView plugin = RecordAt(bytes, 2);
    program.usePlugin = plugin.Tag();
    program.pluginName = plugin.Text1();
    for (int k = 0; k < kSubroutineCount / 2; ++k) {
        const RecordView names = RecordAt(bytes, 7 + static_cast<std::size_t>(k));
        program.subroutineNames[2 * k] = names.Text1();
        program.subroutineNames[2 * k + 1] = names.Text2();
    }

    LadderCells& cells = program.cells;
    for (std::size_t i = kLeadingRecords; i < records; ++i) {
        const RecordView record = RecordAt(bytes, i);
        const std::int32_t number = record.Value();
        if (!IsCellNumber(number)) continue;
        const int column = CellColumn(number);
        const int row = CellRow(number);
        cells.Kind(column, row) = record.Tag();
        cells.First(column, row) = record.Text1();
        cells.Second(column, row) = record.Text2();
    }
    return ProjectReadResult::Ok;
}

bool ProjectFileCutShort(std::string_view bytes) {
    return bytes.size() % kRecordSize != 0;
}

std::string ChangeFileExtension(std::string_view path, std::string_view extension) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    std::string out(dot != std::string_view::npos && dot >= nameStart ? path.substr(0, dot) : path);
    out += extension;
    return out;
}

std::string BackupPathFor(std::string_view savedPath) {
    const std::size_t keep = savedPath.size() >= 4 ? savedPath.size() - 4 : savedPath.size();
    return std::string(savedPath.substr(0, keep)) + ".BAK";
}

BackupResult MakeBackupOnce(const std::string& savedPath, std::string_view projectBytes,
                            std::string* error) {
    const std::string backup = BackupPathFor(savedPath);
    if (FileExists(backup)) return BackupResult::AlreadyThere;
    IoResult written = WriteFileAtomically(backup, projectBytes);
    if (written) return BackupResult::Made;
    if (error) *error = std::move(written.error);
    return BackupResult::Failed;
}

}  // namespace vx
