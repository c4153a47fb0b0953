#pragma once
// The wolf step "Вълк - 1.10": the killed wolves ("Убити вълци:"), one row each.
#include "pages/species/DlgWolfKilled.h"
#include "pages/species/WolfTablePage.h"

class CSpecForm_Wolf_10 : public CWolfTablePage<CWolf10Row, CDlg_Wolf_Killed> {
    DECLARE_DYNCREATE(CSpecForm_Wolf_10)
public:
    static constexpr int IDC_GRID = 2402;

    CSpecForm_Wolf_10();

protected:
    void SetupGrid(CGridCtrl& grid) override;
    CArray<CWolf10Row>& RecordRows() const override;
};
