#pragma once
// A tuft of page 15: its area (required, blanks at both ends dropped) and whether plants
// bearing archegonia are present (required).
#include "controls/NumericEdit.h"
#include "pages/common/RowDialog.h"
#include "store/MossRecords.h"

class CDlg_Moss_AddTuft : public CRowDialogOf<CMoss15Row> {
public:
    static constexpr int IDC_AREA = 2475, IDC_ARCHEGONIA = 2493;
    static constexpr const char* kAreaRequired = "Полето 'Площ' е задължително!";
    static constexpr const char* kArchegoniaRequired =
        "Моля изберете стойност за полето 'Присъствие на архегониеносци'!";

    explicit CDlg_Moss_AddTuft(const CMoss15Row* row, CWnd* parent = nullptr);

    CComboBox m_archegonia;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CString m_area;
    CNumericEdit m_areaEdit;
};
