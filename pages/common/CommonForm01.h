#pragma once
// The step "Място на наблюдението": date and hours of the observation, the site (through the
// place picker), the nearest settlement with its municipality, province and EKATTE code,
// the administrative and forestry units, and a few fields that only some species groups
// have. The species code given to the constructor chooses those fields and their labels;
// each species group has its own class that passes its code (CommonForm01Variants.h).
// The page edits the document's place record.
#include "controls/SearchComboBox.h"
#include "pages/common/FormPage.h"
#include "platform/COleDateTime.h"

class CCommonForm_01 : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_01)
public:
    // Species codes of the variants.
    enum SpeciesCode {
        kPlain = 1000,
        kHamster = 1001,
        kMoss = 1002,
        kFungi = 1003,
        kDeer = 1004,
        kTortoise = 1005,
        kBatCaves = 1006,
        kBatHouses = 1007,
        kBatForests = 1008,
        kFish = 1009,
        kAmphibians = 1010,
        kReptiles = 1011,
    };

    static constexpr int IDC_DATE = 2528, IDC_START_TIME = 2529, IDC_END_TIME = 2536;
    static constexpr int IDC_PLACE_GROUP = 2779, IDC_SEARCH_TEXT = 2527, IDC_FIND_PLACE = 2533, IDC_SITE_NAME = 2535,
                         IDC_CLEAR_PLACE = 2534;
    static constexpr int IDC_SPECIES_LABEL = 1368, IDC_SPECIES_TEXT = 1367, IDC_SPECIES_LIST = 2493;
    static constexpr int IDC_SECOND_LABEL = 1388, IDC_SECOND_TEXT = 1387, IDC_HABITAT_LABEL = 1389, IDC_HABITAT_TEXT = 1390;
    static constexpr int IDC_PLOT = 1370, IDC_TRANSECT = 1371, IDC_AREA_LABEL = 2812, IDC_LENGTH_LABEL = 2813,
                         IDC_AREA = 2010, IDC_LENGTH = 2011;
    static constexpr int IDC_CITY = 2083, IDC_EKATTE = 2548, IDC_MUNICIPALITY = 2100, IDC_PROVINCE = 2540;
    static constexpr int IDC_NUTS = 2553, IDC_RIOSW = 2561, IDC_RUG = 2556, IDC_DL = 2557, IDC_DDS = 2558;
    static constexpr int IDC_DEPARTMENT = 2560, IDC_SUBDEPARTMENT = 2008;
    // The entry of the underground habitat list that asks for a description.
    static constexpr int kOtherUndergroundHabitat = 4;

    explicit CCommonForm_01(int speciesCode = kPlain);

    const MessageMap& GetMessageMap() const override;

    // Selects the first entry whose item data is `value` and returns TRUE; with none, FALSE
    // and the selection stays as it was.
    static BOOL SelectComboItemByData(CComboBox& combo, DWORD value);

    void OnFindPlace();
    void OnClearPlace();
    void OnSelchangeCity();
    // Hides every species field, then shows those of the page's species code.
    void ShowSpeciesFields(int speciesCode);
    // Sample plot (0) or transect (1): only the field of the chosen one can be typed in, the
    // other is emptied; -1 leaves both closed.
    void EnablePlotOrTransect(int index);

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    BOOL UsesTitleFont() const override { return FALSE; }
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void FillMunicipalities(int inspectorateId);
    void FillProvinces(int inspectorateId);
    void FillComboForRiosw(CComboBox& combo, const char* table, const char* relationTable, const char* keyColumn,
                           int inspectorateId);
    void OnPlotOrTransect();
    void OnSelchangeSpeciesList();
    // The description of the underground habitat is asked for only with "other" chosen.
    void ApplyCaveRule();

    int m_speciesCode;
    int m_siteId = -1;
    COleDateTime m_date;
    COleDateTime m_startTime;
    COleDateTime m_endTime;
    CString m_searchText;
    CString m_siteName;
    CString m_ekatte;
    CString m_department;
    CString m_subDepartment;
    CString m_speciesText;  // 1367
    CString m_secondText;   // 1387
    CString m_habitatCode;  // 1390
    CString m_area;
    CString m_length;
    int m_plotOrTransect = -1;

    CSearchComboBox m_city;
    CSearchComboBox m_municipality;
    CSearchComboBox m_province;
    CSearchComboBox m_nuts;
    CSearchComboBox m_riosw;
    CSearchComboBox m_rug;
    CSearchComboBox m_dl;
    CSearchComboBox m_dds;
    CComboBox m_speciesList;
};
