// Ladder monitoring's request list: the requests of the visible cells and
// their merge into spans, compared as multisets (the merge leaves the list in
// no particular order).
#include "online/CommunicationsScheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <random>

#include "model/CellKind.h"

namespace vx {

void PrintTo(const ScanRequest& r, std::ostream* os) {
    *os << "{" << int{r.isBit} << " kind " << int{r.kind} << " " << r.start << "+" << r.count
        << "}";
}

namespace {

ScanRequest Bit(DeviceKind kind, int start, int count) {
    return {1, static_cast<std::uint8_t>(kind), static_cast<std::uint16_t>(start),
            static_cast<std::uint16_t>(count)};
}
ScanRequest Word(DeviceKind kind, int start, int count) {
    return {0, static_cast<std::uint8_t>(kind), static_cast<std::uint16_t>(start),
            static_cast<std::uint16_t>(count)};
}

ScanScheme Sorted(ScanScheme s) {
    std::sort(s.begin(), s.end(), [](const ScanRequest& a, const ScanRequest& b) {
        return std::tie(a.isBit, a.kind, a.start, a.count) <
               std::tie(b.isBit, b.kind, b.start, b.count);
    });
    return s;
}

ScanScheme Merged(ScanScheme s) {
    CommunicationsScheme(s);
    return s;
}

// The merge rules as written, on a plain array: two rounds of a forward and a
// backward pass; a removed request's place is taken by the last one, which is
// tested next under the same rule.
ScanScheme ReferenceMerge(ScanScheme in) {
    std::vector<ScanRequest> a = in;
    int n = static_cast<int>(a.size());
    auto limitOf = [](const ScanRequest& r) { return r.isBit * 162 + 30; };
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n;) {
                const bool same = a[j].isBit == a[i].isBit && a[j].kind == a[i].kind;
                const int jEnd = a[j].start + a[j].count;
                if (same && a[j].start > a[i].start && jEnd <= a[i].start + limitOf(a[i])) {
                    if (jEnd > a[i].start + a[i].count)
                        a[i].count = static_cast<std::uint16_t>(jEnd - a[i].start);
                    a[j] = a[n - 1];
                    --n;
                } else {
                    ++j;
                }
            }
        }
        for (int i = 0; i < n; ++i) {
            const int e = a[i].start + a[i].count;
            for (int j = i + 1; j < n;) {
                const bool same = a[j].isBit == a[i].isBit && a[j].kind == a[i].kind;
                if (same && a[j].start + a[j].count < e &&
                    a[j].start >= std::max(e - limitOf(a[i]), 0)) {
                    if (a[j].start < a[i].start) {
                        a[i].start = a[j].start;
                        a[i].count = static_cast<std::uint16_t>(e - a[j].start);
                    }
                    a[j] = a[n - 1];
                    --n;
                } else {
                    ++j;
                }
            }
        }
    }
    a.resize(static_cast<std::size_t>(n));
    return a;
}

TEST(CommunicationsScheme, ThePartsOfASpanJoin) {
    // M0, M100 and M250: M100 joins M0 (M0 count 102); M250 ends beyond 0 + 192.
    EXPECT_EQ(Sorted(Merged({Bit(DeviceKind::M, 0, 2), Bit(DeviceKind::M, 100, 2),
                             Bit(DeviceKind::M, 250, 2)})),
              Sorted({Bit(DeviceKind::M, 0, 102), Bit(DeviceKind::M, 250, 2)}));
    // The backward pass joins a lower request that comes later in the list.
    EXPECT_EQ(Merged({Bit(DeviceKind::M, 100, 2), Bit(DeviceKind::M, 0, 2)}),
              ScanScheme{Bit(DeviceKind::M, 0, 102)});
    // Word spans end at 30.
    EXPECT_EQ(Merged({Word(DeviceKind::D, 0, 2), Word(DeviceKind::D, 28, 2)}),
              ScanScheme{Word(DeviceKind::D, 0, 30)});
    EXPECT_EQ(Sorted(Merged({Word(DeviceKind::D, 0, 2), Word(DeviceKind::D, 29, 2)})),
              Sorted({Word(DeviceKind::D, 0, 2), Word(DeviceKind::D, 29, 2)}));
    // Kinds stay apart, and so do bits and words of one number.
    const ScanScheme apart{Bit(DeviceKind::M, 0, 2), Bit(DeviceKind::S, 1, 2),
                           Bit(DeviceKind::T, 5, 2), Word(DeviceKind::TValue, 5, 1)};
    EXPECT_EQ(Sorted(Merged(apart)), Sorted(apart));
}

TEST(CommunicationsScheme, IdenticalRequestsJoinOnlyThroughALowerOne) {
    const ScanScheme twice{Bit(DeviceKind::M, 5, 2), Bit(DeviceKind::M, 5, 2)};
    EXPECT_EQ(Merged(twice), twice);
    EXPECT_EQ(
        Merged({Bit(DeviceKind::M, 3, 2), Bit(DeviceKind::M, 5, 2), Bit(DeviceKind::M, 5, 2)}),
        ScanScheme{Bit(DeviceKind::M, 3, 4)});
}

