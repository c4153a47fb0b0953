#pragma once
// The step "Мечка - 2.2": a den or bed: the bed's size, the cave entrance's height and width
// and its distance to the nest chamber, the bedding, the period of use, the vegetation and the
// kind of resting place. Every measure takes digits only.
#include "pages/common/FormPage.h"
#include "store/BearRecords.h"

class CSpecForm_Bear_04 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bear_04)
public:
    static constexpr int IDC_BED_LENGTH = 2731, IDC_BED_WIDTH = 2013, IDC_CAVE_HEIGHT = 2733, IDC_CAVE_WIDTH = 2039;
    static constexpr int IDC_DISTANCE = 2735, IDC_MATERIAL = 2737, IDC_PERIOD = 2739;
    static constexpr int IDC_CONIFEROUS = 2785, IDC_DEN = 2792;  // the first of each choice

    CSpecForm_Bear_04();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSpecData_Bear_04 m_record;
};
