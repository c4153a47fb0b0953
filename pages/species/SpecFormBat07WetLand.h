#pragma once
// "Прилепи - Влажни зони 2": the other species found at the wetland (any bat), notes and the
// changes seen.
#include "pages/species/BatSpeciesListPage.h"

class CSpecForm_Bat_07_WetLand : public CBatSpeciesListPage {
    DECLARE_DYNCREATE(CSpecForm_Bat_07_WetLand)
public:
    CSpecForm_Bat_07_WetLand();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_notes;
    CString m_changes;
};
