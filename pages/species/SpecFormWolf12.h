#pragma once
// The wolf step "Вълк - 2.2": scats ("Екскременти:") by size, colour, hair and bones, and the habitat.
#include "pages/species/DlgWolfScat.h"
#include "pages/species/WolfTablePage.h"

class CSpecForm_Wolf_12 : public CWolfTablePage<CWolf12Row, CDlg_Wolf_Scat> {
    DECLARE_DYNCREATE(CSpecForm_Wolf_12)
public:
    static constexpr int IDC_GRID = 2409;

    CSpecForm_Wolf_12();

protected:
    void SetupGrid(CGridCtrl& grid) override;
    CArray<CWolf12Row>& RecordRows() const override;
    CString* RecordHabitat() const override;
};
