#include "widgets/WgRegIniFile.h"

#include <cstdlib>

#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

std::string EnvironmentOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

std::string HomeFolder() {
    return EnvironmentOr("HOME", ".");
}

// The desktop's folder of that kind, the XDG way.
std::string SpecialFolderPath(TWgSpecialFolder folder) {
    switch (folder) {
        case TWgSpecialFolder::sfUserAppDataRoaming:
            return EnvironmentOr("XDG_CONFIG_HOME", JoinPath(HomeFolder(), ".config"));
        case TWgSpecialFolder::sfUserAppDataLocal:
            return EnvironmentOr("XDG_DATA_HOME", JoinPath(HomeFolder(), ".local/share"));
        case TWgSpecialFolder::sfUserDocuments:
            return EnvironmentOr("XDG_DOCUMENTS_DIR", JoinPath(HomeFolder(), "Documents"));
        case TWgSpecialFolder::sfProgramData:
            return WindowsDirectory();  // the machine-wide files
        case TWgSpecialFolder::sfNone:
            break;
    }
    return WindowsDirectory();
}

std::optional<RootKey> HiveOf(TWgRegKey key) {
    switch (key) {
        case TWgRegKey::hkeyClassesRoot:
            return RootKey::ClassesRoot;
        case TWgRegKey::hkeyCurrentUser:
            return RootKey::CurrentUser;
        case TWgRegKey::hkeyLocalMachine:
            return RootKey::LocalMachine;
        case TWgRegKey::hkeyUsers:
            return RootKey::Users;
        case TWgRegKey::hkeyCurrentConfig:
            return RootKey::CurrentConfig;
        case TWgRegKey::hkeyPerformanceData:
        case TWgRegKey::hkeyDynData:
            break;  // live system data, not a store of settings
    }
    return std::nullopt;
}

