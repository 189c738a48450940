#include "model/InstructionCompilerParts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/LadderCells.h"
#include "model/LadderProgram.h"
#include "model/MyPublic.h"
#include "model/OperandCheck.h"
#include "platform/Text.h"

namespace vx::instruction {
namespace {

CheckedNumber RunCheck(Check check, std::string_view operand, const Form& form) {
    switch (check) {
        case Check::None:
            return 0;
        case Check::X:
            return CheckXNumber(operand);
        case Check::Y:
            return CheckYNumber(operand);
        case Check::M:
            return CheckMNumber(operand);
        case Check::S:
            return CheckSNumber(operand);
        case Check::T:
            return CheckTNumber(operand);
        case Check::C:
            return CheckCNumber(operand);
        case Check::D:
            return CheckDNumber(operand);
        case Check::D32:
            return CheckD32Number(operand);
        case Check::K:
            return CheckKValue(operand, form.limit, form.lowest);
        case Check::H:
            return CheckHValue(operand, form.limit);
    }
    return std::nullopt;
}

}  // namespace

std::nullopt_t Refuse(std::string_view text, MsgIcon icon) {
    ShowMessage({kProductTitle, std::string(text), icon, MsgButtons::Ok});
    return std::nullopt;
}

bool FitsCellText(const Built& built) {
    if (GbkByteLength(built.first) > kCellTextBytes) {
        Refuse("指令文本超过 26 字节,无法保存 ！");
        return false;
    }
    return true;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    return DecimalToInt(text);
}

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string_view Bare(std::string_view mnemonic) {
    if (!mnemonic.empty() && mnemonic.back() == ' ') mnemonic.remove_suffix(1);
    return mnemonic;
}

bool ListHolds(std::string_view words, std::string_view mnemonic) {
    if (mnemonic.size() < 2 || mnemonic.back() != ' ') return false;
    const std::string_view word = Bare(mnemonic);
    std::size_t start = 0;
    while (start <= words.size()) {
        std::size_t end = words.find(' ', start);
        if (end == std::string_view::npos) end = words.size();
        if (words.substr(start, end - start) == word) return true;
        start = end + 1;
    }
    return false;
}

const Form* FindForm(std::span<const Form> forms, std::string_view text) {
    for (const Form& form : forms) {
        if (text.starts_with(form.prefix)) return &form;
    }
    return nullptr;
}

std::optional<OperandParts> Evaluate(const Form& form, std::string_view text) {
    const std::size_t prefix = std::strlen(form.prefix);
    OperandParts parts;
    if (form.check != Check::None) {
        // The validator reads the number after the device letter.
        const std::size_t skip = prefix == 0 ? 0 : std::min(prefix - 1, text.size());
        CheckedNumber number = RunCheck(form.check, text.substr(skip), form);
        if (!number) return std::nullopt;
        if (form.rangeMessage != nullptr && (*number < form.low || *number > form.high)) {
            return Refuse(form.rangeMessage);
        }
        parts.number = *number;
    }
    const std::string letters(form.prefix);
    const std::string number = std::to_string(parts.number);
    const std::string hex = Hex(static_cast<std::uint32_t>(parts.number), form.digits);
    switch (form.shown) {
        case Shown::Number:
            parts.shown = letters + number;
            break;
        case Shown::Hex:
            parts.shown = letters + hex;
            break;
        case Shown::Letter:
            parts.shown = letters;
            break;
    }
    switch (form.coded) {
        case Coded::Bare:
            parts.coded = number;
            break;
        case Coded::Array:
            parts.coded =
                (form.array != nullptr ? std::string(form.array) : std::string(1, letters.back())) +
                "[" + number + "]";
            break;
        case Coded::Hex:
            parts.coded = "0x" + hex;
            break;
        case Coded::Letter:
            parts.coded = letters;
            break;
    }
    return parts;
}

}  // namespace vx::instruction
