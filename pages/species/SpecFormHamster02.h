#pragma once
// The hamster form's transects: five grids of ten 100-metre segments each. A double click on
// a segment opens it in the transect dialog; after a change the transect's burrow total is
// computed again. The hamsters counted on each transect are typed by the operator.
#include <array>

#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "store/HamsterRecords.h"

class CSpecForm_Hamster_02 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Hamster_02)
public:
    // Per transect 1 to 5: its grid, its burrow total and its hamster count.
    static constexpr int kGridIds[kHamsterTransects] = {2434, 2435, 2436, 2437, 2438};
    static constexpr int kBurrowIds[kHamsterTransects] = {2444, 2445, 2446, 2447, 2453};
    static constexpr int kHamsterIds[kHamsterTransects] = {2026, 2027, 2028, 2029, 2030};
    static constexpr int kHeadingHeight = 35;

    CSpecForm_Hamster_02();

    const MessageMap& GetMessageMap() const override;

    // Opens grid row `row` of transect `number` in the transect dialog.
    void EditSegment(int number, int row);
    // The burrows of all segments, each read as its leading integer.
    static int SumBurrows(const CHamsterTransect& segments);

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void SetupTransectGrid(CGridCtrl& grid);
    void RefillTransectGrid(int number);
    void OnSegmentDblClk(NMHDR* header, LRESULT* result);

    CSpecData_Hamster_02 m_transects;
    std::array<CGridCtrl, kHamsterTransects> m_grids;
};