bool HasAny(TWgRegAccess access, std::initializer_list<TWgRegAccessKind> kinds) {
    for (TWgRegAccessKind kind : kinds) {
        if (access & RegAccessBit(kind)) return true;
    }
    return false;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

TWgRegIniFile::TWgRegIniFile() = default;

TWgRegIniFile::~TWgRegIniFile() {
    auto notifications = std::move(freeNotifications_);
    for (auto& [who, onFree] : notifications)
        onFree();
}

void TWgRegIniFile::FreeNotification(const void* who, std::function<void()> onFree) {
    RemoveFreeNotification(who);
    freeNotifications_.emplace_back(who, std::move(onFree));
}

void TWgRegIniFile::RemoveFreeNotification(const void* who) {
    std::erase_if(freeNotifications_, [who](const auto& entry) { return entry.first == who; });
}

void TWgRegIniFile::Reopen() {
    ini_.reset();
    registry_.reset();
}

void TWgRegIniFile::SetPath(const std::string& path) {
    if (path_ == path) return;
    path_ = path;
    Reopen();
}

void TWgRegIniFile::SetPathType(TWgPathType type) {
    if (pathType_ == type) return;
    pathType_ = type;
    Reopen();
}

void TWgRegIniFile::SetRegKey(TWgRegKey key) {
    if (regKey_ == key) return;
    regKey_ = key;
    Reopen();
}

void TWgRegIniFile::SetRegAccess(TWgRegAccess access) {
    if (regAccess_ == access) return;
    regAccess_ = access;
    Reopen();
}

void TWgRegIniFile::SetSpecialFolder(TWgSpecialFolder folder) {
    if (specialFolder_ == folder) return;
    specialFolder_ = folder;
    Reopen();
}

std::string TWgRegIniFile::FilePath() const {
    if (specialFolder_ == TWgSpecialFolder::sfNone && (path_.starts_with('/'))) {
        return JoinPath("/", path_);
    }
    return JoinPath(SpecialFolderPath(specialFolder_), path_);
}

bool TWgRegIniFile::MayRead() const {
    using K = TWgRegAccessKind;
    return HasAny(regAccess_, {K::keyQueryValue, K::keyRead, K::keyAllAccess});
}

bool TWgRegIniFile::MayWrite() const {
    using K = TWgRegAccessKind;
    return HasAny(regAccess_, {K::keySetValue, K::keyWrite, K::keyAllAccess});
}

IniFile& TWgRegIniFile::Ini() {
    if (!ini_) ini_ = std::make_unique<IniFile>(IniFile::Load(FilePath()));
    return *ini_;
}

Registry* TWgRegIniFile::OpenSection(std::string_view section, bool create) {
    const std::optional<RootKey> hive = HiveOf(regKey_);
    if (!hive) return nullptr;
    if (!registry_) registry_ = std::make_unique<Registry>(*hive);
    std::string key = path_;
    if (!section.empty()) key += "\\" + std::string(section);
    using K = TWgRegAccessKind;
    const bool mayCreate =
        create && HasAny(regAccess_, {K::keyCreateSubKey, K::keyWrite, K::keyAllAccess});
    return registry_->OpenKey(key, mayCreate) == RegOutcome::Ok ? registry_.get() : nullptr;
}

std::string TWgRegIniFile::ReadString(std::string_view section, std::string_view ident,
                                      std::string_view fallback) {
    if (pathType_ == TWgPathType::ptIniFile) return Ini().ReadString(section, ident, fallback);
    if (!MayRead()) return std::string(fallback);
    Registry* registry = OpenSection(section, false);
    std::optional<std::string> value;
    if (registry) value = registry->ReadString(ident);
    return value ? *value : std::string(fallback);
}

std::int32_t TWgRegIniFile::ReadInteger(std::string_view section, std::string_view ident,
                                        std::int32_t fallback) {
    if (pathType_ == TWgPathType::ptIniFile) return Ini().ReadInteger(section, ident, fallback);
    if (!MayRead()) return fallback;
    Registry* registry = OpenSection(section, false);
    if (!registry) return fallback;
    if (std::optional<std::int32_t> value = registry->ReadInteger(ident)) return *value;
    // A number kept as text reads as that number.
    std::int32_t parsed = 0;
    if (std::optional<std::string> text = registry->ReadString(ident);
        text && ParseProfileInteger(*text, parsed))
        return parsed;
    return fallback;
}

bool TWgRegIniFile::ReadBool(std::string_view section, std::string_view ident, bool fallback) {
    return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

IoResult TWgRegIniFile::WriteRegistry(std::string_view section, std::string_view ident,
                                      const std::function<IoResult(Registry&)>& write) {
    if (!HiveOf(regKey_)) return IoResult::Failure("this registry hive keeps no settings");
    if (!MayWrite()) return IoResult::Failure("no write access to the registry key");
    Registry* registry = OpenSection(section, true);
    if (!registry)
        return IoResult::Failure("cannot open the registry key for " + std::string(ident));
    return write(*registry);
}

IoResult TWgRegIniFile::WriteString(std::string_view section, std::string_view ident,
                                    std::string_view value) {
    if (pathType_ == TWgPathType::ptRegistry) {
        return WriteRegistry(section, ident,
                             [&](Registry& r) { return r.WriteString(ident, value); });
    }
    IniFile& ini = Ini();
    if (IoResult refused = ini.WriteString(section, ident, value); !refused) return refused;
    MakeFolders(FolderOf(ini.Path()));
    IoResult saved = ini.Save();
    // The profile in memory goes back to what the file holds.
    if (!saved) ini_.reset();
    return saved;
}

IoResult TWgRegIniFile::WriteInteger(std::string_view section, std::string_view ident,
                                     std::int32_t value) {
    if (pathType_ == TWgPathType::ptRegistry) {
        return WriteRegistry(section, ident,
                             [&](Registry& r) { return r.WriteInteger(ident, value); });
    }
    return WriteString(section, ident, std::to_string(value));
}

IoResult TWgRegIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
    return WriteInteger(section, ident, value ? 1 : 0);
}

}  // namespace vx
