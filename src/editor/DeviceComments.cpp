#include "editor/DeviceComments.h"

#include "model/MyPublic.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

namespace vx {
namespace {

constexpr const char* kRcmSection = "Comment";

const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

// A run of system devices with default comments. A run of several devices
// numbers its texts in step: prefix + (textStart + i) + suffix. A single
// device (textStart < 0) takes the prefix as it is.
struct SystemRemark {
    DeviceKind kind;
    int first;
    int last;
    const char* prefix;
    int textStart;
    const char* suffix;
};

constexpr SystemRemark kSystemRemarks[] = {
    {DeviceKind::M, 2000, 2000, "RUN常闭", -1, ""},
    {DeviceKind::M, 2001, 2001, "RUN常开", -1, ""},
    {DeviceKind::M, 2002, 2002, "初始脉冲", -1, ""},
    {DeviceKind::M, 2005, 2005, "SAFETY闭", -1, ""},
    {DeviceKind::M, 2006, 2006, "SAFETY开", -1, ""},
    {DeviceKind::M, 2008, 2008, "运算进位", -1, ""},
    {DeviceKind::M, 2010, 2010, "10ms", -1, ""},
    {DeviceKind::M, 2011, 2011, "20ms", -1, ""},
    {DeviceKind::M, 2012, 2012, "100ms", -1, ""},
    {DeviceKind::M, 2013, 2013, "200ms", -1, ""},
    {DeviceKind::M, 2014, 2014, "1秒", -1, ""},
    {DeviceKind::M, 2015, 2015, "2秒", -1, ""},
    {DeviceKind::M, 2016, 2016, "CAN链接", -1, ""},
    {DeviceKind::M, 2018, 2018, "AD/DA分辨率", -1, ""},
    {DeviceKind::M, 2019, 2019, "温控开关", -1, ""},
    {DeviceKind::M, 2020, 2025, "KT", 0, ""},
    {DeviceKind::M, 2026, 2037, "E1KT", 0, ""},
    {DeviceKind::M, 2038, 2049, "E2KT", 0, ""},
    {DeviceKind::M, 2050, 2055, "AD", 1, "使用"},
    {DeviceKind::M, 2060, 2060, "E1A温控开关", -1, ""},
    {DeviceKind::M, 2061, 2061, "E1B温控开关", -1, ""},
    {DeviceKind::M, 2062, 2062, "E1C温控开关", -1, ""},
    {DeviceKind::M, 2066, 2066, "E2A温控开关", -1, ""},
    {DeviceKind::M, 2067, 2067, "E2B温控开关", -1, ""},
    {DeviceKind::M, 2068, 2068, "E2C温控开关", -1, ""},
    {DeviceKind::M, 2070, 2073, "编码器", 0, "归零"},
    {DeviceKind::M, 2075, 2075, "PG机型Y20模式", -1, ""},
    {DeviceKind::M, 2076, 2076, "PG机型Y21模式", -1, ""},
    {DeviceKind::M, 2077, 2077, "PG机型Y22模式", -1, ""},
    {DeviceKind::M, 2080, 2083, "DA", 1, "预调中"},
    {DeviceKind::D, 2000, 2006, "温度K", 0, ""},
    {DeviceKind::D, 2007, 2018, "温度E1K", 0, ""},
    {DeviceKind::D, 2019, 2019, "油温E1K12", -1, ""},
    {DeviceKind::D, 2020, 2020, "室温E1K13", -1, ""},
    {DeviceKind::D, 2021, 2032, "温度E2K", 0, ""},
    {DeviceKind::D, 2033, 2033, "油温E2K12", -1, ""},
    {DeviceKind::D, 2034, 2034, "室温E2K13", -1, ""},
    {DeviceKind::D, 2040, 2045, "AD", 1, "检测值"},
    {DeviceKind::D, 2046, 2051, "AD", 1, "滤波值"},
    {DeviceKind::D, 2052, 2057, "AD", 1, "原点值"},
    {DeviceKind::D, 2060, 2069, "DA", 1, "输出"},
    {DeviceKind::D, 2070, 2075, "DA", 1, "斜率"},
    {DeviceKind::D, 2076, 2079, "DA", 1, "反馈"},
    {DeviceKind::D, 2080, 2080, "斜率执行间隔", -1, ""},
    {DeviceKind::D, 2081, 2081, "DA转移对象", -1, ""},
    {DeviceKind::D, 2082, 2082, "DA转移目标", -1, ""},
    {DeviceKind::D, 2083, 2083, "温度滤波", -1, ""},
    {DeviceKind::D, 2084, 2084, "K6使用", -1, ""},
    {DeviceKind::D, 2085, 2085, "K6上限", -1, ""},
    {DeviceKind::D, 2086, 2086, "E1K12使用", -1, ""},
    {DeviceKind::D, 2087, 2087, "E1K12上限", -1, ""},
    {DeviceKind::D, 2088, 2088, "E2K12使用", -1, ""},
    {DeviceKind::D, 2089, 2089, "E2K12上限", -1, ""},
    {DeviceKind::D, 2090, 2090, "E1温控模式", -1, ""},
    {DeviceKind::D, 2091, 2091, "E1A射咀方式", -1, ""},
    {DeviceKind::D, 2092, 2092, "E1B射咀方式", -1, ""},
    {DeviceKind::D, 2093, 2093, "E1C射咀方式", -1, ""},
    {DeviceKind::D, 2094, 2094, "E2温控模式", -1, ""},
    {DeviceKind::D, 2095, 2095, "E2A射咀方式", -1, ""},
    {DeviceKind::D, 2096, 2096, "E2B射咀方式", -1, ""},
    {DeviceKind::D, 2097, 2097, "E2C射咀方式", -1, ""},
    {DeviceKind::D, 2098, 2098, "LED.可改ID范围", -1, ""},
    {DeviceKind::D, 2099, 2099, "BEEP标志", -1, ""},
    {DeviceKind::D, 90, 90, "RTC.时分", -1, ""},
    {DeviceKind::D, 91, 91, "RTC.月日", -1, ""},
    {DeviceKind::D, 92, 92, "RTC.年", -1, ""},
    {DeviceKind::D, 93, 93, "LED.显示值", -1, ""},
    {DeviceKind::D, 94, 94, "LED.小数点", -1, ""},
    {DeviceKind::D, 95, 95, "BEEP控制", -1, ""},
    {DeviceKind::D, 96, 96, "系统密码设置", -1, ""},
    {DeviceKind::D, 97, 97, "系统起始", -1, ""},
};

// A comment is one line of the file: line breaks would start new entries.
std::string OneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

}  // namespace

std::string CommentAsKept(std::string_view typed) {
    const std::string line = OneLine(std::string(typed));
    const std::string held = IsAscii(line) ? line : GbkToUtf8(Utf8ToGbk(line));
    return std::string(TrimBlanks(held));
}

std::optional<CommentSlot> CommentSlotOf(DeviceCode code) {
    if (code < 0) return std::nullopt;
    DeviceKind kind = DeviceCodeKind(code);
    int number = DeviceCodeNumber(code);
    switch (kind) {
        case DeviceKind::TValue:
            kind = DeviceKind::T;
            break;
        case DeviceKind::CValue:
            kind = DeviceKind::C;
            break;
        case DeviceKind::X:
        case DeviceKind::Y:
            number = OctalDigitsToInt(number);
            break;
        case DeviceKind::M:
        case DeviceKind::S:
        case DeviceKind::T:
        case DeviceKind::C:
        case DeviceKind::D:
            break;
        default:
            return std::nullopt;
    }
    if (number < 0 || number >= DeviceComments::Rows(kind)) return std::nullopt;
    return CommentSlot{kind, number};
}

DeviceComments::DeviceComments() {
    for (int t = 0; t < kCommentTableCount; ++t) {
        const auto rows = static_cast<std::size_t>(Rows(kCommentTableKinds[t]));
        comments_[t].resize(rows);
        marks_[t].resize(rows, false);
    }
}

int DeviceComments::Table(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::X:
            return 0;
        case DeviceKind::Y:
            return 1;
        case DeviceKind::M:
            return 2;
        case DeviceKind::S:
            return 3;
        case DeviceKind::T:
        case DeviceKind::TValue:
            return 4;
        case DeviceKind::C:
        case DeviceKind::CValue:
            return 5;
        case DeviceKind::D:
            return 6;
    }
    return -1;
}

