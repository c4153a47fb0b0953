#pragma once
// "Костенурка 1": the tortoises seen, one row per animal, added and changed (double click)
// in the tortoise dialog; under them the five habitat kinds the rows refer to by number. It
// edits the document's first tortoise record.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/TortoiseRecords.h"

class CSpecForm_Tortoise_01 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Tortoise_01)
public:
    static constexpr int IDC_ANIMALS = 2445, IDC_ADD = 2596, IDC_DELETE = 2598;

    CSpecForm_Tortoise_01();

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();

    const CArray<CTortoise01Row>& Animals() const { return m_animals; }
    CGridCtrl& AnimalGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void RefreshAnimalGrid();
    void OnAnimalDblClk(NMHDR* header, LRESULT* result);

    CArray<CTortoise01Row> m_animals;
    CGridCtrl m_grid;
};
