#include "pages/common/CommonForm01.h"

#include "controls/ComboHelpers.h"
#include "pages/common/CityLists.h"
#include "pages/common/DlgChoosePlace.h"
#include "pages/common/RioswLists.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageLists.h"
#include "res/CommonPageIds.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

IMPLEMENT_DYNCREATE(CCommonForm_01, CFormPage)

namespace {

constexpr char kMunicipalitiesOfInspectorate[] =
    " select ID, PROVINCE, EKNM, EKNM_NAME from EKNM_MUNICIPALITY  where ID in ( select mun_id from "
    "rMun____RIOSW_NP_PP where riosw_np_pp_id = %d ) ";
constexpr char kProvincesOfInspectorate[] =
    " select ID, EKNM, EKNM_NAME from EKNM_PROVINCE \n where id in \n( select Province from EKNM_MUNICIPALITY where ID "
    "in \n( select mun_id from rMun____RIOSW_NP_PP where riosw_np_pp_id = %d ) \n) or id =-1 \n";

constexpr int kDepartmentLength = 3;
constexpr int kSubDepartmentLength = 1;
constexpr int kAreaOrLengthLength = 6;

// The settlement's name alone: the characters of the EKATTE code shown beside the list are
// cut from the entry's end, then the blanks. Where no code is shown (the only settlement of
// a list fills none in), the entry is cut at its padding.
CString CityNameOfItem(const CString& itemText, const CString& ekatte) {
    CString name = itemText;
    name.TrimRight(ekatte);
    name.TrimRight();
    if (const int padding = name.Find(kCityCodePadding); padding >= 0) name = name.Left(padding);
    return name;
}

}  // namespace

CCommonForm_01::CCommonForm_01(int speciesCode)
    : CFormPage(IDD_PLACE_PAGE),
      m_speciesCode(speciesCode),
      m_date(COleDateTime::GetCurrentTime()),
      m_startTime(COleDateTime::GetCurrentTime()),
      m_endTime(COleDateTime::GetCurrentTime()) {}

const MessageMap& CCommonForm_01::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_FIND_PLACE, &CCommonForm_01::OnFindPlace),
        OnClicked(IDC_CLEAR_PLACE, &CCommonForm_01::OnClearPlace),
        OnSelChange(IDC_CITY, &CCommonForm_01::OnSelchangeCity),
        OnSelChange(IDC_SPECIES_LIST, &CCommonForm_01::OnSelchangeSpeciesList),
        OnClicked(IDC_PLOT, &CCommonForm_01::OnPlotOrTransect),
        OnClicked(IDC_TRANSECT, &CCommonForm_01::OnPlotOrTransect),
    });
    return map;
}

void CCommonForm_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CITY, m_city);
    DDX_Control(pDX, IDC_MUNICIPALITY, m_municipality);
    DDX_Control(pDX, IDC_PROVINCE, m_province);
    DDX_Control(pDX, IDC_NUTS, m_nuts);
    DDX_Control(pDX, IDC_RIOSW, m_riosw);
    DDX_Control(pDX, IDC_RUG, m_rug);
    DDX_Control(pDX, IDC_DL, m_dl);
    DDX_Control(pDX, IDC_DDS, m_dds);
    DDX_Control(pDX, IDC_SPECIES_LIST, m_speciesList);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
    DDX_DateTimeCtrl(pDX, IDC_START_TIME, m_startTime);
    DDX_DateTimeCtrl(pDX, IDC_END_TIME, m_endTime);
    DDX_Text(pDX, IDC_SEARCH_TEXT, m_searchText);
    DDX_Text(pDX, IDC_SITE_NAME, m_siteName);
    DDX_Text(pDX, IDC_EKATTE, m_ekatte);
    DDX_Text(pDX, IDC_DEPARTMENT, m_department);
    DDV_MaxChars(pDX, m_department, kDepartmentLength);
    DDX_Text(pDX, IDC_SUBDEPARTMENT, m_subDepartment);
    DDV_MaxChars(pDX, m_subDepartment, kSubDepartmentLength);
    DDX_Text(pDX, IDC_SPECIES_TEXT, m_speciesText);
    DDX_Text(pDX, IDC_SECOND_TEXT, m_secondText);
    DDX_Text(pDX, IDC_HABITAT_TEXT, m_habitatCode);
    DDX_Radio(pDX, IDC_PLOT, m_plotOrTransect);
    DDX_Text(pDX, IDC_AREA, m_area);
    DDV_MaxChars(pDX, m_area, kAreaOrLengthLength);
    DDX_Text(pDX, IDC_LENGTH, m_length);
    DDV_MaxChars(pDX, m_length, kAreaOrLengthLength);
}

