#pragma once
// "Добави следа на вълк": the paw sizes and the stride of one trail, in cm of at most three
// digits. Nothing is required.
#include "pages/common/RowDialog.h"
#include "store/WolfRecords.h"

class CDlg_Wolf_Track : public CRowDialogOf<CWolf11Row> {
public:
    static constexpr int IDC_FRONT_LENGTH = 2408, IDC_FRONT_WIDTH = 2020, IDC_BACK_LENGTH = 2041,
                         IDC_BACK_WIDTH = 2059, IDC_STRIDE = 2081;

    // With a row the dialog changes a copy of it, else it starts from a new row.
    explicit CDlg_Wolf_Track(const CWolf11Row* row = nullptr, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ShowRow() override { return TRUE; }
};
