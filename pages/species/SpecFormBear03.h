#pragma once
// The step "Мечка - 2.1": a sign left by a bear on an object: what provoked it, the object,
// where it stands, the sign's height and the vegetation around.
#include "pages/common/FormPage.h"
#include "store/BearRecords.h"

class CSpecForm_Bear_03 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bear_03)
public:
    static constexpr int IDC_REASONS = 2057, IDC_OBJECT_TYPE = 2791, IDC_OBJECT_SITUATED = 2080, IDC_HEIGHT = 2016;
    static constexpr int IDC_CONIFEROUS = 2785;  // the first of the vegetation kinds

    CSpecForm_Bear_03();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSpecData_Bear_03 m_record;
};
