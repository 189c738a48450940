// The GDI+ drawing layer of the menus, tool bars and glow buttons: anti-aliased
// shapes, gradients, text and decoded pictures, over QPainter.
//
// Each wrapper owns one native object (its handle), made in its constructor
// and freed in its destructor, and remembers the last failing status of its
// calls: a failure stays recorded after later successes, and nothing throws,
// so a failed call leaves its part of a drawing undone and the paint goes on.
// The layer must be started before the first window and shut down after the
// last (GdiplusStartup, GdiplusShutdown); until then every creation fails with
// GdiplusNotInitialized.
//
// Coordinates follow GDI+: pixel centres lie on whole numbers, so a one-pixel
// outline along x = 3 covers exactly the pixel column 3, antialiased or not.
// A graphics draws through the painter it is given and leaves that painter's
// pen, brush, font, clip, transform and render hints as it found them.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <cstdint>
#include <string>
#include <vector>

class QPainter;

namespace vx {

// GDI+'s status codes.
enum class TStatus : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
};

using ARGB = std::uint32_t;

// GDI+'s enumeration values, as the drawing code passes them.
inline constexpr int SmoothingModeDefault = 0;
inline constexpr int SmoothingModeHighSpeed = 1;
inline constexpr int SmoothingModeHighQuality = 2;
inline constexpr int SmoothingModeNone = 3;
inline constexpr int SmoothingModeAntiAlias = 4;

inline constexpr int TextRenderingHintSystemDefault = 0;
inline constexpr int TextRenderingHintSingleBitPerPixelGridFit = 1;
inline constexpr int TextRenderingHintSingleBitPerPixel = 2;
inline constexpr int TextRenderingHintAntiAliasGridFit = 3;
inline constexpr int TextRenderingHintAntiAlias = 4;
inline constexpr int TextRenderingHintClearTypeGridFit = 5;

inline constexpr int DashStyleSolid = 0;
inline constexpr int DashStyleDash = 1;
inline constexpr int DashStyleDot = 2;
inline constexpr int DashStyleDashDot = 3;
inline constexpr int DashStyleDashDotDot = 4;

inline constexpr int LinearGradientModeHorizontal = 0;
inline constexpr int LinearGradientModeVertical = 1;
inline constexpr int LinearGradientModeForwardDiagonal = 2;
inline constexpr int LinearGradientModeBackwardDiagonal = 3;

inline constexpr int FillModeAlternate = 0;
inline constexpr int FillModeWinding = 1;

inline constexpr int FontStyleBold = 1;
inline constexpr int FontStyleItalic = 2;
inline constexpr int FontStyleUnderline = 4;
inline constexpr int FontStyleStrikeout = 8;

inline constexpr int UnitWorld = 0;
inline constexpr int UnitDisplay = 1;
inline constexpr int UnitPixel = 2;
inline constexpr int UnitPoint = 3;
inline constexpr int UnitInch = 4;
inline constexpr int UnitDocument = 5;
inline constexpr int UnitMillimeter = 6;

inline constexpr int StringFormatFlagsNoWrap = 0x1000;
inline constexpr int StringFormatFlagsNoClip = 0x4000;

inline constexpr int StringAlignmentNear = 0;
inline constexpr int StringAlignmentCenter = 1;
inline constexpr int StringAlignmentFar = 2;

inline constexpr int HotkeyPrefixNone = 0;
inline constexpr int HotkeyPrefixShow = 1;
inline constexpr int HotkeyPrefixHide = 2;

// Image formats as TGPImage::GetFormat numbers them.
inline constexpr int ImageFormatUndefined = 0;
inline constexpr int ImageFormatMemoryBMP = 1;
inline constexpr int ImageFormatBMP = 2;
inline constexpr int ImageFormatEMF = 3;
inline constexpr int ImageFormatWMF = 4;
inline constexpr int ImageFormatJPEG = 5;
inline constexpr int ImageFormatPNG = 6;
inline constexpr int ImageFormatGIF = 7;
inline constexpr int ImageFormatTIFF = 8;
inline constexpr int ImageFormatEXIF = 9;
inline constexpr int ImageFormatIcon = 10;

struct TGPPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};
TGPPoint MakePoint(int x, int y);

struct TGPRectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
};
TGPRectF MakeRect(float x, float y, float width, float height);

// Brings the layer up once for the program; the token goes back to
// GdiplusShutdown. Start-ups nest: the layer is down after the last shutdown.
TStatus GdiplusStartup(std::uintptr_t* token);
void GdiplusShutdown(std::uintptr_t token);

// The image format of encoded image data, by its first bytes.
int ImageFormatOfData(const QByteArray& data);

// The native objects the wrappers own (defined in FxGDIP.cpp).
struct GpGraphics;
struct GpPen;
struct GpBrush;
struct GpPath;
struct GpFontFamily;
struct GpFont;
struct GpStringFormat;
struct GpImage;

