#pragma once
// The settlements of the inspectorate or park of the login, as the place page and the wolf
// route dialog list them. Each entry is the settlement's name padded to 35 characters, four
// blanks (kCityCodePadding) and its EKATTE code, so that the codes stand in one column; its
// item data is the settlement's EKNM_CITIES ID.
#include <optional>

#include "platform/ListControls.h"

inline constexpr char kCityCodePadding[] = "    ";

// Empties the list and fills it; after a database error (shown) it keeps what was read.
void FillCitiesOfInspectorate(CComboBox& cities, int inspectorateId);

// What EKNM_CITIES knows of a settlement.
struct CCityRow {
    CString ekatte;
    int municipalityId = 0;
    int provinceId = 0;
};

// The row of the settlement chosen in a list filled above, read on a connection of its own.
// None without a choice, in a list of fewer than two entries (the only settlement of a list
// fills nothing in), without its row, or after a database error (shown to the user).
std::optional<CCityRow> ChosenCityRow(const CComboBox& cities);
