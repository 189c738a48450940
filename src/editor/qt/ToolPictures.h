// The drawings of the tool images (ToolImages.h gives the indexes): plain
// functions over QPainter, one vector drawing per picture on a 16 x 16 grid
// scaled to the box, so that the same picture serves tool bars, menus and
// the project tree at any size.
#pragma once

#include <QPainter>
#include <QRect>

namespace vx {

// Whether the image index has a picture.
bool HasToolPicture(int index);

// Draws the picture of `index` into the square `box`, given in device pixels
// of an untransformed painter; false (nothing drawn) for an index without a
// picture.
bool DrawToolPicture(QPainter& painter, int index, const QRect& box);

}  // namespace vx
