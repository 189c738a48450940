// Language file entries as test failures show them: "name=value".
#pragma once

#include <ostream>

#include "editor/LanguageFile.h"

namespace vx {

inline void PrintTo(const LanguageEntry& entry, std::ostream* out) {
    *out << entry.name << "=" << entry.value;
}

}  // namespace vx
