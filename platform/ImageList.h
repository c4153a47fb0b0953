#pragma once
// A list of equally sized images (icons of the tree and list views), added from picture
// files or from the program's icon resources.
#include <memory>

#include "CString.h"
#include "Geometry.h"
#include "Types.h"

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR32 = 0x0020;

struct ImageListData;
class CBitmap;

class CImageList {
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    // Adds the picture of a file (or a Qt resource path ":/..."), scaled to the list's size;
    // returns its index, or -1 when the file cannot be read.
    int Add(LPCTSTR imageFile);
    // Adds a copy of the bitmap; with ILC_MASK the pixels of the mask colour are transparent.
    int Add(CBitmap* bitmap, COLORREF maskColour);
    // Adds the icon resource with that id (res/icons/<id>.*); -1 when there is none.
    int AddIconResource(UINT iconId);
    int GetImageCount() const;
    BOOL GetIconSize(int& cx, int& cy) const;

    ImageListData* Data() const { return m_data.get(); }

private:
    std::unique_ptr<ImageListData> m_data;
};
