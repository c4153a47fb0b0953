#include "DC.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

#include "SystemInfo.h"
#include "qt/DCImpl.h"
#include "qt/GdiAccess.h"
#include "qt/WidgetAccess.h"

namespace {

// A memory DC draws into nothing until a bitmap is selected: this one-pixel bitmap.
CBitmap& DefaultBitmap() {
    static CBitmap bitmap;
    if (!bitmap.GetSafeHandle()) bitmap.CreateCompatibleBitmap(nullptr, 1, 1);
    return bitmap;
}

QRect ToQRect(const CRect& rect) {
    CRect r = rect;
    r.NormalizeRect();
    return QRect(r.left, r.top, r.Width(), r.Height());
}

QRectF ToQRectF(int left, int top, int right, int bottom) {
    return QRectF(std::min(left, right), std::min(top, bottom), std::abs(right - left), std::abs(bottom - top));
}

CRect FromQRect(const QRect& rect) { return CRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()); }

QScreen* Screen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

QPen MakePen(const GdiObjectData& pen, const QColor& colour) {
    QPen result(colour);
    result.setWidth(pen.penWidth <= 1 ? 0 : pen.penWidth);  // 0: one device pixel
    result.setCapStyle(Qt::FlatCap);  // a line stops before its end point
    result.setJoinStyle(Qt::MiterJoin);
    switch (pen.penStyle) {
        case PS_DASH: result.setStyle(Qt::DashLine); break;
        case PS_DOT: result.setStyle(Qt::DotLine); break;
        case PS_DASHDOT: result.setStyle(Qt::DashDotLine); break;
        case PS_DASHDOTDOT: result.setStyle(Qt::DashDotDotLine); break;
        default: result.setStyle(Qt::SolidLine); break;
    }
    return result;
}

// The window whose paint event is running at or above `target`, and its paint area mapped
// into `target`.
std::optional<QRect> PaintAreaAbove(QWidget* target) {
    for (QWidget* widget = target; widget;) {
        CWnd* wnd = WndOfWidget(widget);
        QWidget* own = wnd ? WidgetOf(wnd) : nullptr;
        if (!own) return std::nullopt;
        QRect area;
        if (IsInPaintEvent(wnd, &area)) {
            if (own == target) return area;
            if (own->isAncestorOf(target)) return area.translated(target->mapFrom(own, QPoint()));
            return std::nullopt;
        }
        QWidget* outer = TopWidgetOf(wnd);
        widget = outer ? outer->parentWidget() : nullptr;
    }
    return std::nullopt;
}

}  // namespace

// ---- Impl ---------------------------------------------------------------------------------

CDC::Impl::Impl() { Reset(); }

CDC::Impl::~Impl() { Finish(); }

void CDC::Impl::Reset() {
    Finish();
    target = Target::None;
    widget = nullptr;
    limit.reset();
    printerPainter = nullptr;
    printer = nullptr;
    bitmap.reset();
    drawing = {};
    xorMarks = {};
    current = nullptr;
    state = DcState();  // the font stays null: the stock font, made when first needed
    state.brush = DataOf(*StockObject(WHITE_BRUSH));
    state.pen = DataOf(*StockObject(BLACK_PEN));
    saved.clear();
}

void CDC::Impl::Finish() {
    ownPainter.reset();
    for (Layer* layer : {&drawing, &xorMarks}) {
        layer->painter.reset();
        if (layer->surface && !layer->dirty.isEmpty()) {
            // Drawing limited to an area being painted shows in that very pass; asking for
            // another would paint the window again, and its OnPaint would draw again.
            if (limit) layer->surface->ChangedWhilePainting();
            else layer->surface->Changed(layer->dirty);
        }
        layer->dirty = QRect();
    }
}

bool CDC::Impl::CanDraw() const {
    switch (target) {
        case Target::None:
        case Target::Measure: return false;
        case Target::Paint:
        case Target::Client: return widget != nullptr;
        case Target::Memory: return bitmap && bitmap != DataOf(DefaultBitmap());
        case Target::Printer: return printerPainter && printerPainter->isActive();
        case Target::Screen: return true;
    }
    return false;
}

bool CDC::Impl::IsRaster() const {
    if (target == Target::Memory) return true;
    if (target == Target::Paint && ownPainter && ownPainter->paintEngine())
        return ownPainter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    return false;
}

QTransform CDC::Impl::Mapping() const {
    const DcState& s = state;
    double sx = 1.0;
    double sy = 1.0;
    if ((s.mapMode == MM_ANISOTROPIC || s.mapMode == MM_ISOTROPIC) && s.windowExt.cx != 0 && s.windowExt.cy != 0) {
        sx = double(s.viewportExt.cx) / s.windowExt.cx;
        sy = double(s.viewportExt.cy) / s.windowExt.cy;
        if (s.mapMode == MM_ISOTROPIC) {
            const double scale = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(scale, sx);
            sy = std::copysign(scale, sy);
        }
    }
    return QTransform(sx, 0, 0, sy, s.viewportOrg.x - s.windowOrg.x * sx, s.viewportOrg.y - s.windowOrg.y * sy);
}

