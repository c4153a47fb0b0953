#pragma once
// Step 7023: page 14 with the spore-capsule answer of each tuft; it edits the same record.
#include "pages/species/SpecFormMoss14.h"

class CSpecForm_Moss_23 : public CSpecForm_Moss_14 {
    DECLARE_DYNCREATE(CSpecForm_Moss_23)
public:
    CSpecForm_Moss_23();

    const MessageMap& GetMessageMap() const override;
};
