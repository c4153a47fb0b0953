#include "pages/species/DlgMossRows.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageLists.h"
#include "res/MossPageIds.h"

REGISTER_DIALOG_CLASS(CDlg_Moss_AddSpecies, CDlg_Moss_AddSpecies::kTreeList, nullptr)
REGISTER_DIALOG_CLASS(CDlg_Moss_Companion, nullptr)
REGISTER_DIALOG_CLASS(CDlg_Moss_Tuft, nullptr, 1)
REGISTER_DIALOG_CLASS(CDlg_Moss_Tuft, nullptr, 0)
REGISTER_DIALOG_CLASS(CDlg_Moss_FallenTree, nullptr)
REGISTER_DIALOG_CLASS(CDlg_Moss_TuftPosition, nullptr)

namespace {

constexpr int kAreaLength = 7;
constexpr int kCoverLength = 2;
constexpr int kStumpMeasureLength = 6;
constexpr int kSporophytesLength = 4;

}  // namespace

// ---- CDlg_Moss_AddSpecies ----

CDlg_Moss_AddSpecies::CDlg_Moss_AddSpecies(int listKind, const CMossSpeciesRow* row, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_ADD_SPECIES, row, parent), m_listKind(listKind) {}

const MessageMap& CDlg_Moss_AddSpecies::GetMessageMap() const {
    static const MessageMap map(CRowDialogOf::GetMessageMap(), {
        OnSelChange(IDC_BULGARIAN, &CDlg_Moss_AddSpecies::OnBulgarianChanged),
        OnSelChange(IDC_LATIN, &CDlg_Moss_AddSpecies::OnLatinChanged),
    });
    return map;
}

void CDlg_Moss_AddSpecies::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BULGARIAN, m_pair.m_bulgarian);
    DDX_Control(pDX, IDC_LATIN, m_pair.m_latin);
}

void CDlg_Moss_AddSpecies::FillLists() {
    if (m_listKind == kTreeList) m_pair.Fill("_AllTreesMoss");
    if (m_listKind == kGrassBushList) m_pair.Fill("_AllGrassBushMoss");
}

BOOL CDlg_Moss_AddSpecies::ShowRow() {
    m_pair.Select(m_row.ID_bg, m_row.ID_lat);
    return FALSE;
}

void CDlg_Moss_AddSpecies::TakeRow() {
    m_pair.Take(m_row.Name_lat, m_row.ID_lat, m_row.Name_bg, m_row.ID_bg);
    // Both lists name one table's species: one without a Bulgarian name still carries its ID.
    if (m_pair.m_bulgarian.GetCurSel() == CB_ERR) m_row.ID_bg = m_row.ID_lat;
}

// ---- CDlg_Moss_Companion ----

CDlg_Moss_Companion::CDlg_Moss_Companion(const CMoss05Row* row, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_COMPANION, row, parent) {}

void CDlg_Moss_Companion::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_COVER, m_cover);
    DDV_MaxChars(pDX, m_cover, kCoverLength);
}

void CDlg_Moss_Companion::FillLists() { FillComboFromColumns(m_species, "ID", "Name", "_AllMosses"); }

BOOL CDlg_Moss_Companion::ShowRow() {
    CComboHelpers::SelectByItemData(m_species, static_cast<DWORD>(m_row._AllMossesID));
    m_cover = m_row.PercentCoverage;
    return TRUE;
}

BOOL CDlg_Moss_Companion::CheckInput() {
    m_cover.Trim();
    if (m_species.GetCurSel() != CB_ERR) return TRUE;
    Refuse("Моля попълнете полето 'Научно име' !");
    m_species.SetFocus();
    return FALSE;
}

void CDlg_Moss_Companion::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row._AllMossesID, m_row.Name);
    m_row.PercentCoverage = m_cover;
}

// ---- CDlg_Moss_Tuft ----

CDlg_Moss_Tuft::CDlg_Moss_Tuft(const CMoss04Row* row, int sporeFlag, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_TUFT, row, parent), m_sporeFlag(sporeFlag) {}

void CDlg_Moss_Tuft::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AREA, m_areaEdit);
    DDX_Text(pDX, IDC_AREA, m_area);
    DDV_MaxChars(pDX, m_area, kAreaLength);
    DDX_Control(pDX, IDC_SPORE, m_spore);
}

BOOL CDlg_Moss_Tuft::OnInitDialog() {
    const BOOL result = CRowDialogOf::OnInitDialog();
    ShowControls(this, {IDC_SPORE_LABEL, IDC_SPORE}, m_sporeFlag != 0);
    if (m_sporeFlag == 0) {
        for (const int button : {IDOK, IDCANCEL}) {
            CWnd* item = GetDlgItem(button);
            CRect rect;
            item->GetWindowRect(&rect);
            ScreenToClient(&rect);
            rect.OffsetRect(0, -kGap);
            item->MoveWindow(&rect);
        }
        // The window shrinks by what the buttons moved, so their margin below stays, and is
        // centred again, where every row dialog opens.
        CRect window;
        GetWindowRect(&window);
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() - kGap, SWP_NOMOVE | SWP_NOZORDER);
        CenterWindow();
    }
    return result;
}

