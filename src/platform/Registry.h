// A small registry for the few values the tool and the updater exchange.
//
// The programming tool hands the firmware update over to `Update` through the
// values "Flag" and "Chinese" under HKEY_LOCAL_MACHINE "Software\vxTorvin", and
// the widget family asks for the desktop colour scheme (which is never set
// here). The store is one INI file, "registry.ini" in the Windows directory:
// one section per key, named by hive and key path, with typed values
// ("dword:1", "sz:text"). Every read looks at the file afresh and every write
// replaces it whole, so two programs can share it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileIo.h"

namespace vx {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

enum class RegOutcome {
    Ok,
    KeyMissing,    // the key does not exist and was not to be created
    CreateFailed,  // the key could not be created (the store cannot be written)
};

class Registry {
  public:
    explicit Registry(RootKey root = RootKey::CurrentUser);
    // A registry kept in the given store file instead of the Windows directory's.
    Registry(RootKey root, std::string storePath);

    bool KeyExists(std::string_view key) const;
    // Opens the key for the value operations; creates it first when asked to.
    RegOutcome OpenKey(std::string_view key, bool canCreate);
    // Creates the key without opening it.
    RegOutcome CreateKey(std::string_view key);
    void CloseKey();
    bool HasOpenKey() const { return !openKey_.empty(); }

    bool ValueExists(std::string_view name) const;
    // Nothing when no key is open, the value is missing, or it has another type.
    std::optional<std::int32_t> ReadInteger(std::string_view name) const;
    std::optional<bool> ReadBool(std::string_view name) const;  // an integer, non-zero is true
    std::optional<std::string> ReadString(std::string_view name) const;

    IoResult WriteInteger(std::string_view name, std::int32_t value);
    IoResult WriteBool(std::string_view name, bool value);
    IoResult WriteString(std::string_view name, std::string_view value);

    const std::string& StorePath() const { return storePath_; }

  private:
    std::string SectionOf(std::string_view key) const;
    std::optional<std::string> RawValue(std::string_view name) const;
    IoResult WriteRaw(std::string_view name, const std::string& raw);

    RootKey root_;
    std::string storePath_;
    std::string openKey_;  // section of the open key, empty when none is open
};

}  // namespace vx
