#include "platform/Registry.h"

#include "platform/IniFile.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx {
namespace {

constexpr std::string_view kIntegerTag = "dword:";
constexpr std::string_view kStringTag = "sz:";

const char* HiveName(RootKey root) {
    switch (root) {
        case RootKey::ClassesRoot:
            return "HKEY_CLASSES_ROOT";
        case RootKey::CurrentUser:
            return "HKEY_CURRENT_USER";
        case RootKey::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
        case RootKey::Users:
            return "HKEY_USERS";
        case RootKey::CurrentConfig:
            return "HKEY_CURRENT_CONFIG";
    }
    return "HKEY_CURRENT_USER";
}

// "\Software\\vxTorvin\" and "Software/vxTorvin" name the same key.
std::string NormaliseKey(std::string_view key) {
    std::string out;
    for (char c : key) {
        if (c == '/') c = '\\';
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

}  // namespace

Registry::Registry(RootKey root) : Registry(root, JoinPath(WindowsDirectory(), "registry.ini")) {}

Registry::Registry(RootKey root, std::string storePath)
    : root_(root), storePath_(std::move(storePath)) {}

std::string Registry::SectionOf(std::string_view key) const {
    std::string path = NormaliseKey(key);
    return path.empty() ? std::string(HiveName(root_)) : std::string(HiveName(root_)) + "\\" + path;
}

bool Registry::KeyExists(std::string_view key) const {
    const std::string section = SectionOf(key);
    if (NormaliseKey(key).empty()) return true;  // the hive itself always exists
    IniFile store = IniFile::Load(storePath_);
    if (store.SectionExists(section)) return true;
    const std::string prefix = AsciiLower(section) + "\\";
    for (const std::string& name : store.Sections()) {
        if (AsciiLower(name).starts_with(prefix)) return true;
    }
    return false;
}

RegOutcome Registry::CreateKey(std::string_view key) {
    if (KeyExists(key)) return RegOutcome::Ok;
    IniFile store = IniFile::Load(storePath_);
    store.AddSection(SectionOf(key));  // a key without values is an empty section
    return store.Save() ? RegOutcome::Ok : RegOutcome::CreateFailed;
}

RegOutcome Registry::OpenKey(std::string_view key, bool canCreate) {
    CloseKey();
    if (!KeyExists(key)) {
        if (!canCreate) return RegOutcome::KeyMissing;
        RegOutcome created = CreateKey(key);
        if (created != RegOutcome::Ok) return created;
    }
    openKey_ = SectionOf(key);
    return RegOutcome::Ok;
}

void Registry::CloseKey() {
    openKey_.clear();
}

std::optional<std::string> Registry::RawValue(std::string_view name) const {
    if (openKey_.empty()) return std::nullopt;
    IniFile store = IniFile::Load(storePath_);
    if (!store.ValueExists(openKey_, name)) return std::nullopt;
    return store.ReadString(openKey_, name, "");
}

bool Registry::ValueExists(std::string_view name) const {
    return RawValue(name).has_value();
}

std::optional<std::int32_t> Registry::ReadInteger(std::string_view name) const {
    std::optional<std::string> raw = RawValue(name);
    if (!raw || !raw->starts_with(kIntegerTag)) return std::nullopt;
    std::int32_t value = 0;
    if (!ParseProfileInteger(std::string_view(*raw).substr(kIntegerTag.size()), value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Registry::ReadBool(std::string_view name) const {
    std::optional<std::int32_t> value = ReadInteger(name);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<std::string> Registry::ReadString(std::string_view name) const {
    std::optional<std::string> raw = RawValue(name);
    if (!raw || !raw->starts_with(kStringTag)) return std::nullopt;
    return raw->substr(kStringTag.size());
}

IoResult Registry::WriteRaw(std::string_view name, const std::string& raw) {
    if (openKey_.empty()) return IoResult::Failure("no registry key is open");
    IniFile store = IniFile::Load(storePath_);
    if (IoResult refused = store.WriteString(openKey_, name, raw); !refused) return refused;
    return store.Save();
}

IoResult Registry::WriteInteger(std::string_view name, std::int32_t value) {
    return WriteRaw(name, std::string(kIntegerTag) + std::to_string(value));
}

IoResult Registry::WriteBool(std::string_view name, bool value) {
    return WriteInteger(name, value ? 1 : 0);
}

IoResult Registry::WriteString(std::string_view name, std::string_view value) {
    return WriteRaw(name, std::string(kStringTag) + std::string(value));
}

}  // namespace vx
