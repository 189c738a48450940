// Splitting an instruction text into its mnemonic and operands.
#pragma once

#include <string>
#include <string_view>

namespace vx {

struct InstrFields {
    std::string mnemonic;  // the first word with its trailing blank ("MOV "), or the whole text
    std::string operand1;
    std::string operand2;
    std::string operand3;
    std::string operand4;
    std::string operand5;  // everything after operand 4, leading blanks removed

    bool operator==(const InstrFields&) const = default;
};

// Upper-cases the ASCII letters of the text and splits it at blanks: the
// mnemonic keeps its trailing blank, several blanks between operands count as
// one, and a trailing blank after the last operand leaves the next one empty.
InstrFields ApartInjunction(std::string_view text);

}  // namespace vx
