#pragma once
// One bear (or group) seen: size and colour are required, sex and count are not. The row's
// words are the captions of the chosen buttons.
#include "pages/common/RowDialog.h"
#include "store/BearRecords.h"

class CDlg_Bear_Add : public CRowDialogOf<CBear01Row> {
public:
    static constexpr int IDC_FIRST_SIZE = 2760, IDC_FIRST_COLOR = 2766, IDC_MALE = 2758, IDC_FEMALE = 2759;
    static constexpr int IDC_COUNT = 2612;

    // Without a row it adds one; with a row it changes a copy of it.
    explicit CDlg_Bear_Add(const CBear01Row* row = nullptr, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    int m_size = -1;
    int m_color = -1;
    int m_sex = -1;
    CString m_count;
};
