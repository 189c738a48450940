#include "styling/gdiplus/FxGDIP.h"
#include "styling/gdiplus/FxHintInfo.h"
#include "styling/gdiplus/GDIPicture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

namespace vx {
namespace {

// A 4 x 4 image in the given format: red, with a blue bottom-left pixel.
QByteArray Encoded(const char* format) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    image.setPixel(0, 3, qRgb(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void Load(TGDIPPicture& picture, const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
}

// Scaled drawing is smoothed: colours within a few steps count as equal.
bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
           std::abs(qBlue(a) - qBlue(b)) <= 8;
}

class PictureTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(GdiplusStartup(&token_), TStatus::Ok); }
    void TearDown() override { GdiplusShutdown(token_); }
    std::uintptr_t token_ = 0;
};

TEST_F(PictureTest, AssignsClearsAndStreamsTheBytesUnchanged) {
    TGDIPPicture picture;
    std::string events;
    picture.OnChange = [&] { events += 'c'; };
    picture.OnClear = [&] { events += 'x'; };
    EXPECT_TRUE(picture.Empty());
    EXPECT_FALSE(picture.ReadImageSize());

    const QByteArray png = Encoded("PNG");
    Load(picture, png);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(events, "c");

    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    picture.WriteData(&buffer);
    EXPECT_EQ(out, png);
    TGDIPPicture back;
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(3);  // read from the start wherever the stream stands
    back.ReadData(&buffer);
    EXPECT_EQ(back.Data(), png);
    EXPECT_FALSE(back.Empty());

    TGDIPPicture copy;
    copy.Assign(&picture);
    EXPECT_EQ(copy.Data(), png);
    EXPECT_FALSE(copy.Empty());
    // An empty source leaves no stale bytes behind.
    TGDIPPicture empty;
    copy.Assign(&empty);
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(copy.Data().isEmpty());

    events.clear();
    picture.Assign(nullptr);
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.Data().isEmpty());
    EXPECT_EQ(events, "cx");
}

TEST_F(PictureTest, LoadsFilesAndLeavesAFailedLoadEmpty) {
    QTemporaryDir dir;
    const QString name = dir.filePath("p.gif");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = Encoded("PNG");
    file.write(bytes);
    file.close();
    TGDIPPicture picture;
    std::string events;
    picture.OnChange = [&] { events += 'c'; };
    picture.OnClear = [&] { events += 'x'; };
    picture.LoadFromFile(name);
    EXPECT_EQ(picture.Data(), bytes);
    EXPECT_EQ(events, "xc");
    picture.LoadFromFile(dir.filePath("missing.png"));
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.Data().isEmpty());
}

TEST_F(PictureTest, DrawsScaledOrAtItsOwnSize) {
    struct Case {
        const char* format;
        bool empty;
        QPoint inside;   // red expected here
        QPoint outside;  // left white
        QPoint corner;   // the bottom-left pixel's place: blue, or white when left out
        QRgb cornerColor;
        int sizeAfter;  // stored width after drawing
    };
    const QRgb white = qRgb(255, 255, 255);
    const Case cases[] = {
        // a PNG is stretched over 2..21 x 2..21 and stores its size
        {"PNG", false, {15, 5}, {25, 5}, {3, 19}, qRgb(0, 0, 255), 4},
        // a BMP is drawn 4 x 4 at (2, 2), its bottom-left colour left out
        {"BMP", false, {5, 2}, {15, 5}, {2, 5}, white, 0},
        // an empty picture draws nothing
        {"PNG", true, {25, 25}, {5, 5}, {2, 5}, white, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format) + (c.empty ? " empty" : ""));
        TGDIPPicture picture;
        if (!c.empty) Load(picture, Encoded(c.format));
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            picture.Draw(painter, TRect{2, 2, 22, 22});
        }
        if (!c.empty) {
            EXPECT_TRUE(Near(image.pixel(c.inside), qRgb(255, 0, 0)));
        }
        EXPECT_EQ(image.pixel(c.outside), white);
        EXPECT_TRUE(Near(image.pixel(c.corner), c.cornerColor));
        EXPECT_EQ(picture.Width(), c.sizeAfter);
    }
}

TEST_F(PictureTest, DataThatIsNoImageDrawsNothingAndMeasuresZero) {
    TGDIPPicture picture;
    Load(picture, QByteArray("not an image"));
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        picture.Draw(painter, TRect{0, 0, 10, 10});
    }
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_TRUE(picture.ReadImageSize());
    EXPECT_EQ(picture.Width(), 0);
    Load(picture, Encoded("BMP"));
    EXPECT_TRUE(picture.ReadImageSize());
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 4);
}

TEST(HintInfo, DefaultsAndAssign) {
    TFxHintInfo hint;
    EXPECT_TRUE(hint.Title().isEmpty());
    EXPECT_TRUE(hint.Notes().isEmpty());
    EXPECT_TRUE(hint.Picture().Empty());
    EXPECT_FALSE(hint.ShowHelp());
    EXPECT_FALSE(hint.ShowHelpStored());

    TFxHintInfo source;
    source.SetTitle("Title");
    source.SetNotes({"one", "two"});
    source.SetShowHelp(true);
    Load(source.Picture(), QByteArray("bytes"));
    hint.Assign(&source);
    EXPECT_EQ(hint.Title(), "Title");
    EXPECT_EQ(hint.Notes(), QStringList({"one", "two"}));
    EXPECT_TRUE(hint.ShowHelpStored());
    EXPECT_EQ(hint.Picture().Data(), QByteArray("bytes"));
    EXPECT_NE(&hint.Picture(), &source.Picture());
    hint.Assign(nullptr);
    EXPECT_EQ(hint.Title(), "Title");
}

}  // namespace
}  // namespace vx