QRect CDC::Impl::DeviceBounds() const {
    switch (target) {
        case Target::Paint: return paintRect;
        case Target::Client: {
            if (!widget) return {};
            const QRect all = widget->rect();
            return limit ? all.intersected(*limit) : all;
        }
        case Target::Memory: return bitmap ? bitmap->image.rect() : QRect();
        case Target::Printer: return printer ? QRect(0, 0, printer->width(), printer->height()) : QRect();
        case Target::Screen:
        case Target::Measure:
            if (QScreen* screen = Screen()) return screen->virtualGeometry();
            return QRect(0, 0, 1024, 768);
        case Target::None: break;
    }
    return {};
}

QRegion CDC::Impl::DeviceClip() const {
    QRegion region(DeviceBounds());
    if (state.clip) region &= *state.clip;
    return region;
}

QPaintDevice* CDC::Impl::Device() const {
    if (target == Target::Printer) return printer;
    if (target == Target::Memory && bitmap) return &bitmap->image;
    return nullptr;
}

const GdiObjectData& CDC::Impl::FontData() const {
    return state.font ? *state.font : *DataOf(*StockObject(SYSTEM_FONT));
}

QFont CDC::Impl::Font() const { return FontData().font; }

QFontMetrics CDC::Impl::Metrics() const {
    QPaintDevice* device = Device();
    return device ? QFontMetrics(Font(), device) : QFontMetrics(Font());
}

QImage* CDC::Impl::BitmapImage() const {
    return target == Target::Memory && bitmap && bitmap != DataOf(DefaultBitmap()) ? &bitmap->image : nullptr;
}

Mix CDC::Impl::MixOfRop2() const {
    switch (state.rop2) {
        case R2_NOT: return Mix::Invert;
        case R2_XORPEN: return Mix::Xor;
        case R2_NOTXORPEN: return Mix::NotXor;
        case R2_NOP: return Mix::Nop;
        default: return Mix::Copy;
    }
}

QPainter* CDC::Impl::Begin(Mix mix, QColor* colour) {
    if (mix == Mix::Nop || !CanDraw()) return nullptr;
    if (state.rop2 == R2_BLACK && colour) *colour = Qt::black;
    if (state.rop2 == R2_WHITE && colour) *colour = Qt::white;

    QPainter* painter = nullptr;
    QTransform base;  // device -> painter coordinates
    current = nullptr;
    switch (target) {
        case Target::Paint: painter = ownPainter.get(); break;
        case Target::Printer:
            if (mix != Mix::Copy) return nullptr;  // paper cannot be inverted
            painter = printerPainter;
            break;
        case Target::Memory:
            if (!ownPainter) ownPainter = std::make_unique<QPainter>(&bitmap->image);
            painter = ownPainter.get();
            break;
        case Target::Screen:
            if (!widget) {
                QWidget* window = QApplication::activeWindow();
                if (!window) window = QApplication::topLevelAt(QCursor::pos());
                if (!window) return nullptr;
                widget = window;
                screenOrigin = window->mapToGlobal(QPoint());
            }
            base = QTransform::fromTranslate(-screenOrigin.x(), -screenOrigin.y());
            [[fallthrough]];
        case Target::Client: {
            if (mix == Mix::And || mix == Mix::Or) return nullptr;  // needs the pixels below
            const bool marks = mix != Mix::Copy;
            Layer& layer = marks ? xorMarks : drawing;
            if (!layer.painter) {
                layer.surface = ClientSurface::Of(widget, marks ? ClientSurface::Layer::Xor : ClientSurface::Layer::Drawing, true);
                layer.image = layer.surface->Image();
                layer.painter = std::make_unique<QPainter>(layer.image.get());
            }
            painter = layer.painter.get();
            current = &layer;
            if (marks && colour) {
                // A mark is what exclusive-or with the pixels below makes of them.
                const QRgb rgb = colour->rgb() & 0xFFFFFF;
                if (mix == Mix::Invert) *colour = Qt::white;
                else if (mix == Mix::NotXor) *colour = QColor::fromRgb(~rgb & 0xFFFFFF);
            }
            break;
        }
        case Target::None:
        case Target::Measure: return nullptr;
    }
    if (!painter || !painter->isActive()) return nullptr;

    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, state.stretchMode == HALFTONE);
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    if (current == &xorMarks) {
        mode = QPainter::RasterOp_SourceXorDestination;
    } else if (mix != Mix::Copy) {
        if (!IsRaster()) return nullptr;
        switch (mix) {
            case Mix::Invert: mode = QPainter::RasterOp_NotDestination; break;
            case Mix::Xor: mode = QPainter::RasterOp_SourceXorDestination; break;
            case Mix::NotXor: mode = QPainter::RasterOp_NotSourceXorDestination; break;
            case Mix::And: mode = QPainter::RasterOp_SourceAndDestination; break;
            case Mix::Or: mode = QPainter::RasterOp_SourceOrDestination; break;
            default: break;
        }
    }
    painter->setCompositionMode(mode);

    painter->resetTransform();
    if (state.clip.has_value() || limit.has_value() || target == Target::Screen) {
        QRegion region = DeviceClip();
        if (target == Target::Screen) region = base.map(region);
        painter->setClipRegion(region);
    } else {
        painter->setClipping(false);  // a paint event keeps its own area as system clip
    }
    painter->setTransform(Mapping() * base);
    return painter;
}

