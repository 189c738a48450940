// Inputs for the fuzz cases over stored layouts and layout rules: numbers
// from the edges of int and of a screen, and damaged profile texts.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vx::test {

// Mostly an edge of int or of a screen layout, else a small number, a
// number within a few screens, or any int.
inline int ExtremeInt(std::mt19937& random) {
    static constexpr int kEdges[] = {INT_MIN,     INT_MIN + 1, INT_MIN / 2, -65536, -32768, -32767,
                                     -100,        -2,          -1,          0,      1,      2,
                                     5,           18,          26,          32767,  32768,  65535,
                                     INT_MAX / 2, INT_MAX - 1, INT_MAX};
    switch (random() % 4) {
        case 0:
            return kEdges[random() % std::size(kEdges)];
        case 1:
            return std::uniform_int_distribution<int>(-300, 1200)(random);
        case 2:
            return std::uniform_int_distribution<int>(-70000, 70000)(random);
        default:
            return static_cast<int>(random());
    }
}

// Values a damaged profile may hold where a number belongs.
inline constexpr std::string_view kEdgeValues[] = {
    "2147483647", "-2147483648", "2147483648", "-2147483649", "99999999999", "0x7FFFFFFF",
    "$FFFFFFFF",  "0x80000000",  "32767",      "32768",       "-32768",      "65535",
    "1024",       "1025",        "0",          "-1",          "1",           "",
    "x",          "1e9",         " 12 ",       "+5",
};

// The text with a few changes of the kinds damage and hand editing make:
// a number replaced by an edge value, a line dropped, repeated or cut, a
// line of a known name with an edge value added, a byte changed.
inline std::string DamageProfile(std::string text, std::mt19937& random,
                                 const std::vector<std::string>& names) {
    auto pick = [&random](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    auto edge = [&] { return std::string(kEdgeValues[pick(std::size(kEdgeValues))]); };
    const int changes = 1 + static_cast<int>(pick(4));
    for (int i = 0; i < changes; ++i) {
        const std::size_t at = pick(text.size() + 1);
        const std::size_t lineStart = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
        std::size_t lineEnd = text.find('\n', at);
        lineEnd = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
        switch (pick(7)) {
            case 0: {  // a number replaced by an edge value
                const std::size_t eq = text.find('=', at);
                if (eq == std::string::npos) break;
                std::size_t end = text.find('\r', eq);
                if (end == std::string::npos) end = text.size();
                text.replace(eq + 1, end - eq - 1, edge());
                break;
            }
            case 1:  // a line dropped
                text.erase(lineStart, lineEnd - lineStart);
                break;
            case 2:  // a line repeated
                text.insert(pick(2) ? lineEnd : lineStart,
                            text.substr(lineStart, lineEnd - lineStart));
                break;
            case 3:  // cut
                text.resize(at);
                break;
            case 4:  // a byte changed
                if (!text.empty()) {
                    static constexpr char kBytes[] = {'=', '[', ']', '\r', '\n',  '\0',
                                                      ' ', '9', '-', 'x',  '\xFF'};
                    text[std::min(at, text.size() - 1)] = kBytes[pick(std::size(kBytes))];
                }
                break;
            default:  // a known name with an edge value
                if (!names.empty())
                    text.insert(lineStart, names[pick(names.size())] + "=" + edge() + "\r\n");
                break;
        }
    }
    return text;
}

}  // namespace vx::test
