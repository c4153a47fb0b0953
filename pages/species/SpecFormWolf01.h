#pragma once
// The wolf step "Вълк - 1.1", the pack: the number of wolves ("Брой вълци:") and notes.
#include "pages/species/WolfNotesPage.h"

class CSpecForm_Wolf_01 : public CWolfCountPage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_01)
public:
    CSpecForm_Wolf_01();

protected:
    CString& Notes() const override;
    CString& Count() const override;
};
