#pragma once
// The inside of a device context. Private to the drawing code of platform/.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTransform>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

#include "platform/DC.h"
#include "platform/qt/ClientSurface.h"
#include "platform/qt/GdiData.h"

class QPagedPaintDevice;

// What SaveDC keeps.
struct DcState {
    std::shared_ptr<GdiObjectData> font;  // null: the stock system font
    std::shared_ptr<GdiObjectData> brush;
    std::shared_ptr<GdiObjectData> pen;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int mapMode = MM_TEXT;
    CPoint windowOrg;
    CPoint viewportOrg;
    CSize windowExt{1, 1};
    CSize viewportExt{1, 1};
    std::optional<QRegion> clip;  // device coordinates; none = the whole device
    CPoint position;
};

// How a drawing combines with what is below.
enum class Mix { Copy, Invert, Xor, NotXor, And, Or, Nop };

struct CDC::Impl {
    enum class Target {
        None,     // not created
        Measure,  // measures with the screen's metrics, draws nothing
        Screen,   // screen coordinates, drawn on the active window's layers
        Paint,    // a window inside its paint event
        Client,   // a window outside its paint event: its layers
        Memory,   // the selected bitmap
        Printer,  // a printer page
    };

    Impl();
    ~Impl();

    Target target = Target::None;
    QPointer<QWidget> widget;             // Paint, Client; for Screen the window drawn on
    QPoint screenOrigin;                  // Screen: the window's top-left in screen pixels
    QRect paintRect;                      // Paint: the area being painted
    std::optional<QRect> limit;           // Client: only this area may be drawn (widget coordinates)
    std::unique_ptr<QPainter> ownPainter;  // Paint and Memory
    QPainter* printerPainter = nullptr;
    QPagedPaintDevice* printer = nullptr;
    std::shared_ptr<GdiObjectData> bitmap;  // Memory

    struct Layer {
        QPointer<ClientSurface> surface;
        std::shared_ptr<QImage> image;
        std::unique_ptr<QPainter> painter;
        QRect dirty;  // widget coordinates
    };
    Layer drawing;
    Layer xorMarks;
    Layer* current = nullptr;  // the layer the last Begin chose

    DcState state;
    std::vector<DcState> saved;

    // ---- used by the drawing operations ----
    void Reset();
    void Finish();  // ends painting and shows what was drawn on layers
    bool CanDraw() const;
    bool IsRaster() const;  // raster operations really combine with the pixels below
    // A painter ready for one drawing operation with the state's mapping and clip, and the
    // colour to draw `colour` with; nullptr when nothing is to be drawn.
    QPainter* Begin(Mix mix, QColor* colour = nullptr);
    // After drawing: the device area touched (logical rectangle), for the layers.
    void Touched(const QRectF& logical);
    QTransform Mapping() const;             // logical -> device
    QRect DeviceBounds() const;             // the device's drawable area, device coordinates
    QRegion DeviceClip() const;             // bounds, state clip and limit combined
    const GdiObjectData& FontData() const;
    QFont Font() const;
    QFontMetrics Metrics() const;
    QPaintDevice* Device() const;           // for metrics; nullptr = the screen
    Mix MixOfRop2() const;
    QImage* BitmapImage() const;            // the selected bitmap of a memory DC
    void SelectInto(std::shared_ptr<GdiObjectData> data);
    void Fill(const QRectF& logical, Mix mix, const QColor& colour);
};

CDC::Impl* ImplOf(CDC* dc);
