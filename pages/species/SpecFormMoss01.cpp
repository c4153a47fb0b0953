#include "pages/species/SpecFormMoss01.h"

#include "pages/common/PageControls.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kDistanceLength = 4;
// The rows from top to bottom on the page, as their rules first run.
constexpr int kScreenOrder[CSpecForm_Moss_01::kRows] = {7, 3, 6, 4, 0, 2, 1, 5};

// The record's flags and distances, in the record's order.
using Flag = int CSpecData_Moss_01::*;
using Distance = CString CSpecData_Moss_01::*;
constexpr Flag kFlags[CSpecForm_Moss_01::kRows] = {
    &CSpecData_Moss_01::bCheckArableLand, &CSpecData_Moss_01::bCheckBuildings,   &CSpecData_Moss_01::bCheckCities,
    &CSpecData_Moss_01::bCheckForestTrack, &CSpecData_Moss_01::bCheckRivers,     &CSpecData_Moss_01::bCheckRoads,
    &CSpecData_Moss_01::bCheckStreams,    &CSpecData_Moss_01::bCheckTouristsPath};
constexpr Distance kDistances[CSpecForm_Moss_01::kRows] = {
    &CSpecData_Moss_01::ArableLandDist,  &CSpecData_Moss_01::BuildingsDist, &CSpecData_Moss_01::CitiesDist,
    &CSpecData_Moss_01::ForestTrackDist, &CSpecData_Moss_01::RiverDist,     &CSpecData_Moss_01::RoadsDist,
    &CSpecData_Moss_01::StreamsDist,     &CSpecData_Moss_01::ToursitPathDist};

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_01, CFormPage)

CSpecForm_Moss_01::CSpecForm_Moss_01() : CFormPage(IDD_MOSS_DISTANCES_PAGE) {}

const MessageMap& CSpecForm_Moss_01::GetMessageMap() const {
    using Page = CSpecForm_Moss_01;
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(kRowIds[0].check, &Page::OnCheck<0>),
        OnClicked(kRowIds[1].check, &Page::OnCheck<1>),
        OnClicked(kRowIds[2].check, &Page::OnCheck<2>),
        OnClicked(kRowIds[3].check, &Page::OnCheck<3>),
        OnClicked(kRowIds[4].check, &Page::OnCheck<4>),
        OnClicked(kRowIds[5].check, &Page::OnCheck<5>),
        OnClicked(kRowIds[6].check, &Page::OnCheck<6>),
        OnClicked(kRowIds[7].check, &Page::OnCheck<7>),
    });
    return map;
}

void CSpecForm_Moss_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    for (int row = 0; row < kRows; ++row) {
        DDX_Check(pDX, kRowIds[row].check, m_checks[row]);
        DDX_Text(pDX, kRowIds[row].distance, m_distances[row]);
        DDV_MaxChars(pDX, m_distances[row], kDistanceLength);
    }
}

void CSpecForm_Moss_01::PreparePage() {
    LoadFromDocument();
    for (const int row : kScreenOrder) ApplyRow(row);
}

void CSpecForm_Moss_01::ApplyRow(int row) {
    UpdateData(TRUE);
    const BOOL ticked = m_checks[row] == 1;
    EnableControls(this, {kRowIds[row].label, kRowIds[row].distance}, ticked);
    if (ticked) return;
    m_distances[row].Empty();
    UpdateData(FALSE);
}

void CSpecForm_Moss_01::LoadRecord() {
    const CSpecData_Moss_01& near = Document()->SpecData_Moss_01;
    for (int row = 0; row < kRows; ++row) {
        m_checks[row] = near.*kFlags[row];
        m_distances[row] = near.*kDistances[row];
    }
}

void CSpecForm_Moss_01::SaveRecord() {
    CSpecData_Moss_01& near = Document()->SpecData_Moss_01;
    for (int row = 0; row < kRows; ++row) {
        near.*kFlags[row] = m_checks[row];
        near.*kDistances[row] = m_distances[row];
    }
}
