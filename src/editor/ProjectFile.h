// The project file (".PSP") and its backup copy (".BAK").
//
// A project file is a sequence of 60-byte records (ProjectRecord.h):
//   1      header: tag 201; SysParamString characters 1-26 and 27-52; 0x56454B
//   2      tag 0; HoldParamString; password text; password flag
//   3      tag = plug-in flag; plug-in name; empty; 0
//   4-7    reserved, all zero
//   8-23   tag 0; subroutine names 2k and 2k + 1 (k = 0..15); 0
//   24...  one record per non-empty cell in row order (rows 0-10192, columns
//          0-13 within a row): tag = kind byte, the cell's two texts, value =
//          row x 14 + column
// Readers also accept the older header, tag 188 with 0x56656B, and any tag of
// 200 or more with 0x56454B.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/LadderProgram.h"
#include "platform/FileIo.h"

namespace vx {

inline constexpr std::uint8_t kProjectHeaderTag = 201;
inline constexpr std::int32_t kProjectMagic = 0x56454B;
inline constexpr std::uint8_t kOldProjectHeaderTag = 188;
inline constexpr std::int32_t kOldProjectMagic = 0x56656B;
// Header, parameters, plug-in, four reserved records and sixteen of names.
inline constexpr std::size_t kLeadingRecords = 23;

// The name of a project that has not been saved yet.
inline constexpr const char* kUntitledProject = "Torvin0";

// Parameter strings of a new project: series 2, version 0, COM1 station 1 at
// 57600 baud, time-out 100 ms, frame E 8 1, COM3 921600 E 8 1, COM2 master,
// CAN off at 250K, CANopen node 1, TPDO inhibit 100, CAN IDs 100-103, 200,
// 201, 12-bit analog, no flags; no external interrupts, retentive areas from
// M531, D599 and C169, battery area D4000 and encoder registers D2300.
inline constexpr const char* kDefaultSysParamString =
    "0200000000136429200005000100640640650660670C80C9000";
inline constexpr const char* kDefaultHoldParamString = "0000213025700A90FA008FC000";

bool IsValidProjectHeader(std::uint8_t tag, std::int32_t value);

// Gives the program the parameter strings of a new project.
void SetDefaultParameters(LadderProgram& program);

// The project file's bytes. A cell is written when its kind byte is not 0; a
// cell of column 13 that holds block-comment text is written with the rail
// marker kind 0xCD whether or not the grid has painted it.
std::string SerialiseProject(const LadderProgram& program);

enum class ProjectReadResult {
    Ok,
    VersionError,  // the header is not a project header
    NotFound,      // too short to hold the leading records
};

// Reads a project file's bytes into the program. The cells are emptied first
// whatever the outcome; the other fields are replaced only when the file is
// sound. Length bytes above 26 count as 26, a trailing part of a record is
// ignored and cell records whose number lies outside the store are skipped.
ProjectReadResult ParseProject(std::string_view bytes, LadderProgram& program);

// Whether the file ends inside a record, as a copy or a write that stopped
// half way leaves it: its last records are lost, and saving what was read
// would make the loss final.
bool ProjectFileCutShort(std::string_view bytes);

// The path with its extension replaced (or added, when the file name has none).
std::string ChangeFileExtension(std::string_view path, std::string_view extension);

// The backup of a saved project: its path with the last four characters
// replaced by ".BAK".
std::string BackupPathFor(std::string_view savedPath);

enum class BackupResult { Made, AlreadyThere, Failed };

// Writes the saved project's bytes as its backup, but only when no backup
// exists yet: an existing backup is never overwritten. On Failed, `error`
// (when given) receives the reason.
BackupResult MakeBackupOnce(const std::string& savedPath, std::string_view projectBytes,
                            std::string* error = nullptr);

}  // namespace vx
