#pragma once
// The wolf step "Вълк - 1.4", the cubs: their number ("Брой:") and notes.
#include "pages/species/WolfNotesPage.h"

class CSpecForm_Wolf_04 : public CWolfCountPage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_04)
public:
    CSpecForm_Wolf_04();

protected:
    CString& Notes() const override;
    CString& Count() const override;
};
