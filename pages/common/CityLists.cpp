#include "pages/common/CityLists.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageValues.h"
#include "shell/ProgramDatabase.h"
#include "store/SqlText.h"

namespace {

constexpr char kCitiesOfInspectorate[] =
    " select ID, EKNM, EKNM_NAME || '          ' || EKNM AS COL1, PROVINCE, MUNICIPALITY, EKNM_NAME from EKNM_CITIES  "
    "where municipality in ( select mun_id from rMun____RIOSW_NP_PP where riosw_np_pp_id = %d ) ";
constexpr char kCity[] = "select ID, EKNM, EKNM_NAME, Province, Municipality from EKNM_CITIES where ID = %d";

constexpr int kCityNameColumn = 35;

CString CityItemText(const CString& name, const CString& code) {
    CString text = name + kCityCodePadding;
    for (int length = name.GetLength(); length < kCityNameColumn; ++length) text += " ";
    return text + code;
}

}  // namespace

void FillCitiesOfInspectorate(CComboBox& cities, int inspectorateId) {
    cities.ResetContent();
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(FormatSql(kCitiesOfInspectorate, inspectorateId)); !query.eof();
             query.nextRow()) {
            const int index =
                cities.AddString(CityItemText(query.getStringField("EKNM_NAME", ""), query.getStringField("EKNM", "")));
            cities.SetItemData(index, static_cast<DWORD>(LeadingInteger(query.getStringField("ID", ""))));
        }
    });
    CComboHelpers::SetDroppedWidthToFit(cities);
}

std::optional<CCityRow> ChosenCityRow(const CComboBox& cities) {
    const int selected = cities.GetCurSel();
    if (selected < 0 || cities.GetCount() <= 1) return std::nullopt;
    const int cityId = static_cast<int>(cities.GetItemData(selected));
    std::optional<CCityRow> city;
    WithProgramDatabase([&](CSQLite3DB& db) {
        CSQLite3Query query = db.execQuery(FormatSql(kCity, cityId));
        if (query.eof()) return;
        city = CCityRow{query.getStringField("EKNM", ""), LeadingInteger(query.getStringField("Municipality", "")),
                        LeadingInteger(query.getStringField("Province", ""))};
    });
    return city;
}
