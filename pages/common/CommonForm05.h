#pragma once
// The step "Местоположение:": the protected areas and sites of the observation place:
// national park with its park section, nature park, reserves, natural monument, protected
// locality, CORINE, ОВМ, Natura 2000 and Ramsar sites. Each list offers only the areas of
// the inspectorate or park of the login; the park sections follow the chosen national park.
// The page edits the document's protected areas record.
#include <array>

#include "controls/SearchComboBox.h"
#include "pages/common/FormPage.h"

class CCommonForm_05 : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_05)
public:
    static constexpr int IDC_NATIONAL_PARK = 2665, IDC_PARK_SECTION = 2666;

    CCommonForm_05();

    const MessageMap& GetMessageMap() const override;

    // The areas of one kind that belong to the inspectorate of the login, in ID order.
    void FillComboForRiosw(int controlId, const char* table, const char* relationTable, const char* keyColumn);
    // The sections of the national park (none for -1).
    void FillParkSections(int controlId, const char* table, int nationalParkId);
    void OnNationalParkChange();

    CSearchComboBox& List(int controlId);

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // In the record's order: national park, park section, then the other nine kinds.
    std::array<CSearchComboBox, 11> m_lists;
};
