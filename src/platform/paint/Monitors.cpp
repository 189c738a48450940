#include "platform/paint/Monitors.h"

#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPixmap>
#include <QScreen>

#include "platform/paint/Canvas.h"

namespace vx {

std::vector<TMonitorInfo> Monitors() {
    std::vector<TMonitorInfo> monitors;
    for (const QScreen* screen : QGuiApplication::screens())
        monitors.push_back({ToTRect(screen->geometry()), ToTRect(screen->availableGeometry())});
    return monitors;
}

std::optional<TMonitorInfo> MonitorFromPoint(TPoint p) {
    return MonitorFromPoint(Monitors(), p);
}

int BitsPerPixel(const QPaintDevice* device) {
    if (device != nullptr) {
        switch (device->devType()) {
            case QInternal::Image:
                return static_cast<const QImage*>(device)->depth();
            case QInternal::Pixmap:
                return static_cast<const QPixmap*>(device)->depth();
            default:
                break;
        }
    }
    return DisplayBitsPerPixel();
}

}  // namespace vx
