#include "pages/species/SpecFormMoss07.h"

#include "controls/ListBoxHelpers.h"
#include "platform/MessageBox.h"
#include "res/MossPageIds.h"
#include "shell/ProgramDatabase.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_07, CFormPage)

CSpecForm_Moss_07::CSpecForm_Moss_07() : CFormPage(IDD_MOSS_SPORES_PAGE), m_tufts(1) {}

const MessageMap& CSpecForm_Moss_07::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_CHOOSE, &CSpecForm_Moss_07::OnChoose),
        OnLbnDblclk(IDC_OFFERED, &CSpecForm_Moss_07::OnChoose),
        OnClicked(IDC_REMOVE, &CSpecForm_Moss_07::OnRemove),
        OnClicked(IDC_ADD, &CSpecForm_Moss_07::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_07::OnDelete),
        OnNotify(IDC_TUFTS, NM_DBLCLK, &CSpecForm_Moss_07::OnTuftDblClk),
    });
    return map;
}

void CSpecForm_Moss_07::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OFFERED, m_offered);
    DDX_Control(pDX, IDC_CHOSEN, m_chosen);
    DDX_Control(pDX, IDC_TUFTS, m_tufts.m_grid);
}

void CSpecForm_Moss_07::PreparePage() {
    LoadFromDocument();
    FillOffered();
    m_tufts.Setup({{"Площ на чимчето (кв.см)", 180}, {"Спороносна кутийка", 150}});
    m_tufts.Refill();
}

// The locations flagged for this page; a database error is shown and the page goes on.
void CSpecForm_Moss_07::FillOffered() {
    m_offered.ResetContent();
    WithProgramDatabase([&](CSQLite3DB& db) {
        const CString sql = FormatSql("select %s, %s from %s where %s = 1  ", "ID", "Name", "nMossTurf", "Moss2");
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            const int index = m_offered.AddString(query.getStringField("Name", ""));
            m_offered.SetItemData(index, static_cast<DWORD>(query.getIntField("ID", 0)));
        }
    });
}

void CSpecForm_Moss_07::OnChoose() {
    const int selected = m_offered.GetCurSel();
    if (selected == LB_ERR) {
        AfxMessageBox("Моля изберете елемент от списъка с местонахождения!", MB_OK);
        return;
    }
    const DWORD id = m_offered.GetItemData(selected);
    if (CListBoxHelpers::ContainsItemData(m_chosen, id)) {
        AfxMessageBox("Елемента който се опитвате да добавите вече е добавен!", MB_OK);
        return;
    }
    m_chosen.SetItemData(m_chosen.AddString(m_offered.GetText(selected)), id);
}

void CSpecForm_Moss_07::OnRemove() {
    const int selected = m_chosen.GetCurSel();
    if (selected != LB_ERR) m_chosen.DeleteString(static_cast<UINT>(selected));
}

// Names and ids that do not pair up load as no location at all.
void CSpecForm_Moss_07::LoadRecord() {
    const CSpecData_Moss_07& tufts = Document()->SpecData_Moss_07;
    m_chosen.ResetContent();
    if (tufts.TurfNames.GetSize() == tufts.TurfIDs.GetSize())
        for (int i = 0; i < tufts.TurfIDs.GetSize(); ++i)
            m_chosen.SetItemData(m_chosen.AddString(tufts.TurfNames[i]), static_cast<DWORD>(tufts.TurfIDs[i]));
    m_tufts.m_rows = tufts.TurfProperties;
}

void CSpecForm_Moss_07::SaveRecord() {
    CSpecData_Moss_07& tufts = Document()->SpecData_Moss_07;
    tufts.TurfNames.RemoveAll();
    tufts.TurfIDs.RemoveAll();
    for (int i = 0; i < m_chosen.GetCount(); ++i) {
        tufts.TurfNames.Add(m_chosen.GetText(i));
        tufts.TurfIDs.Add(static_cast<int>(m_chosen.GetItemData(i)));
    }
    tufts.TurfProperties = m_tufts.m_rows;
}
