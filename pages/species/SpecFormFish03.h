#pragma once
// The step "Риби - 3": the fish measured, one row each, added and changed in the fish
// dialog, in the order they were typed.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/FishRecords.h"

class CSpecForm_Fish_03 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fish_03)
public:
    static constexpr int IDC_FISHES = 2415, IDC_ADD_FISH = 2596, IDC_DELETE_FISH = 2598;

    CSpecForm_Fish_03();

    const MessageMap& GetMessageMap() const override;

    void OnAddFish();
    void OnDeleteFish();

    CGridCtrl& FishGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void RefreshFishGrid();
    void OnFishDblClk(NMHDR* header, LRESULT* result);

    CGridCtrl m_grid;
    CArray<CFish03Row> m_fishes;
};
