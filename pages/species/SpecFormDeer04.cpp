#include "pages/species/SpecFormDeer04.h"

#include <initializer_list>
#include <utility>

#include "pages/common/PageValues.h"
#include "res/DeerPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Deer_04, CFormPage)

namespace {

constexpr int kCountLength = 3;
constexpr int kTotalLength = 4;

}  // namespace

CSpecForm_Deer_04::CSpecForm_Deer_04() : CFormPage(IDD_DEER_AROUND_PAGE) {}

const MessageMap& CSpecForm_Deer_04::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnEnChange(IDC_DOE_VERY_YOUNG, &CSpecForm_Deer_04::OnChangeDoeCount),
        OnEnChange(IDC_DOE_YOUNG, &CSpecForm_Deer_04::OnChangeDoeCount),
        OnEnChange(IDC_DOE_OLD, &CSpecForm_Deer_04::OnChangeDoeCount),
        OnEnChange(IDC_DOE_VERY_OLD, &CSpecForm_Deer_04::OnChangeDoeCount),
        OnEnChange(IDC_STAG_VERY_YOUNG, &CSpecForm_Deer_04::OnChangeStagCount),
        OnEnChange(IDC_STAG_YOUNG, &CSpecForm_Deer_04::OnChangeStagCount),
        OnEnChange(IDC_STAG_OLD, &CSpecForm_Deer_04::OnChangeStagCount),
        OnEnChange(IDC_STAG_MATURE, &CSpecForm_Deer_04::OnChangeStagCount),
        OnEnChange(IDC_STAG_VERY_OLD, &CSpecForm_Deer_04::OnChangeStagCount),
        OnEnChange(IDC_DOE_TOTAL, &CSpecForm_Deer_04::OnChangeComputedField),
        OnEnChange(IDC_STAG_TOTAL, &CSpecForm_Deer_04::OnChangeComputedField),
    });
    return map;
}

void CSpecForm_Deer_04::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    const auto count = [pDX](int id, CString& value, int length) {
        DDX_Text(pDX, id, value);
        DDV_MaxChars(pDX, value, length);
    };
    count(IDC_DOE_VERY_YOUNG, m_doeVeryYoung, kCountLength);
    count(IDC_DOE_YOUNG, m_doeYoung, kCountLength);
    count(IDC_DOE_OLD, m_doeOld, kCountLength);
    count(IDC_DOE_VERY_OLD, m_doeVeryOld, kCountLength);
    count(IDC_DOE_TOTAL, m_doeTotal, kTotalLength);
    count(IDC_STAG_VERY_YOUNG, m_stagVeryYoung, kCountLength);
    count(IDC_STAG_YOUNG, m_stagYoung, kCountLength);
    count(IDC_STAG_OLD, m_stagOld, kCountLength);
    count(IDC_STAG_MATURE, m_stagMature, kCountLength);
    count(IDC_STAG_VERY_OLD, m_stagVeryOld, kCountLength);
    count(IDC_STAG_TOTAL, m_stagTotal, kTotalLength);
    DDX_Text(pDX, IDC_NOTES, m_notes);
}

void CSpecForm_Deer_04::LoadRecord() {
    const CSpecData_Deer_04& around = Document()->SpecData_Deer_04;
    m_doeVeryYoung = around.DoeVeryYoung;
    m_doeYoung = around.DoeYoung;
    m_doeOld = around.DoeOld;
    m_doeVeryOld = around.DoeVeryOld;
    m_doeTotal = around.DoeTotal;
    m_stagVeryYoung = around.DeerVeryYoung;
    m_stagYoung = around.DeerYoung;
    m_stagOld = around.DeerOld;
    m_stagMature = around.DeerMature;
    m_stagVeryOld = around.DeerVeryOld;
    m_stagTotal = around.DeerTotal;
    m_notes = around.Notes;
}

void CSpecForm_Deer_04::SaveRecord() {
    CSpecData_Deer_04& around = Document()->SpecData_Deer_04;
    around.DoeVeryYoung = m_doeVeryYoung;
    around.DoeYoung = m_doeYoung;
    around.DoeOld = m_doeOld;
    around.DoeVeryOld = m_doeVeryOld;
    around.DoeTotal = m_doeTotal;
    around.DeerVeryYoung = m_stagVeryYoung;
    around.DeerYoung = m_stagYoung;
    around.DeerOld = m_stagOld;
    around.DeerMature = m_stagMature;
    around.DeerVeryOld = m_stagVeryOld;
    around.DeerTotal = m_stagTotal;
    around.Notes = m_notes;
}

void CSpecForm_Deer_04::OnChangeDoeCount() {
    if (IsExchangingData()) return;
    UpdateData(TRUE);
    m_doeTotal = TotalText({m_doeVeryYoung, m_doeYoung, m_doeOld, m_doeVeryOld});
    UpdateData(FALSE);
}

void CSpecForm_Deer_04::OnChangeStagCount() {
    if (IsExchangingData()) return;
    UpdateData(TRUE);
    m_stagTotal = TotalText({m_stagVeryYoung, m_stagYoung, m_stagOld, m_stagMature, m_stagVeryOld});
    UpdateData(FALSE);
}

void CSpecForm_Deer_04::OnChangeComputedField() {
    if (IsExchangingData()) return;
    // The counts and the notes as they stand (notes typed since the last count change stay),
    // the totals as they were shown. A count too long for its field was refused when it was
    // typed, and its member keeps the last value that passed.
    for (const auto& [id, value] : {std::pair(IDC_DOE_VERY_YOUNG, &m_doeVeryYoung), std::pair(IDC_DOE_YOUNG, &m_doeYoung),
                                    std::pair(IDC_DOE_OLD, &m_doeOld), std::pair(IDC_DOE_VERY_OLD, &m_doeVeryOld),
                                    std::pair(IDC_STAG_VERY_YOUNG, &m_stagVeryYoung), std::pair(IDC_STAG_YOUNG, &m_stagYoung),
                                    std::pair(IDC_STAG_OLD, &m_stagOld), std::pair(IDC_STAG_MATURE, &m_stagMature),
                                    std::pair(IDC_STAG_VERY_OLD, &m_stagVeryOld)}) {
        CString count;
        GetDlgItemText(id, count);
        if (count.GetLength() <= kCountLength) *value = count;
    }
    GetDlgItemText(IDC_NOTES, m_notes);
    UpdateData(FALSE);
}
