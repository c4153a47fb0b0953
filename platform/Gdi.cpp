#include "Gdi.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "DC.h"
#include "SystemInfo.h"
#include "qt/GdiAccess.h"
#include "qt/GdiData.h"

// ---- helpers shared by the drawing code --------------------------------------------------

int ScreenDpiY() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen()) return qRound(screen->logicalDotsPerInchY());
    return 96;
}

namespace {

int PixelSizeOf(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    return std::max(1, qRound(font.pointSizeF() * ScreenDpiY() / 72.0));
}

QFont PixelSized(QFont font) {
    font.setPixelSize(PixelSizeOf(font));
    return font;
}

QImage Paintable(const QImage& image) {
    if (image.isNull()) return image;
    return image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                   : image.convertToFormat(QImage::Format_RGB32);
}

void CopyFaceName(LOGFONT& logFont, const QString& family) {
    std::memset(logFont.lfFaceName, 0, sizeof logFont.lfFaceName);
    QByteArray utf8 = family.toUtf8();
    // Never cut a UTF-8 sequence in half.
    int length = std::min<int>(utf8.size(), LF_FACESIZE - 1);
    while (length > 0 && length < utf8.size() && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80) --length;
    std::memcpy(logFont.lfFaceName, utf8.constData(), static_cast<size_t>(length));
}

}  // namespace

QFont DefaultGuiFont() {
    return PixelSized(qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::font() : QFont());
}

