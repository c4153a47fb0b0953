#pragma once
// "Добави убити вълци": one killed wolf. Nothing is required: any answer may stay open.
#include "pages/common/RowDialog.h"
#include "store/WolfRecords.h"

class CDlg_Wolf_Killed : public CRowDialogOf<CWolf10Row> {
public:
    static constexpr int IDC_MALE = 2403, IDC_AGE = 2722, IDC_WEIGHT = 2724, IDC_COLOUR = 2019, IDC_FRONT_YES = 2404,
                         IDC_BACK_YES = 2405;

    // With a row the dialog changes a copy of it, else it starts from a new row.
    explicit CDlg_Wolf_Killed(const CWolf10Row* row = nullptr, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ShowRow() override;
    void TakeRow() override;
};
