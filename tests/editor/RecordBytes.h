// Hand-made 60-byte records for the file layout tests, built byte by byte so
// that the tests do not check the writer against itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx::test {

// Texts are given as the GBK bytes the file holds. `length1`/`length2` set the
// length bytes when they should not match the texts (-1: the texts' sizes).
inline std::string RawRecord(std::uint8_t tag, std::string_view gbk1, std::string_view gbk2,
                             std::int32_t value, int length1 = -1, int length2 = -1) {
    std::string r(60, '\0');
    r[0] = static_cast<char>(tag);
    r[1] = static_cast<char>(length1 < 0 ? gbk1.size() : static_cast<std::size_t>(length1));
    r.replace(2, gbk1.size(), gbk1);
    r[28] = static_cast<char>(length2 < 0 ? gbk2.size() : static_cast<std::size_t>(length2));
    r.replace(29, gbk2.size(), gbk2);
    const auto v = static_cast<std::uint32_t>(value);
    r[56] = static_cast<char>(v & 0xFF);
    r[57] = static_cast<char>((v >> 8) & 0xFF);
    r[58] = static_cast<char>((v >> 16) & 0xFF);
    r[59] = static_cast<char>((v >> 24) & 0xFF);
    return r;
}

}  // namespace vx::test
