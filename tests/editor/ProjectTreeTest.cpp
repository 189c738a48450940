#include "editor/ProjectTree.h"

#include <gtest/gtest.h>

#include "editor/ProgramBlocks.h"
#include "model/LadderProgram.h"

namespace vx {
namespace {

TEST(ProgramBlocks, NodesNameTheBlocks) {
    ProgramBlocks blocks;
    EXPECT_EQ(blocks.currentBlock, kMainNode);
    EXPECT_EQ(blocks.rowCount, 2000);
    ASSERT_TRUE(ShowBlock(blocks, 10 + 7));
    EXPECT_EQ(blocks.currentBlock, 17);
    EXPECT_EQ(blocks.rowBase, 2000 + 256 * 7);
    EXPECT_EQ(blocks.rowCount, 256);
    ASSERT_TRUE(ShowBlock(blocks, 41));
    EXPECT_EQ(blocks.rowBase + blocks.rowCount - 1, 10191);
    for (int node : {0, 1, 3, 9, 42, -1}) {
        EXPECT_FALSE(ShowBlock(blocks, node)) << node;
    }
    EXPECT_EQ(blocks.currentBlock, 41);
    ShowBlock(blocks, kMainNode);
    EXPECT_EQ(blocks.rowBase, 0);
    EXPECT_EQ(blocks.rowCount, 2000);
}

TEST(ProgramBlocks, EachBlockReturnsToTheRowItHad) {
    ProgramBlocks blocks;
    EXPECT_EQ(SwitchBlock(blocks, 13, 120), 0) << "a block never shown starts at its top";
    EXPECT_EQ(blocks.blockRows[kMainNode], 120);
    EXPECT_EQ(SwitchBlock(blocks, 14, 33), 0);
    EXPECT_EQ(SwitchBlock(blocks, 13, 5), 33);
    EXPECT_EQ(SwitchBlock(blocks, kMainNode, 44), 120);
    EXPECT_EQ(blocks.rowBase, 0);
    EXPECT_EQ(SwitchBlock(blocks, 5, 99), 99) << "not a block: nothing changes";
    EXPECT_EQ(blocks.currentBlock, kMainNode);
}

TEST(ProjectTree, NodesInTheirFixedOrderWithDefaultSubroutineNames) {
    std::array<std::string, kSubroutineCount> names{};
    names[3] = "Motor";
    std::vector<TreeNode> nodes = BuildProjectTree(names, true);
    ASSERT_EQ(nodes.size(), 42u);
    for (std::size_t i = 0; i < nodes.size(); ++i)
        EXPECT_EQ(nodes[i].index, static_cast<int>(i));
    EXPECT_EQ(nodes[0].text, "工程");
    EXPECT_EQ(nodes[0].parent, -1);
    EXPECT_EQ(nodes[2].text, "Main");
    EXPECT_EQ(nodes[2].parent, 1);
    EXPECT_EQ(nodes[2].imageIndex, 40);
    EXPECT_EQ(nodes[2].selectedIndex, 41);
    EXPECT_EQ(nodes[5].text, "软元件注释");
    EXPECT_EQ(nodes[9].text, "子程序");
    EXPECT_EQ(nodes[10].text, "0 - Sub_0");
    EXPECT_EQ(nodes[13].text, "3 - Motor");
    EXPECT_EQ(nodes[13].parent, 9);
    EXPECT_EQ(nodes[13].imageIndex, 47);
    EXPECT_EQ(nodes[13].selectedIndex, 48);
    EXPECT_EQ(nodes[40].text, "30 - EXTI_Xnn");
    EXPECT_EQ(nodes[41].text, "31 - TIME_1ms");
    EXPECT_EQ(names[29], "Sub_29") << "default names stay in the program";
    EXPECT_EQ(names[3], "Motor");

    nodes = BuildProjectTree(names, false);
    const char* english[] = {
        "Engineering",     "Program",       "Main",           "function1",         "Plug",
        "SoftElementNote", "SystemSetting", "ComponentUsage", "SoftElementMemory", "Subroutine"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(nodes[static_cast<std::size_t>(i)].text, english[i]);

    // Renamed to nothing, the subroutine gets its default again.
    names[5].clear();
    EXPECT_EQ(BuildProjectTree(names, false)[15].text, "5 - Sub_5");
}

TEST(ProjectTree, ClickingABlockSwitchesTheGrid) {
    std::array<std::string, kSubroutineCount> names{};
    const std::vector<TreeNode> nodes = BuildProjectTree(names, false);
    ProgramBlocks blocks;

    TreeClickResult r = TreeView1Click(blocks, nodes[12], 17, false, "/work/a.PSP");
    EXPECT_TRUE(r.blockSwitched);
    EXPECT_EQ(r.popup, TreePopup::Subroutine);
    EXPECT_EQ(r.renameTag, 2);
    EXPECT_EQ(r.gridRow, 0);
    EXPECT_EQ(blocks.currentBlock, 12);
    EXPECT_EQ(blocks.rowBase, 2000 + 512);
    EXPECT_EQ(r.statusText, " Sub.2");
    EXPECT_EQ(r.caption, std::string(kProductTitle) + " - [/work/a.PSP] - [ Sub.2 ]");

    // Main -> Sub 3 -> Main comes back to the Main row.
    TreeView1Click(blocks, nodes[13], 4, true, "p");
    r = TreeView1Click(blocks, nodes[2], 9, true, "p");
    EXPECT_EQ(r.gridRow, 17);
    EXPECT_EQ(r.statusText, " 主程序.Main");
    EXPECT_EQ(r.popup, TreePopup::GoToRow);
    EXPECT_EQ(blocks.blockRows[13], 9);

    // Other nodes only choose the pop-up menu.
    r = TreeView1Click(blocks, nodes[7], 30, true, "p");
    EXPECT_FALSE(r.blockSwitched);
    EXPECT_EQ(r.popup, TreePopup::Open);
    EXPECT_EQ(r.gridRow, 30);
    EXPECT_EQ(blocks.currentBlock, kMainNode);
    EXPECT_EQ(TreeView1Click(blocks, nodes[12], 0, true, "p").statusText, " 子程序.2");
}

}  // namespace
}  // namespace vx
