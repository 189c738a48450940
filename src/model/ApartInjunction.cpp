#include "model/ApartInjunction.h"

#include "platform/Text.h"

namespace vx {
namespace {

std::string_view SkipLeadingBlanks(std::string_view text) {
    std::size_t n = text.find_first_not_of(' ');
    return n == std::string_view::npos ? std::string_view() : text.substr(n);
}

}  // namespace

InstrFields ApartInjunction(std::string_view text) {
    InstrFields fields;
    const std::string upper = AsciiUpper(text);
    std::string_view rest = upper;

    std::size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) {
        fields.mnemonic = std::string(rest);
        return fields;
    }
    fields.mnemonic = std::string(rest.substr(0, blank + 1));
    rest = SkipLeadingBlanks(rest.substr(blank + 1));

    for (std::string* operand :
         {&fields.operand1, &fields.operand2, &fields.operand3, &fields.operand4}) {
        blank = rest.find(' ');
        if (blank == std::string_view::npos) {
            *operand = std::string(rest);
            return fields;
        }
        *operand = std::string(rest.substr(0, blank));
        rest = SkipLeadingBlanks(rest.substr(blank + 1));
    }
    fields.operand5 = std::string(rest);
    return fields;
}

}  // namespace vx
