#include "online/CommunicationsScheme.h"

#include <algorithm>

#include "online/EvaluateCell.h"

namespace vx {
namespace {

bool SameSort(const ScanRequest& a, const ScanRequest& b) {
    return a.isBit == b.isBit && a.kind == b.kind;
}

// Removes request j by moving the last request into its place.
void RemoveAt(ScanScheme& scheme, std::size_t j) {
    if (j + 1 != scheme.size()) scheme[j] = scheme.back();
    scheme.pop_back();
}

void ForwardPass(ScanScheme& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int limit = s[i].start + SpanLimit(s[i].isBit);
        std::size_t j = i + 1;
        while (j < s.size()) {
            const ScanRequest b = s[j];
            if (SameSort(s[i], b) && b.start > s[i].start && b.End() <= limit) {
                if (b.End() > s[i].End())
                    s[i].count = static_cast<std::uint16_t>(b.End() - s[i].start);
                RemoveAt(s, j);  // the request moved into j is looked at next
            } else {
                ++j;
            }
        }
    }
}

void BackwardPass(ScanScheme& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int end = s[i].End();
        const int lowest = std::max(end - SpanLimit(s[i].isBit), 0);
        std::size_t j = i + 1;
        while (j < s.size()) {
            const ScanRequest b = s[j];
            if (SameSort(s[i], b) && b.End() < end && b.start >= lowest) {
                if (b.start < s[i].start) {
                    s[i].start = b.start;
                    s[i].count = static_cast<std::uint16_t>(end - b.start);
                }
                RemoveAt(s, j);
            } else {
                ++j;
            }
        }
    }
}

}  // namespace

void LadderRegion_Add_ComR1Scheme(ScanScheme& scheme, DeviceCode code) {
    if (code < 0) return;
    const int k = code & 0xFF;
    const int number = code >> 8;
    if (k >= kDeviceKindCount) return;
    const DeviceKind kind = static_cast<DeviceKind>(k);
    if (!DeviceImage::Holds(kind, number, 2)) return;
    const std::uint8_t isBit = DeviceImage::IsBitKind(kind) ? 1 : 0;
    scheme.push_back({isBit, static_cast<std::uint8_t>(k), static_cast<std::uint16_t>(number), 2});
    if (kind == DeviceKind::T || kind == DeviceKind::C) {
        const DeviceKind value = kind == DeviceKind::T ? DeviceKind::TValue : DeviceKind::CValue;
        if (DeviceImage::Holds(value, number, 1)) {
            scheme.push_back(
                {0, static_cast<std::uint8_t>(value), static_cast<std::uint16_t>(number), 1});
        }
    }
}

void CommunicationsScheme(ScanScheme& scheme) {
    for (int round = 0; round < 2; ++round) {
        ForwardPass(scheme);
        BackwardPass(scheme);
    }
}

ScanScheme LadderRegionScheme(const LadderCells& cells, int rowBase, int firstRow, int lastRow) {
    ScanScheme scheme;
    static const DeviceImage kNoValues;  // the codes do not depend on the values
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int column = 1; column <= 12; ++column) {
            const MonitorRecord record =
                EvaluateCell(cells, column, rowBase + r, kNoValues, WordDisplay::kUnsigned);
            if (record.code == kNoDevice) continue;
            LadderRegion_Add_ComR1Scheme(scheme, record.code);
            if (record.extraCode1 != kNoDevice)
                LadderRegion_Add_ComR1Scheme(scheme, record.extraCode1);
            if (record.extraCode2 != kNoDevice)
                LadderRegion_Add_ComR1Scheme(scheme, record.extraCode2);
        }
    }
    CommunicationsScheme(scheme);
    return scheme;
}

}  // namespace vx
