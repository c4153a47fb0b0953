#include "pages/common/DlgChoosePlace.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageTable.h"
#include "platform/MessageBox.h"
#include "res/CommonPageIds.h"
#include "shell/ProgramDatabase.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

// The sites of the login's inspectorate, as places and as water bodies.
REGISTER_DIALOG_CLASS(CDlg_ChoosePlace, "", static_cast<CTovan_splitDoc*>(document)->RIOSW_ID, -1, 0)
REGISTER_DIALOG_CLASS(CDlg_ChoosePlace, "", static_cast<CTovan_splitDoc*>(document)->RIOSW_ID, -1,
                      CDlg_ChoosePlace::kWaterBodies)

namespace {

// Every site of the inspectorate.
constexpr char kInspectorateSites[] =
    "select distinct \nn.ID as ID, \nn.SiteName as SiteName \nfrom  nSites n \ninner join  rSite__RIOSW_NP_PP r1 \non "
    "n.ID = r1.site_id \nwhere riosw_id = %d \n";
// The sites of the inspectorate where the object was recorded before.
constexpr char kKnownSites[] =
    "select distinct \nn.ID as ID, \nn.SiteName as SiteName \nfrom  nSites n \ninner join  rSite__RIOSW_NP_PP r1 "
    "\ninner join rSpecies__Sites r2 \non n.ID = r1.site_id \nand n.ID = r2.site_id \nwhere riosw_id = %d \nand "
    "species_id = %d \n";

constexpr COLORREF kEnabledText = RGB(0, 0, 0);
constexpr COLORREF kDisabledText = RGB(192, 192, 192);

}  // namespace

const char* const CDlg_ChoosePlace::kNoSiteChosen = "Моля изберте място.";
const char* const CDlg_ChoosePlace::kNoNewName = "Моля попълнете полето Ново място.";

CDlg_ChoosePlace::CDlg_ChoosePlace(const CString& searchText, int inspectorateId, int speciesId, int kind, CWnd* parent)
    : CDialog(IDD_CHOOSE_PLACE, parent),
      m_searchText(searchText),
      m_inspectorateId(inspectorateId),
      m_speciesId(speciesId),
      m_kind(kind) {}

const MessageMap& CDlg_ChoosePlace::GetMessageMap() const {
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnClicked(IDC_SEARCH, &CDlg_ChoosePlace::OnSearch),
        OnClicked(IDC_SEARCH_MODE, &CDlg_ChoosePlace::OnSearchMode),
        OnClicked(IDC_NEW_MODE, &CDlg_ChoosePlace::OnNewMode),
        OnSelChange(IDC_SITES, &CDlg_ChoosePlace::OnSelchangeSites),
        OnNotify(IDC_FOUND, GVN_SELCHANGING, &CDlg_ChoosePlace::OnGridSelChanging),
        OnNotify(IDC_FOUND, NM_DBLCLK, &CDlg_ChoosePlace::OnGridDblClk),
    });
    return map;
}

void CDlg_ChoosePlace::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FOUND, m_grid);
    DDX_Control(pDX, IDC_SITES, m_sites);
    DDX_Text(pDX, IDC_CRITERION, m_searchText);
    DDX_Radio(pDX, IDC_SEARCH_MODE, m_mode);
    DDX_CBString(pDX, IDC_SITES, m_comboText);
    DDX_Text(pDX, IDC_NEW_NAME, m_newName);
}

BOOL CDlg_ChoosePlace::OnInitDialog() {
    CDialog::OnInitDialog();
    const bool water = m_kind == kWaterBodies;
    if (water) {
        SetWindowText("Избор на водоем");
        SetDlgItemText(IDC_SEARCH_MODE, "Търсене на водоем");
        SetDlgItemText(IDC_FOUND_LABEL, "Открити водоеми:");
        SetDlgItemText(IDC_NEW_MODE, "Въвеждане на нов водоем:");
        SetDlgItemText(IDC_NEW_NAME_LABEL, "Име на нов водоем:");
    }
    SetupPageGrid(m_grid, {{water ? "Водоем" : "Място", 300}});
    FillInspectorateSites();
    SwitchMode(0);
    OnSearch();
    GetDlgItem(IDC_NEW_NAME)->ShowWindow(SW_HIDE);
    return TRUE;
}

