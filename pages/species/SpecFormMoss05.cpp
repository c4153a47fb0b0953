#include "pages/species/SpecFormMoss05.h"

#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kCoverLength = 3;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_05, CFormPage)

CSpecForm_Moss_05::CSpecForm_Moss_05(int pageCode) : CFormPage(IDD_MOSS_COMPANIONS_PAGE), m_pageCode(pageCode) {}

const MessageMap& CSpecForm_Moss_05::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_05::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_05::OnDelete),
        OnNotify(IDC_COMPANIONS, NM_DBLCLK, &CSpecForm_Moss_05::OnCompanionDblClk),
    });
    return map;
}

void CSpecForm_Moss_05::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMPANIONS, m_grid);
    DDX_Control(pDX, IDC_COVER, m_coverEdit);
    DDX_Text(pDX, IDC_COVER, m_cover);
    DDV_MaxChars(pDX, m_cover, kCoverLength);
}

void CSpecForm_Moss_05::PreparePage() {
    SetupPageGrid(m_grid, {{"Научно име", 180}});
    LoadFromDocument();
    Refill();
}

void CSpecForm_Moss_05::Refill() {
    RefillPageGrid(m_grid, m_companions,
                   [](const CMoss05Row& companion) { return PageGridRow{{companion.Name}, companion._AllMossesID}; });
}

void CSpecForm_Moss_05::OnAdd() {
    CDlg_Moss_Companion dialog(nullptr, this);
    if (dialog.DoModal() != IDOK || RefuseListedSpecies(m_grid, dialog.m_row._AllMossesID)) return;
    m_companions.Add(dialog.m_row);
    Refill();
}

void CSpecForm_Moss_05::OnCompanionDblClk(NMHDR* header, LRESULT*) {
    const int gridRow = GridRowOf(header);
    const int index = ElementIndexOfRow(m_grid, gridRow);
    if (index < 0 || index >= m_companions.GetSize()) return;
    CDlg_Moss_Companion dialog(&m_companions[index], this);
    if (dialog.DoModal() != IDOK || !AcceptSpeciesInRow(m_grid, dialog.m_row._AllMossesID, gridRow)) return;
    m_companions[index] = dialog.m_row;
    Refill();
}

void CSpecForm_Moss_05::OnDelete() {
    if (DeleteTableRow(m_grid, m_companions)) Refill();
}

void CSpecForm_Moss_05::LoadRecord() {
    const CSpecData_Moss_05& companions = Document()->SpecData_Moss_05;
    m_cover = companions.PercentCoverage;
    m_companions = companions.Attendants;
}

// The area, which no control shows, stays as the record holds it.
void CSpecForm_Moss_05::SaveRecord() {
    CSpecData_Moss_05& companions = Document()->SpecData_Moss_05;
    companions.PercentCoverage = m_cover;
    companions.Attendants = m_companions;
}
