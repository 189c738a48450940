// The messages the online windows show about a write over the link, in the
// interface language.
#pragma once

namespace vx {

inline const char* LinkFailedText(bool chinese) {
    return chinese ? "通信失败 ！" : "Communication failed!";
}

inline const char* PortNotOpenText(bool chinese) {
    return chinese ? "通信端口未打开 ！" : "Communication port not open!";
}

inline const char* SetDoneText(bool chinese) {
    return chinese ? "设置成功 ！" : "Set successfully!";
}

}  // namespace vx
