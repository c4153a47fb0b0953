#include "pages/species/SpecFormMoss04.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

namespace {

// The situations whose flag column is 1.
void FillFlaggedSituations(CComboBox& combo, const char* flagColumn) {
    FillComboFromQuery(combo,
                       FormatSql("select %s, %s from %s where %s is not NULL and %s = 1", "ID", "Name",
                                 "nMossTurfSituation", "Name", flagColumn),
                       "ID", "Name");
}

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_04, CFormPage)

CSpecForm_Moss_04::CSpecForm_Moss_04() : CFormPage(IDD_MOSS_TUFTS_PAGE), m_tufts(0) {}

const MessageMap& CSpecForm_Moss_04::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_04::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_04::OnDelete),
        OnNotify(IDC_TUFTS, NM_DBLCLK, &CSpecForm_Moss_04::OnTuftDblClk),
    });
    return map;
}

void CSpecForm_Moss_04::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRASS_COVER, m_grassCover);
    DDX_Control(pDX, IDC_SUNSHINE, m_sunshine);
    DDX_Control(pDX, IDC_TUFTS, m_tufts.m_grid);
}

void CSpecForm_Moss_04::PreparePage() {
    FillFlaggedSituations(m_grassCover, "combo1");
    FillFlaggedSituations(m_sunshine, "combo2");
    LoadFromDocument();
    m_tufts.Setup({{"Площ на чимче (кв.см)", 180}});
    m_tufts.Refill();
}

void CSpecForm_Moss_04::LoadRecord() {
    const CSpecData_Moss_04& tufts = Document()->SpecData_Moss_04;
    m_tufts.m_rows = tufts.Turfs;
    CComboHelpers::SelectByItemData(m_grassCover, static_cast<DWORD>(tufts.GrassCoverID));
    CComboHelpers::SelectByItemData(m_sunshine, static_cast<DWORD>(tufts.SunshineID));
}

void CSpecForm_Moss_04::SaveRecord() {
    CSpecData_Moss_04& tufts = Document()->SpecData_Moss_04;
    CComboHelpers::GetSelection(m_grassCover, tufts.GrassCoverID, tufts.GrassCoverIDName);
    CComboHelpers::GetSelection(m_sunshine, tufts.SunshineID, tufts.SunshineIDName);
    tufts.Turfs = m_tufts.m_rows;
}
