#pragma once
// The chamois section of the tracks: the habitat type and the sizes of the tracks measured,
// added with the track dialog and deleted one whole row at a time; rows are not changed.
#include "controls/grid/GridCtrl.h"
#include "pages/species/GoatSectionPage.h"
#include "store/GoatRecords.h"

class CSpecForm_Goat_02 : public CGoatSectionPage {
    DECLARE_DYNCREATE(CSpecForm_Goat_02)
public:
    static constexpr int IDC_TRACKS = 2730, IDC_ADD = 2596, IDC_DELETE = 2598;

    CSpecForm_Goat_02();

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();

    CGridCtrl& TrackGrid() { return m_grid; }

protected:
    int& AreaType() const override;
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void RefillTracks();

    CGridCtrl m_grid;
    CArray<CTrackSize> m_tracks;
};
