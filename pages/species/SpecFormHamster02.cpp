#include "pages/species/SpecFormHamster02.h"

#include "pages/common/PageTable.h"
#include "pages/common/PageValues.h"
#include "pages/species/DlgHamsterTransect.h"
#include "res/HamsterPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Hamster_02, CFormPage)

namespace {

constexpr int kCountLength = 4;
constexpr int kSegmentLength = 100;  // metres
constexpr UINT kHeading = DT_CENTER | DT_VCENTER | DT_WORDBREAK;

}  // namespace

CSpecForm_Hamster_02::CSpecForm_Hamster_02() : CFormPage(IDD_HAMSTER_TRANSECTS_PAGE) {}

const MessageMap& CSpecForm_Hamster_02::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnNotify(kGridIds[0], NM_DBLCLK, &CSpecForm_Hamster_02::OnSegmentDblClk),
        OnNotify(kGridIds[1], NM_DBLCLK, &CSpecForm_Hamster_02::OnSegmentDblClk),
        OnNotify(kGridIds[2], NM_DBLCLK, &CSpecForm_Hamster_02::OnSegmentDblClk),
        OnNotify(kGridIds[3], NM_DBLCLK, &CSpecForm_Hamster_02::OnSegmentDblClk),
        OnNotify(kGridIds[4], NM_DBLCLK, &CSpecForm_Hamster_02::OnSegmentDblClk),
    });
    return map;
}

void CSpecForm_Hamster_02::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    for (int number = 1; number <= kHamsterTransects; ++number) {
        const int i = number - 1;
        DDX_Control(pDX, kGridIds[i], m_grids[static_cast<size_t>(i)]);
        DDX_Text(pDX, kBurrowIds[i], m_transects.LairsCountOf(number));  // computed: no limit to check
        DDX_Text(pDX, kHamsterIds[i], m_transects.HamstersCountOf(number));
        DDV_MaxChars(pDX, m_transects.HamstersCountOf(number), kCountLength);
    }
}

void CSpecForm_Hamster_02::PreparePage() {
    // The totals show what was stored; they are computed again only after a segment changes.
    LoadFromDocument();
    for (int number = 1; number <= kHamsterTransects; ++number) {
        SetupTransectGrid(m_grids[static_cast<size_t>(number - 1)]);
        RefillTransectGrid(number);
    }
}

void CSpecForm_Hamster_02::LoadRecord() { m_transects = Document()->SpecData_Hamster_02; }
void CSpecForm_Hamster_02::SaveRecord() { Document()->SpecData_Hamster_02 = m_transects; }

void CSpecForm_Hamster_02::SetupTransectGrid(CGridCtrl& grid) {
    SetupPageGrid(grid, {
        {"Отсечка по\nтрансекта", 80, kHeading},
        {"Longitude", 60, kHeading},
        {"Latitude", 60, kHeading},
        {"Вид\nместообитание", 90, kHeading},
        {"Водоизточник", 90, kHeading},
        {"Обраствания", 80, kHeading},
        {"Степен на\nтревно покритие", 100, kHeading},
        {"Височина\nна тревата", 70, kHeading},
        {"Път", 40, kHeading},
        {"Постройки", 70, kHeading},
        {"Брой \nустановени дупки", 80, kHeading},
    });
    grid.SetRowHeight(0, kHeadingHeight);
    grid.EnableTitleTips(TRUE);
}

void CSpecForm_Hamster_02::RefillTransectGrid(int number) {
    CGridCtrl& grid = m_grids[static_cast<size_t>(number - 1)];
    const CHamsterTransect& segments = m_transects.TransectOf(number);
    grid.DeleteNonFixedRows();
    for (int i = 0; i < kHamsterSegments; ++i) {
        const CHamster02Transect& segment = segments[static_cast<size_t>(i)];
        CString range;
        range.Format("%d-%d", i * kSegmentLength, (i + 1) * kSegmentLength);
        AppendPageGridRow(grid, i,
                          {{range, segment.Longitude, segment.Latitude, segment.HabitatTypeName,
                            segment.WaterTankTypeName, segment.OvergrowingsTypeName, segment.GrassTypeName,
                            segment.GrassHeightTypeName, segment.RoadsTypeName, segment.BuildingsTypeName,
                            segment.LairCount},
                           std::nullopt});
    }
    grid.Refresh();
}

void CSpecForm_Hamster_02::OnSegmentDblClk(NMHDR* header, LRESULT*) {
    for (int i = 0; i < kHamsterTransects; ++i)
        if (static_cast<int>(header->idFrom) == kGridIds[i])
            EditSegment(i + 1, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
}

void CSpecForm_Hamster_02::EditSegment(int number, int row) {
    CGridCtrl& grid = m_grids[static_cast<size_t>(number - 1)];
    const int index = ElementIndexOfRow(grid, row);
    if (index < 0 || index >= kHamsterSegments) return;
    UpdateData(TRUE);  // the typed hamster counts stay
    CHamster02Transect& segment = m_transects.TransectOf(number)[static_cast<size_t>(index)];
    CDlg_Hamster_Transect dialog("Трансект " + grid.GetItemText(row, 1), &segment, this);
    if (dialog.DoModal() != IDOK) return;
    segment = dialog.m_row;
    RefillTransectGrid(number);
    m_transects.LairsCountOf(number).Format("%d", SumBurrows(m_transects.TransectOf(number)));
    UpdateData(FALSE);
}

int CSpecForm_Hamster_02::SumBurrows(const CHamsterTransect& segments) {
    int sum = 0;
    for (const CHamster02Transect& segment : segments) sum += LeadingInteger(segment.LairCount);
    return sum;
}
