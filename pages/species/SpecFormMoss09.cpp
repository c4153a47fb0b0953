#include "pages/species/SpecFormMoss09.h"

#include "pages/common/PageTable.h"
#include "pages/species/DlgMossRows.h"
#include "pages/species/MossTables.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

namespace {

constexpr int kAreaLength = 8;
constexpr int kCountLength = 4;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_09, CFormPage)

CSpecForm_Moss_09::CSpecForm_Moss_09() : CFormPage(IDD_MOSS_STUMPS_PAGE) {}

const MessageMap& CSpecForm_Moss_09::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_09::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_09::OnDelete),
        OnNotify(IDC_STUMPS, NM_DBLCLK, &CSpecForm_Moss_09::OnStumpsDblClk),
    });
    return map;
}

void CSpecForm_Moss_09::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STUMPS, m_grid);
    DDX_Control(pDX, IDC_AREA, m_areaEdit);
    DDX_Text(pDX, IDC_AREA, m_area);
    DDV_MaxChars(pDX, m_area, kAreaLength);
    const int ids[] = {IDC_CATEGORY1, IDC_CATEGORY2, IDC_CATEGORY3};
    for (int i = 0; i < 3; ++i) {
        DDX_Text(pDX, ids[i], m_categories[i]);
        DDV_MaxChars(pDX, m_categories[i], kCountLength);
    }
}

void CSpecForm_Moss_09::PreparePage() {
    LoadFromDocument();
    SetupPageGrid(m_grid, {{"Диаметър(см)", 90}, {"Дължина(м)", 90}, {"Спорофити(брой)", 120},
                           {"Степен на разлагане )", 100}});
    Refill();
}

void CSpecForm_Moss_09::Refill() {
    // The degree as the form prints it, 1 to 3; a stump without one shows 0.
    RefillPageGrid(m_grid, m_stumps, [](const CMoss09Row& stump) {
        return PageGridRow{{stump.Diameter, stump.Len, stump.SporofitsCount, FormatSql("%d", stump.RotScale + 1)},
                           std::nullopt};
    });
}

void CSpecForm_Moss_09::OnAdd() {
    CDlg_Moss_FallenTree dialog(nullptr, this);
    if (dialog.DoModal() != IDOK) return;
    m_stumps.Add(dialog.m_row);
    Refill();
}

void CSpecForm_Moss_09::OnStumpsDblClk(NMHDR* header, LRESULT*) { EditStump(GridRowOf(header)); }

void CSpecForm_Moss_09::EditStump(int gridRow) {
    const int index = ElementIndexOfRow(m_grid, gridRow);
    if (index < 0 || index >= m_stumps.GetSize()) return;
    CDlg_Moss_FallenTree dialog(&m_stumps[index], this);
    if (dialog.DoModal() != IDOK) return;
    m_stumps[index] = dialog.m_row;
    Refill();
}

void CSpecForm_Moss_09::OnDelete() {
    if (DeleteTableRow(m_grid, m_stumps)) Refill();
}

void CSpecForm_Moss_09::LoadRecord() {
    const CSpecData_Moss_09& stumps = Document()->SpecData_Moss_09;
    m_categories[0] = stumps.Cat1Count;
    m_categories[1] = stumps.Cat2Count;
    m_categories[2] = stumps.Cat3Count;
    m_area = stumps.Area;
    m_stumps = stumps.Stubs;
}

void CSpecForm_Moss_09::SaveRecord() {
    CSpecData_Moss_09& stumps = Document()->SpecData_Moss_09;
    stumps.Cat1Count = m_categories[0];
    stumps.Cat2Count = m_categories[1];
    stumps.Cat3Count = m_categories[2];
    stumps.Area = m_area;
    stumps.Stubs = m_stumps;
}
