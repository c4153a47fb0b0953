#pragma once
// A list view of a few large icons with captions, where the item under the mouse becomes
// the selected one: the mode list and the final step of a form.
#include <initializer_list>

#include "platform/CtrlView.h"
#include "platform/ImageList.h"

class CIconListView : public CListView {
protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Turns on hover selection and gives the list its 32 x 32 icons, image i for icon i.
    void SetIcons(std::initializer_list<UINT> iconIds);
    // Inserts an item before `index` (past the end: appends) with its data.
    int InsertIconItem(int index, const char* text, int image, DWORD_PTR data);
    // The data of the only selected item, -1 unless exactly one is selected.
    int SingleSelectedData();

    CImageList m_imageList;
};
