#pragma once
// The step "Мечка - 1.1": the bears seen, one row each, added and changed in the bear dialog,
// and their behaviour. "Таблица мечки" shows the table of size classes under the page while
// it is ticked; it is clear whenever the page is shown and is not kept.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/BearRecords.h"

class CSpecForm_Bear_01 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bear_01)
public:
    static constexpr int IDC_BEARS = 2757, IDC_ADD_BEAR = 2596, IDC_DELETE_BEAR = 2598, IDC_BEHAVIOUR = 2770;
    static constexpr int IDC_SHOW_TABLE = 1390, IDC_TABLE_FRAME = 2797;

    CSpecForm_Bear_01();

    const MessageMap& GetMessageMap() const override;

    void OnAddBear();
    void OnDeleteBear();
    void OnShowTable();

    CGridCtrl& BearGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDraw(CDC* dc) override;

private:
    void RefreshBearGrid();
    void OnBearDblClk(NMHDR* header, LRESULT* result);

    CGridCtrl m_grid;
    CString m_behaviour;
    CArray<CBear01Row> m_bears;
    int m_showTable = 0;
};