void CDlg_ChoosePlace::FillInspectorateSites() {
    m_sites.ResetContent();
    // After a database error the sites read so far stay, and a new site can still be typed.
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(FormatSql(kInspectorateSites, m_inspectorateId)); !query.eof();
             query.nextRow()) {
            const int index = m_sites.AddString(query.getStringField("SiteName", ""));
            m_sites.SetItemData(index, static_cast<DWORD>(query.getIntField("ID", 0)));
        }
    });
    m_sites.SetItemData(m_sites.AddString("---"), static_cast<DWORD>(-1));
    CComboHelpers::SetDroppedWidthToFit(m_sites);
}

void CDlg_ChoosePlace::OnSearch() {
    UpdateData(TRUE);
    m_grid.DeleteNonFixedRows();
    // A row chosen in the list before this search is not a row of the new list.
    m_selectedRow = -1;
    CString criterion = m_searchText;
    criterion.Trim();
    criterion.MakeUpper();
    int found = 0;
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(FormatSql(kKnownSites, m_inspectorateId, m_speciesId)); !query.eof();
             query.nextRow()) {
            const CString name = query.getStringField("SiteName", "");
            CString upper = name;
            upper.MakeUpper();
            if (!criterion.IsEmpty() && upper.Find(criterion) < 0) continue;
            AppendPageGridRow(m_grid, found++, PageGridRow{{name}, query.getIntField("ID", -1)});
        }
    });
    m_grid.Refresh();
}

void CDlg_ChoosePlace::SwitchMode(int mode) {
    const BOOL searching = mode == 0;
    EnableControls(this, {IDC_CRITERION, IDC_SEARCH, IDC_CRITERION_LABEL, IDC_FOUND_LABEL}, searching);
    m_grid.EnableWindow(searching);
    const COLORREF text = searching ? kEnabledText : kDisabledText;
    m_grid.GetDefaultCell(FALSE, FALSE)->SetTextClr(text);
    m_grid.GetDefaultCell(TRUE, FALSE)->SetTextClr(text);
    m_grid.EnableScrollBars(SB_BOTH, searching);
    m_grid.Refresh();
    GetDlgItem(IDC_NEW_NAME_LABEL)->EnableWindow(!searching);
    m_sites.EnableWindow(!searching);
}

void CDlg_ChoosePlace::OnSelchangeSites() {
    const int selected = m_sites.GetCurSel();
    if (selected < 0) return;
    const int data = static_cast<int>(m_sites.GetItemData(selected));
    // The "---" entry: the site is not in the list, its name is typed below.
    if (data < 0) GetDlgItem(IDC_NEW_NAME)->ShowWindow(SW_SHOW);
    if (data > 0) GetDlgItem(IDC_NEW_NAME)->ShowWindow(SW_HIDE);
}

void CDlg_ChoosePlace::OnGridSelChanging(NMHDR* header, LRESULT*) {
    m_selectedRow = reinterpret_cast<NM_GRIDVIEW*>(header)->iRow;
}

void CDlg_ChoosePlace::OnGridDblClk(NMHDR* header, LRESULT*) {
    const int row = reinterpret_cast<NM_GRIDVIEW*>(header)->iRow;
    if (row < 1) return;
    m_selectedRow = row;
    OnOK();
}

void CDlg_ChoosePlace::OnOK() {
    UpdateData(TRUE);
    if (m_mode == 0)
        ChooseFoundSite();
    else
        ChooseOtherOrNewSite();
}

void CDlg_ChoosePlace::ChooseFoundSite() {
    // The heading row is no site.
    if (m_selectedRow < m_grid.GetFixedRowCount() || m_selectedRow >= m_grid.GetRowCount()) {
        AfxMessageBox(kNoSiteChosen, MB_OK);
        return;
    }
    m_resultId = static_cast<int>(m_grid.GetItemData(m_selectedRow, 1));
    m_resultName = m_grid.GetItemText(m_selectedRow, 1);
    EndDialog(IDOK);
}

void CDlg_ChoosePlace::ChooseOtherOrNewSite() {
    m_comboText.Trim();
    m_newName.Trim();
    const int selected = m_sites.GetCurSel();
    if (selected >= 0 && static_cast<int>(m_sites.GetItemData(selected)) >= 0) {
        m_resultId = static_cast<int>(m_sites.GetItemData(selected));
        m_resultName = m_comboText;
        EndDialog(IDOK);
    } else if (!m_newName.IsEmpty()) {
        m_resultId = kNewSite;
        m_resultName = m_newName;
        EndDialog(IDOK);
    } else {
        AfxMessageBox(kNoNewName, MB_OK);
    }
}
