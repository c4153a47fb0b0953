#pragma once
// The wolf step "Вълк - 1.6": one wolf route by its three points, "От", "През" and "До",
// side by side in a grid with one column per point and one row per attribute. A double
// click on a point's cell opens the route dialog on that point; points are never added or
// removed.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/WolfRecords.h"

class CSpecForm_Wolf_06 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_06)
public:
    static constexpr int IDC_ROUTE = 2820;

    CSpecForm_Wolf_06();

    const MessageMap& GetMessageMap() const override;

    CGridCtrl& RouteGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void SetupRouteGrid();
    void RefillRouteGrid();
    void OnRouteClick(NMHDR* header, LRESULT* result);
    void OnRouteDblClk(NMHDR* header, LRESULT* result);

    CGridCtrl m_grid;
    CArray<CWolf06Row> m_points;  // at their WolfRoutePoint
};
