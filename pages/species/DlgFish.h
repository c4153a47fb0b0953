#pragma once
// One fish measured: standard and absolute body length, weight, sex, maturity stage and a
// note. Nothing is required; an entirely empty row is a row too.
#include "pages/common/RowDialog.h"
#include "store/FishRecords.h"

class CDlg_Fish : public CRowDialogOf<CFish03Row> {
public:
    static constexpr int IDC_STANDARD_LENGTH = 2417, IDC_ABS_LENGTH = 2023, IDC_WEIGHT = 2724;
    static constexpr int IDC_MALE = 2403, IDC_FEMALE = 2092, IDC_MATURITY = 2416, IDC_NOTES = 2645;

    explicit CDlg_Fish(const CFish03Row* row = nullptr, CWnd* parent = nullptr);

    CComboBox m_maturity;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ShowRow() override;
    void TakeRow() override;

private:
    CString m_standardLength;
    CString m_absLength;
    CString m_weight;
    CString m_notes;
    int m_sex = -1;
};
