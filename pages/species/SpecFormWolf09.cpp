#include "pages/species/SpecFormWolf09.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_09, CFormPage)

CSpecForm_Wolf_09::CSpecForm_Wolf_09() : CWolfPresencePage(IDD_WOLF_DOGS_PAGE, IDC_PRESENCE) {}

const MessageMap& CSpecForm_Wolf_09::GetMessageMap() const {
    static const MessageMap map(CWolfPresencePage::GetMessageMap(), {
        OnClicked(IDC_PRESENCE, &CSpecForm_Wolf_09::OnPresenceClicked),
    });
    return map;
}

CString& CSpecForm_Wolf_09::Notes() const { return Document()->SpecData_Wolf_09.Notes; }

int& CSpecForm_Wolf_09::Presence() const { return Document()->SpecData_Wolf_09.CheckRambleDogs; }
