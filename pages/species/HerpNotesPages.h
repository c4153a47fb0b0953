#pragma once
// "Влечуги - 2" and "Земноводни - 2": the changes of the habitat and notes, two free texts.
// The two pages are alike; each edits its own form's second record.
#include "pages/common/FormPage.h"

class CSpecData_HabitatNotes;

class CHerpNotesPage : public CFormPage {
    DECLARE_DYNAMIC(CHerpNotesPage)
public:
    static constexpr int IDC_HABITAT_CHANGES = 2746, IDC_NOTES = 2645;

    using CFormPage::CFormPage;

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;
    virtual CSpecData_HabitatNotes& Record() const = 0;

private:
    CString m_habitatChanges;
    CString m_notes;
};

class CSpecForm_Reptile_02 : public CHerpNotesPage {
    DECLARE_DYNCREATE(CSpecForm_Reptile_02)
public:
    CSpecForm_Reptile_02();

protected:
    CSpecData_HabitatNotes& Record() const override;
};

class CSpecForm_Amphibia_02 : public CHerpNotesPage {
    DECLARE_DYNCREATE(CSpecForm_Amphibia_02)
public:
    CSpecForm_Amphibia_02();

protected:
    CSpecData_HabitatNotes& Record() const override;
};
