#include "pages/species/SpecFormMoss21.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_21, CSpecForm_Moss_05)

CSpecForm_Moss_21::CSpecForm_Moss_21() : CSpecForm_Moss_05(7021) {}

const MessageMap& CSpecForm_Moss_21::GetMessageMap() const {
    static const MessageMap map(CSpecForm_Moss_05::GetMessageMap(), {});
    return map;
}