int DeviceComments::Rows(DeviceKind kind) {
    switch (Table(kind)) {
        case 0:
            return kXRange.points;
        case 1:
            return kYRange.points;
        case 2:
            return kMRange.points;
        case 3:
            return kSRange.points;
        case 4:
            return kTRange.points;
        case 5:
            return kCRange.points;
        case 6:
            return kDRange.points;
        default:
            return 0;
    }
}

std::string DeviceComments::RowLabel(DeviceKind kind, int index) {
    const bool octal = kind == DeviceKind::X || kind == DeviceKind::Y;
    const std::int64_t number = octal ? IntToOctalDigits(index) : index;
    return std::string(" ") + LetterOfKind(kind) + std::to_string(number);
}

const std::string& DeviceComments::Comment(DeviceKind kind, int index) const {
    const int t = Table(kind);
    if (t < 0 || index < 0 || index >= Rows(kind)) return EmptyText();
    return comments_[t][static_cast<std::size_t>(index)];
}

bool DeviceComments::SetComment(DeviceKind kind, int index, std::string text) {
    const int t = Table(kind);
    if (t < 0 || index < 0 || index >= Rows(kind)) return false;
    comments_[t][static_cast<std::size_t>(index)] = std::move(text);
    return true;
}

const std::string& DeviceComments::CommentOf(DeviceCode code) const {
    const std::optional<CommentSlot> slot = CommentSlotOf(code);
    return slot ? Comment(slot->kind, slot->index) : EmptyText();
}

