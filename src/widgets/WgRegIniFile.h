// `TWgRegIniFile`: where a component's settings can be kept, an INI file or a
// registry key, with one set of read and write calls.
//
// INI files follow the Windows profile rules of IniFile (GBK on disk, every
// write saved whole and atomically); a file name without a folder lies in the
// Windows directory, as a profile's does, unless a special folder is chosen.
// In the registry (the tool's registry store) the path is the key, a section
// a key below it and an identifier a value of that key; registry reads need
// the query-value (or read) access, writes the set-value (or write) access
// and, for a missing key, the create-subkey (or write) access; keyAllAccess
// gives all. The store is opened on first use and again after any of the
// properties changes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FileIo.h"

namespace vx {

class IniFile;
class Registry;

enum class TWgPathType : std::uint8_t { ptIniFile, ptRegistry };
enum class TWgRegKey : std::uint8_t {
    hkeyClassesRoot,
    hkeyCurrentUser,
    hkeyLocalMachine,
    hkeyUsers,
    hkeyPerformanceData,
    hkeyCurrentConfig,
    hkeyDynData,
};
enum class TWgRegAccessKind : std::uint8_t {
    keyQueryValue,
    keySetValue,
    keyCreateSubKey,
    keyEnumerateSubKeys,
    keyNotify,
    keyCreateLink,
    keyRead,
    keyWrite,
    keyExecute,
    keyAllAccess,
};
// A set of access kinds, bit n for the kind numbered n.
using TWgRegAccess = std::uint16_t;
constexpr TWgRegAccess RegAccessBit(TWgRegAccessKind kind) {
    return static_cast<TWgRegAccess>(1u << static_cast<unsigned>(kind));
}
enum class TWgSpecialFolder : std::uint8_t {
    sfNone,
    sfUserAppDataRoaming,
    sfUserAppDataLocal,
    sfUserDocuments,
    sfProgramData,
};

class TWgRegIniFile {
  public:
    TWgRegIniFile();
    ~TWgRegIniFile();
    TWgRegIniFile(const TWgRegIniFile&) = delete;
    TWgRegIniFile& operator=(const TWgRegIniFile&) = delete;

    const std::string& Path() const { return path_; }
    void SetPath(const std::string& path);
    TWgPathType PathType() const { return pathType_; }
    void SetPathType(TWgPathType type);
    TWgRegKey RegKey() const { return regKey_; }
    void SetRegKey(TWgRegKey key);
    TWgRegAccess RegAccess() const { return regAccess_; }
    void SetRegAccess(TWgRegAccess access);
    TWgSpecialFolder SpecialFolder() const { return specialFolder_; }
    void SetSpecialFolder(TWgSpecialFolder folder);

    // The INI file the settings go to (for ptIniFile).
    std::string FilePath() const;

    // Values that are missing, unreadable or not allowed give the fallback.
    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view fallback);
    std::int32_t ReadInteger(std::string_view section, std::string_view ident,
                             std::int32_t fallback);
    bool ReadBool(std::string_view section, std::string_view ident, bool fallback);

    IoResult WriteString(std::string_view section, std::string_view ident, std::string_view value);
    IoResult WriteInteger(std::string_view section, std::string_view ident, std::int32_t value);
    IoResult WriteBool(std::string_view section, std::string_view ident, bool value);

    // `onFree` runs when this store is destroyed, unless `who` cancels it.
    void FreeNotification(const void* who, std::function<void()> onFree);
    void RemoveFreeNotification(const void* who);

  private:
    bool MayRead() const;
    bool MayWrite() const;
    void Reopen();
    IniFile& Ini();
    // The registry with the key of the section open, or null when the hive
    // is not kept or the key is missing and not to be created.
    Registry* OpenSection(std::string_view section, bool create);
    IoResult WriteRegistry(std::string_view section, std::string_view ident,
                           const std::function<IoResult(Registry&)>& write);

    std::string path_;
    TWgPathType pathType_ = TWgPathType::ptIniFile;
    TWgRegKey regKey_ = TWgRegKey::hkeyCurrentUser;
    TWgRegAccess regAccess_ = RegAccessBit(TWgRegAccessKind::keyAllAccess);
    TWgSpecialFolder specialFolder_ = TWgSpecialFolder::sfNone;

    std::unique_ptr<IniFile> ini_;
    std::unique_ptr<Registry> registry_;
    std::vector<std::pair<const void*, std::function<void()>>> freeNotifications_;
};

}  // namespace vx
