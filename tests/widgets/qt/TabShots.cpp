// Pictures of tab strips for review: a page control on each edge, in each
// style, one row and several, with the scroller; written as PNG files into
// the folder given on the command line.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <cstdlib>

#include "widgets/qt/WgPageControl.h"

namespace {

using namespace vx;

void Shot(const QString& folder, const QString& name, TWgTabOrientation edge, TWgTabStyle style,
          bool multiLine, int pages, QSize size, bool useColours = false) {
    QWidget window;
    window.setObjectName(QStringLiteral("Window"));
    window.resize(size + QSize(20, 20));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    window.setPalette(palette);
    auto* pages_ = new TWgPageControl(&window);
    pages_->setGeometry(10, 10, size.width(), size.height());
    pages_->SetTabOrientation(edge);
    pages_->SetTabStyle(style);
    pages_->SetMultiLine(multiLine);
    pages_->SetBoldCurrentTab(true);
    const char* captions[] = {"  X 接点  ", "&Second", "Third tab", "D系统寄存器",
                              "Fifth",      "Sixth",   "Seventh",   "Eighth"};
    const TColor colours[] = {RGBColor(255, 215, 215), RGBColor(255, 255, 155),
                              RGBColor(149, 255, 149), clWhite};
    for (int i = 0; i < pages; ++i) {
        auto* sheet = new TWgTabSheet(pages_);
        sheet->SetCaption(QString::fromUtf8(captions[i % 8]));
        if (useColours) sheet->SetColor(colours[i % 4]);
        auto* label = new QLabel(QStringLiteral("Page %1").arg(i + 1), sheet);
        label->move(8, 8);
    }
    pages_->SetActivePageIndex(1);
    window.show();
    QApplication::processEvents();
    window.grab().save(folder + "/" + name + ".png");
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    using O = TWgTabOrientation;
    using S = TWgTabStyle;
    const QSize size(360, 150);
    Shot(folder, "top-single", O::toTop, S::tsSingleSlant, false, 4, size);
    Shot(folder, "bottom-single", O::toBottom, S::tsSingleSlant, false, 4, size);
    Shot(folder, "left-single", O::toLeft, S::tsSingleSlant, false, 3, QSize(300, 300));
    Shot(folder, "right-single", O::toRight, S::tsSingleSlant, false, 3, QSize(300, 300));
    Shot(folder, "top-double", O::toTop, S::tsDoubleSlant, false, 4, size);
    Shot(folder, "top-cut", O::toTop, S::tsCutCorner, false, 4, size);
    Shot(folder, "top-round", O::toTop, S::tsRoundCorners, false, 4, size);
    Shot(folder, "top-back", O::toTop, S::tsBackSlant, false, 4, size);
    Shot(folder, "top-square-coloured", O::toTop, S::tsSquareCorners, false, 4, size, true);
    Shot(folder, "top-multi", O::toTop, S::tsSingleSlant, true, 8, QSize(300, 200));
    Shot(folder, "left-multi", O::toLeft, S::tsRoundCorners, true, 8, QSize(300, 260));
    Shot(folder, "top-scroller", O::toTop, S::tsSingleSlant, false, 8, QSize(300, 120));
    Shot(folder, "bottom-round", O::toBottom, S::tsRoundCorners, false, 4, size);
    Shot(folder, "right-round", O::toRight, S::tsRoundCorners, false, 3, QSize(300, 300));
    return 0;
}
