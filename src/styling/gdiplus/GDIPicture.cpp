#include "styling/gdiplus/GDIPicture.h"

#include "styling/gdiplus/FxGDIP.h"

#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QPainter>

namespace vx {

void TGDIPPicture::Changed() const {
    if (OnChange) OnChange();
}

void TGDIPPicture::Assign(const TGDIPPicture* source) {
    empty_ = true;
    if (source == nullptr) {
        data_.clear();
        Changed();
        if (OnClear) OnClear();
        return;
    }
    if (source == this) {
        empty_ = data_.isEmpty();
        return;
    }
    // An empty source's stale bytes are not taken over: the target is empty.
    data_ = source->empty_ ? QByteArray() : source->data_;
    empty_ = data_.isEmpty();
    Changed();
}

void TGDIPPicture::ReadData(QIODevice* stream) {
    if (stream == nullptr) return;
    // The whole content, also when the stream was left past its start.
    if (!stream->isSequential()) stream->seek(0);
    data_ = stream->readAll();
    empty_ = false;
}

void TGDIPPicture::LoadFromStream(QIODevice* stream) {
    if (stream == nullptr) return;
    ReadData(stream);
    Changed();
}

void TGDIPPicture::SaveToStream(QIODevice* stream) const {
    if (stream != nullptr && !data_.isEmpty()) stream->write(data_);
}

void TGDIPPicture::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        data_.clear();
        empty_ = true;
        return;
    }
    data_ = file.readAll();
    empty_ = false;
    if (OnClear) OnClear();
    Changed();
}

bool TGDIPPicture::ReadImageSize() {
    if (empty_ || data_.isEmpty()) return false;
    TGPImage image(data_);
    width_ = static_cast<int>(image.GetWidth());
    height_ = static_cast<int>(image.GetHeight());
    return true;
}

void TGDIPPicture::Draw(QPainter& painter, const TRect& rect) {
    if (empty_ || data_.isEmpty()) return;
    TGPGraphics graphics(&painter);
    TGPImage image(data_);
    if (image.GetLastStatus() != TStatus::Ok) return;
    if (image.GetFormat() == ImageFormatBMP) {
        // Drawn unscaled; every pixel of the bottom-left pixel's colour is left out.
        QImage bitmap = QImage::fromData(data_, "BMP").convertToFormat(QImage::Format_ARGB32);
        if (bitmap.isNull()) return;
        const QRgb clear = bitmap.pixel(0, bitmap.height() - 1);
        for (int y = 0; y < bitmap.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
            for (int x = 0; x < bitmap.width(); ++x) {
                if (line[x] == clear) line[x] = 0;
            }
        }
        painter.drawImage(rect.left, rect.top, bitmap);
        return;
    }
    width_ = static_cast<int>(image.GetWidth());
    height_ = static_cast<int>(image.GetHeight());
    graphics.DrawImage(&image, rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace vx
