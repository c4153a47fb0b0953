#include "pages/species/SpecFormMoss11.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageTable.h"
#include "pages/species/DlgMossRows.h"
#include "pages/species/MossTables.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kBlockColumnWidth = 80;
constexpr int kSunshineColumn = 3, kSunshineWidth = 50;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_11, CFormPage)

CSpecForm_Moss_11::CSpecForm_Moss_11() : CFormPage(IDD_MOSS_ROCKS_PAGE) {}

const MessageMap& CSpecForm_Moss_11::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_11::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_11::OnDelete),
        OnNotify(IDC_TUFTS, NM_DBLCLK, &CSpecForm_Moss_11::OnTuftsDblClk),
    });
    return map;
}

void CSpecForm_Moss_11::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HEIGHT, m_height);
    DDX_Control(pDX, IDC_SURFACE, m_surface);
    DDX_Control(pDX, IDC_HUMUS, m_humus);
    DDX_Control(pDX, IDC_TUFTS, m_grid);
}

void CSpecForm_Moss_11::PreparePage() {
    FillComboFromColumns(m_height, "ID", "Name", "nMossRockHight");
    FillComboFromColumns(m_surface, "ID", "Name", "nMossRockSurface");
    FillComboFromColumns(m_humus, "ID", "Name", "nMossYesNo");
    // The first column is the rock block's number, so it gets a heading of its own.
    SetupTwoLinePageGrid(m_grid, "№ на\nскалния блок",
                         {{"Разположение\nвърху скалния блок", 145}, {"Изложение", 75}, {"Огряване", 50}});
    // The wider first column leaves the last one its own width to fill the grid from again.
    m_grid.SetColumnWidth(0, kBlockColumnWidth);
    m_grid.SetColumnWidth(kSunshineColumn, kSunshineWidth);
    m_grid.ExpandLastColumn();
    m_grid.EnableTitleTips(FALSE);
    LoadFromDocument();
    Refill();
}

void CSpecForm_Moss_11::Refill() {
    RefillPageGrid(m_grid, m_tufts, [](const CMoss11Row& tuft) {
        return PageGridRow{{tuft.SituationIDName, tuft.ExposureIDName, tuft.SunshineIDName}, std::nullopt};
    });
}

void CSpecForm_Moss_11::OnAdd() {
    CDlg_Moss_TuftPosition dialog(nullptr, this);
    if (dialog.DoModal() != IDOK) return;
    m_tufts.Add(dialog.m_row);
    Refill();
}

void CSpecForm_Moss_11::OnTuftsDblClk(NMHDR* header, LRESULT*) { EditTuft(GridRowOf(header)); }

void CSpecForm_Moss_11::EditTuft(int gridRow) {
    const int index = ElementIndexOfRow(m_grid, gridRow);
    if (index < 0 || index >= m_tufts.GetSize()) return;
    CDlg_Moss_TuftPosition dialog(&m_tufts[index], this);
    if (dialog.DoModal() != IDOK) return;
    m_tufts[index] = dialog.m_row;
    Refill();
}

void CSpecForm_Moss_11::OnDelete() {
    if (DeleteTableRow(m_grid, m_tufts)) Refill();
}

void CSpecForm_Moss_11::LoadRecord() {
    const CSpecData_Moss_11& rocks = Document()->SpecData_Moss_11;
    CComboHelpers::SelectByItemData(m_height, static_cast<DWORD>(rocks.HeightID));
    CComboHelpers::SelectByItemData(m_surface, static_cast<DWORD>(rocks.SurfaceID));
    CComboHelpers::SelectByItemData(m_humus, static_cast<DWORD>(rocks.HumusID));
    m_tufts = rocks.TurfSituations;
}

void CSpecForm_Moss_11::SaveRecord() {
    CSpecData_Moss_11& rocks = Document()->SpecData_Moss_11;
    CComboHelpers::GetSelection(m_humus, rocks.HumusID, rocks.HumusIDName);
    CComboHelpers::GetSelection(m_surface, rocks.SurfaceID, rocks.SurfaceIDName);
    CComboHelpers::GetSelection(m_height, rocks.HeightID, rocks.HeightIDName);
    rocks.TurfSituations = m_tufts;
}
