#include "pages/species/SpecFormMoss22.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_22, CSpecForm_Moss_02)

CSpecForm_Moss_22::CSpecForm_Moss_22() : CSpecForm_Moss_02(7022) {}

const MessageMap& CSpecForm_Moss_22::GetMessageMap() const {
    static const MessageMap map(CSpecForm_Moss_02::GetMessageMap(), {});
    return map;
}
