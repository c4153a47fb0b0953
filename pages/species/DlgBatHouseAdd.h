#pragma once
// "Добавяне на къщичка за прилепи": the number of a bat house and, if known, its condition.
#include "pages/common/RowDialog.h"
#include "store/BatRecords.h"

class CDlg_BatHouse_Add : public CRowDialogOf<CBatHouseInfo> {
public:
    static constexpr int IDC_NUMBER = 2648, IDC_CONDITION = 2493;

    explicit CDlg_BatHouse_Add(const CBatHouseInfo* house = nullptr, CWnd* parent = nullptr);

    CComboBox m_condition;
    CString m_number;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;
};
