// A picture of the tool bars, their buttons and the glow buttons: the encoded
// bytes of an image file (PNG, JPEG, GIF, BMP, icon, ...) kept as they are and
// decoded only to draw or to measure them. In a stored layout the bytes are
// the picture's "Data", unchanged.
#pragma once

#include "platform/Geometry.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;
class QPainter;

namespace vx {

class TGDIPPicture {
  public:
    TGDIPPicture() = default;
    TGDIPPicture(const TGDIPPicture&) = delete;
    TGDIPPicture& operator=(const TGDIPPicture&) = delete;

    // Called when the picture changes, and when it is cleared or a file loaded.
    std::function<void()> OnChange;
    std::function<void()> OnClear;

    // Copies the source's bytes; an empty source leaves this picture empty.
    // Null clears the picture (OnChange, then OnClear).
    void Assign(const TGDIPPicture* source);

    // The stream's whole content (from its start) becomes the data (OnChange); ReadData does
    // the same while a layout loads, without a notification.
    void LoadFromStream(QIODevice* stream);
    void ReadData(QIODevice* stream);
    // The data, unchanged.
    void SaveToStream(QIODevice* stream) const;
    void WriteData(QIODevice* stream) const { SaveToStream(stream); }
    // The file's bytes (OnClear, then OnChange); a file that cannot be read
    // leaves the picture empty, silently.
    void LoadFromFile(const QString& fileName);

    bool Empty() const { return empty_; }
    const QByteArray& Data() const { return data_; }
    // The size last read from the decoded image; 0 until then.
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Decodes the data and stores its size (0 x 0 for data that is not an
    // image); false for an empty picture.
    bool ReadImageSize();

    // A BMP is drawn at its own size at the rectangle's top-left corner,
    // transparent by its bottom-left pixel; any other image is scaled into
    // the rectangle and its size stored. An empty picture, or data that is
    // not an image, draws nothing.
    void Draw(QPainter& painter, const TRect& rect);

  private:
    void Changed() const;

    QByteArray data_;
    bool empty_ = true;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace vx