void CDC::Impl::Touched(const QRectF& logical) {
    if (!current) return;
    QTransform toWidget = Mapping();
    if (target == Target::Screen) toWidget *= QTransform::fromTranslate(-screenOrigin.x(), -screenOrigin.y());
    current->dirty |= toWidget.mapRect(logical).toAlignedRect().adjusted(-2, -2, 2, 2);
}

void CDC::Impl::Fill(const QRectF& logical, Mix mix, const QColor& colour) {
    if (logical.isEmpty()) return;
    QColor paint = colour;
    QPainter* painter = Begin(mix, &paint);
    if (!painter) return;
    painter->fillRect(logical, paint);
    Touched(logical);
}

void CDC::Impl::SelectInto(std::shared_ptr<GdiObjectData> data) {
    switch (data->kind) {
        case GdiObjectData::Kind::Font: state.font = std::move(data); break;
        case GdiObjectData::Kind::Brush: state.brush = std::move(data); break;
        case GdiObjectData::Kind::Pen: state.pen = std::move(data); break;
        case GdiObjectData::Kind::Bitmap:
            ownPainter.reset();
            bitmap = std::move(data);
            break;
    }
}

CDC::Impl* ImplOf(CDC* dc) { return dc ? dc->m_impl.get() : nullptr; }

// ---- CDC: creation ------------------------------------------------------------------------

CDC::CDC() : m_impl(std::make_unique<Impl>()) {}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*) {
    m_impl->Reset();
    m_impl->target = Impl::Target::Memory;
    m_impl->bitmap = DataOf(DefaultBitmap());
    return TRUE;
}

BOOL CDC::CreateDC(LPCTSTR driver, LPCTSTR, LPCTSTR, const void*) {
    if (!driver || CString(driver).CompareNoCase("DISPLAY") != 0) return FALSE;
    m_impl->Reset();
    m_impl->target = Impl::Target::Screen;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (m_impl->target == Impl::Target::None) return FALSE;
    m_impl->Reset();
    return TRUE;
}

const void* CDC::GetSafeHdc() const { return m_impl->target == Impl::Target::None ? nullptr : m_impl.get(); }

BOOL CDC::IsPrinting() const { return m_impl->target == Impl::Target::Printer; }

int CDC::GetDeviceCaps(int index) const {
    const Impl& d = *m_impl;
    const QPagedPaintDevice* printer = d.target == Impl::Target::Printer ? d.printer : nullptr;
    QScreen* screen = Screen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    switch (index) {
        case LOGPIXELSX: return printer ? printer->logicalDpiX() : ScreenDpiY();
        case LOGPIXELSY: return printer ? printer->logicalDpiY() : ScreenDpiY();
        case HORZRES: return printer ? printer->width() : screenSize.width();
        case VERTRES: return printer ? printer->height() : screenSize.height();
        case HORZSIZE: return printer ? printer->widthMM() : (screen ? qRound(screen->physicalSize().width()) : 0);
        case VERTSIZE: return printer ? printer->heightMM() : (screen ? qRound(screen->physicalSize().height()) : 0);
        case BITSPIXEL: return printer ? 24 : 32;
        case PLANES: return 1;
        case NUMCOLORS: {
            // Printing in grey counts as a black and white device.
            const auto* paper = dynamic_cast<const QPrinter*>(printer);
            return paper && paper->colorMode() == QPrinter::GrayScale ? 2 : -1;
        }
        case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT;
        case PHYSICALWIDTH:
        case PHYSICALHEIGHT:
        case PHYSICALOFFSETX:
        case PHYSICALOFFSETY: {
            if (!printer) return 0;
            const int dpi = printer->logicalDpiX();
            const QRect full = printer->pageLayout().fullRectPixels(dpi);
            const QRect paint = printer->pageLayout().paintRectPixels(dpi);
            if (index == PHYSICALWIDTH) return full.width();
            if (index == PHYSICALHEIGHT) return full.height();
            return index == PHYSICALOFFSETX ? paint.left() : paint.top();
        }
        default: return 0;
    }
}

