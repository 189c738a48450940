// The two halves of the picture set; ToolPictures looks an index up in them.
#pragma once

#include <span>

#include "editor/qt/ToolPictureParts.h"

namespace vx::pictures {

// File, edit, find, view, help, personal settings and the project tree.
std::span<const PictureDrawing> FilePictures();
// The controller: compile, download, monitoring, forcing, parameters,
// utilities, options and the C language.
std::span<const PictureDrawing> PlcPictures();

}  // namespace vx::pictures
