#pragma once
// The wolf step "Вълк - 2.1": trails ("Следи:") by paw and stride sizes, and the habitat.
#include "pages/species/DlgWolfTrack.h"
#include "pages/species/WolfTablePage.h"

class CSpecForm_Wolf_11 : public CWolfTablePage<CWolf11Row, CDlg_Wolf_Track> {
    DECLARE_DYNCREATE(CSpecForm_Wolf_11)
public:
    static constexpr int IDC_GRID = 2407;

    CSpecForm_Wolf_11();

protected:
    void SetupGrid(CGridCtrl& grid) override;
    CArray<CWolf11Row>& RecordRows() const override;
    CString* RecordHabitat() const override;
};
