#pragma once
// What the stags page and the hinds page share: four counts by age class (2712-2715) and
// their total (2716), which follows the counts and cannot be typed over. Each page names its
// template and its record; both are registered directly under CFormPage, so that the view
// switch replaces one by the other.
#include "pages/common/FormPage.h"

struct CDeerAgeClasses;

class CDeerAgeClassPage : public CFormPage {
public:
    static constexpr int IDC_VERY_YOUNG = 2712, IDC_YOUNG = 2713, IDC_OLD = 2714, IDC_VERY_OLD = 2715, IDC_TOTAL = 2716;

    const MessageMap& GetMessageMap() const override;

protected:
    explicit CDeerAgeClassPage(UINT templateId) : CFormPage(templateId) {}

    virtual CDeerAgeClasses& Record() const = 0;

    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnChangeCount();
    void OnChangeTotal();

private:
    CString m_veryYoung;
    CString m_young;
    CString m_old;
    CString m_veryOld;
    CString m_total;
};
