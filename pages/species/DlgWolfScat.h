#pragma once
// "Добави екскременти на вълк": one scat's size (cm, two digits each), colour, hair and
// bones. Nothing is required.
#include "pages/common/RowDialog.h"
#include "store/WolfRecords.h"

class CDlg_Wolf_Scat : public CRowDialogOf<CWolf12Row> {
public:
    static constexpr int IDC_LENGTH = 2731, IDC_WIDTH = 2013, IDC_COLOUR = 2410, IDC_HAIR = 2411, IDC_BONES_YES = 2412;

    // With a row the dialog changes a copy of it, else it starts from a new row.
    explicit CDlg_Wolf_Scat(const CWolf12Row* row = nullptr, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ShowRow() override { return TRUE; }
    void TakeRow() override;
};
