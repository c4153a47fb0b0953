#pragma once
// "Наблюдавана костенурка": one tortoise seen. Only the species is required; length, sex,
// habitat kind, the way it was found and the distance are optional (the sex label's 10 cm is
// advice only).
#include "pages/common/RowDialog.h"
#include "platform/ListControls.h"
#include "store/TortoiseRecords.h"

class CDlg_Tortoise : public CRowDialogOf<CTortoise01Row> {
public:
    static constexpr int IDC_SPECIES = 2625, IDC_LENGTH = 2731, IDC_MALE = 2403, IDC_FEMALE = 2787, IDC_HABITAT = 2535,
                         IDC_SEEN = 2446, IDC_HEARD = 2790, IDC_DISTANCE = 2042;

    // With a row the dialog changes a copy of it, else it starts from a new row.
    explicit CDlg_Tortoise(const CTortoise01Row* row = nullptr, CWnd* parent = nullptr);

    CComboBox m_species;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CString m_length;
    CString m_habitat;
    CString m_distance;
    int m_sex = -1;
    int m_found = -1;
};
