#include "pages/species/SpecFormTortoise01.h"

#include "pages/common/PageTable.h"
#include "pages/species/DlgTortoise.h"
#include "res/HerpPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Tortoise_01, CFormPage)

CSpecForm_Tortoise_01::CSpecForm_Tortoise_01() : CFormPage(IDD_TORTOISE_PAGE_1) {}

const MessageMap& CSpecForm_Tortoise_01::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Tortoise_01::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Tortoise_01::OnDelete),
        OnNotify(IDC_ANIMALS, NM_DBLCLK, &CSpecForm_Tortoise_01::OnAnimalDblClk),
    });
    return map;
}

void CSpecForm_Tortoise_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ANIMALS, m_grid);
}

void CSpecForm_Tortoise_01::PreparePage() {
    SetupPageGrid(m_grid, {{"Вид", 90}, {"Дължина", 80}, {"Пол", 70}, {"Вид местообитание", 150}, {"Чут/Видян", 100},
                           {"Разстояние", 10}});
    LoadFromDocument();
    RefreshAnimalGrid();
}

void CSpecForm_Tortoise_01::RefreshAnimalGrid() {
    RefillPageGrid(m_grid, m_animals, [](const CTortoise01Row& animal) {
        return PageGridRow{{animal.TortoiseTypeName, animal.Len, animal.SexName, animal.Habitat, animal.FoundTypeName,
                            animal.Distance},
                           std::nullopt};
    });
}

void CSpecForm_Tortoise_01::LoadRecord() { m_animals = Document()->SpecData_Tortoise_01.Animals; }

void CSpecForm_Tortoise_01::SaveRecord() { Document()->SpecData_Tortoise_01.Animals = m_animals; }

// Each row is one animal: the same species may stand many times.
void CSpecForm_Tortoise_01::OnAdd() {
    CDlg_Tortoise dialog;
    if (dialog.DoModal() != IDOK) return;
    m_animals.Add(dialog.m_row);
    RefreshAnimalGrid();
}

void CSpecForm_Tortoise_01::OnAnimalDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_grid, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
    if (index < 0 || index >= m_animals.GetSize()) return;
    CDlg_Tortoise dialog(&m_animals[index]);
    if (dialog.DoModal() != IDOK) return;
    m_animals[index] = dialog.m_row;
    RefreshAnimalGrid();
}

void CSpecForm_Tortoise_01::OnDelete() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_animals.GetSize()) return;
    m_animals.RemoveAt(index);
    RefreshAnimalGrid();
}
