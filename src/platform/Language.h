// The interface language of the texts the layers below the windows write
// for the user: a file that cannot be saved, an outside program that cannot
// be started, the ladder converter's refusals and headings. They have no
// window to ask, so the main window tells this at each language refresh;
// Chinese until then, as the tool starts.
#pragma once

namespace vx {

bool InterfaceChinese();
void SetInterfaceChinese(bool chinese);

// The text of the interface language.
inline const char* InterfaceText(const char* chinese, const char* english) {
    return InterfaceChinese() ? chinese : english;
}

}  // namespace vx
