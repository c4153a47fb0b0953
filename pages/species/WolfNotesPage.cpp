#include "pages/species/WolfNotesPage.h"

namespace {

constexpr int kCountLength = 3;

}  // namespace

void CWolfNotesPage::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NOTES, m_notes);
}

void CWolfNotesPage::LoadRecord() { m_notes = Notes(); }

void CWolfNotesPage::SaveRecord() { Notes() = m_notes; }

void CWolfCountPage::DoDataExchange(CDataExchange* pDX) {
    CWolfNotesPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDV_MaxChars(pDX, m_count, kCountLength);
}

void CWolfCountPage::LoadRecord() {
    CWolfNotesPage::LoadRecord();
    m_count = Count();
}

void CWolfCountPage::SaveRecord() {
    CWolfNotesPage::SaveRecord();
    Count() = m_count;
}

void CWolfPresencePage::DoDataExchange(CDataExchange* pDX) {
    CWolfNotesPage::DoDataExchange(pDX);
    DDX_Check(pDX, m_checkId, m_presence);
}

void CWolfPresencePage::PreparePage() {
    LoadFromDocument();
    OnPresenceClicked();
}

void CWolfPresencePage::LoadRecord() {
    m_presence = Presence();
    CWolfNotesPage::LoadRecord();
}

void CWolfPresencePage::SaveRecord() {
    Presence() = m_presence;
    CWolfNotesPage::SaveRecord();
}
