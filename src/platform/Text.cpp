#include "platform/Text.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace vx {
namespace {

// One conversion direction, opened once per thread: opening a converter costs
// far more than converting a short cell text.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; an input sequence the converter refuses is
    // skipped by `skip` bytes and replaced by `replacement`.
    std::string Run(std::string_view in, std::string_view replacement,
                    std::size_t (*skip)(std::string_view)) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 2 + 4);
        char buffer[256];
        std::size_t pos = 0;
        while (pos < in.size()) {
            char* src = const_cast<char*>(in.data() + pos);
            std::size_t srcLeft = in.size() - pos;
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            pos = in.size() - srcLeft;
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                // EILSEQ, or EINVAL for a sequence cut off at the end.
                out.append(replacement);
                pos += skip(in.substr(pos));
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

  private:
    iconv_t cd_;
};

// A GBK lead byte (0x81-0xFE) takes a trail byte (0x40-0xFE but 0x7F) with
// it; anything else is one byte, so a lead byte before a control character,
// a line break among them, leaves that character where it is.
std::size_t SkipGbk(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x81 || lead > 0xFE || rest.size() < 2) return 1;
    auto trail = static_cast<unsigned char>(rest[1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

// Length of the UTF-8 sequence that starts the text: a broken lead byte is one
// byte, a sequence cut off by the end of the text is what is left of it.
std::size_t Utf8SequenceLength(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t n = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 1;
    std::size_t i = 1;
    while (i < n && i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80)
        ++i;
    return i == n || i == rest.size() ? i : 1;
}

Converter& ToUtf8() {
    thread_local Converter c("UTF-8", "CP936");
    return c;
}

Converter& ToGbk() {
    thread_local Converter c("CP936", "UTF-8");
    return c;
}

}  // namespace

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80) return false;
    }
    return true;
}

std::string GbkToUtf8(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    return ToUtf8().Run(gbk, "\xEF\xBF\xBD", SkipGbk);
}

void ForEachRawLine(std::string_view text, const std::function<void(std::string_view)>& line) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        // A line end converted twice ("\r\r\n") is still one line end.
        while (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        line(raw);
    }
}

void ForEachGbkLine(std::string_view gbk, const std::function<void(std::string_view)>& line) {
    ForEachRawLine(gbk, [&line](std::string_view raw) {
        if (IsAscii(raw)) {
            line(raw);
        } else {
            line(GbkToUtf8(raw));
        }
    });
}

std::string Utf8ToGbk(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return ToGbk().Run(utf8, "?", Utf8SequenceLength);
}

std::size_t GbkByteLength(std::string_view utf8) {
    if (IsAscii(utf8)) return utf8.size();
    return Utf8ToGbk(utf8).size();
}

bool GbkHolds(std::string_view utf8) {
    if (IsAscii(utf8)) return true;
    return GbkToUtf8(Utf8ToGbk(utf8)) == utf8;
}

std::string CutToGbkBytes(std::string_view utf8, std::size_t maxBytes) {
    if (IsAscii(utf8)) return std::string(utf8.substr(0, maxBytes));
    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t n = Utf8SequenceLength(utf8.substr(pos));
        std::size_t bytes = n == 1 ? 1 : Utf8ToGbk(utf8.substr(pos, n)).size();
        if (used + bytes > maxBytes) break;
        used += bytes;
        pos += n;
    }
    return std::string(utf8.substr(0, pos));
}

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    return text.substr(b, e - b);
}

}  // namespace vx
