#pragma once
// "Костенурка 2": for each of the five habitat kinds, whether the animals were met in it
// ("да") and the minutes spent there. Minutes are asked only where "да" is ticked: clearing
// the tick empties them. It edits the document's second tortoise record.
#include "pages/common/FormPage.h"
#include "store/TortoiseRecords.h"

class CSpecForm_Tortoise_02 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Tortoise_02)
public:
    static constexpr int kHabitats = CSpecData_Tortoise_02::kHabitats;
    static constexpr int IDC_CHECKS[kHabitats] = {2582, 2583, 2584, 2585, 2586};
    static constexpr int IDC_MINUTES[kHabitats] = {1436, 2010, 2011, 2012, 2013};

    CSpecForm_Tortoise_02();

    const MessageMap& GetMessageMap() const override;

    // The rule of habitat k (0 to 4), run on entry and on each click of its tick.
    void ApplyCheckRule(int k);

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    template <int k>
    void OnCheckClicked() { ApplyCheckRule(k); }

    CSpecData_Tortoise_02 m_habitats;
};
