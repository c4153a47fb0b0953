#include "pages/species/SpecFormGoat01.h"


#include "pages/common/PageValues.h"
#include "pages/species/DlgGoatLegend.h"
#include "res/GoatPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Goat_01, CFormPage)

namespace {

constexpr int kCountLength = 9;

}  // namespace

CSpecForm_Goat_01::CSpecForm_Goat_01() : CFormPage(IDD_GOAT_SEEN_PAGE) {}

const MessageMap& CSpecForm_Goat_01::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnEnChange(IDC_YOUNG_MALE, &CSpecForm_Goat_01::OnChangeCount),
        OnEnChange(IDC_OLD_MALE, &CSpecForm_Goat_01::OnChangeCount),
        OnEnChange(IDC_YOUNG_FEMALE, &CSpecForm_Goat_01::OnChangeCount),
        OnEnChange(IDC_OLD_FEMALE, &CSpecForm_Goat_01::OnChangeCount),
        OnEnChange(IDC_BABY, &CSpecForm_Goat_01::OnChangeCount),
        OnEnChange(IDC_OLD_BABY, &CSpecForm_Goat_01::OnChangeCount),
        OnEnChange(IDC_TOTAL, &CSpecForm_Goat_01::OnChangeTotal),
    });
    return map;
}

std::array<std::pair<int, CString*>, 6> CSpecForm_Goat_01::CountFields() {
    return {{{IDC_YOUNG_MALE, &m_youngMale}, {IDC_OLD_MALE, &m_oldMale}, {IDC_YOUNG_FEMALE, &m_youngFemale},
             {IDC_OLD_FEMALE, &m_oldFemale}, {IDC_BABY, &m_baby}, {IDC_OLD_BABY, &m_oldBaby}}};
}

void CSpecForm_Goat_01::RegisterLegendLink() {
    CLinkStatic_OpenDialog::RegisterDialog(IDC_LEGEND_LINK, [](CWnd*) {
        CDlgGoatLegend legend;
        legend.DoModal();
    });
}

void CSpecForm_Goat_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LEGEND_LINK, m_legendLink);
    for (const auto& [id, value] : CountFields()) {
        DDX_Text(pDX, id, *value);
        DDV_MaxChars(pDX, *value, kCountLength);
    }
    DDX_Text(pDX, IDC_TOTAL, m_total);
    DDX_Text(pDX, IDC_NOTES, m_notes);
}

void CSpecForm_Goat_01::PreparePage() {
    RegisterLegendLink();
    m_showingRecord = true;
    LoadFromDocument();
    m_showingRecord = false;
    m_legendLink.SetUnderline(FALSE);
    Invalidate();
}

void CSpecForm_Goat_01::LoadRecord() {
    const CSpecData_Goat_01& seen = Document()->SpecData_Goat_01;
    m_youngMale = seen.YoungMale;
    m_oldMale = seen.OldMale;
    m_youngFemale = seen.YoungFemale;
    m_oldFemale = seen.OldFemale;
    m_baby = seen.Baby;
    m_oldBaby = seen.OldBaby;
    m_total = seen.Total;
    m_notes = seen.Notes;
}

void CSpecForm_Goat_01::SaveRecord() {
    CSpecData_Goat_01& seen = Document()->SpecData_Goat_01;
    seen.YoungMale = m_youngMale;
    seen.OldMale = m_oldMale;
    seen.YoungFemale = m_youngFemale;
    seen.OldFemale = m_oldFemale;
    seen.Baby = m_baby;
    seen.OldBaby = m_oldBaby;
    seen.Total = m_total;
    seen.Notes = m_notes;
}

void CSpecForm_Goat_01::OnChangeCount() {
    if (m_showingRecord) return;
    UpdateData(TRUE);
    // Summed wider than an int: six counts of nine digits do not overflow.
    m_total = TotalText({m_youngMale, m_oldMale, m_youngFemale, m_oldFemale, m_baby, m_oldBaby});
    UpdateData(FALSE);
}

void CSpecForm_Goat_01::OnChangeTotal() {
    if (m_showingRecord) return;
    // The counts and the notes as they stand (notes typed since the last count change stay),
    // the total as it was shown.
    for (const auto& [id, value] : CountFields()) GetDlgItemText(id, *value);
    GetDlgItemText(IDC_NOTES, m_notes);
    UpdateData(FALSE);
}
