#pragma once
// The wolf step "Вълк - 1.8", hybrids: the presence of hybrids (never shown) and notes.
#include "pages/species/WolfNotesPage.h"

class CSpecForm_Wolf_08 : public CWolfPresencePage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_08)
public:
    static constexpr int IDC_PRESENCE = 2809;

    CSpecForm_Wolf_08();

    const MessageMap& GetMessageMap() const override;

protected:
    CString& Notes() const override;
    int& Presence() const override;
};
