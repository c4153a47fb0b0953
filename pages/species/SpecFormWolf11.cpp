#include "pages/species/SpecFormWolf11.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_11, CFormPage)

namespace {

constexpr int kHabitat = 2406;
constexpr int kSizeWidth = 85;

PageGridRow TrailCells(const CWolf11Row& trail) {
    return {{trail.FrontLen, trail.FrontWid, trail.BackLen, trail.BackWid, trail.StepLen}, std::nullopt};
}

}  // namespace

CSpecForm_Wolf_11::CSpecForm_Wolf_11() : CWolfTablePage(IDD_WOLF_TRAILS_PAGE, IDC_GRID, kHabitat, TrailCells) {}

void CSpecForm_Wolf_11::SetupGrid(CGridCtrl& grid) {
    SetupTwoLinePageGrid(grid, "\n№", {{"Предни лапи\nдължина(см)", kSizeWidth}, {"Предни лапи\nширина(см)", kSizeWidth},
                                       {"Задни лапи\nдължина(см)", kSizeWidth}, {"Задни лапи\nширина(см)", kSizeWidth},
                                       {"Дължина на\nкрачката(см)", kSizeWidth}});
    grid.EnableTitleTips(FALSE);
}

CArray<CWolf11Row>& CSpecForm_Wolf_11::RecordRows() const { return Document()->SpecData_Wolf_11.Trails; }

CString* CSpecForm_Wolf_11::RecordHabitat() const { return &Document()->SpecData_Wolf_11.Habitat; }
