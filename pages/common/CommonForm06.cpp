#include "pages/common/CommonForm06.h"

#include "pages/common/PageTable.h"
#include "platform/MessageBox.h"
#include "res/ListPageIds.h"
#include "shell/DlgPersons.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CCommonForm_06, CFormPage)

CCommonForm_06::CCommonForm_06() : CFormPage(IDD_OBSERVERS_PAGE) {}

const MessageMap& CCommonForm_06::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_OBSERVER, &CCommonForm_06::OnAddObserver),
        OnClicked(IDC_DELETE_OBSERVER, &CCommonForm_06::OnDeleteObserver),
    });
    return map;
}

void CCommonForm_06::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OBSERVERS, m_grid);
}

void CCommonForm_06::PreparePage() {
    SetupObserverGrid();
    LoadFromDocument();
    RefreshObserverGrid();
}

void CCommonForm_06::SetupObserverGrid() {
    SetupPageGrid(m_grid, {{"Име", 70}, {"Презиме", 70}, {"Фамилия", 70}, {"Е-поща", 70}, {"Институция", 70}, {"Длъжност", 70}});
}

void CCommonForm_06::RefreshObserverGrid() {
    RefillPageGrid(m_grid, m_observers, [](const CPersonRow& person) {
        PageGridRow row;
        for (const CString* text : {&person.FirstName, &person.MidName, &person.LastName, &person.EGN, &person.Organization,
                                    &person.Position})
            row.texts.Add(*text);
        row.id = person.ID;
        return row;
    });
}

void CCommonForm_06::LoadRecord() { m_observers = Document()->CommonData_06.Observers; }

void CCommonForm_06::SaveRecord() { Document()->CommonData_06.Observers = m_observers; }

void CCommonForm_06::OnAddObserver() {
    CDlg_Persons dialog(CDlg_Persons::kSearch);
    if (dialog.DoModal() != IDOK) return;
    if (m_grid.FindItemData(dialog.m_person.ID)) {
        AfxMessageBox("Избраният наблюдател вече присъства в списъка!", MB_OK);
        return;
    }
    m_observers.Add(dialog.m_person);
    RefreshObserverGrid();
}

void CCommonForm_06::OnDeleteObserver() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_observers.GetSize()) return;
    m_observers.RemoveAt(index);
    RefreshObserverGrid();
}
