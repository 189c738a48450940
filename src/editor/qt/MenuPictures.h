// Which picture of the tool images each menu item of the main window shows
// (items that share a command with a tool button show the button's picture).
#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <span>

namespace vx {

class TImageList;

struct MenuPicture {
    const char* item;  // the item's object name
    int image;         // index into the tool images
};

// Every item with a picture, in menu order.
std::span<const MenuPicture> MenuPictures();

// Gives each listed item found among the window's actions its picture.
void SetMenuPictures(QObject& window, const TImageList& images);

}  // namespace vx