void CDlg_Moss_Tuft::FillLists() { FillComboFromColumns(m_spore, "ID", "Name", "nMossYesNo"); }

BOOL CDlg_Moss_Tuft::ShowRow() {
    m_area = m_row.TurfArea;
    CComboHelpers::SelectByItemData(m_spore, static_cast<DWORD>(m_row.SporeExists));
    return TRUE;
}

BOOL CDlg_Moss_Tuft::CheckInput() {
    if (!RequireText(m_area, "Моля попълнете полето 'Площ на чимчето(кв.см)' !")) return FALSE;
    if (m_sporeFlag == 0) return TRUE;
    int spore = -1;
    CString name;
    CComboHelpers::GetSelection(m_spore, spore, name);
    return spore != -1 || Refuse("Моля изберете 'Присъствие/отсъствие на спороносна кутийка' !");
}

void CDlg_Moss_Tuft::TakeRow() {
    m_row.TurfArea = m_area;
    CComboHelpers::GetSelection(m_spore, m_row.SporeExists, m_row.SporeExistsName);
}

// ---- CDlg_Moss_FallenTree ----

CDlg_Moss_FallenTree::CDlg_Moss_FallenTree(const CMoss09Row* row, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_FALLEN_TREE, row, parent) {}

void CDlg_Moss_FallenTree::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DIAMETER, m_diameterEdit);
    DDX_Control(pDX, IDC_LENGTH, m_lengthEdit);
    DDX_CBIndex(pDX, IDC_DECAY, m_decay);
    DDX_Text(pDX, IDC_DIAMETER, m_diameter);
    DDV_MaxChars(pDX, m_diameter, kStumpMeasureLength);
    DDX_Text(pDX, IDC_LENGTH, m_length);
    DDV_MaxChars(pDX, m_length, kStumpMeasureLength);
    DDX_Text(pDX, IDC_SPOROPHYTES, m_sporophytes);
    DDV_MaxChars(pDX, m_sporophytes, kSporophytesLength);
}

BOOL CDlg_Moss_FallenTree::ShowRow() {
    m_decay = m_row.RotScale;
    m_diameter = m_row.Diameter;
    m_length = m_row.Len;
    m_sporophytes = m_row.SporofitsCount;
    return TRUE;
}

BOOL CDlg_Moss_FallenTree::Require(bool met, const char* message, int controlId) {
    if (met) return TRUE;
    Refuse(message);
    if (CWnd* control = GetDlgItem(controlId)) control->SetFocus();
    return FALSE;
}

BOOL CDlg_Moss_FallenTree::CheckInput() {
    return Require(!m_diameter.IsEmpty(), "Моля попълнете полето 'Диаметър(см)'  !", IDC_DIAMETER) &&
           Require(!m_length.IsEmpty(), "Моля попълнете полето 'Дължина(м)'  !", IDC_LENGTH) &&
           Require(!m_sporophytes.IsEmpty(), "Моля попълнете полето 'Присъствие на спорофити (брой)'  !",
                   IDC_SPOROPHYTES) &&
           Require(m_decay != -1, "Моля изберете стойност за полето 'Степен на разлагане на пъновете' !", IDC_DECAY);
}

void CDlg_Moss_FallenTree::TakeRow() {
    m_row.RotScale = m_decay;
    m_row.Diameter = m_diameter;
    m_row.Len = m_length;
    m_row.SporofitsCount = m_sporophytes;
}

// ---- CDlg_Moss_TuftPosition ----

CDlg_Moss_TuftPosition::CDlg_Moss_TuftPosition(const CMoss11Row* row, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_TUFT_POSITION, row, parent) {}

void CDlg_Moss_TuftPosition::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SITUATION, m_situation);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    DDX_Control(pDX, IDC_SUNSHINE, m_sunshine);
}

void CDlg_Moss_TuftPosition::FillLists() {
    FillComboFromColumns(m_situation, "ID", "Name", "nMossRockSituation");
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    FillComboFromColumns(m_sunshine, "ID", "Name", "nMossRockSunshine");
}

BOOL CDlg_Moss_TuftPosition::ShowRow() {
    CComboHelpers::SelectByItemData(m_situation, static_cast<DWORD>(m_row.SituationID));
    CComboHelpers::SelectByItemData(m_exposure, static_cast<DWORD>(m_row.ExposureID));
    CComboHelpers::SelectByItemData(m_sunshine, static_cast<DWORD>(m_row.SunshineID));
    return FALSE;
}

// The selections go into the row first; with any of them missing the dialog just stays.
BOOL CDlg_Moss_TuftPosition::CheckInput() {
    CComboHelpers::GetSelection(m_situation, m_row.SituationID, m_row.SituationIDName);
    CComboHelpers::GetSelection(m_exposure, m_row.ExposureID, m_row.ExposureIDName);
    CComboHelpers::GetSelection(m_sunshine, m_row.SunshineID, m_row.SunshineIDName);
    return m_row.SituationID != -1 && m_row.ExposureID != -1 && m_row.SunshineID != -1;
}
