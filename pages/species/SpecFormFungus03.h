#pragma once
// "Гъби - 3": the notes. The page also carries the collecting notes in a field that is never
// shown; they go with the form while it is open and are not stored.
#include "pages/common/FormPage.h"

class CSpecForm_Fungus_03 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fungus_03)
public:
    static constexpr int IDC_COLLECTION_LABEL = 2571, IDC_COLLECTION_NOTES = 2647, IDC_NOTES = 2645;

    CSpecForm_Fungus_03();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_collectionNotes;
    CString m_notes;
};
