#include "pages/common/CommonForm05.h"

#include "controls/ComboHelpers.h"
#include "pages/common/RioswLists.h"
#include "pages/common/PageLists.h"
#include "res/CommonPageIds.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

IMPLEMENT_DYNCREATE(CCommonForm_05, CFormPage)

namespace {

// One list of the page: its control, where its entries come from and the record's fields.
struct AreaList {
    int controlId;
    const char* table;
    const char* relationTable;  // nullptr: the park sections, which follow the national park
    const char* keyColumn;
    int CCommonData_05::*id;
    CString CCommonData_05::*name;
};

// In the record's order; the lists are filled in this order too.
constexpr AreaList kAreaLists[] = {
    {2665, "nNP", "rNP__RIOSW_NP_PP", "NP_id", &CCommonData_05::NP_ID, &CCommonData_05::NP_IDName},
    {2666, "nPU", nullptr, nullptr, &CCommonData_05::NP_PU_ID, &CCommonData_05::NP_PU_IDName},
    {2661, "nPP", "rPP__RIOSW_NP_PP", "PP_id", &CCommonData_05::PP_ID, &CCommonData_05::PP_IDName},
    {2663, "nReserve", "rRV__RIOSW_NP_PP", "RV_ID", &CCommonData_05::Reserve_ID, &CCommonData_05::Reserve_IDName},
    {2658, "nPR", "rPR__RIOSW_NP_PP", "PR_ID", &CCommonData_05::PR_ID, &CCommonData_05::PR_IDName},
    {2699, "nPZ", "rPZ__RIOSW_NP_PP", "PZ_ID", &CCommonData_05::PZ_ID, &CCommonData_05::PZ_IDName},
    {2703, "nZM", "rZM__RIOSW_NP_PP", "ZM_ID", &CCommonData_05::ZM_ID, &CCommonData_05::ZM_IDName},
    {2707, "nSiteCorine", "rSiteCorine__Riosw_NP_PP", "corine_id", &CCommonData_05::Corine_ID,
     &CCommonData_05::Corine_IDName},
    {2710, "nSiteOVM", "rSiteOVM__RIOSW_NP_PP", "ovm_id", &CCommonData_05::OVM_ID, &CCommonData_05::OVM_IDName},
    {2652, "nSiteNatura2000", "rSiteNatura2000__RIOSW_NP_PP", "natura2000_id", &CCommonData_05::Natura_200_ID,
     &CCommonData_05::Natura_200_IDName},
    {2655, "nSiteRamsar", "rSiteRamsar__RIOSW_NP_PP", "ramsar_id", &CCommonData_05::Ramsar_ID,
     &CCommonData_05::Ramsar_IDName},
};
constexpr int kNationalPark = 0;
constexpr int kParkSection = 1;

constexpr char kAreasOfInspectorate[] =
    "select  distinct n.ID, n.Name from %s n \ninner join  %s r \non n.ID = r.%s \nwhere r.RIOSW_NP_PP_id = %d "
    "\norder by n.ID \n";
constexpr char kSectionsOfPark[] = "select ID, Name from %s where NP_ID = %d ";

}  // namespace

CCommonForm_05::CCommonForm_05() : CFormPage(IDD_LOCALITY_PAGE) {}

const MessageMap& CCommonForm_05::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnSelChange(IDC_NATIONAL_PARK, &CCommonForm_05::OnNationalParkChange),
    });
    return map;
}

CSearchComboBox& CCommonForm_05::List(int controlId) {
    for (size_t i = 0; i < m_lists.size(); ++i)
        if (kAreaLists[i].controlId == controlId) return m_lists[i];
    return m_lists[kNationalPark];
}

void CCommonForm_05::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    for (size_t i = 0; i < m_lists.size(); ++i) DDX_Control(pDX, kAreaLists[i].controlId, m_lists[i]);
}

void CCommonForm_05::FillComboForRiosw(int controlId, const char* table, const char* relationTable,
                                       const char* keyColumn) {
    FillInspectorateList(List(controlId),
                         FormatSql(kAreasOfInspectorate, table, relationTable, keyColumn, Document()->RIOSW_ID));
}

void CCommonForm_05::FillParkSections(int controlId, const char* table, int nationalParkId) {
    FillComboFromQuery(List(controlId), FormatSql(kSectionsOfPark, table, nationalParkId), "ID", "Name");
}

void CCommonForm_05::PreparePage() {
    const AreaList& park = kAreaLists[kNationalPark];
    FillComboForRiosw(park.controlId, park.table, park.relationTable, park.keyColumn);
    // Without a national park there are no park sections either.
    if (m_lists[kNationalPark].GetCount() == 0) m_lists[kParkSection].EnableWindow(FALSE);
    for (const AreaList& area : kAreaLists)
        if (area.relationTable && area.controlId != park.controlId)
            FillComboForRiosw(area.controlId, area.table, area.relationTable, area.keyColumn);
    LoadFromDocument();
}

void CCommonForm_05::LoadRecord() {
    const CCommonData_05& areas = Document()->CommonData_05;
    CComboHelpers::SelectByItemData(m_lists[kNationalPark], areas.NP_ID);
    FillParkSections(kAreaLists[kParkSection].controlId, kAreaLists[kParkSection].table, areas.NP_ID);
    for (size_t i = kParkSection; i < m_lists.size(); ++i)
        CComboHelpers::SelectByItemData(m_lists[i], areas.*kAreaLists[i].id);
}

void CCommonForm_05::SaveRecord() {
    CCommonData_05& areas = Document()->CommonData_05;
    for (size_t i = 0; i < m_lists.size(); ++i)
        CComboHelpers::GetSelection(m_lists[i], areas.*kAreaLists[i].id, areas.*kAreaLists[i].name);
}

void CCommonForm_05::OnNationalParkChange() {
    CSearchComboBox& sections = m_lists[kParkSection];
    sections.SetCurSel(-1);
    int park = -1;
    CString name;
    CComboHelpers::GetSelection(m_lists[kNationalPark], park, name);
    FillParkSections(kAreaLists[kParkSection].controlId, kAreaLists[kParkSection].table, park);
}
