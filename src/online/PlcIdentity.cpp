#include "online/PlcIdentity.h"

namespace vx {

PlcIdentity IdentityOfWords(std::span<const std::uint16_t> words) {
    PlcIdentity id;
    if (words.size() < static_cast<std::size_t>(kIdentityWords)) return id;
    id.year = words[0];
    id.month = words[1];
    id.version = words[2];
    id.serial = static_cast<std::uint32_t>(words[3]) | static_cast<std::uint32_t>(words[4]) << 16;
    return id;
}

PlcInfoTexts BareInfoTexts(bool chinese) {
    PlcInfoTexts t;
    t.year = chinese ? kFactoryYearCaption : "Factory year:";
    t.month = chinese ? kFactoryMonthCaption : "Factory month:";
    t.version = chinese ? kFirmwareCaption : "Firmware version:";
    return t;
}

PlcInfoTexts InfoTexts(const PlcIdentity& id, bool chinese) {
    PlcInfoTexts t = BareInfoTexts(chinese);
    t.year += " " + std::to_string(id.year);
    t.month += " " + std::to_string(id.month);
    t.version += " " + std::to_string(id.version);
    t.caption = std::string(chinese ? "PLC信息" : "PLC Information") + "  [ " +
                std::to_string(id.serial) + " ]";
    return t;
}

}  // namespace vx
