#pragma once
// The step "Мечка - 2.4": what the droppings are made of.
#include "pages/common/FormPage.h"
#include "store/BearRecords.h"

class CSpecForm_Bear_06 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bear_06)
public:
    static constexpr int IDC_DROPPINGS = 2055;

    CSpecForm_Bear_06();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSpecData_Bear_06 m_record;
};