class TGdiplusBase {
  public:
    TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;
};

// The handle and the last status every wrapper keeps.
template <typename Native>
class TGPObject : public TGdiplusBase {
  public:
    Native* Handle() const { return handle_; }
    TStatus GetLastStatus() const { return lastStatus_; }

  protected:
    // Records a failing status (an Ok never clears an earlier failure) and
    // returns the status of the call.
    TStatus Record(TStatus status) {
        if (status != TStatus::Ok) lastStatus_ = status;
        return status;
    }
    Native* handle_ = nullptr;
    TStatus lastStatus_ = TStatus::Ok;
};

class TGPPen;
class TGPBrush;
class TGPGraphicsPath;
class TGPFont;
class TGPStringFormat;
class TGPImage;

class TGPGraphics : public TGPObject<GpGraphics> {
  public:
    // The painter stands for the device context: drawing goes through it.
    explicit TGPGraphics(QPainter* painter);
    ~TGPGraphics();
    TStatus SetSmoothingMode(int mode);
    TStatus SetTextRenderingHint(int hint);
    TStatus DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
    TStatus FillRectangle(const TGPBrush* brush, float x, float y, float width, float height);
    // length -1: up to the end of the text.
    TStatus DrawString(const std::u16string& text, int length, const TGPFont* font,
                       const TGPRectF& layoutRect, const TGPStringFormat* format,
                       const TGPBrush* brush);
    TStatus MeasureString(const std::u16string& text, int length, const TGPFont* font,
                          const TGPRectF& layoutRect, const TGPStringFormat* format,
                          TGPRectF* boundingBox, int* codepointsFitted, int* linesFilled);
    TStatus DrawImage(const TGPImage* image, int x, int y, int width, int height);
};

class TGPPen : public TGPObject<GpPen> {
  public:
    TGPPen(ARGB color, float width = 1.0f);
    ~TGPPen();
    TStatus SetDashStyle(int dashStyle);
};

class TGPBrush : public TGPObject<GpBrush> {
  public:
    virtual ~TGPBrush();

  protected:
    TGPBrush() = default;
};

class TGPSolidBrush : public TGPBrush {
  public:
    explicit TGPSolidBrush(ARGB color);
};

class TGPLinearGradientBrush : public TGPBrush {
  public:
    // Tiled beyond the rectangle.
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, int mode);
};

// Colours run in straight lines from the centre colour at the centre point
// (by default the middle of the path's bounds) to the surround colours at the
// path's outline: one colour per path point, the last one serving the points
// past it, blended between points. Nothing is painted outside the path.
class TGPPathGradientBrush : public TGPBrush {
  public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* path);
    TStatus SetCenterColor(ARGB color);  // returns the last status
    TStatus SetCenterPoint(const TGPPoint& point);
    int GetPointCount();
    // count is in/out: set to what was taken when the call succeeds, left
    // unchanged when it is refused (more colours than the path has points).
    TStatus SetSurroundColors(const ARGB* colors, int* count);
};

class TGPGraphicsPath : public TGPObject<GpPath> {
  public:
    explicit TGPGraphicsPath(int fillMode = FillModeAlternate);
    ~TGPGraphicsPath();
    TStatus AddLine(float x1, float y1, float x2, float y2);
    // Angles in degrees, clockwise from the x axis.
    TStatus AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    TStatus AddEllipse(float x, float y, float width, float height);
    TStatus CloseFigure();
};

class TGPFontFamily : public TGPObject<GpFontFamily> {
  public:
    // The installed fonts only (no collection); a family that is not
    // installed is matched to the nearest installed face.
    explicit TGPFontFamily(const std::u16string& name);
    ~TGPFontFamily();
};

class TGPFont : public TGPObject<GpFont> {
  public:
    TGPFont(const TGPFontFamily* family, float size, int style = 0, int unit = UnitPoint);
    ~TGPFont();
};

class TGPStringFormat : public TGPObject<GpStringFormat> {
  public:
    explicit TGPStringFormat(int formatFlags = 0, int language = 0);
    ~TGPStringFormat();
    TStatus SetAlignment(int alignment);
    TStatus SetLineAlignment(int alignment);
    TStatus SetHotkeyPrefix(int prefix);
};

class TGPImage : public TGPObject<GpImage> {
  public:
    // data: the encoded image (BMP, PNG, GIF, JPEG, icon, ...).
    explicit TGPImage(const QByteArray& data, bool useEmbeddedColorManagement = false);
    ~TGPImage();
    unsigned GetWidth();   // 0 when the call fails
    unsigned GetHeight();  // 0 when the call fails
    int GetFormat();       // ImageFormat..., Undefined when unknown
};

}  // namespace vx