// ---- CDC: state ---------------------------------------------------------------------------

int CDC::SaveDC() {
    m_impl->saved.push_back(m_impl->state);
    return static_cast<int>(m_impl->saved.size());
}

BOOL CDC::RestoreDC(int savedDC) {
    auto& saved = m_impl->saved;
    const int count = static_cast<int>(saved.size());
    const int index = savedDC < 0 ? count + savedDC : savedDC - 1;
    if (savedDC == 0 || index < 0 || index >= count) return FALSE;
    m_impl->state = saved[static_cast<size_t>(index)];
    saved.resize(static_cast<size_t>(index));
    return TRUE;
}

namespace {

// The object a selected thing belongs to; the stock object when it has no owner any more
// (its object was destroyed while selected), so that restoring it is always safe.
CGdiObject* OwnerOr(const std::shared_ptr<GdiObjectData>& data, int stockIndex) {
    if (data && data->owner) return data->owner;
    return stockIndex >= 0 ? StockObject(stockIndex) : &DefaultBitmap();
}

}  // namespace

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (!object) return nullptr;
    auto data = DataOf(*object);
    if (!data) return nullptr;
    CGdiObject* previous = nullptr;
    switch (data->kind) {
        case GdiObjectData::Kind::Font: previous = OwnerOr(m_impl->state.font, SYSTEM_FONT); break;
        case GdiObjectData::Kind::Brush: previous = OwnerOr(m_impl->state.brush, WHITE_BRUSH); break;
        case GdiObjectData::Kind::Pen: previous = OwnerOr(m_impl->state.pen, BLACK_PEN); break;
        case GdiObjectData::Kind::Bitmap:
            if (m_impl->target != Impl::Target::Memory) return nullptr;  // only memory DCs hold bitmaps
            previous = OwnerOr(m_impl->bitmap, -1);
            break;
    }
    m_impl->SelectInto(std::move(data));
    return previous;
}

CFont* CDC::SelectObject(CFont* font) { return dynamic_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(font))); }
CBrush* CDC::SelectObject(CBrush* brush) { return dynamic_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(brush))); }
CPen* CDC::SelectObject(CPen* pen) { return dynamic_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pen))); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) { return dynamic_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(bitmap))); }
CGdiObject* CDC::SelectStockObject(int index) { return SelectObject(StockObject(index)); }

CFont* CDC::GetCurrentFont() const { return dynamic_cast<CFont*>(OwnerOr(m_impl->state.font, SYSTEM_FONT)); }
CBrush* CDC::GetCurrentBrush() const { return dynamic_cast<CBrush*>(OwnerOr(m_impl->state.brush, WHITE_BRUSH)); }
CPen* CDC::GetCurrentPen() const { return dynamic_cast<CPen*>(OwnerOr(m_impl->state.pen, BLACK_PEN)); }
CBitmap* CDC::GetCurrentBitmap() const {
    return m_impl->target == Impl::Target::Memory ? dynamic_cast<CBitmap*>(OwnerOr(m_impl->bitmap, -1)) : nullptr;
}

namespace {

template <typename T>
T Exchange(T& slot, T value) {
    T previous = slot;
    slot = value;
    return previous;
}

}  // namespace

COLORREF CDC::SetTextColor(COLORREF colour) { return Exchange(m_impl->state.textColour, colour & 0xFFFFFF); }
COLORREF CDC::GetTextColor() const { return m_impl->state.textColour; }
COLORREF CDC::SetBkColor(COLORREF colour) { return Exchange(m_impl->state.bkColour, colour & 0xFFFFFF); }
COLORREF CDC::GetBkColor() const { return m_impl->state.bkColour; }
int CDC::SetBkMode(int mode) { return mode == TRANSPARENT || mode == OPAQUE ? Exchange(m_impl->state.bkMode, mode) : 0; }
int CDC::GetBkMode() const { return m_impl->state.bkMode; }
int CDC::SetROP2(int mode) { return mode >= R2_BLACK && mode <= R2_WHITE ? Exchange(m_impl->state.rop2, mode) : 0; }
int CDC::GetROP2() const { return m_impl->state.rop2; }
int CDC::SetStretchBltMode(int mode) { return mode >= BLACKONWHITE && mode <= HALFTONE ? Exchange(m_impl->state.stretchMode, mode) : 0; }
int CDC::GetStretchBltMode() const { return m_impl->state.stretchMode; }
UINT CDC::SetTextAlign(UINT flags) { return Exchange(m_impl->state.textAlign, flags); }
UINT CDC::GetTextAlign() const { return m_impl->state.textAlign; }

