#pragma once
// What the simple wolf pages share: the notes (2645: any length, line breaks kept) and, on
// the pack and cubs pages, a count (2814) of at most three digits kept as typed, so "007"
// stays "007" and nothing typed stays "". Each page names its template and its record's
// fields; every page is registered directly under CFormPage, so that the view switch
// replaces one by another.
#include "pages/common/FormPage.h"

class CWolfNotesPage : public CFormPage {
public:
    static constexpr int IDC_NOTES = 2645;

protected:
    explicit CWolfNotesPage(UINT templateId) : CFormPage(templateId) {}

    virtual CString& Notes() const = 0;

    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_notes;
};

class CWolfCountPage : public CWolfNotesPage {
public:
    static constexpr int IDC_COUNT = 2814;

protected:
    using CWolfNotesPage::CWolfNotesPage;

    virtual CString& Count() const = 0;

    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_count;
};
