#include "editor/CBlockFile.h"

#include "editor/ProjectFile.h"
#include "model/MyPublic.h"
#include "platform/Text.h"

namespace vx {

const char* const kCBlockTemplate =
    "//==============================================================\r\n"
    "// 函数名称: function1(void)\r\n"
    "// 功能说明: 系统[周期]调用高级语言的函数入口\r\n"
    "//           The controller calls this function every cycle.\r\n"
    "// 入口参数: 无 (none)\r\n"
    "// 返 回 值: 无 (none)\r\n"
    "// 注    意: 此函数名称不可更改 (the name must not change)\r\n"
    "//==============================================================\r\n"
    "void  function1(void)\r\n"
    "{\r\n"
    "  /* 添加自己的代码 */\r\n"
    "\r\n"
    "}\r\n";

std::string& CBlockBuffer() {
    static std::string buffer = kCBlockTemplate;
    return buffer;
}

std::string CBlockPath(std::string_view projectFile) {
    return ChangeFileExtension(projectFile, ".PLCC");
}

bool HasCBlock(std::string_view sysParamString) {
    return (HexFieldToInt(sysParamString, 50, 2) & 0x01) != 0;
}

CBlockWrite EnsureCBlockFile(const std::string& projectFile) {
    const std::string path = CBlockPath(projectFile);
    if (FileExists(path)) return CBlockWrite::AlreadyThere;
    return WriteFileAtomically(path, Utf8ToGbk(CBlockBuffer())) ? CBlockWrite::Written
                                                                : CBlockWrite::Failed;
}

IoResult CopyCBlockFile(const std::string& fromProject, const std::string& toProject) {
    const std::string source = CBlockPath(fromProject);
    // The new project gets the file's own bytes: a byte GBK does not decode
    // (a file saved by another editor) would come back from the buffer as "?".
    const IoResult copied = CopyFileAtomically(source, CBlockPath(toProject));
    if (!copied) return copied;
    if (const std::optional<std::string> text = ReadWholeFile(source))
        CBlockBuffer() = GbkToUtf8(*text);
    return copied;
}

}  // namespace vx
