#include "build/CompileValues.h"

#include <algorithm>

#include "model/MyPublic.h"

namespace vx {
namespace {

constexpr int kHighestSeries = kModelSeriesCount - 1;

// An external-interrupt mode digit as the run-time expects it.
std::string InterruptModeText(int mode) {
    switch (mode) {
        case 1:
            return "0x0C";  // rising edge
        case 2:
            return "0x08";  // falling edge
        case 3:
            return "0x10";  // both edges
        default:
            return "0";
    }
}

}  // namespace

CompileValues ReadCompileValues(std::string_view sys, bool usePlugin) {
    CompileValues values;
    values.series = std::min(HexFieldToInt(sys, 1, 2), kHighestSeries);
    values.version = HexFieldToInt(sys, 3, 2);
    values.canFunction = HexFieldToInt(sys, 21, 1);
    const int flags = HexFieldToInt(sys, 50, 2);
    values.cBlock = (flags & 0x01) != 0;
    values.cLibrary = (flags & 0x08) != 0;
    values.plugin = usePlugin;
    return values;
}

std::string LinkerSuffix(const CompileValues& v) {
    const bool wide = (v.series == 3 && v.version > 1) || (v.series == 6 && v.version > 0) ||
                      (v.series == 10 && v.version > 1);
    return wide ? "2" : "";
}

std::string RuntimeVariant(const CompileValues& v) {
    switch (v.canFunction) {
        case 1:
            return "../STFUNC";
        case 2:
            return "../STFUNCO";
        default:
            return "../STFUN";
    }
}

const std::array<std::string, kModelSeriesCount * kModelVersionsPerSeries>& ModelLibraryTable() {
    static const std::array<std::string, kModelSeriesCount* kModelVersionsPerSeries> table = {
        "../MOD000.d", "../MOD001.d", "../MOD002.d",  // KZ6-10MR
        "../MOD010.d", "../MOD011.d", "../MOD012.d",  // KZ6-14MR
        "../MOD020.d", "../MOD021.d", "../MOD022.d",  // KZ6-14MT
        "../MOD030.d", "../MOD031.d", "../MOD032.d",  // KZ6-24MR
        "../MOD040.d", "../MOD041.d", "../MOD042.d",  // KZ6-24MT
        "../MOD050.d", "../MOD051.d", "../MOD052.d",  // KZ6-32MR
        "../MOD060.d", "../MOD061.d", "../MOD062.d",  // KZ6-32MT
        "../MOD070.d", "../MOD071.d", "../MOD072.d",  // KZ6-48MR
        "../MOD080.d", "../MOD081.d", "../MOD082.d",  // KZ6-48MT
        "../MOD090.d", "../MOD091.d", "../MOD092.d",  // KZ6-60MT
        "../MOD100.d", "../MOD101.d", "../MOD102.d",  // KZ6-PG16
    };
    return table;
}

std::string ModelObject(int series, int version) {
    series = std::clamp(series, 0, kHighestSeries);
    version = std::clamp(version, 0, kModelVersionsPerSeries - 1);
    return ModelLibraryTable()[static_cast<std::size_t>(series * kModelVersionsPerSeries +
                                                        version)];
}

std::vector<std::string> SysIniTable(std::string_view s, std::string_view h) {
    std::vector<std::string> t;
    auto field = [&](std::string_view text, int position, int count) {
        t.push_back(std::to_string(HexFieldToInt(text, position, count)));
    };
    field(h, 16, 4);
    field(h, 20, 4);
    const int sysFields[][2] = {{10, 2}, {12, 1}, {13, 2}, {15, 1}, {16, 1}, {17, 1}, {18, 1},
                                {19, 2}, {21, 1}, {22, 1}, {23, 1}, {24, 1}, {25, 2}, {27, 1},
                                {28, 3}, {31, 3}, {34, 3}, {37, 3}, {40, 3}, {43, 3}, {46, 3}};
    for (const auto& f : sysFields)
        field(s, f[0], f[1]);
    t.push_back("0");
    field(s, 49, 1);
    field(s, 50, 2);
    for (int position = 1; position <= 3; ++position)
        t.push_back(InterruptModeText(HexFieldToInt(h, position, 1)));
    // Integer division truncating toward zero, as the controller's table expects.
    t.push_back(std::to_string((HexFieldToInt(h, 4, 4) - 484) / 16 + 1300));
    t.push_back(std::to_string(HexFieldToInt(h, 8, 4) + 1));
    t.push_back(std::to_string(HexFieldToInt(h, 12, 4) + 1186));
    return t;
}

}  // namespace vx
