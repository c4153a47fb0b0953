#pragma once
// The wolf step "Вълк - 1.3", the lair: inhabited ("Обитавана:" да / не, or not answered)
// and notes.
#include "pages/species/WolfNotesPage.h"

class CSpecForm_Wolf_03 : public CWolfNotesPage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_03)
public:
    static constexpr int IDC_INHABITED = 2817, IDC_NOT_INHABITED = 2084;

    CSpecForm_Wolf_03();

protected:
    CString& Notes() const override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    int m_inhabited = -1;  // the record's IsHabited
};
