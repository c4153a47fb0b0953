#pragma once
// The step "Мечка - 2.3": tracks: the hind paw's length and width, the front paw's length,
// and the bear's size class by the hind paw; beside them the picture of how paws are measured.
#include "pages/common/FormPage.h"
#include "store/BearRecords.h"

class CSpecForm_Bear_05 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bear_05)
public:
    static constexpr int IDC_BACK_LENGTH = 2796, IDC_BACK_WIDTH = 2017, IDC_FRONT_LENGTH = 2058;
    static constexpr int IDC_FIRST_SIZE = 2760, IDC_PAWS_FRAME = 2797;

    CSpecForm_Bear_05();

    void OnInitialUpdate() override;

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDraw(CDC* dc) override;

private:
    CSpecData_Bear_05 m_record;
};
