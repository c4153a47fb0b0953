#pragma once
// "Мъхове - 11": the rock outcrops (height, surface, humus in the cracks) and the moss tufts,
// one row per rock block, with their position, exposure and sunshine.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/ListControls.h"
#include "store/MossRecords.h"

class CSpecForm_Moss_11 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_11)
public:
    static constexpr int IDC_HEIGHT = 2487, IDC_SURFACE = 2488, IDC_HUMUS = 2489;
    static constexpr int IDC_TUFTS = 1434, IDC_ADD = 2596, IDC_DELETE = 2598;

    CSpecForm_Moss_11();

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();
    void EditTuft(int gridRow);

    CComboBox m_height;
    CComboBox m_surface;
    CComboBox m_humus;
    CGridCtrl m_grid;
    CArray<CMoss11Row> m_tufts;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnTuftsDblClk(NMHDR* header, LRESULT*);
    void Refill();
};
