#include "pages/species/SpecFormGoat02.h"

#include "pages/common/PageTable.h"
#include "pages/species/DlgGoatTracks.h"
#include "res/GoatPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Goat_02, CFormPage)

CSpecForm_Goat_02::CSpecForm_Goat_02() : CGoatSectionPage(IDD_GOAT_TRACKS_PAGE) {}

const MessageMap& CSpecForm_Goat_02::GetMessageMap() const {
    static const MessageMap map(CGoatSectionPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Goat_02::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Goat_02::OnDelete),
    });
    return map;
}

int& CSpecForm_Goat_02::AreaType() const { return Document()->SpecData_Goat_02.AreaType; }

void CSpecForm_Goat_02::DoDataExchange(CDataExchange* pDX) {
    CGoatSectionPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TRACKS, m_grid);
}

void CSpecForm_Goat_02::PreparePage() {
    LoadFromDocument();
    SetupPageGrid(m_grid, {{"Дължина", 150}, {"Ширина", 100}});
    RefillTracks();
}

void CSpecForm_Goat_02::LoadRecord() {
    CGoatSectionPage::LoadRecord();
    m_tracks = Document()->SpecData_Goat_02.Trails;
}

void CSpecForm_Goat_02::SaveRecord() {
    CGoatSectionPage::SaveRecord();
    Document()->SpecData_Goat_02.Trails = m_tracks;
}

void CSpecForm_Goat_02::RefillTracks() {
    RefillPageGrid(m_grid, m_tracks,
                   [](const CTrackSize& track) { return PageGridRow{{track.Length, track.Width}, std::nullopt}; });
}

void CSpecForm_Goat_02::OnAdd() {
    CDlgGoatTracks dialog(this);
    if (dialog.DoModal() != IDOK) return;
    m_tracks.Add(dialog.m_row);
    RefillTracks();
}

void CSpecForm_Goat_02::OnDelete() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_tracks.GetSize()) return;
    m_tracks.RemoveAt(index);
    RefillTracks();
}
