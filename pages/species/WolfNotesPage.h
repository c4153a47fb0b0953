#pragma once
// What the simple wolf pages share: the notes (2645: any length, line breaks kept); on
// the pack and cubs pages a count (2814) of at most three digits kept as typed, so "007"
// stays "007" and nothing typed stays ""; on the hybrids and stray dogs pages a presence
// box that the template never shows, exchanged all the same so that a stored answer
// survives the page. Each page names its template and its record's
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

// The box's click, named in each page's message map, only reads the controls back; the page
// runs it once when it starts.
class CWolfPresencePage : public CWolfNotesPage {
public:
    void OnPresenceClicked() { UpdateData(TRUE); }

protected:
    CWolfPresencePage(UINT templateId, int checkId) : CWolfNotesPage(templateId), m_checkId(checkId) {}

    virtual int& Presence() const = 0;

    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    const int m_checkId;
    int m_presence = 0;
};
