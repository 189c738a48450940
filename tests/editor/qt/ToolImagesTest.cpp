// The tool pictures as data: every picture the tool bars, menus and project
// tree use exists, stays inside its box at every size, is drawn at the
// resolution asked for (sharp on scaled screens), and no two commands share
// one.
#include "editor/qt/ToolImages.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <array>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "editor/ProjectTree.h"
#include "editor/qt/Main.h"
#include "editor/qt/MenuPictures.h"
#include "editor/qt/ToolPictures.h"
#include "editor/qt/ToolSketch.h"
#include "model/LadderProgram.h"
#include "platform/paint/ImageList.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "support/EditorRunState.h"
#include "support/StartedMainWindow.h"

namespace vx {
namespace {

std::vector<int> PictureIndexes() {
    std::vector<int> indexes;
    for (int index = 0; index < kImageCount; ++index) {
        if (HasToolPicture(index)) indexes.push_back(index);
    }
    return indexes;
}

// A tree node and the tool button of the same command show one picture.
bool SameCommand(int a, int b) {
    const std::set<std::pair<int, int>> same = {{kImageMemory, kImageMemoryNode},
                                                {kImageSystem, kImageSystemNode},
                                                {kImageUsage, kImageUsageNode}};
    return same.contains({std::min(a, b), std::max(a, b)});
}

// The picture drawn in a box of `size` pixels with a transparent margin
// around it, so that anything drawn outside the box shows.
QImage DrawnWithMargin(int index, int size, int margin) {
    QImage image(size + 2 * margin, size + 2 * margin, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    EXPECT_TRUE(DrawToolPicture(painter, index, QRect(margin, margin, size, size)));
    return image;
}

QRect AlphaBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Pixels where two pictures differ plainly (a colour channel by more than a
// fifth, or covered against empty).
int PlainDifferences(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const bool pCovered = qAlpha(p) >= 128, qCovered = qAlpha(q) >= 128;
            if (pCovered != qCovered) {
                ++count;
            } else if (pCovered &&
                       (std::abs(qRed(p) - qRed(q)) > 50 || std::abs(qGreen(p) - qGreen(q)) > 50 ||
                        std::abs(qBlue(p) - qBlue(q)) > 50)) {
                ++count;
            }
        }
    }
    return count;
}

// Pixels where two pictures' shapes differ, whatever their colours.
int ShapeDifferences(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int p = qAlpha(a.pixel(x, y)) >= 128 ? qGray(a.pixel(x, y)) / 64 : -1;
            const int q = qAlpha(b.pixel(x, y)) >= 128 ? qGray(b.pixel(x, y)) / 64 : -1;
            if (p != q) ++count;
        }
    }
    return count;
}

QImage Pixels(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Picture(int index, int size, bool disabled = false) {
    return Pixels(ToolImagePixmap(index, size, disabled));
}

QImage IconImage(const QIcon& icon, int size, qreal ratio = 1.0, QIcon::Mode mode = QIcon::Normal) {
    QImage image = Pixels(icon.pixmap(QSize(size, size), ratio, mode));
    image.setDevicePixelRatio(1.0);
    return image;
}

TEST(ToolPictures, EveryPictureStaysInsideItsBoxAndFillsMostOfIt) {
    const std::vector<int> indexes = PictureIndexes();
    ASSERT_GE(indexes.size(), 50u);
    for (int index : indexes) {
        for (int size : {16, 24, 32}) {
            const int margin = 8;
            const QRect drawn = AlphaBox(DrawnWithMargin(index, size, margin));
            const QRect box(margin, margin, size, size);
            EXPECT_FALSE(drawn.isEmpty()) << "picture " << index << " at " << size;
            EXPECT_TRUE(box.contains(drawn))
                << "picture " << index << " at " << size
                << " px reaches outside its box: " << drawn.x() - margin << ","
                << drawn.y() - margin << " to " << drawn.right() - margin << ","
                << drawn.bottom() - margin;
            EXPECT_GE(std::max(drawn.width(), drawn.height()), size * 3 / 4)
                << "picture " << index << " at " << size << " px is too small for its box";
        }
    }
}

TEST(ToolPictures, DifferentCommandsNeverShareAPicture) {
    const std::vector<int> indexes = PictureIndexes();
    std::vector<QImage> pictures;
    for (int index : indexes)
        pictures.push_back(Picture(index, 16));
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        for (std::size_t j = i + 1; j < indexes.size(); ++j) {
            if (SameCommand(indexes[i], indexes[j])) {
                EXPECT_EQ(pictures[i], pictures[j])
                    << "pictures " << indexes[i] << " and " << indexes[j] << " are one command";
            } else {
                EXPECT_GE(PlainDifferences(pictures[i], pictures[j]), 6)
                    << "pictures " << indexes[i] << " and " << indexes[j] << " look the same";
            }
        }
    }
}