void CCommonForm_01::PreparePage() {
    const int inspectorate = Document()->RIOSW_ID;
    FillCitiesOfInspectorate(m_city, inspectorate);
    FillMunicipalities(inspectorate);
    FillProvinces(inspectorate);
    FillComboForRiosw(m_nuts, "nNUTS", "rNuts__RIOSW_NP_PP", "nuts_codeID", inspectorate);
    FillComboForRiosw(m_dl, "nDL", "rDL__RIOSW_NP_PP", "dlID", inspectorate);
    FillComboForRiosw(m_dds, "nDDS", "rDDS__RIOSW_NP_PP", "ddsID", inspectorate);
    FillComboForRiosw(m_rug, "nRUG", "rRUG__RIOSW_NP_PP", "rug_id", inspectorate);
    FillComboFromTable(m_riosw, "nRIOSW");
    FillComboFromTable(m_speciesList, "nDynamicComboData");
    LoadFromDocument();
    ShowSpeciesFields(m_speciesCode);
}

void CCommonForm_01::FillMunicipalities(int inspectorateId) {
    FillComboFromQuery(m_municipality, FormatSql(kMunicipalitiesOfInspectorate, inspectorateId), "ID", "EKNM_NAME");
}

void CCommonForm_01::FillProvinces(int inspectorateId) {
    FillComboFromQuery(m_province, FormatSql(kProvincesOfInspectorate, inspectorateId), "ID", "EKNM_NAME");
}

void CCommonForm_01::FillComboForRiosw(CComboBox& combo, const char* table, const char* relationTable,
                                       const char* keyColumn, int inspectorateId) {
    FillInspectorateUnits(combo, table, relationTable, keyColumn, inspectorateId);
}

void CCommonForm_01::LoadRecord() {
    const CCommonData_01& place = Document()->CommonData_01;
    m_siteName = place.SiteName;
    m_siteId = place.PlaceID;
    m_date = place.Date;
    m_startTime = place.StartTime;
    m_endTime = place.EndTime;
    m_ekatte = place.EKNM_CityCode;
    m_department = place.Department;
    m_subDepartment = place.SubDepartment;
    m_speciesText = place.DynamicStrContent;
    m_secondText = place.DynamicStrContent2;
    m_habitatCode = place.DynamicStrContent3Natura2000;
    m_plotOrTransect = place.DynamicIntRadio;
    m_area = place.DynamicStrArea1;
    m_length = place.DynamicStrArea2;
    CComboHelpers::SelectByItemData(m_city, place.EKNM_CityID);
    CComboHelpers::SelectByItemData(m_municipality, place.EKNM_MunicipalityID);
    CComboHelpers::SelectByItemData(m_province, place.EKNM_ProvinceID);
    CComboHelpers::SelectByItemData(m_nuts, place.NUTS_ID);
    CComboHelpers::SelectByItemData(m_riosw, place.RIOSW_ID_);
    CComboHelpers::SelectByItemData(m_rug, place.RUG_ID);
    CComboHelpers::SelectByItemData(m_dl, place.DL_ID);
    CComboHelpers::SelectByItemData(m_dds, place.DDS_ID);
    CComboHelpers::SelectByItemData(m_speciesList, place.DynamicIntComboContent);
}

