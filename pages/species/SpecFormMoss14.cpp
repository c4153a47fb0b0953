#include "pages/species/SpecFormMoss14.h"

#include "res/MossPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_14, CFormPage)

CSpecForm_Moss_14::CSpecForm_Moss_14(int sporeFlag)
    : CFormPage(IDD_MOSS_TUFT_LIST_PAGE), m_tufts(sporeFlag), m_sporeFlag(sporeFlag) {}

const MessageMap& CSpecForm_Moss_14::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_14::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_14::OnDelete),
        OnNotify(IDC_TUFTS, NM_DBLCLK, &CSpecForm_Moss_14::OnTuftDblClk),
    });
    return map;
}

void CSpecForm_Moss_14::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TUFTS, m_tufts.m_grid);
}

void CSpecForm_Moss_14::PreparePage() {
    LoadFromDocument();
    if (m_sporeFlag)
        m_tufts.Setup({{"Площ на чимче (кв.см)", 150}, {"Присъствие на спороносна кутийка", 150}});
    else
        m_tufts.Setup({{"Площ на чимче (кв.см)", 180}});
    m_tufts.Refill();
}

void CSpecForm_Moss_14::LoadRecord() { m_tufts.m_rows = Document()->SpecData_Moss_14.Turfs; }

void CSpecForm_Moss_14::SaveRecord() { Document()->SpecData_Moss_14.Turfs = m_tufts.m_rows; }