// ---- CDC: mapping -------------------------------------------------------------------------

int CDC::SetMapMode(int mode) {
    if (mode != MM_TEXT && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) return 0;
    DcState& s = m_impl->state;
    const int previous = s.mapMode;
    s.mapMode = mode;
    if (mode == MM_TEXT) s.windowExt = s.viewportExt = CSize(1, 1);
    return previous;
}
int CDC::GetMapMode() const { return m_impl->state.mapMode; }

CPoint CDC::SetWindowOrg(int x, int y) { return Exchange(m_impl->state.windowOrg, CPoint(x, y)); }
CPoint CDC::OffsetWindowOrg(int dx, int dy) {
    const CPoint o = m_impl->state.windowOrg;
    return SetWindowOrg(o.x + dx, o.y + dy);
}
CPoint CDC::GetWindowOrg() const { return m_impl->state.windowOrg; }
CPoint CDC::SetViewportOrg(int x, int y) { return Exchange(m_impl->state.viewportOrg, CPoint(x, y)); }
CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    const CPoint o = m_impl->state.viewportOrg;
    return SetViewportOrg(o.x + dx, o.y + dy);
}
CPoint CDC::GetViewportOrg() const { return m_impl->state.viewportOrg; }

// Extents only count in the scaling modes; elsewhere they are kept at 1:1.
CSize CDC::SetWindowExt(int cx, int cy) {
    DcState& s = m_impl->state;
    if (s.mapMode == MM_TEXT || cx == 0 || cy == 0) return s.windowExt;
    return Exchange(s.windowExt, CSize(cx, cy));
}
CSize CDC::GetWindowExt() const { return m_impl->state.windowExt; }
CSize CDC::SetViewportExt(int cx, int cy) {
    DcState& s = m_impl->state;
    if (s.mapMode == MM_TEXT || cx == 0 || cy == 0) return s.viewportExt;
    return Exchange(s.viewportExt, CSize(cx, cy));
}
CSize CDC::GetViewportExt() const { return m_impl->state.viewportExt; }

namespace {

void MapPoints(const QTransform& transform, CPoint* points, int count) {
    for (int i = 0; points && i < count; ++i) {
        const QPointF mapped = transform.map(QPointF(points[i].x, points[i].y));
        points[i] = CPoint(qRound(mapped.x()), qRound(mapped.y()));
    }
}

void MapRect(const QTransform& transform, CRect* rect) {
    if (!rect) return;
    CPoint corners[2] = {rect->TopLeft(), rect->BottomRight()};
    MapPoints(transform, corners, 2);
    *rect = CRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
}

}  // namespace

void CDC::LPtoDP(CPoint* points, int count) const { MapPoints(m_impl->Mapping(), points, count); }
void CDC::LPtoDP(CRect* rect) const { MapRect(m_impl->Mapping(), rect); }
void CDC::DPtoLP(CPoint* points, int count) const { MapPoints(m_impl->Mapping().inverted(), points, count); }
void CDC::DPtoLP(CRect* rect) const { MapRect(m_impl->Mapping().inverted(), rect); }

// ---- CDC: clipping ------------------------------------------------------------------------

namespace {

int KindOf(const QRegion& region) {
    if (region.isEmpty()) return NULLREGION;
    return region.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION;
}

}  // namespace

int CDC::GetClipBox(CRect* rect) const {
    if (m_impl->target == Impl::Target::None) {
        if (rect) rect->SetRectEmpty();
        return RGN_ERROR;
    }
    const QRegion region = m_impl->DeviceClip();
    if (rect) {
        const QRect logical = m_impl->Mapping().inverted().mapRect(QRectF(region.boundingRect())).toAlignedRect();
        *rect = region.isEmpty() ? CRect() : FromQRect(logical);
    }
    return KindOf(region);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    if (m_impl->target == Impl::Target::None) return RGN_ERROR;
    const QRect device = m_impl->Mapping().mapRect(ToQRectF(left, top, right, bottom)).toAlignedRect();
    QRegion clip = m_impl->state.clip.value_or(QRegion(m_impl->DeviceBounds()));
    clip &= device;
    m_impl->state.clip = clip;
    return KindOf(m_impl->DeviceClip());
}

BOOL CDC::RectVisible(const CRect& rect) const {
    CRect box;
    if (GetClipBox(&box) == NULLREGION) return FALSE;
    CRect common;
    return common.IntersectRect(box, rect) ? TRUE : FALSE;
}

// ---- CDC: lines and shapes ----------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) { return Exchange(m_impl->state.position, CPoint(x, y)); }

CPoint CDC::GetCurrentPosition() const { return m_impl->state.position; }

