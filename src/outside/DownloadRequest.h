// What the downloader is asked to do, and how it tells the outcome.
//
// The tool calls the downloader with one 32-bit word that packs the link
// settings: bits 0-3 the port (0 = COM1), 4-7 the link's baud code, 8-11 the
// COM1 frame, 12-19 the controller series, 20-27 the COM1 station. The
// transfer goes through the chip's ROM boot loader, which always talks at
// 115200 baud 8E1 and knows no stations or series: only the port is used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "outside/BootDownload.h"

namespace vx {

struct DownloadRequest {
    int port = 0;      // 0-15: COM1-COM16
    int baudCode = 0;  // unused by the boot-loader transfer
    int frame = 0;     // unused
    int series = 0;    // unused
    int station = 0;   // unused
};

DownloadRequest UnpackDownloadWord(std::uint32_t word);

// The image file's bytes; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadDownloadImage(const std::string& path);

// The message that ends a transfer, in Chinese or English; imagePath names the
// file of an image that could not be read.
std::string DownloadMessage(const DownloadOutcome& outcome, bool chinese,
                            const std::string& imagePath = {});

// The progress window's line for a stage; percent for writing and verifying.
std::string DownloadStageText(DownloadStage stage, int port, int percent, bool chinese);

}  // namespace vx
