#include "pages/species/SpecFormMoss23.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_23, CSpecForm_Moss_14)

CSpecForm_Moss_23::CSpecForm_Moss_23() : CSpecForm_Moss_14(1) {}

const MessageMap& CSpecForm_Moss_23::GetMessageMap() const {
    static const MessageMap map(CSpecForm_Moss_14::GetMessageMap(), {});
    return map;
}
