#pragma once
// Views that are one control filling the view: a tree (CTreeView) or a list (CListView).
// The control's style bits (TVS_..., LVS_...) and WS_BORDER are taken from the view's
// style, which PreCreateWindow may change. The control's notifications reach the view's
// message map as reflected ones (OnNotifyReflect(TVN_SELCHANGED, ...),
// OnNotifyReflect(NM_DBLCLK, ...)); those the view does not reflect go to its map as
// notifications of the control, whose id is the view's.
#include "ListCtrl.h"
#include "TreeCtrl.h"
#include "View.h"

class CCtrlView : public CView {
    DECLARE_DYNAMIC(CCtrlView)
public:
    void OnDraw(CDC*) override {}
    // The control that fills the view.
    virtual CWnd& GetControl() = 0;

    // The control's style bits (the low word: TVS_..., LVS_...; and WS_BORDER) are the
    // control's, the others the view's: the view's style is both together.
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

protected:
    // Creates the control as a child of the view.
    virtual BOOL CreateControl(DWORD style, const RECT& rect, UINT id) = 0;
    int OnCreate(LPCREATESTRUCT createStruct) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CTreeView : public CCtrlView {
    DECLARE_DYNCREATE(CTreeView)
public:
    CTreeCtrl& GetTreeCtrl() { return m_tree; }
    CWnd& GetControl() override { return m_tree; }

protected:
    BOOL CreateControl(DWORD style, const RECT& rect, UINT id) override { return m_tree.Create(style, rect, this, id); }

private:
    CTreeCtrl m_tree;
};

class CListView : public CCtrlView {
    DECLARE_DYNCREATE(CListView)
public:
    CListCtrl& GetListCtrl() { return m_list; }
    CWnd& GetControl() override { return m_list; }

protected:
    BOOL CreateControl(DWORD style, const RECT& rect, UINT id) override { return m_list.Create(style, rect, this, id); }

private:
    CListCtrl m_list;
};
