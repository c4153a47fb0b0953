#include "ImageList.h"

#include <QBitmap>
#include <QIcon>

#include "qt/GdiAccess.h"
#include "qt/ImageListData.h"

CImageList::CImageList() = default;
CImageList::~CImageList() = default;

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int) {
    if (cx <= 0 || cy <= 0) return FALSE;
    m_data = std::make_unique<ImageListData>();
    m_data->size = QSize(cx, cy);
    m_data->masked = (flags & ILC_MASK) != 0;
    m_data->images.reserve(static_cast<size_t>(std::max(initial, 0)));
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    const bool had = m_data != nullptr;
    m_data.reset();
    return had;
}

namespace {
// An icon file offers several sizes: the one of the list is taken, else the picture scaled.
QPixmap Fitted(const QString& file, const QSize& size) {
    const QIcon icon(file);
    QPixmap pixmap = icon.isNull() ? QPixmap(file) : icon.pixmap(size);
    if (!pixmap.isNull() && pixmap.size() != size)
        pixmap = pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}
}  // namespace

int CImageList::Add(LPCTSTR imageFile) {
    if (!m_data || !imageFile) return -1;
    const QPixmap pixmap = Fitted(ToQString(imageFile), m_data->size);
    if (pixmap.isNull()) return -1;
    m_data->images.push_back(pixmap);
    return static_cast<int>(m_data->images.size()) - 1;
}

int CImageList::Add(CBitmap* bitmap, COLORREF maskColour) {
    if (!m_data || bitmap == nullptr) return -1;
    QPixmap pixmap = QPixmapOf(*bitmap);
    if (pixmap.isNull()) return -1;
    if (m_data->masked) pixmap.setMask(pixmap.createMaskFromColor(ToQColor(maskColour), Qt::MaskInColor));
    m_data->images.push_back(pixmap);
    return static_cast<int>(m_data->images.size()) - 1;
}

int CImageList::AddIconResource(UINT iconId) {
    if (!m_data) return -1;
    QPixmap pixmap = LoadResourcePixmap("icons", iconId);
    if (pixmap.isNull()) return -1;
    if (pixmap.size() != m_data->size) pixmap = pixmap.scaled(m_data->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_data->images.push_back(pixmap);
    return static_cast<int>(m_data->images.size()) - 1;
}

int CImageList::GetImageCount() const { return m_data ? static_cast<int>(m_data->images.size()) : 0; }

BOOL CImageList::GetIconSize(int& cx, int& cy) const {
    if (!m_data) return FALSE;
    cx = m_data->size.width();
    cy = m_data->size.height();
    return TRUE;
}
