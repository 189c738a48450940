// The project tree's nodes and what choosing them does.
//
// The tree lists the project's parts: the main program with its C block and
// plug-in, the device comments, the system settings, the device usage, the
// device memory and the 32 subroutines. The node index is fixed (2 = Main,
// n + 10 = subroutine n) and doubles as the shown block's number. This unit
// builds the node list and decides what a click, a double click and the
// pop-up menu do; the tree widget shows it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/ProgramBlocks.h"

namespace vx {

struct TreeNode {
    int index;
    int parent;  // -1 for the root
    std::string text;
    int imageIndex;
    int selectedIndex;
};

// The nodes in tree order (index = position). Unnamed subroutines get their
// default names, which stay in `subroutineNames`.
std::vector<TreeNode> BuildProjectTree(std::array<std::string, kSubroutineCount>& subroutineNames,
                                       bool chinese);

// The pop-up menu of a node, chosen by its image.
enum class TreePopup {
    None,
    GoToRow,     // Main: "转移到行(&G)..."
    Open,        // C block, plug-in, comments, settings, usage, memory: "打开(&O)..."
    Subroutine,  // go to row, rename, import and export
};
TreePopup PopupOfImage(int imageIndex);

// What a double click on a node opens, by the node's text.
enum class NodeAction {
    None,
    CBlockEditor,      // "function1"
    PlugIn,            // "特殊插件" or "Plug"
    DeviceComments,    // the comment page of the device usage window
    SystemParameters,  // the system parameter command
    DeviceUsage,       // the usage page of the device usage window
    DeviceMemory,      // the device memory monitor
};
NodeAction ActionOfNodeText(std::string_view text);

// A click on a node.
struct TreeClickResult {
    TreePopup popup = TreePopup::None;
    bool blockSwitched = false;  // enable the Edit menu, repaint, focus the grid
    int gridRow = 0;             // grid row to show in the new block
    int renameTag = -1;          // subroutine number for the rename item
    std::string statusText;      // status panel 6
    std::string caption;         // main window caption
};
// Main and subroutine nodes switch the shown block; others only choose the
// pop-up menu. The subroutine number is read from the node text.
TreeClickResult TreeView1Click(ProgramBlocks& blocks, const TreeNode& node, int gridRow,
                               bool chinese, const std::string& projectFile);

}  // namespace vx