void CCommonForm_01::SaveRecord() {
    CCommonData_01& place = Document()->CommonData_01;
    place.SiteName = m_siteName;
    place.PlaceID = m_siteId;
    place.Date = m_date;
    place.StartTime = m_startTime;
    place.EndTime = m_endTime;
    CComboHelpers::GetSelection(m_city, place.EKNM_CityID, place.EKNM_CityIDName);
    place.EKNM_CityCode = m_ekatte;
    place.EKNM_CityIDName = CityNameOfItem(place.EKNM_CityIDName, m_ekatte);
    CComboHelpers::GetSelection(m_municipality, place.EKNM_MunicipalityID, place.EKNM_MunicipalityIDName);
    CComboHelpers::GetSelection(m_province, place.EKNM_ProvinceID, place.EKNM_ProvinceIDName);
    CComboHelpers::GetSelection(m_nuts, place.NUTS_ID, place.NUTS_IDName);
    CComboHelpers::GetSelection(m_riosw, place.RIOSW_ID_, place.RIOSW_ID_Name);
    CComboHelpers::GetSelection(m_rug, place.RUG_ID, place.RUG_IDName);
    CComboHelpers::GetSelection(m_dl, place.DL_ID, place.DL_IDName);
    CComboHelpers::GetSelection(m_dds, place.DDS_ID, place.DDS_IDName);
    place.Department = m_department;
    place.SubDepartment = m_subDepartment;
    place.DynamicStrContent = m_speciesText;
    place.DynamicStrContent2 = m_secondText;
    place.DynamicStrContent3Natura2000 = m_habitatCode;
    CComboHelpers::GetSelection(m_speciesList, place.DynamicIntComboContent, place.DynamicIntComboContentName);
    place.DynamicIntRadio = m_plotOrTransect;
    place.DynamicStrArea1 = m_area;
    place.DynamicStrArea2 = m_length;
}

BOOL CCommonForm_01::SelectComboItemByData(CComboBox& combo, DWORD value) {
    for (int i = 0; i < combo.GetCount(); ++i) {
        if (combo.GetItemData(i) == value) {
            combo.SetCurSel(i);
            return TRUE;
        }
    }
    return FALSE;
}

void CCommonForm_01::ShowSpeciesFields(int speciesCode) {
    ShowControls(this, {IDC_SPECIES_LABEL, IDC_SPECIES_TEXT, IDC_SPECIES_LIST, IDC_SECOND_LABEL, IDC_SECOND_TEXT,
                  IDC_HABITAT_LABEL, IDC_HABITAT_TEXT, IDC_PLOT, IDC_TRANSECT, IDC_AREA_LABEL, IDC_LENGTH_LABEL, IDC_AREA,
                  IDC_LENGTH},
                 FALSE);
    EnablePlotOrTransect(m_plotOrTransect);
    switch (speciesCode) {
        case kHamster:
            SetDlgItemText(IDC_SPECIES_LABEL, "Пробна площадка:");
            ShowControls(this, {IDC_SPECIES_LABEL, IDC_SPECIES_TEXT, IDC_SECOND_LABEL, IDC_SECOND_TEXT, IDC_HABITAT_LABEL,
                          IDC_HABITAT_TEXT},
                         TRUE);
            break;
        case kMoss:
        case kFungi:
            SetDlgItemText(IDC_SPECIES_LABEL, "№ на пробна площадка:");
            ShowControls(this, {IDC_SPECIES_LABEL, IDC_SPECIES_TEXT}, TRUE);
            break;
        case kDeer:
            SetDlgItemText(IDC_SPECIES_LABEL, "Площ (ха):");
            ShowControls(this, {IDC_SPECIES_LABEL, IDC_SPECIES_TEXT}, TRUE);
            break;
        case kTortoise:
            SetDlgItemText(IDC_SPECIES_LABEL, "№ на маршрута:");
            ShowControls(this, {IDC_SPECIES_LABEL, IDC_SPECIES_TEXT}, TRUE);
            break;
        case kBatCaves:
            SetDlgItemText(IDC_SPECIES_LABEL, "Тип подземно местообитание:");
            ShowControls(this, {IDC_SPECIES_LABEL}, TRUE);
            ApplyCaveRule();
            ShowControls(this, {IDC_SPECIES_LIST}, TRUE);
            break;
        case kFish:
            SetDlgItemText(IDC_PLACE_GROUP, "Водоем");
            SetDlgItemText(IDC_SPECIES_LABEL, "Място:");
            ShowControls(this, {IDC_SPECIES_LABEL, IDC_SPECIES_TEXT}, TRUE);
            break;
        case kAmphibians:
        case kReptiles:
            ShowControls(this, {IDC_PLOT, IDC_TRANSECT, IDC_AREA_LABEL, IDC_LENGTH_LABEL, IDC_AREA, IDC_LENGTH}, TRUE);
            break;
        default:
            break;
    }
}

