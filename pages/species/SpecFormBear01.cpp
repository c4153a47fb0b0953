#include "pages/species/SpecFormBear01.h"

#include "pages/common/PageControls.h"
#include "pages/common/PageTable.h"
#include "pages/species/DlgBearAdd.h"
#include "res/BearIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bear_01, CFormPage)

CSpecForm_Bear_01::CSpecForm_Bear_01() : CFormPage(IDD_BEAR_SEEN_PAGE) {}

const MessageMap& CSpecForm_Bear_01::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_BEAR, &CSpecForm_Bear_01::OnAddBear),
        OnClicked(IDC_DELETE_BEAR, &CSpecForm_Bear_01::OnDeleteBear),
        OnClicked(IDC_SHOW_TABLE, &CSpecForm_Bear_01::OnShowTable),
        OnNotify(IDC_BEARS, NM_DBLCLK, &CSpecForm_Bear_01::OnBearDblClk),
    });
    return map;
}

void CSpecForm_Bear_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BEARS, m_grid);
    DDX_Text(pDX, IDC_BEHAVIOUR, m_behaviour);
    DDX_Check(pDX, IDC_SHOW_TABLE, m_showTable);
}

void CSpecForm_Bear_01::PreparePage() {
    LoadFromDocument();
    SetupPageGrid(m_grid, {{"Размер", 110}, {"Брой", 60}, {"Цвят", 110}, {"Пол", 10}});
    RefreshBearGrid();
}

void CSpecForm_Bear_01::RefreshBearGrid() {
    RefillPageGrid(m_grid, m_bears, [](const CBear01Row& bear) {
        return PageGridRow{{bear.BearSizeTxt, bear.BearCount, bear.BearColorTxt, bear.BearSexTxt}, std::nullopt};
    });
}

void CSpecForm_Bear_01::LoadRecord() {
    const CSpecData_Bear_01& seen = Document()->SpecData_Bear_01;
    m_behaviour = seen.Behaviour;
    m_bears = seen.Bears;
}

void CSpecForm_Bear_01::SaveRecord() {
    CSpecData_Bear_01& seen = Document()->SpecData_Bear_01;
    seen.Behaviour = m_behaviour;
    seen.Bears = m_bears;
}

void CSpecForm_Bear_01::OnAddBear() {
    CDlg_Bear_Add dialog;
    if (dialog.DoModal() != IDOK) return;
    m_bears.Add(dialog.m_row);  // the same kind of bear may be seen more than once
    RefreshBearGrid();
}

void CSpecForm_Bear_01::OnBearDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_grid, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
    if (index < 0 || index >= m_bears.GetSize()) return;
    CDlg_Bear_Add dialog(&m_bears[index]);
    if (dialog.DoModal() != IDOK) return;
    m_bears[index] = dialog.m_row;
    RefreshBearGrid();
}

void CSpecForm_Bear_01::OnDeleteBear() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_bears.GetSize()) return;
    m_bears.RemoveAt(index);
    RefreshBearGrid();
}

void CSpecForm_Bear_01::OnShowTable() {
    UpdateData(TRUE);
    const CRect frame = FrameRect(this, IDC_TABLE_FRAME);
    InvalidateRect(&frame, TRUE);
}

void CSpecForm_Bear_01::OnDraw(CDC* dc) {
    if (m_showTable) DrawPictureInFrame(this, dc, IDC_TABLE_FRAME, IDB_BEAR_SIZE_TABLE);
}
