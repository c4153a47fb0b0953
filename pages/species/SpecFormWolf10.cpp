#include "pages/species/SpecFormWolf10.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_10, CFormPage)

namespace {

// The weight stands before the colour, as on the paper form.
PageGridRow KilledCells(const CWolf10Row& wolf) {
    return {{wolf.SexName, wolf.Age, wolf.Weight, wolf.Color, wolf.ExistsFingerFrontLegName,
             wolf.ExistsFingerBackLegName},
            std::nullopt};
}

}  // namespace

CSpecForm_Wolf_10::CSpecForm_Wolf_10() : CWolfTablePage(IDD_WOLF_KILLED_PAGE, IDC_GRID, 0, KilledCells) {}

void CSpecForm_Wolf_10::SetupGrid(CGridCtrl& grid) {
    SetupTwoLinePageGrid(grid, "\n№", {{"\nПол", 45}, {"\nВъзраст", 50}, {"\nТегло(кг.)", 60}, {"\nОкраска", 95},
                                       {"Първи пръст\nна преден крак", 95}, {"Първи пръст\nна заден крак", 10}});
    grid.EnableTitleTips(FALSE);
}

CArray<CWolf10Row>& CSpecForm_Wolf_10::RecordRows() const { return Document()->SpecData_Wolf_10.Killed; }
