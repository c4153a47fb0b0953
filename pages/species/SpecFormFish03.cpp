#include "pages/species/SpecFormFish03.h"

#include "pages/common/PageTable.h"
#include "pages/species/DlgFish.h"
#include "res/FishIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fish_03, CFormPage)

CSpecForm_Fish_03::CSpecForm_Fish_03() : CFormPage(IDD_FISH_CATCH_PAGE) {}

const MessageMap& CSpecForm_Fish_03::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_FISH, &CSpecForm_Fish_03::OnAddFish),
        OnClicked(IDC_DELETE_FISH, &CSpecForm_Fish_03::OnDeleteFish),
        OnNotify(IDC_FISHES, NM_DBLCLK, &CSpecForm_Fish_03::OnFishDblClk),
    });
    return map;
}

void CSpecForm_Fish_03::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FISHES, m_grid);
}

void CSpecForm_Fish_03::PreparePage() {
    LoadFromDocument();
    SetupTwoLinePageGrid(m_grid, "№\n",
                         {{"Дължина\nна тялото(мм)", 85}, {"Абс. дължина\nна тялото(мм)", 95}, {"Тегло [г]\n", 60},
                          {"Пол\n", 30}, {"Степен на\nсъзряване", 70}, {"Бележки\n", 10}});
    RefreshFishGrid();
}

void CSpecForm_Fish_03::RefreshFishGrid() {
    RefillPageGrid(m_grid, m_fishes, [](const CFish03Row& fish) {
        return PageGridRow{{fish.StandardLen, fish.AbsLen, fish.Weight, fish.SexLetter, fish.MaturityLevel, fish.Notes},
                           std::nullopt};
    });
}

void CSpecForm_Fish_03::LoadRecord() { m_fishes = Document()->SpecData_Fish_03.Species; }

void CSpecForm_Fish_03::SaveRecord() { Document()->SpecData_Fish_03.Species = m_fishes; }

void CSpecForm_Fish_03::OnAddFish() {
    CDlg_Fish dialog;
    if (dialog.DoModal() != IDOK) return;
    m_fishes.Add(dialog.m_row);
    RefreshFishGrid();
}

void CSpecForm_Fish_03::OnFishDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_grid, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
    if (index < 0 || index >= m_fishes.GetSize()) return;
    CDlg_Fish dialog(&m_fishes[index]);
    if (dialog.DoModal() != IDOK) return;
    m_fishes[index] = dialog.m_row;
    RefreshFishGrid();
}

void CSpecForm_Fish_03::OnDeleteFish() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_fishes.GetSize()) return;
    m_fishes.RemoveAt(index);
    RefreshFishGrid();
}
