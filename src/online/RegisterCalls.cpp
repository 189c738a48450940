#include "online/RegisterCalls.h"

#include "model/LadderProgram.h"
#include "online/LinkSettings.h"

namespace vx {
namespace {

class ToolRegisterCalls final : public RegisterCalls {
  public:
    bool Open(const LinkParameters& p) override { return TheModbusCalls().Open(p); }
    void Close() override { TheModbusCalls().Close(); }
    void ReadBits(int start, int count, int areaCode) override {
        TheModbusCalls().ReadBits(start, count, areaCode);
    }
    void ReadWords(int start, int count, int areaCode) override {
        TheModbusCalls().ReadWords(start, count, areaCode);
    }
    bool RetakeBits(std::uint8_t* destination, int count) override {
        return TheModbusCalls().RetakeBits(destination, count);
    }
    bool RetakeWords(std::uint16_t* destination, int count) override {
        return TheModbusCalls().RetakeWords(destination, count);
    }
    bool WriteWords(const std::uint16_t* source, int address, int count, int areaCode) override {
        return Modbus_Write_W_register(source, address, count, areaCode);
    }
};

}  // namespace

RegisterCalls& TheRegisterCalls() {
    static ToolRegisterCalls calls;
    return calls;
}

LinkParameters ToolLinkParameters() {
    return LinkParametersFor(TheLinkSettings(), TheProgram().sysParamString);
}

}  // namespace vx
