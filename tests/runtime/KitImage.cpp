#include "runtime/KitImage.h"

#include <cstdlib>
#include <filesystem>

#include "platform/Launcher.h"
#include "support/TempFolder.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

bool KitAvailable() {
    return fs::exists(VX_RUNTIME_KIT_DIR "/ST.ld") &&
           !FindExecutable("arm-none-eabi-gcc").empty() &&
           !FindExecutable("arm-none-eabi-objcopy").empty();
}

KitImage BuildKitImage(const std::string& folder, const std::string& programSource) {
    KitImage result;
    const std::string kit = VX_RUNTIME_KIT_DIR;
    WriteTestFile(folder + "/PLC.c", programSource);
    result.image = folder + "/Torvin.pin";
    result.elf = folder + "/plc.elf";
    const std::string log = folder + "/build.log";
    const std::string command =
        "cd " + Quoted(folder) + " && arm-none-eabi-gcc -mcpu=cortex-m3 -mthumb -Wall -g -O3 -I " +
        Quoted(VX_RUNTIME_SOURCE_DIR) + " -c -o plc.d PLC.c" +
        " && arm-none-eabi-gcc -Wl,--gc-sections,-u,Reset_Handler -mcpu=cortex-m3 -mthumb -T " +
        Quoted(kit + "/ST.ld") + " -Wl," + Quoted(kit + "/MOD020.d") + " -Wl,plc.d -Wl," +
        Quoted(kit + "/STFUN.d") + " " + Quoted(kit + "/STLIB.a") + " --output plc.elf" +
        " && arm-none-eabi-objcopy -O binary plc.elf Torvin.pin";
    result.ok = std::system((command + " >" + Quoted(log) + " 2>&1").c_str()) == 0 &&
                fs::exists(result.image);
    result.log = ReadTestFile(log);
    return result;
}

std::string ProgramSource(const std::string& sysIniNumbers, const std::string& scanBody,
                          const std::string& globals) {
    return "#include \"plc.h\"\n"
           "const INT16U SysIni_TAB[] = {" +
           sysIniNumbers + "};\n" + globals + "\nvoid LadderACT(void) {\n" + scanBody +
           "\n}\n"
           "void CALL_Sub(unsigned char n) { (void)n; }\n"
           "void function1(void) {}\n"
           "void Plu_Handle(void) {}\n"
           "void PLCact(void) { LadderACT(); Sec_CLK_ON = FALSE; }\n";
}

}  // namespace vx::test