BOOL CDC::LineTo(int x, int y) {
    Impl& d = *m_impl;
    const CPoint from = d.state.position;
    d.state.position = CPoint(x, y);
    const GdiObjectData& pen = *d.state.pen;
    if (pen.hollow || from == CPoint(x, y)) return TRUE;
    QColor colour = pen.colour;
    QPainter* painter = d.Begin(d.MixOfRop2(), &colour);
    if (!painter) return TRUE;
    painter->setPen(MakePen(pen, colour));
    painter->drawLine(QPoint(from.x, from.y), QPoint(x, y));
    const int grow = std::max(1, pen.penWidth);
    d.Touched(ToQRectF(from.x, from.y, x, y).adjusted(-grow, -grow, grow, grow));
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    Impl& d = *m_impl;
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    const GdiObjectData& pen = *d.state.pen;
    const GdiObjectData& brush = *d.state.brush;
    const Mix mix = d.MixOfRop2();
    if (!brush.hollow) {
        const QRectF inside = pen.hollow ? ToQRectF(r.left, r.top, r.right - 1, r.bottom - 1)
                                         : ToQRectF(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
        d.Fill(inside, mix, brush.colour);
    }
    if (pen.hollow || r.IsRectEmpty()) return TRUE;
    if (pen.penStyle == PS_SOLID && pen.penWidth <= 1) {
        // The outline as four strips that never overlap, so that exclusive-or stays exact.
        d.Fill(ToQRectF(r.left, r.top, r.right, r.top + 1), mix, pen.colour);
        if (r.Height() > 1) d.Fill(ToQRectF(r.left, r.bottom - 1, r.right, r.bottom), mix, pen.colour);
        if (r.Height() > 2) {
            d.Fill(ToQRectF(r.left, r.top + 1, r.left + 1, r.bottom - 1), mix, pen.colour);
            if (r.Width() > 1) d.Fill(ToQRectF(r.right - 1, r.top + 1, r.right, r.bottom - 1), mix, pen.colour);
        }
        return TRUE;
    }
    QColor colour = pen.colour;
    QPainter* painter = d.Begin(mix, &colour);
    if (!painter) return TRUE;
    QPen qpen = MakePen(pen, colour);
    qpen.setCapStyle(Qt::SquareCap);
    painter->setPen(qpen);
    painter->setBrush(Qt::NoBrush);
    const double inset = pen.penStyle == PS_INSIDEFRAME ? pen.penWidth / 2.0 : 0.0;
    painter->drawRect(QRectF(r.left + inset, r.top + inset, r.Width() - 1 - 2 * inset, r.Height() - 1 - 2 * inset));
    d.Touched(QRectF(ToQRect(r)).adjusted(-pen.penWidth, -pen.penWidth, pen.penWidth, pen.penWidth));
    return TRUE;
}

void CDC::FillRect(const CRect* rect, CBrush* brush) {
    if (!rect || !brush) return;
    const auto data = DataOf(*brush);
    if (!data || data->kind != GdiObjectData::Kind::Brush || data->hollow) return;
    m_impl->Fill(QRectF(ToQRect(*rect)), Mix::Copy, data->colour);
}

void CDC::FillSolidRect(const CRect* rect, COLORREF colour) {
    if (!rect) return;
    m_impl->state.bkColour = colour & 0xFFFFFF;
    m_impl->Fill(QRectF(ToQRect(*rect)), Mix::Copy, ToQColor(colour));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour) {
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, colour);
}

void CDC::FrameRect(const CRect* rect, CBrush* brush) {
    if (!rect || !brush) return;
    const auto data = DataOf(*brush);
    if (!data || data->kind != GdiObjectData::Kind::Brush || data->hollow) return;
    CRect r = *rect;
    r.NormalizeRect();
    if (r.IsRectEmpty()) return;
    Impl& d = *m_impl;
    d.Fill(ToQRectF(r.left, r.top, r.right, r.top + 1), Mix::Copy, data->colour);
    d.Fill(ToQRectF(r.left, r.bottom - 1, r.right, r.bottom), Mix::Copy, data->colour);
    d.Fill(ToQRectF(r.left, r.top + 1, r.left + 1, r.bottom - 1), Mix::Copy, data->colour);
    d.Fill(ToQRectF(r.right - 1, r.top + 1, r.right, r.bottom - 1), Mix::Copy, data->colour);
}

void CDC::InvertRect(const CRect* rect) {
    if (rect) m_impl->Fill(QRectF(ToQRect(*rect)), Mix::Invert, Qt::white);
}

