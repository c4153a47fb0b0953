#pragma once
// Step 7022: page 02 without the plant community, whose stored value is kept; it edits the same record.
#include "pages/species/SpecFormMoss02.h"

class CSpecForm_Moss_22 : public CSpecForm_Moss_02 {
    DECLARE_DYNCREATE(CSpecForm_Moss_22)
public:
    CSpecForm_Moss_22();

    const MessageMap& GetMessageMap() const override;
};
