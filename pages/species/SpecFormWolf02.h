#pragma once
// The wolf step "Вълк - 1.2", the pair: notes.
#include "pages/species/WolfNotesPage.h"

class CSpecForm_Wolf_02 : public CWolfNotesPage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_02)
public:
    CSpecForm_Wolf_02();

protected:
    CString& Notes() const override;
};
