// The pictures over the device memory monitor's tabs: one badge per device
// area (X, Y, M, S, T, C, D, the system registers) in the colour its grid
// marks cells with, and a red cross over the tab that closes the window.
#pragma once

class QObject;

namespace vx {

class TImageList;

// A new list of nine 16 x 16 pictures, in tab order.
TImageList* MonitorTabImages(QObject* parent);

}  // namespace vx
