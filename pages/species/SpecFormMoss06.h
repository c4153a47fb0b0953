#pragma once
// The notes step ("Бележки"): free text of any length, line breaks kept. The moss forms end
// with it, and the deer, chamois and wolf forms walk it too.
#include "pages/common/FormPage.h"

class CSpecForm_Moss_06 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_06)
public:
    static constexpr int IDC_NOTES_LABEL = 2570, IDC_NOTES = 2645;

    CSpecForm_Moss_06();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_notes;
};
