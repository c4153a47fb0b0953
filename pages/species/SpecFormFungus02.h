#pragma once
// "Гъби - 2": the population: its area in hectares (digits and one decimal point), the
// number in a mycological collection, the count of fruit bodies or groups, and the list of
// companion fungi (each at most once, added through the species picker, removed one whole
// row at a time).
#include "controls/NumericEdit.h"
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/SpeciesNameRow.h"

class CSpecForm_Fungus_02 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fungus_02)
public:
    static constexpr int IDC_AREA = 2037, IDC_COLLECTION = 2754, IDC_COUNT = 2014, IDC_SPECIES = 2742, IDC_ADD = 2596,
                         IDC_DELETE = 2598;

    CSpecForm_Fungus_02();

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();

    CGridCtrl& SpeciesGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CNumericEdit m_areaEdit;
    CGridCtrl m_grid;
    CString m_area;
    CString m_collection;
    CString m_count;
    CArray<CSpeciesNameRow> m_companions;
};
