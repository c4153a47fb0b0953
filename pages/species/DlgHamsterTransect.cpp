#include "pages/species/DlgHamsterTransect.h"

#include "controls/ComboHelpers.h"
#include "pages/common/DlgCoordinates.h"
#include "pages/common/PageLists.h"
#include "res/HamsterPageIds.h"

REGISTER_DIALOG_CLASS(CDlg_Hamster_Transect, "Трансект 1", nullptr)

namespace {

constexpr int kBurrowLength = 4;

// Each list shows one column of nHamsterHabitatCodes and sets one code of the segment; in
// the order the lists are filled.
struct CodeList {
    int id;
    const char* column;
    int CHamster02Transect::*code;
    CString CHamster02Transect::*name;
};
constexpr CodeList kCodeListColumns[CDlg_Hamster_Transect::kCodeLists] = {
    {CDlg_Hamster_Transect::IDC_WATER_TANK, "WaterTank", &CHamster02Transect::WaterTankType,
     &CHamster02Transect::WaterTankTypeName},
    {CDlg_Hamster_Transect::IDC_ROAD, "Road", &CHamster02Transect::RoadsType, &CHamster02Transect::RoadsTypeName},
    {CDlg_Hamster_Transect::IDC_OVERGROWING, "Overgrowing", &CHamster02Transect::OvergrowingsType,
     &CHamster02Transect::OvergrowingsTypeName},
    {CDlg_Hamster_Transect::IDC_HABITAT, "Habitat", &CHamster02Transect::HabitatType,
     &CHamster02Transect::HabitatTypeName},
    {CDlg_Hamster_Transect::IDC_GRASS, "GrassType", &CHamster02Transect::GrassType, &CHamster02Transect::GrassTypeName},
    {CDlg_Hamster_Transect::IDC_GRASS_HEIGHT, "GrassHigh", &CHamster02Transect::GrassHeightType,
     &CHamster02Transect::GrassHeightTypeName},
    {CDlg_Hamster_Transect::IDC_BUILDINGS, "Buildings", &CHamster02Transect::BuildingsType,
     &CHamster02Transect::BuildingsTypeName},
};

}  // namespace

CDlg_Hamster_Transect::CDlg_Hamster_Transect(const CString& caption, const CHamster02Transect* row, CWnd* parent)
    : CRowDialogOf(IDD_HAMSTER_TRANSECT, row, parent), m_caption(caption) {}

const MessageMap& CDlg_Hamster_Transect::GetMessageMap() const {
    static const MessageMap map(CRowDialog::GetMessageMap(), {
        OnClicked(IDC_POINT, &CDlg_Hamster_Transect::OnPoint),
    });
    return map;
}

void CDlg_Hamster_Transect::DoDataExchange(CDataExchange* pDX) {
    CRowDialog::DoDataExchange(pDX);
    for (size_t i = 0; i < m_lists.size(); ++i) DDX_Control(pDX, kCodeListColumns[i].id, m_lists[i]);
    DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
    DDX_Text(pDX, IDC_LATITUDE, m_latitude);
    DDX_Text(pDX, IDC_BURROWS, m_burrows);
    DDV_MaxChars(pDX, m_burrows, kBurrowLength);
}

BOOL CDlg_Hamster_Transect::OnInitDialog() {
    SetWindowText(m_caption);
    return CRowDialog::OnInitDialog();
}

void CDlg_Hamster_Transect::FillLists() {
    // After a database error the lists not filled yet stay empty; the segment can still be
    // given its point and burrows.
    for (size_t i = 0; i < m_lists.size(); ++i)
        if (!FillComboFromColumns(m_lists[i], "ID", kCodeListColumns[i].column, "nHamsterHabitatCodes")) return;
}

BOOL CDlg_Hamster_Transect::ShowRow() {
    for (size_t i = 0; i < m_lists.size(); ++i)
        CComboHelpers::SelectByItemData(m_lists[i], static_cast<DWORD>(m_row.*kCodeListColumns[i].code));
    m_longitude = m_row.Longitude;
    m_latitude = m_row.Latitude;
    m_burrows = m_row.LairCount;
    return TRUE;
}

BOOL CDlg_Hamster_Transect::CheckInput() {
    if (m_latitude.IsEmpty() || m_longitude.IsEmpty()) return Refuse("Моля въведете GPS координатите на точка.");
    return RequireText(m_burrows, "Моля въведете 'Брой установени дупки'", TRUE);
}

void CDlg_Hamster_Transect::TakeRow() {
    for (size_t i = 0; i < m_lists.size(); ++i)
        CComboHelpers::GetSelection(m_lists[i], m_row.*kCodeListColumns[i].code, m_row.*kCodeListColumns[i].name);
    m_row.LairCount = m_burrows;
    m_row.Latitude = m_latitude;
    m_row.Longitude = m_longitude;
}

void CDlg_Hamster_Transect::OnPoint() {
    UpdateData(TRUE);
    CDlg_Coordinates dialog(nullptr, this);
    if (dialog.DoModal() != IDOK) return;
    m_latitude = dialog.m_point.FormatLatitudeShort();
    m_longitude = dialog.m_point.FormatLongitudeShort();
    UpdateData(FALSE);
}
