#include "editor/ProjectTree.h"

#include <optional>

namespace vx {
namespace {

// The subroutine number that the node text begins with ("5 - Sub_5").
std::optional<int> LeadingNumber(std::string_view text) {
    const std::size_t blank = text.find(' ');
    const std::string_view digits = text.substr(0, blank);
    if (digits.empty() || digits.size() > 2) return std::nullopt;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

std::vector<TreeNode> BuildProjectTree(std::array<std::string, kSubroutineCount>& subroutineNames,
                                       bool chinese) {
    FillDefaultSubroutineNames(subroutineNames);
    auto pick = [chinese](const char* zh, const char* en) {
        return std::string(chinese ? zh : en);
    };
    std::vector<TreeNode> nodes = {
        {0, -1, pick("工程", "Engineering"), 49, 49},
        {1, 0, pick("主程序", "Program"), 46, 46},
        {2, 1, "Main", 40, 41},
        {3, 1, "function1", 26, 26},
        {4, 1, "Plug", 72, 72},
        {5, 0, pick("软元件注释", "SoftElementNote"), 43, 43},
        {6, 0, pick("系统设置", "SystemSetting"), 28, 28},
        {7, 0, pick("元件使用情况", "ComponentUsage"), 44, 44},
        {8, 0, pick("软元件内存", "SoftElementMemory"), 37, 37},
        {9, 0, pick("子程序", "Subroutine"), 42, 42},
    };
    for (int n = 0; n < kSubroutineCount; ++n) {
        nodes.push_back({kFirstSubroutineNode + n, 9,
                         std::to_string(n) + " - " + subroutineNames[static_cast<std::size_t>(n)],
                         47, 48});
    }
    return nodes;
}

TreePopup PopupOfImage(int imageIndex) {
    switch (imageIndex) {
        case 40:
            return TreePopup::GoToRow;
        case 26:
        case 28:
        case 37:
        case 43:
        case 44:
        case 72:
            return TreePopup::Open;
        case 47:
            return TreePopup::Subroutine;
        default:
            return TreePopup::None;
    }
}

NodeAction ActionOfNodeText(std::string_view text) {
    if (text == "function1") return NodeAction::CBlockEditor;
    if (text == "特殊插件" || text == "Plug") return NodeAction::PlugIn;
    if (text == "软元件注释" || text == "SoftElementNote") return NodeAction::DeviceComments;
    if (text == "系统设置" || text == "SystemSetting") return NodeAction::SystemParameters;
    if (text == "元件使用情况" || text == "ComponentUsage") return NodeAction::DeviceUsage;
    if (text == "软元件内存" || text == "SoftElementMemory") return NodeAction::DeviceMemory;
    return NodeAction::None;
}

TreeClickResult TreeView1Click(ProgramBlocks& blocks, const TreeNode& node, int gridRow,
                               bool chinese, const std::string& projectFile) {
    TreeClickResult result;
    result.popup = PopupOfImage(node.imageIndex);
    result.gridRow = gridRow;
    int target = -1;
    if (node.index == kMainNode) {
        target = kMainNode;
    } else if (node.index >= kFirstSubroutineNode && node.index < kTreeNodeCount) {
        const std::optional<int> n = LeadingNumber(node.text);
        if (n && *n < kSubroutineCount) {
            target = kFirstSubroutineNode + *n;
            result.renameTag = *n;
        }
    }
    if (target < 0) return result;
    result.blockSwitched = true;
    result.gridRow = SwitchBlock(blocks, target, gridRow);
    result.statusText = BlockStatusText(target, chinese);
    result.caption = BlockCaption(projectFile, result.statusText);
    return result;
}

}  // namespace vx
