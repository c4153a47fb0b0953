#pragma once
// The wolf step "Вълк - 1.5", the howling: notes.
#include "pages/species/WolfNotesPage.h"

class CSpecForm_Wolf_05 : public CWolfNotesPage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_05)
public:
    CSpecForm_Wolf_05();

protected:
    CString& Notes() const override;
};
