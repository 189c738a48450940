// Ladder monitoring's read requests: the devices of the visible ladder rows,
// merged into few long reads.
//
// Every device is read two wide, so that a 32-bit operand (a register pair, or
// two adjacent bits) is covered; a timer or counter is also read as its
// current value. The merge joins requests of one kind into spans of at most
// 192 bits or 30 words: two rounds, each of a forward pass (later requests
// that start above a request and end within its span are absorbed, the
// request growing to the end of the furthest) and a backward pass (later
// requests that end below a request's end and start within a span below it
// are absorbed, the request growing down to the lowest start). An absorbed
// request is replaced by the last one of the list, which is examined at once;
// the order of the list is not restored.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Devices.h"
#include "model/LadderCells.h"
#include "online/DeviceImage.h"

namespace vx {

struct ScanRequest {
    std::uint8_t isBit = 0;  // 1 for device kinds X to C, 0 for D and the current values
    std::uint8_t kind = 0;   // DeviceKind
    std::uint16_t start = 0;
    std::uint16_t count = 0;

    int End() const { return start + count; }
    bool operator==(const ScanRequest&) const = default;
};

using ScanScheme = std::vector<ScanRequest>;

// The longest span of a request: 192 bits or 30 words.
constexpr int SpanLimit(std::uint8_t isBit) {
    return isBit * 162 + 30;
}

// Appends the requests of one device code. Nothing for kNoDevice, a kind that
// is none, or a device whose two-wide read would run past its area of the
// device image.
void LadderRegion_Add_ComR1Scheme(ScanScheme& scheme, DeviceCode code);

// Merges the requests in place.
void CommunicationsScheme(ScanScheme& scheme);

// The merged requests of the grid rows firstRow..lastRow of the block that
// starts at rowBase: columns 1 to 12 of each row, each cell's device and its
// two further devices.
ScanScheme LadderRegionScheme(const LadderCells& cells, int rowBase, int firstRow, int lastRow);

}  // namespace vx
