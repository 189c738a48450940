#include "editor/qt/ToolPictures.h"

#include <algorithm>

#include "editor/qt/ToolPictureSets.h"
#include "editor/qt/ToolSketch.h"

namespace vx {
namespace {

using DrawFunction = void (*)(ToolSketch&);

DrawFunction DrawingOf(int index) {
    for (auto set : {pictures::FilePictures(), pictures::PlcPictures()}) {
        for (const pictures::PictureDrawing& drawing : set) {
            if (drawing.index == index) return drawing.draw;
        }
    }
    return nullptr;
}

}  // namespace

bool HasToolPicture(int index) {
    return DrawingOf(index) != nullptr;
}

bool DrawToolPicture(QPainter& painter, int index, const QRect& box) {
    const DrawFunction draw = DrawingOf(index);
    if (draw == nullptr || box.isEmpty()) return false;
    // The picture is square: centred in a box of another shape.
    const int side = std::min(box.width(), box.height());
    const QRect square(box.x() + (box.width() - side) / 2, box.y() + (box.height() - side) / 2,
                       side, side);
    painter.save();
    ToolSketch sketch(painter, square);
    draw(sketch);
    painter.restore();
    return true;
}

}  // namespace vx
