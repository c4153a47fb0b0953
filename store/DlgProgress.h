#pragma once
// The "Запис" window: a progress bar that moves while a form is being stored.
#include "platform/Controls.h"
#include "platform/Dialog.h"

class CDlgProgress : public CDialog {
public:
    static constexpr UINT IDD = 227;
    static constexpr int IDC_PROGRESS = 1373;

    CDlgProgress() : CDialog(IDD) {}

    CProgressCtrl m_progress;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
