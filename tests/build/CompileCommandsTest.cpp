// The command lines of a compile per series, version, CAN function, C block,
// C library and plug-in.
#include "build/CompileCommands.h"

#include <gtest/gtest.h>

#include "editor/ProjectFile.h"

namespace vx {
namespace {

using Args = std::vector<std::string>;

const Args kCompile = {"-mcpu=cortex-m3", "-mthumb", "-Wall", "-g", "-O3", "-I", ".", "-I",
                       "lib/inc"};

Args Compile(const char* object, const char* source) {
    Args a = kCompile;
    a.insert(a.end(), {"-c", "-o", object, source});
    return a;
}

CompileValues Values(const char* series, const char* version, char can, const char* flags,
                     bool plugin) {
    std::string s = kDefaultSysParamString;
    s.replace(0, 2, series);
    s.replace(2, 2, version);
    s[20] = can;
    s.replace(49, 2, flags);
    return ReadCompileValues(s, plugin);
}

// The linker's input files, in order.
Args LinkInputs(const ToolCommand& link) {
    Args inputs;
    for (const std::string& a : link.arguments) {
        if (a.starts_with("-Wl,") && !a.starts_with("-Wl,--")) inputs.push_back(a.substr(4));
        if (a.ends_with(".a")) inputs.push_back(a);
    }
    return inputs;
}

TEST(CompileCommandsTest, APlainProjectCompilesLinksAndCopies) {
    const auto commands =
        CompileCommandLines(Values("02", "00", '0', "00", false), "/win dir/Torvin.pin");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0], (ToolCommand{"arm-eabi-gcc", Compile("plc.d", "PLC.c"), "P.Txt"}));
    EXPECT_EQ(commands[1].tool, "arm-eabi-gcc");
    EXPECT_EQ(commands[1].errorLog, "L.Txt");
    EXPECT_EQ(commands[1].arguments,
              (Args{"-Wl,--gc-sections,-cref,-u,Reset_Handler", "-mcpu=cortex-m3", "-mthumb", "-I",
                    ".", "-I", "lib/inc", "-L", "lib", "-T", "../ST.ld", "-Wl,../MOD020.d",
                    "-Wl,plc.d", "-Wl,../STFUN.d", "../STLIB.a", "--output", "plc.elf"}));
    EXPECT_EQ(
        commands[2],
        (ToolCommand{"arm-eabi-objcopy", {"-O", "binary", "plc.elf", "/win dir/Torvin.pin"}, ""}));
    EXPECT_EQ(commands[0].Text(),
              "arm-eabi-gcc -mcpu=cortex-m3 -mthumb -Wall -g -O3 -I . -I lib/inc -c -o plc.d "
              "PLC.c >nul 2>P.Txt");
    EXPECT_EQ(commands[2].Text(), "arm-eabi-objcopy -O binary plc.elf \"/win dir/Torvin.pin\"");
}

TEST(CompileCommandsTest, EveryObjectReachesTheLinkerAsAnObject) {
    const auto commands = CompileCommandLines(Values("06", "01", '2', "01", true), "T.pin");
    for (const std::string& a : commands[2].arguments) {
        if (a.ends_with(".d")) {
            EXPECT_TRUE(a.starts_with("-Wl,")) << a;
        }
    }
}

TEST(CompileCommandsTest, SeriesVersionAndCanChooseTheKitFiles) {
    auto link = [](const char* series, const char* version, char can) {
        const auto c = CompileCommandLines(Values(series, version, can, "00", false), "T.pin");
        return c[1];
    };
    ToolCommand wide = link("06", "01", '0');
    EXPECT_NE(std::find(wide.arguments.begin(), wide.arguments.end(), "../ST2.ld"),
              wide.arguments.end());
    EXPECT_EQ(LinkInputs(wide), (Args{"../MOD061.d", "plc.d", "../STFUN2.d", "../STLIB2.a"}));
    EXPECT_EQ(LinkInputs(link("03", "02", '1')),
              (Args{"../MOD032.d", "plc.d", "../STFUNC2.d", "../STLIB2.a"}));
    EXPECT_EQ(LinkInputs(link("05", "02", '2')),
              (Args{"../MOD052.d", "plc.d", "../STFUNCO.d", "../STLIB.a"}));
    EXPECT_EQ(LinkInputs(link("0A", "00", '0')),
              (Args{"../MOD100.d", "plc.d", "../STFUN.d", "../STLIB.a"}));
}

TEST(CompileCommandsTest, CBlockLibraryAndPluginOrder) {
    // C block: compiled first, linked before the program.
    auto block = CompileCommandLines(Values("02", "00", '0', "01", false), "T.pin");
    ASSERT_EQ(block.size(), 4u);
    EXPECT_EQ(block[0], (ToolCommand{"arm-eabi-gcc", Compile("PCC.d", "PLCC.c"), "P.Txt"}));
    EXPECT_EQ(block[1].arguments, Compile("plc.d", "PLC.c"));
    EXPECT_EQ(LinkInputs(block[2]),
              (Args{"../MOD020.d", "PCC.d", "plc.d", "../STFUN.d", "../STLIB.a"}));

    // C library: nothing to compile, its object linked before the program.
    auto library = CompileCommandLines(Values("02", "00", '0', "08", false), "T.pin");
    ASSERT_EQ(library.size(), 3u);
    EXPECT_EQ(LinkInputs(library[1]),
              (Args{"../MOD020.d", "PCC.d", "plc.d", "../STFUN.d", "../STLIB.a"}));

    // Plug-in right after the model object.
    auto plugin = CompileCommandLines(Values("02", "00", '0', "01", true), "T.pin");
    EXPECT_EQ(LinkInputs(plugin[2]),
              (Args{"../MOD020.d", "Ex.d", "PCC.d", "plc.d", "../STFUN.d", "../STLIB.a"}));
    auto pluginOnly = CompileCommandLines(Values("02", "00", '0', "00", true), "T.pin");
    EXPECT_EQ(LinkInputs(pluginOnly[1]),
              (Args{"../MOD020.d", "Ex.d", "plc.d", "../STFUN.d", "../STLIB.a"}));
}

TEST(CompileCommandsTest, LibraryCompile) {
    EXPECT_EQ(LibraryCommandLine(),
              (ToolCommand{"arm-eabi-gcc", Compile("PLCC.d", "PLCC.c"), "PLCCw.Txt"}));
}

}  // namespace
}  // namespace vx