void CDC::Draw3dRect(const CRect* rect, COLORREF topLeft, COLORREF bottomRight) {
    if (rect) Draw3dRect(rect->left, rect->top, rect->Width(), rect->Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::DrawEdge(CRect* rect, UINT edge, UINT flags) {
    if (!rect) return FALSE;
    Impl& d = *m_impl;
    CRect r = *rect;
    r.NormalizeRect();
    // Outer line pair first, then the inner one, one pixel further in.
    struct Line {
        UINT raised;
        UINT sunken;
        int raisedTopLeft, raisedBottomRight, sunkenTopLeft, sunkenBottomRight;
    };
    const Line lines[] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
    };
    for (const Line& line : lines) {
        if (!(edge & (line.raised | line.sunken))) continue;
        const bool raised = (edge & line.raised) != 0;
        QColor topLeft = ToQColor(GetSysColor(raised ? line.raisedTopLeft : line.sunkenTopLeft));
        QColor bottomRight = ToQColor(GetSysColor(raised ? line.raisedBottomRight : line.sunkenBottomRight));
        if (flags & BF_MONO) topLeft = bottomRight = Qt::black;
        else if (flags & BF_FLAT) topLeft = bottomRight = ToQColor(GetSysColor(COLOR_3DSHADOW));
        const bool left = flags & BF_LEFT, top = flags & BF_TOP, right = flags & BF_RIGHT, bottom = flags & BF_BOTTOM;
        // The bottom-right colour owns the far corners, as with a 3-D rectangle.
        if (top) d.Fill(ToQRectF(r.left, r.top, right ? r.right - 1 : r.right, r.top + 1), Mix::Copy, topLeft);
        if (left) d.Fill(ToQRectF(r.left, r.top, r.left + 1, bottom ? r.bottom - 1 : r.bottom), Mix::Copy, topLeft);
        if (right) d.Fill(ToQRectF(r.right - 1, r.top, r.right, r.bottom), Mix::Copy, bottomRight);
        if (bottom) d.Fill(ToQRectF(r.left, r.bottom - 1, r.right, r.bottom), Mix::Copy, bottomRight);
        r = CRect(r.left + (left ? 1 : 0), r.top + (top ? 1 : 0), r.right - (right ? 1 : 0), r.bottom - (bottom ? 1 : 0));
    }
    if ((flags & BF_MIDDLE) && !r.IsRectEmpty()) d.Fill(QRectF(ToQRect(r)), Mix::Copy, ToQColor(GetSysColor(COLOR_3DFACE)));
    if (flags & BF_ADJUST) *rect = r;
    return TRUE;
}

BOOL CDC::DrawFrameControl(CRect* rect, UINT type, UINT state) {
    if (!rect || !qobject_cast<QApplication*>(QCoreApplication::instance())) return FALSE;
    QStyle* style = QApplication::style();
    Impl& d = *m_impl;
    QPainter* painter = d.Begin(Mix::Copy);
    if (!painter) return TRUE;
    const QRect area = ToQRect(*rect);
    QStyleOptionButton option;
    option.rect = area;
    option.palette = QApplication::palette();
    option.state = (state & DFCS_INACTIVE) ? QStyle::State_None : QStyle::State_Enabled;
    if (state & DFCS_PUSHED) option.state |= QStyle::State_Sunken;
    if (type == DFC_BUTTON) {
        const UINT kind = state & 0x1F;
        if (kind == DFCS_BUTTONPUSH) {
            option.state |= (state & DFCS_PUSHED) ? QStyle::State_Sunken : QStyle::State_Raised;
            style->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, painter);
        } else {
            option.state |= (state & DFCS_CHECKED) ? QStyle::State_On : QStyle::State_Off;
            painter->fillRect(area, option.palette.base());
            style->drawPrimitive(kind == DFCS_BUTTONRADIO ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox,
                                 &option, painter);
        }
    } else if (type == DFC_SCROLL) {
        option.state |= (state & DFCS_PUSHED) ? QStyle::State_Sunken : QStyle::State_Raised;
        style->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, painter);
        QStyle::PrimitiveElement arrow = QStyle::PE_IndicatorArrowDown;
        switch (state & 0x1F) {
            case DFCS_SCROLLUP: arrow = QStyle::PE_IndicatorArrowUp; break;
            case DFCS_SCROLLLEFT: arrow = QStyle::PE_IndicatorArrowLeft; break;
            case DFCS_SCROLLRIGHT: arrow = QStyle::PE_IndicatorArrowRight; break;
            default: break;
        }
        style->drawPrimitive(arrow, &option, painter);
    } else {
        return FALSE;
    }
    d.Touched(QRectF(area));
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour) {
    m_impl->Fill(QRectF(x, y, 1, 1), Mix::Copy, ToQColor(colour));
    return colour & 0xFFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) const {
    const QImage* image = m_impl->BitmapImage();
    if (!image) return CLR_INVALID;
    const QPoint device = m_impl->Mapping().map(QPoint(x, y));
    if (!image->rect().contains(device) || !m_impl->DeviceClip().contains(device)) return CLR_INVALID;
    return FromQColor(image->pixelColor(device));
}

