#include "pages/species/DlgTortoise.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageValues.h"
#include "res/HerpPageIds.h"

REGISTER_DIALOG_CLASS(CDlg_Tortoise)

namespace {

constexpr int kLengthChars = 3, kHabitatChars = 1, kDistanceChars = 3;

}  // namespace

CDlg_Tortoise::CDlg_Tortoise(const CTortoise01Row* row, CWnd* parent) : CRowDialogOf(IDD_TORTOISE, row, parent) {}

void CDlg_Tortoise::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_LENGTH, m_length);
    DDV_MaxChars(pDX, m_length, kLengthChars);
    DDX_Radio(pDX, IDC_MALE, m_sex);
    DDX_Text(pDX, IDC_HABITAT, m_habitat);
    DDV_MaxChars(pDX, m_habitat, kHabitatChars);
    DDX_Radio(pDX, IDC_SEEN, m_found);
    DDX_Text(pDX, IDC_DISTANCE, m_distance);
    DDV_MaxChars(pDX, m_distance, kDistanceChars);
}

void CDlg_Tortoise::FillLists() { FillComboFromColumns(m_species, "ID", "Name", "nTortoise"); }

BOOL CDlg_Tortoise::ShowRow() {
    CComboHelpers::SelectByItemData(m_species, static_cast<DWORD>(m_row.TortoiseType));
    m_distance = m_row.Distance;
    m_habitat = m_row.Habitat;
    m_length = m_row.Len;
    m_found = m_row.FoundType;
    m_sex = m_row.Sex;
    return TRUE;
}

BOOL CDlg_Tortoise::CheckInput() { return RequireChoice(m_species, "Моля изберете вид!"); }

void CDlg_Tortoise::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row.TortoiseType, m_row.TortoiseTypeName);
    m_row.Distance = m_distance;
    m_row.Habitat = m_habitat;
    m_row.Len = m_length;
    m_row.FoundType = m_found;
    m_row.FoundTypeName = ChoiceWord(m_found, "Видян", "Чут");
    m_row.Sex = m_sex;
    m_row.SexName = ChoiceWord(m_sex, "М", "Ж");
}
