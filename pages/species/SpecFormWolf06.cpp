#include "pages/species/SpecFormWolf06.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "pages/species/DlgWolfRoute.h"
#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_06, CFormPage)

namespace {

constexpr UINT kHeading = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kAttributeColumnWidth = 80;
constexpr int kPointColumnWidth = 140;
constexpr int kHeadingFrame = 4;  // the raised frame of a heading cell, both sides

// The grid's rows, one per attribute of a point, with the field each shows ("Mясто" is
// written with a Latin M).
struct RouteAttribute {
    const char* heading;
    CString CWolf06Row::*text;
};
constexpr RouteAttribute kRouteAttributes[] = {
    {"EKATTE", &CWolf06Row::EKNM},
    {"Населено място", &CWolf06Row::CityIDName},
    {"Mясто", &CWolf06Row::Place},
    {"ДДС", &CWolf06Row::DDS_IDName},
    {"ДДЛ", &CWolf06Row::DL_IDName},
    {"ПУ (за НП)", &CWolf06Row::PU_IDName},
    {"Отдел", &CWolf06Row::Department},
    {"Подотдел", &CWolf06Row::Subdepartment},
    {"Longitude", &CWolf06Row::Longitude},
    {"Latitude", &CWolf06Row::Lattitude},
    {"Надморска височина", &CWolf06Row::Altitude},
    {"Изложение", &CWolf06Row::ExposureIDName},
};

}  // namespace

CSpecForm_Wolf_06::CSpecForm_Wolf_06() : CFormPage(IDD_WOLF_ROUTE_PAGE) { m_points.SetSize(kWolfRoutePoints); }

const MessageMap& CSpecForm_Wolf_06::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnNotify(IDC_ROUTE, NM_CLICK, &CSpecForm_Wolf_06::OnRouteClick),
        OnNotify(IDC_ROUTE, NM_DBLCLK, &CSpecForm_Wolf_06::OnRouteDblClk),
    });
    return map;
}

void CSpecForm_Wolf_06::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ROUTE, m_grid);
}

void CSpecForm_Wolf_06::PreparePage() {
    LoadFromDocument();
    SetupRouteGrid();
    RefillRouteGrid();
}

void CSpecForm_Wolf_06::LoadRecord() { m_points = Document()->SpecData_Wolf_06.Tracks; }

void CSpecForm_Wolf_06::SaveRecord() { Document()->SpecData_Wolf_06.Tracks = m_points; }

// Not the table of the other pages: cells are chosen a point (column) at a time.
void CSpecForm_Wolf_06::SetupRouteGrid() {
    m_grid.SetSingleColSelection(FALSE);
    for (const auto& [heading, width] : {std::pair("", kAttributeColumnWidth), std::pair("От", kPointColumnWidth),
                                         std::pair("През", kPointColumnWidth), std::pair("До", kPointColumnWidth)})
        m_grid.SetColumnWidth(m_grid.InsertColumn(heading, kHeading), width);
    // The attributes' names are read in full: their column grows to the longest of them.
    int attributeWidth = kAttributeColumnWidth;
    for (const RouteAttribute& attribute : kRouteAttributes)
        attributeWidth = std::max(attributeWidth, static_cast<int>(m_grid.GetTextExtent(0, 0, attribute.heading).cx) +
                                                      kHeadingFrame);
    m_grid.SetColumnWidth(0, attributeWidth);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetEditable(FALSE);
    m_grid.ExpandLastColumn();
}

void CSpecForm_Wolf_06::RefillRouteGrid() {
    m_grid.DeleteNonFixedRows();
    for (const RouteAttribute& attribute : kRouteAttributes) m_grid.InsertRow(attribute.heading);
    if (m_points.GetSize() == kWolfRoutePoints)
        for (int point = 0; point < kWolfRoutePoints; ++point)
            for (int row = 0; row < static_cast<int>(std::size(kRouteAttributes)); ++row)
                m_grid.SetItemText(row + 1, point + 1, m_points[point].*kRouteAttributes[row].text);
    m_grid.Refresh();
}

void CSpecForm_Wolf_06::OnRouteClick(NMHDR* header, LRESULT*) {
    const int column = reinterpret_cast<NM_GRIDVIEW*>(header)->iColumn;
    if (column < 1 || column > kWolfRoutePoints) return;
    m_grid.SetSelectedRange(1, column, m_grid.GetRowCount() - 1, column, FALSE, TRUE);
}

void CSpecForm_Wolf_06::OnRouteDblClk(NMHDR* header, LRESULT*) {
    const auto* cell = reinterpret_cast<NM_GRIDVIEW*>(header);
    const int point = cell->iColumn - 1;
    if (cell->iRow < 1 || point < 0 || point >= m_points.GetSize()) return;
    CDlg_Wolf_Route dialog(Document()->RIOSW_ID, m_points[point]);
    if (dialog.DoModal() != IDOK) return;
    m_points[point] = dialog.m_row;
    RefillRouteGrid();
}
