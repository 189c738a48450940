// The word the download command hands the downloader: the link settings and
// three fields of the project's system parameters, packed by addition of
// fields that do not overlap.
//
//   bits 0-3    the port index and 7 (COM1-COM8; Ethernet, 8, becomes COM1)
//   bits 4-7    the baud code (BaudCodeTable at the project's COM1 baud index,
//               field 12, while "PLC工程文件" is chosen, else at the chosen index)
//   bits 8-11   the COM1 frame, field 15 (1 digit)
//   bits 12-19  the controller series, field 1 (2 digits)
//   bits 20-27  the COM1 station, field 10 (2 digits)
#pragma once

#include <cstdint>
#include <string_view>

#include "online/LinkSettings.h"

namespace vx {

// The baud code of the word. The project's field is one hex digit (0-F) and
// the table has six entries: an index past them gives 0, a code no link takes.
int DownloadBaudCode(const LinkSettings& settings, std::string_view sysParamString);

std::uint32_t MakeDownloadWord(const LinkSettings& settings, std::string_view sysParamString);

}  // namespace vx
