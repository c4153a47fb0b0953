#include "shell/IconListView.h"

BOOL CIconListView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style = (cs.style & ~LVS_TYPEMASK) | LVS_ICON | WS_CHILD | WS_VISIBLE | WS_BORDER;
    return CListView::PreCreateWindow(cs);
}

void CIconListView::SetIcons(std::initializer_list<UINT> iconIds) {
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_TRACKSELECT);
    m_imageList.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 4);
    for (const UINT icon : iconIds) m_imageList.AddIconResource(icon);
    list.SetImageList(&m_imageList, LVSIL_NORMAL);
}

int CIconListView::InsertIconItem(int index, const char* text, int image, DWORD_PTR data) {
    CListCtrl& list = GetListCtrl();
    const int item = list.InsertItem(index, text, image);
    if (item >= 0) list.SetItemData(item, data);
    return item;
}

int CIconListView::SingleSelectedData() {
    CListCtrl& list = GetListCtrl();
    if (list.GetSelectedCount() != 1) return -1;
    return static_cast<int>(list.GetItemData(list.GetNextItem(-1, LVNI_SELECTED)));
}