TEST(ToolPictures, IconsAreDrawnAtTheSizeAndPixelRatioAsked) {
    const QList<QIcon> images = ToolImages();
    ASSERT_EQ(images.size(), kImageCount);
    for (int index = 0; index < kImageCount; ++index) {
        const QIcon& icon = images[index];
        EXPECT_EQ(icon.isNull(), !HasToolPicture(index)) << index;
        if (icon.isNull()) continue;
        // On a screen scaled twice: 32 device pixels drawn as such, not a
        // 16-pixel picture blown up.
        const QPixmap doubled = icon.pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(doubled.size(), QSize(32, 32)) << index;
        EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(16, 16)) << index;
        EXPECT_EQ(IconImage(icon, 16, 2.0), IconImage(icon, 32)) << index;
        for (int size : {16, 24, 32})
            EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size)) << index;
    }
    // A tree node shows its own picture while selected.
    const QIcon main = ToolImageIcon(kImageMain, kImageMainSelected);
    EXPECT_EQ(IconImage(main, 16), IconImage(images[kImageMain], 16));
    EXPECT_EQ(IconImage(main, 16, 1.0, QIcon::Selected), IconImage(images[kImageMainSelected], 16));
    EXPECT_TRUE(ToolImageIcon(kImageCount + 5).isNull());
}

TEST(ToolPictures, DisabledLookIsGreyAndFainter) {
    for (int index : PictureIndexes()) {
        const QImage normal = Picture(index, 16);
        const QImage faded = Picture(index, 16, true);
        ASSERT_EQ(faded.size(), normal.size());
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb p = faded.pixel(x, y);
                if (qAlpha(p) == 0) continue;
                EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << index;
                EXPECT_LT(qAlpha(p), qAlpha(normal.pixel(x, y))) << index;
            }
        }
    }
}

TEST(ToolSketch, StraightEdgesCoverWholePixelsAtEverySize) {
    for (int size : {16, 20, 24, 32, 48}) {
        QImage image(size + 4, size + 4, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            ToolSketch k(painter, QRect(2, 2, size, size));
            k.Frame(1, 1, 9, 6, Qt::white, Qt::black);
            k.Line(11.5, 1.5, 11.5, 14.5, Qt::black);    // one cell wide
            k.Line(2.0, 12.0, 8.0, 12.0, Qt::black, 2);  // two cells, on edges
            k.Fill(13, 3, 2, 9, Qt::red);
        }
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                EXPECT_TRUE(alpha == 0 || alpha == 255)
                    << "half-covered pixel " << x << "," << y << " at " << size << " px";
            }
        }
    }
}

// What a tool button shows from its bar's image list.
QImage ButtonPicture(const TFxToolBarButton* button) {
    const TImageList* images = button->FxToolBar() ? button->FxToolBar()->Images() : nullptr;
    if (images == nullptr) return QImage();
    return images->GetBitmap(button->ImageIndex()).convertToFormat(QImage::Format_ARGB32);
}

class MainWindowPictures : public testing::Test {
  protected:
    void SetUp() override { test::ResetEditorRunState(); }
};

TEST_F(MainWindowPictures, ToolBarPicturesDifferInShapeNotOnlyInColour) {
    TMainFrm frm;
    std::vector<std::pair<QString, QImage>> pictures;
    for (TFxToolBarButton* button : frm.findChildren<TFxToolBarButton*>()) {
        if (button->ImageIndex() < 0) continue;
        pictures.emplace_back(button->objectName(), ButtonPicture(button));
    }
    ASSERT_GE(pictures.size(), 20u);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            EXPECT_GE(ShapeDifferences(pictures[i].second, pictures[j].second), 12)
                << pictures[i].first.toStdString() << " and " << pictures[j].first.toStdString()
                << " differ only in colour";
        }
    }
}

