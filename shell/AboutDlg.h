#pragma once
// The about box of "Помощ" > "За програмата...": the program's icon, name, makers and
// rights; OK closes it.
#include "platform/Dialog.h"
#include "platform/ImageList.h"
#include "res/UserDialogIds.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    static constexpr int IDC_ICON_FRAME = 1000;
    static constexpr UINT kProgramIcon = 128;

    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
    void OnPaint() override;

private:
    CImageList m_icon;
};
