#pragma once
// "Прилепи - Пещери 2": the other species found in the underground habitat (any bat), where
// the colony sits, notes and the changes seen.
#include "pages/species/BatSpeciesListPage.h"

class CSpecForm_Bat_05_Caves : public CBatSpeciesListPage {
    DECLARE_DYNCREATE(CSpecForm_Bat_05_Caves)
public:
    static constexpr int IDC_COLONY = 2649;

    CSpecForm_Bat_05_Caves();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_colonyLocation;
    CString m_notes;
    CString m_changes;
};
