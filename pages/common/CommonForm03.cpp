#include "pages/common/CommonForm03.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/CommonPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CCommonForm_03, CFormPage)

namespace {

constexpr int kSectionLength = 255;

}  // namespace

CCommonForm_03::CCommonForm_03() : CFormPage(IDD_FORESTRY_PAGE) {}

void CCommonForm_03::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NUTS, m_nuts);
    DDX_Control(pDX, IDC_RIOSW, m_riosw);
    DDX_Control(pDX, IDC_RUG, m_rug);
    DDX_Control(pDX, IDC_DL, m_dl);
    DDX_Control(pDX, IDC_DDS, m_dds);
    DDX_Text(pDX, IDC_DEPARTMENT, m_department);
    DDV_MaxChars(pDX, m_department, kSectionLength);
    DDX_Text(pDX, IDC_SUBDEPARTMENT, m_subDepartment);
    DDV_MaxChars(pDX, m_subDepartment, kSectionLength);
}

void CCommonForm_03::PreparePage() {
    FillComboFromTable(m_nuts, "nNUTS");
    FillComboFromTable(m_dl, "nDL");
    FillComboFromTable(m_dds, "nDDS");
    FillComboFromTable(m_rug, "nRUG");
    FillComboFromTable(m_riosw, "nRIOSW");
    LoadFromDocument();
}

void CCommonForm_03::LoadRecord() {
    const CCommonData_03& units = Document()->CommonData_03;
    CComboHelpers::SelectByItemData(m_nuts, units.NUTS_ID);
    CComboHelpers::SelectByItemData(m_riosw, units.RIOSW_ID_);
    CComboHelpers::SelectByItemData(m_rug, units.RUG_ID);
    CComboHelpers::SelectByItemData(m_dl, units.DL_ID);
    CComboHelpers::SelectByItemData(m_dds, units.DDS_ID);
    m_department = units.Department;
    m_subDepartment = units.SubDepartment;
}

void CCommonForm_03::SaveRecord() {
    CCommonData_03& units = Document()->CommonData_03;
    CComboHelpers::GetSelection(m_nuts, units.NUTS_ID, units.NUTS_IDName);
    CComboHelpers::GetSelection(m_riosw, units.RIOSW_ID_, units.RIOSW_ID_Name);
    CComboHelpers::GetSelection(m_rug, units.RUG_ID, units.RUG_IDName);
    CComboHelpers::GetSelection(m_dl, units.DL_ID, units.DL_IDName);
    CComboHelpers::GetSelection(m_dds, units.DDS_ID, units.DDS_IDName);
    units.Department = m_department;
    units.SubDepartment = m_subDepartment;
}