TEST(CommunicationsScheme, RandomListsMergeAsTheRulesSay) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        ScanScheme in;
        const int size = static_cast<int>(random() % 60);
        const int spread = trial % 3 == 0 ? 60 : trial % 3 == 1 ? 400 : 1200;
        for (int k = 0; k < size; ++k) {
            const auto kind = static_cast<DeviceKind>(random() % 9);
            const bool bit = DeviceImage::IsBitKind(kind);
            const int start = static_cast<int>(random() % static_cast<unsigned>(spread));
            const int count = 1 + static_cast<int>(random() % 2);
            in.push_back(bit ? Bit(kind, start, count) : Word(kind, start, count));
        }
        const ScanScheme out = Merged(in);
        ASSERT_EQ(Sorted(out), Sorted(ReferenceMerge(in))) << "trial " << trial;

        // What any merge must keep: each request is inside one span of its
        // sort, no span is longer than the limit, every span starts and ends
        // where some request did.
        for (const ScanRequest& r : in) {
            EXPECT_TRUE(std::any_of(out.begin(), out.end(),
                                    [&](const ScanRequest& s) {
                                        return s.isBit == r.isBit && s.kind == r.kind &&
                                               s.start <= r.start && r.End() <= s.End();
                                    }))
                << "trial " << trial;
        }
        for (const ScanRequest& s : out) {
            EXPECT_LE(s.count, SpanLimit(s.isBit));
            EXPECT_TRUE(std::any_of(in.begin(), in.end(), [&](const ScanRequest& r) {
                return r.kind == s.kind && r.start == s.start;
            }));
            EXPECT_TRUE(std::any_of(in.begin(), in.end(), [&](const ScanRequest& r) {
                return r.kind == s.kind && r.End() == s.End();
            }));
        }
        if (HasFailure()) return;
    }
}

TEST(LadderRegionAdd, DevicesAreReadTwoWideAndTimersWithTheirValue) {
    ScanScheme s;
    LadderRegion_Add_ComR1Scheme(s, MakeDeviceCode(DeviceKind::X, 17));
    LadderRegion_Add_ComR1Scheme(s, MakeDeviceCode(DeviceKind::T, 399));
    LadderRegion_Add_ComR1Scheme(s, MakeDeviceCode(DeviceKind::C, 5));
    LadderRegion_Add_ComR1Scheme(s, MakeDeviceCode(DeviceKind::D, 19999));
    EXPECT_EQ(s, (ScanScheme{Bit(DeviceKind::X, 17, 2), Bit(DeviceKind::T, 399, 2),
                             Word(DeviceKind::TValue, 399, 1), Bit(DeviceKind::C, 5, 2),
                             Word(DeviceKind::CValue, 5, 1), Word(DeviceKind::D, 19999, 2)}));

    // Requests that would run past their area of the image are left out.
    ScanScheme none;
    for (DeviceCode code :
         {kNoDevice, MakeDeviceCode(DeviceKind::M, 10000), MakeDeviceCode(DeviceKind::D, 20000),
          MakeDeviceCode(DeviceKind::T, 400), MakeDeviceCode(DeviceKind::X, 380),
          MakeDeviceCode(DeviceKind::S, 200), MakeDeviceCode(DeviceKind::CValue, 200),
          DeviceCode{9} /* no kind */, MakeDeviceCode(DeviceKind::M, -3)}) {
        LadderRegion_Add_ComR1Scheme(none, code);
    }
    EXPECT_TRUE(none.empty());
}

TEST(LadderRegionScheme, VisibleRowsOfTheShownBlock) {
    auto cells = std::make_unique<LadderCells>();
    auto put = [&](int column, int row, std::uint8_t kind, const char* text) {
        cells->Kind(column, row) = kind;
        cells->First(column, row) = text;
    };
    // A 32-bit instruction on D100 and a timer coil T5 in view.
    put(1, 0, CellKind::kOpenContact, "X0");
    put(12, 0, CellKind::kFunctionBox, "DINC D100");
    put(12, 1, CellKind::kCoil, "T5 K100");
    put(13, 1, CellKind::kOpenContact, "M9");  // the rail column is never read
    put(1, 5, CellKind::kOpenContact, "M50");  // below the region
    EXPECT_EQ(Sorted(LadderRegionScheme(*cells, 0, 0, 2)),
              Sorted({Bit(DeviceKind::X, 0, 2), Word(DeviceKind::D, 100, 2),
                      Bit(DeviceKind::T, 5, 2), Word(DeviceKind::TValue, 5, 1)}));

    // The extra devices of a cell: DADD D0 D2 D4 reads D0-D5 in one span.
    put(12, 2, CellKind::kFunctionBox, "DADD D0 D2 D4");
    // A coil whose set value is a register reads that register too.
    put(12, 3, CellKind::kCoil, "C7 D40");
    EXPECT_EQ(Sorted(LadderRegionScheme(*cells, 0, 2, 3)),
              Sorted({Word(DeviceKind::D, 0, 6), Bit(DeviceKind::C, 7, 2),
                      Word(DeviceKind::CValue, 7, 1), Word(DeviceKind::D, 40, 2)}));

    // A subroutine's rows are found through the row base.
    const int base = BlockFirstRow(5);
    put(2, base + 10, CellKind::kClosedContact, "Y17");
    EXPECT_EQ(LadderRegionScheme(*cells, base, 10, 10), ScanScheme{Bit(DeviceKind::Y, 17, 2)});
    EXPECT_TRUE(LadderRegionScheme(*cells, base, 0, 9).empty());
    // Rows outside the program give nothing.
    EXPECT_TRUE(LadderRegionScheme(*cells, kRows - 2, 0, 10).empty());
}

}  // namespace
}  // namespace vx
