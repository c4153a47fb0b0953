#include "pages/species/SpecFormMoss10.h"

#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kPercentLength = 3;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_10, CFormPage)

CSpecForm_Moss_10::CSpecForm_Moss_10()
    : CFormPage(IDD_MOSS_OUTCROPS_PAGE), m_species(CDlg_Moss_AddSpecies::kGrassBushList, TRUE) {}

const MessageMap& CSpecForm_Moss_10::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_10::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_10::OnDelete),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Moss_10::OnSpeciesDblClk),
    });
    return map;
}

void CSpecForm_Moss_10::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species.m_grid);
    DDX_Control(pDX, IDC_CANOPY, m_canopyEdit);
    DDX_Control(pDX, IDC_GRASS, m_grassEdit);
    DDX_Text(pDX, IDC_CANOPY, m_canopy);
    DDV_MaxChars(pDX, m_canopy, kPercentLength);
    DDX_Text(pDX, IDC_GRASS, m_grass);
    DDV_MaxChars(pDX, m_grass, kPercentLength);
    DDX_Text(pDX, IDC_BUSHES, m_bushes);
    DDX_Radio(pDX, IDC_IN_FOREST, m_rocksPlace);
}

void CSpecForm_Moss_10::PreparePage() {
    m_species.Setup();
    LoadFromDocument();
    m_species.Refill();
}

void CSpecForm_Moss_10::LoadRecord() {
    const CSpecData_Moss_10& habitat = Document()->SpecData_Moss_10;
    m_species.m_rows = habitat.GrassBush;
    m_bushes = habitat.BushesPercent;
    m_grass = habitat.GrassPercent;
    m_canopy = habitat.TreePercent;
    m_rocksPlace = habitat.RocksExistance;
}

void CSpecForm_Moss_10::SaveRecord() {
    CSpecData_Moss_10& habitat = Document()->SpecData_Moss_10;
    habitat.GrassBush = m_species.m_rows;
    habitat.BushesPercent = m_bushes;
    habitat.GrassPercent = m_grass;
    habitat.TreePercent = m_canopy;
    habitat.RocksExistance = m_rocksPlace;
}