bool DeviceComments::SetCommentOf(DeviceCode code, std::string text) {
    const std::optional<CommentSlot> slot = CommentSlotOf(code);
    return slot && SetComment(slot->kind, slot->index, std::move(text));
}

bool DeviceComments::UsageMark(DeviceKind kind, int index) const {
    const int t = Table(kind);
    if (t < 0 || index < 0 || index >= Rows(kind)) return false;
    return marks_[t][static_cast<std::size_t>(index)];
}

void DeviceComments::SetUsageMark(DeviceKind kind, int index, bool used) {
    const int t = Table(kind);
    if (t < 0 || index < 0 || index >= Rows(kind)) return;
    marks_[t][static_cast<std::size_t>(index)] = used;
}

void DeviceComments::ClearUsageMarks() {
    for (std::vector<bool>& marks : marks_)
        std::fill(marks.begin(), marks.end(), false);
}

void DeviceComments::Clear() {
    for (std::vector<std::string>& table : comments_) {
        for (std::string& comment : table)
            comment.clear();
    }
    ClearUsageMarks();
}

DeviceComments& TheDeviceComments() {
    static DeviceComments comments;
    return comments;
}

void SysRemark(DeviceComments& comments) {
    for (const SystemRemark& remark : kSystemRemarks) {
        for (int n = remark.first; n <= remark.last; ++n) {
            if (!comments.Comment(remark.kind, n).empty()) continue;
            std::string text = remark.prefix;
            if (remark.textStart >= 0) {
                text += std::to_string(remark.textStart + (n - remark.first));
                text += remark.suffix;
            }
            comments.SetComment(remark.kind, n, std::move(text));
        }
    }
}

std::string RcmPathOf(const std::string& projectFile) {
    const std::size_t slash = projectFile.find_last_of("/\\:");
    const std::size_t dot = projectFile.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? projectFile.substr(0, dot) : projectFile) + ".Rcm";
}

bool OpenRcmFile(const std::string& path, DeviceComments& comments) {
    const IniFile ini = IniFile::Load(path);
    if (!ini.Existed()) return false;
    for (DeviceKind kind : kCommentTableKinds) {
        const int rows = DeviceComments::Rows(kind);
        for (int i = 0; i < rows; ++i) {
            // The profile trims names, so the label's leading blank is not part of the key.
            const std::string key = DeviceComments::RowLabel(kind, i).substr(1);
            comments.SetComment(kind, i, ini.ReadString(kRcmSection, key, ""));
        }
    }
    SysRemark(comments);
    return true;
}

IoResult SaveRcmFile(const std::string& path, const DeviceComments& comments) {
    IniFile ini = IniFile::Load(path);
    ini.EraseSection(kRcmSection);
    for (DeviceKind kind : kCommentTableKinds) {
        const int rows = DeviceComments::Rows(kind);
        for (int i = 0; i < rows; ++i) {
            const std::string& comment = comments.Comment(kind, i);
            if (comment.empty()) continue;
            const IoResult kept = ini.WriteString(
                kRcmSection, DeviceComments::RowLabel(kind, i).substr(1), OneLine(comment));
            if (!kept) return kept;
        }
    }
    return ini.SaveAs(path);
}

}  // namespace vx
