#include "pages/species/SpecFormWolf08.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_08, CFormPage)

CSpecForm_Wolf_08::CSpecForm_Wolf_08() : CWolfPresencePage(IDD_WOLF_HYBRIDS_PAGE, IDC_PRESENCE) {}

const MessageMap& CSpecForm_Wolf_08::GetMessageMap() const {
    static const MessageMap map(CWolfPresencePage::GetMessageMap(), {
        OnClicked(IDC_PRESENCE, &CSpecForm_Wolf_08::OnPresenceClicked),
    });
    return map;
}

CString& CSpecForm_Wolf_08::Notes() const { return Document()->SpecData_Wolf_08.Notes; }

int& CSpecForm_Wolf_08::Presence() const { return Document()->SpecData_Wolf_08.CheckWolfHybrids; }
