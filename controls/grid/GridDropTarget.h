#pragma once
// Makes a grid window a drop target and passes what is dragged over it to the grid. The grid
// registers it the first time it is sized; later calls change nothing.
#include "platform/DataTransfer.h"

class CGridCtrl;

class CGridDropTarget : public COleDropTarget {
public:
    BOOL Register(CGridCtrl* grid);
    using COleDropTarget::Register;
    void Revoke() override;
    BOOL IsRegistered() const { return m_bRegistered; }

    DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point) override;
    void OnDragLeave(CWnd* window) override;
    BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, CPoint point) override;
    DROPEFFECT OnDragScroll(CWnd* window, DWORD keyState, CPoint point) override;

private:
    // The grid concerned, when the window is the one registered.
    CGridCtrl* GridOf(CWnd* window) const;

    CGridCtrl* m_pGridCtrl = nullptr;
    BOOL m_bRegistered = FALSE;
};
