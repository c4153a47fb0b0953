#pragma once
// "Дива коза - Легенда.": the six age classes of the chamois in pictures with their captions,
// on white. It has no buttons; Esc or the close box close it.
#include "platform/Dialog.h"
#include "platform/Gdi.h"

class CDlgGoatLegend : public CDialog {
public:
    explicit CDlgGoatLegend(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) override;

private:
    CBrush m_white;
};