void CCommonForm_01::ApplyCaveRule() {
    int chosen = -1;
    CString text;
    CComboHelpers::GetSelection(m_speciesList, chosen, text);
    if (chosen == kOtherUndergroundHabitat) {
        ShowControls(this, {IDC_SECOND_TEXT}, TRUE);
        return;
    }
    ShowControls(this, {IDC_SECOND_TEXT}, FALSE);
    // Through the members, so that everything else typed on the page stays.
    UpdateData(TRUE);
    m_secondText.Empty();
    UpdateData(FALSE);
}

void CCommonForm_01::OnSelchangeSpeciesList() { ApplyCaveRule(); }

void CCommonForm_01::EnablePlotOrTransect(int index) {
    switch (index) {
        case 0:
            EnableControls(this, {IDC_AREA_LABEL, IDC_AREA}, TRUE);
            EnableControls(this, {IDC_LENGTH_LABEL, IDC_LENGTH}, FALSE);
            SetDlgItemText(IDC_LENGTH, "");
            break;
        case 1:
            EnableControls(this, {IDC_LENGTH_LABEL, IDC_LENGTH}, TRUE);
            EnableControls(this, {IDC_AREA_LABEL, IDC_AREA}, FALSE);
            SetDlgItemText(IDC_AREA, "");
            break;
        default:
            EnableControls(this, {IDC_AREA_LABEL, IDC_LENGTH_LABEL, IDC_AREA, IDC_LENGTH}, FALSE);
            break;
    }
}

void CCommonForm_01::OnPlotOrTransect() {
    UpdateData(TRUE);
    EnablePlotOrTransect(m_plotOrTransect);
}

void CCommonForm_01::OnSelchangeCity() {
    const std::optional<CCityRow> city = ChosenCityRow(m_city);
    if (!city) return;
    SelectComboItemByData(m_municipality, static_cast<DWORD>(city->municipalityId));
    SelectComboItemByData(m_province, static_cast<DWORD>(city->provinceId));
    SetDlgItemText(IDC_EKATTE, city->ekatte);
}

void CCommonForm_01::OnFindPlace() {
    UpdateData(TRUE);
    const CTovan_splitDoc* document = Document();
    CDlg_ChoosePlace picker(m_searchText, document->RIOSW_ID, document->SpeciesID, m_speciesCode);
    if (picker.DoModal() != IDOK) return;
    m_searchText = picker.m_resultName;
    m_siteName = picker.m_resultName;
    m_siteId = picker.m_resultId;
    UpdateData(FALSE);
}

void CCommonForm_01::OnClearPlace() {
    UpdateData(TRUE);
    m_searchText.Empty();
    m_siteName.Empty();
    m_siteId = -1;
    UpdateData(FALSE);
}