TEST_F(MainWindowPictures, EveryToolButtonMenuItemAndTreeNodeHasAPicture) {
    TMainFrm frm;
    for (TFxToolBarButton* button : frm.findChildren<TFxToolBarButton*>()) {
        const std::string name = button->objectName().toStdString();
        if (button->ImageIndex() >= 0) {
            EXPECT_TRUE(HasToolPicture(button->ImageIndex())) << name;
        } else {
            // An element button shows its glyph whole, at the glyph's own
            // size, its white (the transparent colour) showing the tool bar
            // through.
            const QImage& glyph = button->Glyph();
            ASSERT_FALSE(glyph.isNull()) << name << ": an element button has its glyph";
            EXPECT_FALSE(button->AutoSize()) << name;
            EXPECT_EQ(button->size(), QSize(34, 24)) << name;
            EXPECT_EQ(glyph.deviceIndependentSize().toSize(), QSize(34, 24)) << name;
            EXPECT_EQ(glyph.pixel(0, glyph.height() - 1), qRgb(255, 255, 255)) << name;
            continue;
        }
        EXPECT_FALSE(ButtonPicture(button).isNull()) << name;
    }
    // The listed menu items exist (a renamed item would lose its picture)
    // and show their pictures; an item of a tool button's command shows the
    // button's picture.
    for (const MenuPicture& picture : MenuPictures()) {
        QAction* item = frm.Item(picture.item);
        ASSERT_NE(item, nullptr) << picture.item;
        EXPECT_TRUE(HasToolPicture(picture.image)) << picture.item;
        EXPECT_EQ(IconImage(item->icon(), 16), Picture(picture.image, 16)) << picture.item;
    }
    const std::pair<const char*, const char*> sameCommand[] = {
        {"FileNewItem", "NewToolButton"},
        {"FileOpenItem", "OpenToolButton"},
        {"FileSaveItem", "SaveToolButton"},
        {"PrintItem", "PrintToolButton"},
        {"cutX", "CutToolButton"},
        {"copyC", "CopyToolButton"},
        {"affixV", "PasteToolButton"},
        {"UndoItem", "ToolButton9"},
        {"RedoItem", "ToolButton11"},
        {"LookupItem", "LookupToolButton"},
        {"N2", "TopToolButton"},
        {"c1", "CompileToolButton"},
        {"N12", "DownloadToolButton"},
        {"NStakeoutON", "StakeoutON"},
        {"N30", "MemoryToolButton"},
        {"N13", "ComToolButton"},
        {"PLC2", "SystemToolButton"},
        {"N23", "UsageToolButton"},
    };
    for (const auto& [item, button] : sameCommand) {
        ASSERT_NE(frm.Item(item), nullptr) << item;
        ASSERT_NE(frm.Button(button), nullptr) << button;
        EXPECT_EQ(IconImage(frm.Item(item)->icon(), 16), ButtonPicture(frm.Button(button)))
            << item << " and " << button;
    }
    // Menu commands without a tool button have pictures of their own.
    for (const char* item : {"FileSaveAsItem", "N48", "D3", "D4", "i3", "MenuItem4", "MenuItem6",
                             "MenuItem8", "N60", "N38", "N39"}) {
        EXPECT_FALSE(frm.Item(item)->icon().isNull()) << item;
    }

    std::array<std::string, kSubroutineCount> names;
    for (const TreeNode& node : BuildProjectTree(names, true)) {
        EXPECT_TRUE(HasToolPicture(node.imageIndex)) << node.text;
        EXPECT_TRUE(HasToolPicture(node.selectedIndex)) << node.text;
    }
}

TEST_F(MainWindowPictures, ProjectTreeShowsEachNodesPictureAndTheSelectedOne) {
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();
    ASSERT_FALSE(frm->CoverShown());
    QTreeWidget* tree = frm->TreeView1();
    int nodes = 0;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it, ++nodes)
        EXPECT_FALSE((*it)->icon(0).isNull()) << (*it)->text(0).toStdString();
    EXPECT_EQ(nodes, kFirstSubroutineNode + kSubroutineCount);
    QTreeWidgetItem* main = tree->currentItem();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(main->text(0), QString("Main"));
    EXPECT_EQ(IconImage(main->icon(0), 16, 1.0, QIcon::Selected), Picture(kImageMainSelected, 16));
    EXPECT_EQ(IconImage(main->icon(0), 16), Picture(kImageMain, 16));
}

}  // namespace
}  // namespace vx
