#pragma once
// Step 7021: page 05's companion mosses under step 7021; it edits the same record.
#include "pages/species/SpecFormMoss05.h"

class CSpecForm_Moss_21 : public CSpecForm_Moss_05 {
    DECLARE_DYNCREATE(CSpecForm_Moss_21)
public:
    CSpecForm_Moss_21();

    const MessageMap& GetMessageMap() const override;
};
