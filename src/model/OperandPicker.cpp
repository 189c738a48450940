#include "model/OperandPicker.h"

namespace vx {

std::vector<std::string> PickerDeviceRows(bool coilMode) {
    std::vector<std::string> rows;
    if (!coilMode) rows.emplace_back("X0...X377");
    for (const char* row : {"Y0...Y377", "M0...M9999", "S0...S199", "T0...T399", "C0...C199"})
        rows.emplace_back(row);
    return rows;
}

std::vector<std::string> PickerSetValueRows() {
    return {"D0...D9999", "K0...K65535"};
}

std::string PickerDeviceOfRow(std::string_view row) {
    if (row.empty()) return {};
    return std::string(1, row.front()) + "0";
}

std::string PickerSetValueOfRow(int row) {
    return row == 0 ? "D0" : "K0";
}

std::pair<std::string, std::string> SplitPickerText(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, blank)), std::string(text.substr(blank + 1))};
}

bool PickerTakesSetValue(std::string_view device) {
    if (device.empty()) return false;
    const char c = device.front();
    return c == 'T' || c == 'C' || c == 't' || c == 'c';
}

std::string PickerResult(std::string_view device, std::string_view setValue) {
    if (!setValue.empty() && PickerTakesSetValue(device)) {
        return std::string(device) + " " + std::string(setValue);
    }
    return std::string(device);
}

}  // namespace vx
