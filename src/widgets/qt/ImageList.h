// An image list: pictures of one size, drawn by index, greyed for a disabled
// item. Controls that show its pictures hear of changes through Changed()
// and of its end through QObject::destroyed.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QVector>

class QPainter;

namespace vx {

class TImageList : public QObject {
    Q_OBJECT
  public:
    TImageList(int width, int height, QObject* parent = nullptr);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds a picture, scaled to the list's size when it differs; returns its index.
    int Add(const QPixmap& picture);
    void Clear();

    // Draws picture `index` with its top-left corner at (x, y); a disabled
    // picture is drawn greyed. An index outside the list draws nothing.
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

  signals:
    void Changed();

  private:
    int width_;
    int height_;
    QVector<QPixmap> images_;
};

}  // namespace vx
