#pragma once
// What a font, brush, pen or bitmap object holds. Private to the drawing code of platform/.
#include <QColor>
#include <QFont>
#include <QImage>

#include "platform/Gdi.h"

struct GdiObjectData {
    enum class Kind { Font, Brush, Pen, Bitmap };
    explicit GdiObjectData(Kind k) : kind(k) {}

    Kind kind;
    CGdiObject* owner = nullptr;  // the object whose handle this is (for FromHandle)

    // font
    LOGFONT logFont;
    QFont font;  // pixel-sized, so that it measures the same on every device

    // brush and pen
    QColor colour;
    bool hollow = false;  // null brush, or PS_NULL pen
    int penStyle = PS_SOLID;
    int penWidth = 0;

    // bitmap
    QImage image;  // a paintable format (RGB32 or ARGB32 premultiplied)
};

// The drawing code's way into the objects.
struct GdiObjectAccess {
    static const std::shared_ptr<GdiObjectData>& Data(const CGdiObject& object) { return object.m_data; }
    static void Adopt(CGdiObject& object, std::shared_ptr<GdiObjectData> data) { object.Adopt(std::move(data)); }
};
inline std::shared_ptr<GdiObjectData> DataOf(const CGdiObject& object) { return GdiObjectAccess::Data(object); }
// The stock object of an index (a static that lives for the whole run); nullptr if unknown.
CGdiObject* StockObject(int index);

// Screen resolution the program measures with (96 when there is no screen).
int ScreenDpiY();
// The application's font, pixel-sized.
QFont DefaultGuiFont();
