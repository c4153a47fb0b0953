#include "pages/species/DlgBearAdd.h"

#include "res/BearIds.h"

REGISTER_DIALOG_CLASS(CDlg_Bear_Add)

namespace {

constexpr int kCountLength = 3;

}  // namespace

CDlg_Bear_Add::CDlg_Bear_Add(const CBear01Row* row, CWnd* parent) : CRowDialogOf(IDD_BEAR_ADD, row, parent) {}

void CDlg_Bear_Add::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_FIRST_SIZE, m_size);
    DDX_Radio(pDX, IDC_FIRST_COLOR, m_color);
    DDX_Radio(pDX, IDC_MALE, m_sex);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDV_MaxChars(pDX, m_count, kCountLength);
}

BOOL CDlg_Bear_Add::ShowRow() {
    m_size = m_row.BearSize;
    m_color = m_row.BearColor;
    m_sex = m_row.BearSex;
    m_count = m_row.BearCount;
    return TRUE;
}

BOOL CDlg_Bear_Add::CheckInput() {
    return RequireRadio(m_size, "Моля изберете размера на наблюдаваната мечка.") &&
           RequireRadio(m_color, "Моля изберете цвета на наблюдаваната мечка.");
}

void CDlg_Bear_Add::TakeRow() {
    m_row.BearSize = m_size;
    m_row.BearSizeTxt = RadioCaption(IDC_FIRST_SIZE, m_size);
    m_row.BearColor = m_color;
    m_row.BearColorTxt = RadioCaption(IDC_FIRST_COLOR, m_color);
    m_row.BearSex = m_sex;
    m_row.BearSexTxt = RadioCaption(IDC_MALE, m_sex);
    m_row.BearCount = m_count;
}
