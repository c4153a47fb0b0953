#include "pages/species/BatSpeciesListPage.h"

#include "pages/common/PageTable.h"
#include "pages/species/BatPageGrids.h"
#include "pages/species/DlgBatAddSpecies.h"

IMPLEMENT_DYNAMIC(CBatSpeciesListPage, CFormPage)

CBatSpeciesListPage::CBatSpeciesListPage(UINT templateId, int methodCount, BOOL wetland, BOOL pageMethods)
    : CFormPage(templateId), m_methodCount(methodCount), m_wetland(wetland), m_pageMethods(pageMethods) {}

const MessageMap& CBatSpeciesListPage::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CBatSpeciesListPage::OnAdd),
        OnClicked(IDC_DELETE, &CBatSpeciesListPage::OnDelete),
    });
    return map;
}

void CBatSpeciesListPage::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_grid);
}

void CBatSpeciesListPage::PreparePage() {
    LoadFromDocument();
    SetupBatSpeciesGrid(m_grid, "Вид", m_wetland ? kWetlandCountWidth : kCaveCountWidth);
    RefillGrid();
    if (!m_pageMethods) return;
    for (int i = 0; i < m_methodCount; ++i)
        CheckDlgButton(IDC_FIRST_METHOD + i, i < static_cast<int>(m_enabled.size()) && m_enabled[i] == 1 ? BST_CHECKED : BST_UNCHECKED);
}

BYTE CBatSpeciesListPage::MethodTicked(int method) const {
    return IsDlgButtonChecked(IDC_FIRST_METHOD + method) == BST_CHECKED ? 1 : 0;
}

void CBatSpeciesListPage::RefillGrid() { RefillBatSpeciesGrid(m_grid, m_rows); }

void CBatSpeciesListPage::OnAdd() {
    if (m_pageMethods) {
        m_enabled.resize(static_cast<size_t>(m_methodCount));
        for (int i = 0; i < m_methodCount; ++i) m_enabled[i] = MethodTicked(i);
    }
    CDlg_Bat_AddSpecies dialog(m_methodCount, m_pageMethods ? m_enabled.data() : nullptr, m_wetland, m_pageMethods);
    if (dialog.DoModal() != IDOK) return;
    if (RefuseListedSpecies(m_grid, dialog.m_row.SpeciesID)) return;
    m_rows.Add(dialog.m_row);
    RefillGrid();
}

void CBatSpeciesListPage::OnDelete() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_rows.GetSize()) return;
    m_rows.RemoveAt(index);
    RefillGrid();
}
