#include "ImageListDraw.h"

#include "qt/DCImpl.h"
#include "qt/ImageListData.h"

BOOL DrawImageListImage(const CImageList* list, int index, CDC* dc, CPoint point, UINT) {
    const ImageListData* data = list ? list->Data() : nullptr;
    CDC::Impl* impl = ImplOf(dc);
    if (!data || !impl) return FALSE;
    const QPixmap picture = data->Image(index);
    if (picture.isNull()) return FALSE;
    QPainter* painter = impl->Begin(Mix::Copy);
    if (!painter) return FALSE;
    const QRectF area(point.x, point.y, picture.width(), picture.height());
    painter->drawPixmap(area.topLeft(), picture);
    impl->Touched(area);
    return TRUE;
}
