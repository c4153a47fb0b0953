#include "pages/species/SpecFormWolf12.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_12, CFormPage)

namespace {

constexpr int kHabitat = 2535;

PageGridRow ScatCells(const CWolf12Row& scat) {
    return {{scat.Len, scat.Wid, scat.Color, scat.Fur, scat.BonesPresenceName}, std::nullopt};
}

}  // namespace

CSpecForm_Wolf_12::CSpecForm_Wolf_12() : CWolfTablePage(IDD_WOLF_SCATS_PAGE, IDC_GRID, kHabitat, ScatCells) {}

void CSpecForm_Wolf_12::SetupGrid(CGridCtrl& grid) {
    SetupPageGrid(grid, {{"Дължина(см)", 80}, {"Ширина(см)", 80}, {"Цвят", 100}, {"Козина(от какво)", 100},
                         {"Кости", 50}});
}

CArray<CWolf12Row>& CSpecForm_Wolf_12::RecordRows() const { return Document()->SpecData_Wolf_12.Shits; }

CString* CSpecForm_Wolf_12::RecordHabitat() const { return &Document()->SpecData_Wolf_12.Habitat; }
