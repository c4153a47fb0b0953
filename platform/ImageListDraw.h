#pragma once
// Drawing one picture of an image list on a device context, for controls that draw their
// items themselves (the grid's cell images).
#include "DC.h"
#include "ImageList.h"

constexpr UINT ILD_NORMAL = 0x0000;

// The picture's top-left corner at `point`, transparent where the picture is; FALSE for a
// missing list or picture.
BOOL DrawImageListImage(const CImageList* list, int index, CDC* dc, CPoint point, UINT style = ILD_NORMAL);
