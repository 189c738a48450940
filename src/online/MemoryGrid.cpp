#include "online/MemoryGrid.h"

#include "model/MyPublic.h"

namespace vx {
namespace {

constexpr const char* kOn = "■";
constexpr const char* kOff = "□";

bool Wide(MonitorTab tab, DFormat format) {
    return tab == MonitorTab::D && FormatWords(format) == 2;
}

char LetterOfTab(MonitorTab tab) {
    switch (tab) {
        case MonitorTab::X:
            return 'X';
        case MonitorTab::Y:
            return 'Y';
        case MonitorTab::M:
            return 'M';
        case MonitorTab::S:
            return 'S';
        case MonitorTab::T:
            return 'T';
        case MonitorTab::C:
            return 'C';
        default:
            return 'D';
    }
}

// The image area of a bit grid.
DeviceKind BitKind(MonitorTab tab) {
    switch (tab) {
        case MonitorTab::X:
            return DeviceKind::X;
        case MonitorTab::Y:
            return DeviceKind::Y;
        case MonitorTab::M:
            return DeviceKind::M;
        case MonitorTab::S:
            return DeviceKind::S;
        case MonitorTab::T:
            return DeviceKind::T;
        default:
            return DeviceKind::C;
    }
}

bool In(int value, int low, int high) {
    return value >= low && value <= high;
}

// System register areas by index from D10000: green and yellow bands.
TColor SystemRegisterBackground(int index) {
    struct Band {
        int low, high;
        TColor colour;
    };
    static constexpr Band kBands[] = {
        {0, 54, kGreenColor},     {60, 84, kYellowColor},   {100, 156, kGreenColor},
        {200, 223, kYellowColor}, {250, 273, kGreenColor},  {300, 319, kYellowColor},
        {320, 357, kGreenColor},  {360, 397, kYellowColor}, {400, 426, kGreenColor},
    };
    for (const Band& b : kBands) {
        if (In(index, b.low, b.high)) return b.colour;
    }
    return clWindow;
}

}  // namespace

int GridColumns(MonitorTab tab, DFormat format) {
    if (tab == MonitorTab::X || tab == MonitorTab::Y) return 8;
    if (Wide(tab, format)) return 6;
    return tab == MonitorTab::Close ? 0 : 10;
}

int GridRows(MonitorTab tab) {
    switch (tab) {
        case MonitorTab::X:
        case MonitorTab::Y:
            return 32;
        case MonitorTab::M:
        case MonitorTab::D:
            return 1000;
        case MonitorTab::S:
        case MonitorTab::C:
            return 20;
        case MonitorTab::T:
            return 40;
        case MonitorTab::SD:
            return 60;
        case MonitorTab::Close:
            break;
    }
    return 0;
}

std::string ColumnHeader(MonitorTab tab, DFormat format, int column) {
    if (column < 1 || column > GridColumns(tab, format)) return {};
    const int step = Wide(tab, format) ? 2 : 1;
    return " + " + std::to_string((column - 1) * step);
}

std::string RowLabel(MonitorTab tab, int row) {
    if (row < 1 || row > GridRows(tab)) return {};
    const char letter = LetterOfTab(tab);
    if (tab == MonitorTab::X || tab == MonitorTab::Y)
        return letter + std::to_string(IntToOctalDigits(row - 1) * 10);
    if (tab == MonitorTab::SD)
        return "D" + std::to_string(DeviceImage::kFirstSystemRegister + (row - 1) * 10);
    return letter + std::to_string((row - 1) * 10);
}

int DeviceOfCell(MonitorTab tab, DFormat format, int column, int row) {
    if (column < 1 || column > GridColumns(tab, format) || row < 1 || row > GridRows(tab))
        return -1;
    if (tab == MonitorTab::X || tab == MonitorTab::Y)
        return static_cast<int>(IntToOctalDigits((row - 1) * 8)) + column - 1;
    if (Wide(tab, format)) return (row - 1) * 10 + (column - 1) * 2;
    const int base = tab == MonitorTab::SD ? DeviceImage::kFirstSystemRegister : 0;
    return base + (row - 1) * 10 + column - 1;
}

std::optional<std::pair<int, int>> CellOfDevice(MonitorTab tab, DFormat format, int device) {
    if (device < 0) return std::nullopt;
    int index = device;
    int column = 0;
    int row = 0;
    if (tab == MonitorTab::X || tab == MonitorTab::Y) {
        index = OctalDigitsToInt(device);
        if (IntToOctalDigits(index) != device) return std::nullopt;  // not an octal number
        row = index / 8 + 1;
        column = index % 8 + 1;
    } else {
        if (tab == MonitorTab::SD) index -= DeviceImage::kFirstSystemRegister;
        if (index < 0) return std::nullopt;
        row = index / 10 + 1;
        column = Wide(tab, format) ? index % 10 / 2 + 1 : index % 10 + 1;
    }
    if (row > GridRows(tab) || column > GridColumns(tab, format)) return std::nullopt;
    return std::make_pair(column, row);
}

MemoryCell CellOf(MonitorTab tab, DFormat format, int column, int row, const DeviceImage& image) {
    MemoryCell cell;
    const int device = DeviceOfCell(tab, format, column, row);
    if (device < 0) return cell;
    const char letter = LetterOfTab(tab);
    switch (tab) {
        case MonitorTab::D:
            cell.label = "D" + std::to_string(device);
            cell.read = image.WasRead(DeviceKind::D, device) &&
                        (FormatWords(format) == 1 || image.WasRead(DeviceKind::D, device + 1));
            if (cell.read) cell.value = FormatRegister(format, image, device);
            if (In(device, 500, 1299)) cell.background = kYellowColor;
            if (In(device, 2000, 2599)) cell.background = kGreenColor;
            return cell;
        case MonitorTab::SD: {
            cell.label = "D" + std::to_string(device);
            cell.read = image.WasRead(DeviceKind::D, device);
            if (cell.read) cell.value = FormatRegister(DFormat::U16, image, device);
            cell.background = SystemRegisterBackground(device - DeviceImage::kFirstSystemRegister);
            return cell;
        }
        default:
            break;
    }
    cell.read = image.WasRead(BitKind(tab), device);
    const bool on = cell.read && image.Bit(BitKind(tab), device).value_or(false);
    cell.label = std::string(cell.read ? (on ? kOn : kOff) : "") + letter + std::to_string(device);
    // A current value is shown only once read.
    auto value = [&](DeviceKind kind) {
        if (!image.WasRead(kind, device)) return std::string();
        return std::to_string(image.Word(kind, device).value_or(0));
    };
    switch (tab) {
        case MonitorTab::M:
            if (In(device, 500, 1299)) cell.background = kYellowColor;
            break;
        case MonitorTab::C:
            if (device >= 165) cell.background = kYellowColor;
            cell.value = value(DeviceKind::CValue);
            break;
        case MonitorTab::T:
            if (on) cell.background = kOnColor;
            cell.bold = device >= 235;
            cell.value = value(DeviceKind::TValue);
            break;
        default:  // X, Y, S
            if (on) cell.background = kOnColor;
            break;
    }
    return cell;
}

std::string SetResetCaption(MonitorTab tab, int device) {
    if (tab != MonitorTab::Y && tab != MonitorTab::M && tab != MonitorTab::S) return {};
    return std::string(1, LetterOfTab(tab)) + ":" + std::to_string(device);
}

std::optional<BitWriteTarget> BitWriteOfCaption(std::string_view caption) {
    if (caption.size() < 3 || caption[1] != ':') return std::nullopt;
    const std::optional<std::int32_t> number = DecimalToInt(caption.substr(2));
    if (!number || *number < 0) return std::nullopt;
    switch (caption[0]) {
        case 'M':
            if (*number > 9999) return std::nullopt;
            return BitWriteTarget{*number, 5};
        case 'S':
            if (*number > 199) return std::nullopt;
            return BitWriteTarget{*number, 14};
        case 'Y':
            if (*number > 377 || IntToOctalDigits(OctalDigitsToInt(*number)) != *number)
                return std::nullopt;
            return BitWriteTarget{*number, 109};
        default:
            return std::nullopt;
    }
}

}  // namespace vx