QFont QFontFromLogFont(const LOGFONT& logFont) {
    QFont font = DefaultGuiFont();
    const QString face = QString::fromUtf8(logFont.lfFaceName, static_cast<int>(strnlen(logFont.lfFaceName, LF_FACESIZE)));
    if (!face.isEmpty()) {
        font.setFamily(face);
    } else {
        const int family = logFont.lfPitchAndFamily & 0xF0;
        if ((logFont.lfPitchAndFamily & 0x03) == FIXED_PITCH || family == FF_MODERN) font.setStyleHint(QFont::Monospace);
        else if (family == FF_ROMAN) font.setStyleHint(QFont::Serif);
        else if (family == FF_SWISS) font.setStyleHint(QFont::SansSerif);
    }
    if (logFont.lfHeight < 0) {
        font.setPixelSize(std::max<int>(1, -logFont.lfHeight));
    } else if (logFont.lfHeight > 0) {
        // A positive height is the whole cell: scale the character size until the cell fits.
        font.setPixelSize(logFont.lfHeight);
        const int cell = QFontMetrics(font).ascent() + QFontMetrics(font).descent();
        if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(logFont.lfHeight) * logFont.lfHeight / cell))));
    }
    const int weight = logFont.lfWeight <= 0 ? FW_NORMAL : std::clamp<int>(logFont.lfWeight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

LOGFONT LogFontFromQFont(const QFont& qfont) {
    LOGFONT logFont;
    logFont.lfHeight = -PixelSizeOf(qfont);
    logFont.lfWeight = qfont.weight();
    logFont.lfItalic = qfont.italic() ? 1 : 0;
    logFont.lfUnderline = qfont.underline() ? 1 : 0;
    logFont.lfStrikeOut = qfont.strikeOut() ? 1 : 0;
    logFont.lfCharSet = DEFAULT_CHARSET;
    CopyFaceName(logFont, QFontInfo(qfont).family());
    return logFont;
}

// ---- CGdiObject --------------------------------------------------------------------------

CGdiObject::~CGdiObject() {
    if (m_data && m_data->owner == this) m_data->owner = nullptr;
}

CGdiObject::CGdiObject(CGdiObject&& other) noexcept { *this = std::move(other); }

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept {
    if (this != &other) {
        Adopt(std::move(other.m_data));
        other.m_hObject = nullptr;
    }
    return *this;
}

void CGdiObject::Adopt(std::shared_ptr<GdiObjectData> data) {
    if (m_data && m_data->owner == this) m_data->owner = nullptr;
    m_data = std::move(data);
    if (m_data) m_data->owner = this;
    m_hObject = m_data.get();
}

BOOL CGdiObject::DeleteObject() {
    if (!m_data) return FALSE;
    Adopt(nullptr);
    return TRUE;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) { return handle ? handle->owner : nullptr; }
CFont* CFont::FromHandle(HFONT handle) { return dynamic_cast<CFont*>(CGdiObject::FromHandle(handle)); }
CBrush* CBrush::FromHandle(HBRUSH handle) { return dynamic_cast<CBrush*>(CGdiObject::FromHandle(handle)); }
CPen* CPen::FromHandle(HPEN handle) { return dynamic_cast<CPen*>(CGdiObject::FromHandle(handle)); }
CBitmap* CBitmap::FromHandle(HBITMAP handle) { return dynamic_cast<CBitmap*>(CGdiObject::FromHandle(handle)); }

DWORD CGdiObject::GetObjectType() const {
    if (!m_data) return 0;
    switch (m_data->kind) {
        case GdiObjectData::Kind::Font: return OBJ_FONT;
        case GdiObjectData::Kind::Brush: return OBJ_BRUSH;
        case GdiObjectData::Kind::Pen: return OBJ_PEN;
        case GdiObjectData::Kind::Bitmap: return OBJ_BITMAP;
    }
    return 0;
}

namespace {

template <typename Record>
int CopyOut(const Record& record, int bufferSize, void* buffer) {
    if (!buffer || bufferSize < static_cast<int>(sizeof(Record))) return 0;
    std::memcpy(buffer, &record, sizeof(Record));
    return static_cast<int>(sizeof(Record));
}

}  // namespace

int CGdiObject::GetObject(int bufferSize, void* buffer) const {
    if (!m_data) return 0;
    switch (m_data->kind) {
        case GdiObjectData::Kind::Font: return CopyOut(m_data->logFont, bufferSize, buffer);
        case GdiObjectData::Kind::Brush: {
            LOGBRUSH record;
            record.lbStyle = m_data->hollow ? BS_NULL : BS_SOLID;
            record.lbColor = FromQColor(m_data->colour);
            return CopyOut(record, bufferSize, buffer);
        }
        case GdiObjectData::Kind::Pen: {
            LOGPEN record;
            record.lopnStyle = static_cast<UINT>(m_data->penStyle);
            record.lopnWidth = CPoint(m_data->penWidth, 0);
            record.lopnColor = FromQColor(m_data->colour);
            return CopyOut(record, bufferSize, buffer);
        }
        case GdiObjectData::Kind::Bitmap: {
            BITMAP record;
            record.bmWidth = m_data->image.width();
            record.bmHeight = m_data->image.height();
            record.bmWidthBytes = static_cast<LONG>(m_data->image.bytesPerLine());
            record.bmBitsPixel = static_cast<WORD>(m_data->image.depth());
            return CopyOut(record, bufferSize, buffer);
        }
    }
    return 0;
}

// ---- stock objects -----------------------------------------------------------------------

namespace {

std::shared_ptr<GdiObjectData> MakeBrush(const QColor& colour, bool hollow) {
    auto data = std::make_shared<GdiObjectData>(GdiObjectData::Kind::Brush);
    data->colour = colour;
    data->hollow = hollow;
    return data;
}

std::shared_ptr<GdiObjectData> MakePen(int style, int width, const QColor& colour) {
    auto data = std::make_shared<GdiObjectData>(GdiObjectData::Kind::Pen);
    data->penStyle = style;
    data->penWidth = std::max(0, width);
    data->colour = colour;
    data->hollow = style == PS_NULL;
    return data;
}

std::shared_ptr<GdiObjectData> MakeFont(const QFont& qfont) {
    auto data = std::make_shared<GdiObjectData>(GdiObjectData::Kind::Font);
    data->font = PixelSized(qfont);
    data->logFont = LogFontFromQFont(data->font);
    return data;
}

std::shared_ptr<GdiObjectData> MakeStockData(int index) {
    switch (index) {
        case WHITE_BRUSH: return MakeBrush(Qt::white, false);
        case LTGRAY_BRUSH: return MakeBrush(QColor(192, 192, 192), false);
        case GRAY_BRUSH: return MakeBrush(QColor(128, 128, 128), false);
        case DKGRAY_BRUSH: return MakeBrush(QColor(64, 64, 64), false);
        case BLACK_BRUSH: return MakeBrush(Qt::black, false);
        case NULL_BRUSH: return MakeBrush(Qt::black, true);
        case WHITE_PEN: return MakePen(PS_SOLID, 0, Qt::white);
        case BLACK_PEN: return MakePen(PS_SOLID, 0, Qt::black);
        case NULL_PEN: return MakePen(PS_NULL, 0, Qt::black);
        case ANSI_FIXED_FONT:
        case SYSTEM_FIXED_FONT: {
            QFont fixed = DefaultGuiFont();
            fixed.setFamily("Monospace");
            fixed.setStyleHint(QFont::Monospace);
            return MakeFont(fixed);
        }
        case ANSI_VAR_FONT:
        case SYSTEM_FONT:
        case DEVICE_DEFAULT_FONT:
        case DEFAULT_GUI_FONT: return MakeFont(DefaultGuiFont());
        default: return nullptr;
    }
}

}  // namespace

CGdiObject* StockObject(int index) {
    static std::unique_ptr<CGdiObject> objects[DEFAULT_GUI_FONT + 1];
    if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
    auto& slot = objects[index];
    if (!slot) {
        auto data = MakeStockData(index);
        if (!data) return nullptr;
        switch (data->kind) {
            case GdiObjectData::Kind::Font: slot = std::make_unique<CFont>(); break;
            case GdiObjectData::Kind::Brush: slot = std::make_unique<CBrush>(); break;
            case GdiObjectData::Kind::Pen: slot = std::make_unique<CPen>(); break;
            case GdiObjectData::Kind::Bitmap: slot = std::make_unique<CBitmap>(); break;
        }
        GdiObjectAccess::Adopt(*slot, std::move(data));
    }
    return slot.get();
}

HGDIOBJ GetStockObject(int index) {
    CGdiObject* object = StockObject(index);
    return object ? object->GetSafeHandle() : nullptr;
}

BOOL CGdiObject::CreateStockObject(int index) {
    auto data = MakeStockData(index);
    if (!data) return FALSE;
    Adopt(std::move(data));
    return TRUE;
}

// ---- CFont -------------------------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (!logFont) return FALSE;
    auto data = std::make_shared<GdiObjectData>(GdiObjectData::Kind::Font);
    data->logFont = *logFont;
    data->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    data->font = QFontFromLogFont(data->logFont);
    Adopt(std::move(data));
    return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCTSTR faceName) {
    LOGFONT logFont;
    logFont.lfHeight = height;
    logFont.lfWidth = width;
    logFont.lfEscapement = escapement;
    logFont.lfOrientation = orientation;
    logFont.lfWeight = weight;
    logFont.lfItalic = italic;
    logFont.lfUnderline = underline;
    logFont.lfStrikeOut = strikeOut;
    logFont.lfCharSet = charSet;
    logFont.lfOutPrecision = outPrecision;
    logFont.lfClipPrecision = clipPrecision;
    logFont.lfQuality = quality;
    logFont.lfPitchAndFamily = pitchAndFamily;
    if (faceName) CopyFaceName(logFont, QString::fromUtf8(faceName));
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc) {
    if (!logFont) return FALSE;
    LOGFONT pixels = *logFont;
    const int dpi = dc ? dc->GetDeviceCaps(LOGPIXELSY) : ScreenDpiY();
    pixels.lfHeight = -static_cast<LONG>(std::lround(std::abs(logFont->lfHeight) * dpi / 720.0));
    return CreateFontIndirect(&pixels);
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc) {
    LOGFONT logFont;
    logFont.lfHeight = pointSize;
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (faceName) CopyFaceName(logFont, QString::fromUtf8(faceName));
    return CreatePointFontIndirect(&logFont, dc);
}

