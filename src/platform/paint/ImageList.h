// An image list: pictures of one size, drawn by index, greyed for a disabled
// item. Controls that show its pictures hear of changes through Changed()
// and of its end through QObject::destroyed.
//
// A picture is a pixmap or an icon. An icon is rendered at the pixel ratio
// of the surface it is drawn on (a painter on a 2x image gets a picture of
// twice the pixels), so the tool's vector pictures stay sharp on any screen;
// a pixmap is drawn as it was given.
#pragma once

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <vector>

class QPainter;

namespace vx {

class Canvas;

class TImageList : public QObject {
    Q_OBJECT
  public:
    TImageList(int width, int height, QObject* parent = nullptr);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(pictures_.size()); }

    // Adds a picture, scaled to the list's size when it differs; returns its index.
    int Add(const QPixmap& picture);
    // Adds an icon, drawn at the list's size; a null icon takes an index and
    // draws nothing. Returns its index.
    int Add(const QIcon& icon);
    void Clear();

    // Draws picture `index` with its top-left corner at (x, y); a disabled
    // picture is drawn greyed. An index outside the list draws nothing.
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;
    void Draw(Canvas& canvas, int x, int y, int index, bool enabled = true) const;

    // Picture `index` on a transparent image of the list's size at the pixel
    // ratio given (the image carries that ratio); a null image outside the list.
    QImage GetBitmap(int index, qreal pixelRatio = 1.0, bool enabled = true) const;
    // Picture `index` as an icon (a pixmap becomes an icon of that pixmap); a
    // null icon outside the list.
    QIcon GetIcon(int index) const;

  signals:
    void Changed();

  private:
    struct Picture {
        QIcon icon;
        QPixmap pixmap;  // when the picture was given as a pixmap
        // The last renderings, kept while the pixel ratio stays the same:
        // tool bars and tabs draw the same pictures at every repaint.
        mutable qreal ratio = 0;
        mutable QImage normal;
        mutable QImage greyed;
    };
    const QImage& Rendered(const Picture& picture, qreal ratio, bool enabled) const;
    QImage Render(const Picture& picture, qreal ratio) const;

    int width_;
    int height_;
    std::vector<Picture> pictures_;
};

}  // namespace vx
