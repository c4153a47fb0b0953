#pragma once
// The wolf step "Вълк - 1.9", stray dogs: the presence of stray dogs (never shown) and notes.
#include "pages/species/WolfNotesPage.h"

class CSpecForm_Wolf_09 : public CWolfPresencePage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_09)
public:
    static constexpr int IDC_PRESENCE = 2810;

    CSpecForm_Wolf_09();

    const MessageMap& GetMessageMap() const override;

protected:
    CString& Notes() const override;
    int& Presence() const override;
};
