#include "pages/species/SpecFormMoss03.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kPercentLength = 3;
constexpr int kTiltLength = 2;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_03, CFormPage)

CSpecForm_Moss_03::CSpecForm_Moss_03()
    : CFormPage(IDD_MOSS_GRASS_PAGE), m_species(CDlg_Moss_AddSpecies::kGrassBushList, FALSE) {}

const MessageMap& CSpecForm_Moss_03::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_03::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_03::OnDelete),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Moss_03::OnSpeciesDblClk),
    });
    return map;
}

void CSpecForm_Moss_03::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species.m_grid);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    DDX_Control(pDX, IDC_BUSHES, m_bushesEdit);
    DDX_Control(pDX, IDC_GRASS, m_grassEdit);
    DDX_Text(pDX, IDC_BUSHES, m_bushes);
    DDV_MaxChars(pDX, m_bushes, kPercentLength);
    DDX_Text(pDX, IDC_GRASS, m_grass);
    DDV_MaxChars(pDX, m_grass, kPercentLength);
    DDX_Text(pDX, IDC_TILT, m_tilt);
    DDV_MaxChars(pDX, m_tilt, kTiltLength);
    DDX_Radio(pDX, IDC_ROCKS_YES, m_rocks);
}

void CSpecForm_Moss_03::PreparePage() {
    m_species.Setup();
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    LoadFromDocument();
    m_species.Refill();
}

void CSpecForm_Moss_03::LoadRecord() {
    const CSpecData_Moss_03& habitat = Document()->SpecData_Moss_03;
    CComboHelpers::SelectByItemData(m_exposure, static_cast<DWORD>(habitat.ExposureID));
    m_bushes = habitat.BushesPercent;
    m_grass = habitat.GrassPercent;
    m_tilt = habitat.Tilt;
    m_rocks = habitat.RocksExists;
    m_species.m_rows = habitat.GrassBush;
}

void CSpecForm_Moss_03::SaveRecord() {
    CSpecData_Moss_03& habitat = Document()->SpecData_Moss_03;
    CComboHelpers::GetSelection(m_exposure, habitat.ExposureID, habitat.ExposureIDName);
    habitat.BushesPercent = m_bushes;
    habitat.GrassPercent = m_grass;
    habitat.Tilt = m_tilt;
    habitat.RocksExists = m_rocks;
    habitat.RocksExistsName = RocksAnswerName(m_rocks);
    habitat.GrassBush = m_species.m_rows;
}
