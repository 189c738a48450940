// The fixed 60-byte record of the project file and of "Clipboard.dat".
//
// Layout, little-endian:
//   0      tag (unsigned byte)
//   1      length of text 1 (0-26)
//   2-27   text 1 bytes
//   28     length of text 2 (0-26)
//   29-54  text 2 bytes
//   55     padding
//   56-59  value (signed 32-bit)
// Texts are GBK on disk and UTF-8 here. A writer cuts a longer text to 26 GBK
// bytes between characters and fills every unused byte with zero. A reader
// trusts no length byte: one above 26 counts as 26.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

inline constexpr std::size_t kRecordSize = 60;
inline constexpr std::size_t kRecordTextBytes = 26;

struct ProjectRecord {
    std::uint8_t tag = 0;
    std::string text1;  // UTF-8
    std::string text2;  // UTF-8
    std::int32_t value = 0;

    bool operator==(const ProjectRecord&) const = default;
};

// Appends the record's 60 bytes to `out`.
void AppendRecord(std::string& out, std::uint8_t tag, std::string_view text1,
                  std::string_view text2, std::int32_t value);
inline void AppendRecord(std::string& out, const ProjectRecord& record) {
    AppendRecord(out, record.tag, record.text1, record.text2, record.value);
}

// One record as it stands in a file; `bytes` holds at least 60 bytes.
class RecordView {
  public:
    explicit RecordView(std::string_view bytes) : bytes_(bytes) {}

    std::uint8_t Tag() const { return Byte(0); }
    // The raw GBK bytes of the texts, at most 26 each.
    std::string_view Text1Bytes() const { return Text(1); }
    std::string_view Text2Bytes() const { return Text(28); }
    std::int32_t Value() const;

    // Both texts converted to UTF-8.
    std::string Text1() const;
    std::string Text2() const;
    ProjectRecord Decode() const;

  private:
    std::uint8_t Byte(std::size_t i) const { return static_cast<std::uint8_t>(bytes_[i]); }
    std::string_view Text(std::size_t lengthAt) const;

    std::string_view bytes_;
};

// The record at `index` (0-based) of a file's bytes. The caller makes sure the
// record lies wholly inside (index < WholeRecords(bytes.size())).
inline RecordView RecordAt(std::string_view bytes, std::size_t index) {
    return RecordView(bytes.substr(index * kRecordSize, kRecordSize));
}

// Whole records in a file of `size` bytes; a trailing part of a record does not count.
constexpr std::size_t WholeRecords(std::size_t size) {
    return size / kRecordSize;
}

// The text as a record field holds it: GBK, cut to 26 bytes between characters.
std::string RecordFieldBytes(std::string_view utf8);

// Whether a text fits a record's text field whole (26 GBK bytes) and reads
// back as written (GBK holds every character; an emoji would come back as
// "?"): the fields that edit such texts (row comments, subroutine names)
// take no other.
bool FitsRecordText(std::string_view utf8);

}  // namespace vx