int CFont::GetLogFont(LOGFONT* logFont) const { return GetObject(sizeof(LOGFONT), logFont); }

QFont QFontOf(const CFont& font) {
    const auto data = DataOf(font);
    return data && data->kind == GdiObjectData::Kind::Font ? data->font : DefaultGuiFont();
}

QFont QFontOfHandle(HFONT font) {
    return font && font->kind == GdiObjectData::Kind::Font ? font->font : DefaultGuiFont();
}

void AssignQFont(CFont& font, const QFont& qfont) {
    GdiObjectAccess::Adopt(font, MakeFont(qfont));
}

// ---- CBrush and CPen ---------------------------------------------------------------------

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    Adopt(MakeBrush(ToQColor(colour), false));
    return TRUE;
}

BOOL CBrush::CreateSysColorBrush(int index) { return CreateSolidBrush(GetSysColor(index)); }

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const { return GetObject(sizeof(LOGBRUSH), logBrush); }

bool QBrushOfHandle(HBRUSH handle, QBrush* brush) {
    if (!handle || handle->kind != GdiObjectData::Kind::Brush || handle->hollow) return false;
    if (brush) *brush = QBrush(handle->colour);
    return true;
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return FALSE;
    Adopt(MakePen(style, width, ToQColor(colour)));
    return TRUE;
}

int CPen::GetLogPen(LOGPEN* logPen) const { return GetObject(sizeof(LOGPEN), logPen); }

// ---- CBitmap -----------------------------------------------------------------------------

QPixmap LoadResourcePixmap(const char* kind, UINT id) {
    for (const char* extension : {"png", "bmp", "ico", "svg"}) {
        const QString path = QString(":/res/%1/%2.%3").arg(QString::fromUtf8(kind)).arg(id).arg(extension);
        QImageReader reader(path);
        const QImage image = reader.read();
        if (!image.isNull()) return QPixmap::fromImage(image);
    }
    return {};
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    const QPixmap pixmap = LoadResourcePixmap("bitmaps", resourceId);
    if (pixmap.isNull()) return FALSE;
    AssignQImage(*this, pixmap.toImage());
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
    if (width <= 0 || height <= 0) return FALSE;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return FALSE;  // too large to allocate
    image.fill(Qt::black);
    auto data = std::make_shared<GdiObjectData>(GdiObjectData::Kind::Bitmap);
    data->image = std::move(image);
    Adopt(std::move(data));
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }

QImage QImageOf(const CBitmap& bitmap) {
    const auto data = DataOf(bitmap);
    return data && data->kind == GdiObjectData::Kind::Bitmap ? data->image : QImage();
}

QPixmap QPixmapOf(const CBitmap& bitmap) { return QPixmap::fromImage(QImageOf(bitmap)); }

void AssignQImage(CBitmap& bitmap, const QImage& image) {
    auto data = std::make_shared<GdiObjectData>(GdiObjectData::Kind::Bitmap);
    data->image = Paintable(image);
    GdiObjectAccess::Adopt(bitmap, std::move(data));
}
