#include "editor/ProjectRecord.h"

#include <algorithm>
#include <cstring>

#include "platform/Text.h"

namespace vx {
namespace {

// Writes the length byte and the text bytes of one field; the 26 bytes of the
// field are zero already.
void PutText(char* field, std::string_view utf8) {
    if (IsAscii(utf8)) {
        // The common case (element names, C fragments) needs no conversion.
        const std::size_t n = std::min(utf8.size(), kRecordTextBytes);
        field[0] = static_cast<char>(n);
        std::memcpy(field + 1, utf8.data(), n);
        return;
    }
    const std::string gbk = RecordFieldBytes(utf8);
    field[0] = static_cast<char>(gbk.size());
    std::memcpy(field + 1, gbk.data(), gbk.size());
}

}  // namespace

std::string RecordFieldBytes(std::string_view utf8) {
    std::string gbk = Utf8ToGbk(utf8);
    if (gbk.size() > kRecordTextBytes) gbk = Utf8ToGbk(CutToGbkBytes(utf8, kRecordTextBytes));
    return gbk;
}

void AppendRecord(std::string& out, std::uint8_t tag, std::string_view text1,
                  std::string_view text2, std::int32_t value) {
    const std::size_t at = out.size();
    out.resize(at + kRecordSize, '\0');
    char* p = out.data() + at;
    p[0] = static_cast<char>(tag);
    PutText(p + 1, text1);
    PutText(p + 28, text2);
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[56 + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string_view RecordView::Text(std::size_t lengthAt) const {
    const std::size_t n = std::min<std::size_t>(Byte(lengthAt), kRecordTextBytes);
    return bytes_.substr(lengthAt + 1, n);
}

std::int32_t RecordView::Value() const {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | Byte(56 + static_cast<std::size_t>(i));
    return static_cast<std::int32_t>(v);
}

std::string RecordView::Text1() const {
    return GbkToUtf8(Text1Bytes());
}

std::string RecordView::Text2() const {
    return GbkToUtf8(Text2Bytes());
}

ProjectRecord RecordView::Decode() const {
    return {Tag(), Text1(), Text2(), Value()};
}

bool FitsRecordText(std::string_view utf8) {
    return GbkByteLength(utf8) <= kRecordTextBytes && GbkHolds(utf8);
}

}  // namespace vx
