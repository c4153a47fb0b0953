#pragma once
// What the first amphibian and reptile pages share: the animals counted by age class with
// their total, the habitat, and the list of accompanying species. The total is the sum of
// adults, sub-adults and young, "" when it is 0; it follows every change of the three and
// cannot be typed over. Each page states its record and its fields' limits.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/SpeciesNameRow.h"

class CHerpCountsPage : public CFormPage {
    DECLARE_DYNAMIC(CHerpCountsPage)
public:
    static constexpr int IDC_ADULTS = 2743, IDC_SUBADULTS = 2713, IDC_YOUNG = 2068, IDC_TOTAL = 2716, IDC_KILLED = 2744,
                         IDC_HABITAT = 2741, IDC_SPECIES = 2742, IDC_ADD = 2596, IDC_DELETE = 2598;

    // `formCode`: the page's step code, which chooses the species the picker offers.
    CHerpCountsPage(UINT templateId, int formCode) : CFormPage(templateId), m_formCode(formCode) {}

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();
    void OnCountChange();
    void OnTotalChange();

    const CArray<CSpeciesNameRow>& SpeciesRows() const { return m_speciesRows; }
    CGridCtrl& SpeciesGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void DoDataExchange(CDataExchange* pDX) final;
    // The page's own fields, in its record's order.
    virtual void ExchangeFields(CDataExchange* pDX) = 0;

    // The fields both records have (YoungCount the sub-adults, BabiesCount the young).
    template <class CountsRecord>
    void LoadCounts(const CountsRecord& record) {
        m_adults = record.AdultCount;
        m_subAdults = record.YoungCount;
        m_young = record.BabiesCount;
        m_total = record.TotalCount;
        m_killed = record.RoadkilledCount;
        m_habitat = record.AreaDescription;
        m_speciesRows = record.HommieSpecies;
    }
    template <class CountsRecord>
    void SaveCounts(CountsRecord& record) const {
        record.AdultCount = m_adults;
        record.YoungCount = m_subAdults;
        record.BabiesCount = m_young;
        record.TotalCount = m_total;
        record.RoadkilledCount = m_killed;
        record.AreaDescription = m_habitat;
        record.HommieSpecies = m_speciesRows;
    }

    CString m_adults;
    CString m_subAdults;
    CString m_young;
    CString m_total;
    CString m_killed;
    CString m_nests;
    CString m_habitat;
    CArray<CSpeciesNameRow> m_speciesRows;

private:
    int m_formCode;
    CGridCtrl m_grid;
};