// ---- CDC: block transfers -----------------------------------------------------------------

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    Impl& d = *m_impl;
    const QRectF area = ToQRectF(x, y, x + width, y + height);
    const GdiObjectData& brush = *d.state.brush;
    switch (rop) {
        case PATCOPY:
            if (!brush.hollow) d.Fill(area, Mix::Copy, brush.colour);
            return TRUE;
        case DSTINVERT: d.Fill(area, Mix::Invert, Qt::white); return TRUE;
        case BLACKNESS: d.Fill(area, Mix::Copy, Qt::black); return TRUE;
        case WHITENESS: d.Fill(area, Mix::Copy, Qt::white); return TRUE;
        default: return FALSE;
    }
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop) {
    if (rop == PATCOPY || rop == DSTINVERT || rop == BLACKNESS || rop == WHITENESS) return PatBlt(x, y, width, height, rop);
    return StretchBlt(x, y, width, height, source, xSource, ySource, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int sourceWidth,
                     int sourceHeight, DWORD rop) {
    Impl* from = ImplOf(source);
    const QImage* image = from ? from->BitmapImage() : nullptr;
    if (!image) return FALSE;
    Mix mix = Mix::Copy;
    switch (rop) {
        case SRCCOPY: break;
        case SRCINVERT: mix = Mix::Xor; break;
        case SRCAND: mix = Mix::And; break;
        case SRCPAINT: mix = Mix::Or; break;
        default: return FALSE;
    }
    const QRectF sourceArea =
        from->Mapping().mapRect(QRectF(xSource, ySource, sourceWidth, sourceHeight)).intersected(QRectF(image->rect()));
    const QRectF area(x, y, width, height);
    if (sourceArea.isEmpty() || area.isEmpty()) return FALSE;
    Impl& d = *m_impl;
    QPainter* painter = d.Begin(mix);
    if (!painter) return TRUE;
    painter->drawImage(area, *image, sourceArea);
    d.Touched(area);
    return TRUE;
}

BOOL StretchQImage(CDC* dc, const CRect& dest, const QImage& image, const QRect& source) {
    CDC::Impl* d = ImplOf(dc);
    if (!d || image.isNull() || dest.IsRectEmpty()) return FALSE;
    QPainter* painter = d->Begin(Mix::Copy);
    if (!painter) return d->target != CDC::Impl::Target::None;
    const QRectF area(ToQRect(dest));
    painter->drawImage(area, image, QRectF(source.isNull() ? image.rect() : source));
    d->Touched(area);
    return TRUE;
}

// ---- the window DCs -----------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd) {
    Impl& d = *m_impl;
    QWidget* widget = WidgetOf(wnd);
    QRect area;
    d.widget = widget;
    if (widget && IsInPaintEvent(wnd, &area)) {
        d.target = Impl::Target::Paint;
        d.paintRect = area;
        ClientSurface::DiscardDrawing(widget, area);  // painted afresh now
        d.ownPainter = std::make_unique<QPainter>(widget);
        m_ps.fErase = TRUE;
        m_ps.rcPaint = FromQRect(area);
    } else if (widget) {
        // Outside a paint event nothing needs painting: the DC draws nowhere.
        d.target = Impl::Target::Client;
        d.limit = QRect();
    } else {
        d.target = Impl::Target::Measure;
    }
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd) {
    Impl& d = *m_impl;
    if (!wnd) {
        d.target = Impl::Target::Screen;
        return;
    }
    QWidget* widget = WidgetOf(wnd);
    if (!widget) {
        d.target = Impl::Target::Measure;
        return;
    }
    d.target = Impl::Target::Client;
    d.widget = widget;
    if (const auto area = PaintAreaAbove(widget)) d.limit = *area;  // painted in this very pass
}

CClientDC::~CClientDC() = default;

// ---- bridge -------------------------------------------------------------------------------

QPainter* PainterOf(CDC* dc) {
    CDC::Impl* d = ImplOf(dc);
    return d ? d->Begin(Mix::Copy) : nullptr;
}

namespace {

class PrinterDC : public CDC {
public:
    PrinterDC(QPagedPaintDevice* printer, QPainter* painter) {
        m_impl->target = Impl::Target::Printer;
        m_impl->printer = printer;
        m_impl->printerPainter = painter;
    }
};

}  // namespace

std::unique_ptr<CDC> CreatePrinterDC(QPagedPaintDevice* printer, QPainter* painter) {
    return std::make_unique<PrinterDC>(printer, painter);
}

void DiscardClientDrawing(QWidget* widget, const QRect& rect) { ClientSurface::DiscardDrawing(widget, rect, true); }
