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

PlcInfoTexts InfoTexts(const PlcIdentity& id) {
    PlcInfoTexts t;
    t.year = std::string(kFactoryYearCaption) + " " + std::to_string(id.year);
    t.month = std::string(kFactoryMonthCaption) + " " + std::to_string(id.month);
    t.version = std::string(kFirmwareCaption) + " " + std::to_string(id.version);
    t.caption = "PLC信息  [ " + std::to_string(id.serial) + " ]";
    return t;
}

}  // namespace vx
