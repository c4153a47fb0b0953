#pragma once
// What the four pages of the chamois form's second part share: the title "Дива коза - 2"
// and the habitat type, a radio group ("Горски тип" 2729, "Вископланински тип" 2084; -1
// for none) that each section keeps in its own record. Each page is registered directly
// under CFormPage, so that the view switch replaces one by another.
#include "pages/common/FormPage.h"

class CGoatSectionPage : public CFormPage {
public:
    static constexpr int IDC_FOREST = 2729, IDC_HIGH_MOUNTAIN = 2084;

protected:
    explicit CGoatSectionPage(UINT templateId) : CFormPage(templateId) {}

    // The section record's habitat type.
    virtual int& AreaType() const = 0;

    void LoadRecord() override { m_areaType = AreaType(); }
    void SaveRecord() override { AreaType() = m_areaType; }
    void DoDataExchange(CDataExchange* pDX) override {
        CFormPage::DoDataExchange(pDX);
        DDX_Radio(pDX, IDC_FOREST, m_areaType);
    }

private:
    int m_areaType = -1;
};

// A section that counts what was found (resting beds, droppings): the habitat type and one
// free text of at most three characters; its title keeps the template's font.
class CGoatCountSectionPage : public CGoatSectionPage {
protected:
    CGoatCountSectionPage(UINT templateId, int countId) : CGoatSectionPage(templateId), m_countId(countId) {}

    // The section record's count.
    virtual CString& Count() const = 0;

    BOOL UsesTitleFont() const override { return FALSE; }
    void LoadRecord() override {
        CGoatSectionPage::LoadRecord();
        m_count = Count();
    }
    void SaveRecord() override {
        CGoatSectionPage::SaveRecord();
        Count() = m_count;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        CGoatSectionPage::DoDataExchange(pDX);
        DDX_Text(pDX, m_countId, m_count);
        DDV_MaxChars(pDX, m_count, 3);
    }

private:
    int m_countId;
    CString m_count;
};
