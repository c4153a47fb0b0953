#include "FormTables.h"

#include "db/SQLite3DB.h"

namespace {

const CFormChildTable kFormChildTables[] = {
    {"tFungus_02_OtherSpecies", "tFungus_02_ID", "tFungus_02"},
    {"tMoss_02_Trees", "tMoss_02_ID", "tMoss_02"},
    {"tMoss_03_GrassBush", "tMoss_03_ID", "tMoss_03"},
    {"tMoss_05_Attendants", "tMoss_05_ID", "tMoss_05"},
    {"tMoss_07_TurfLocation", "tMoss_07_ID", "tMoss_07"},
    {"tMoss_07_TurfProperties", "tMoss_07_ID", "tMoss_07"},
    {"tMoss_08_Trees", "tMoss_08_ID", "tMoss_08"},
    {"tMoss_09_Stubs", "tMoss_09_ID", "tMoss_09"},
    {"tMoss_10_GrassBush", "tMoss_10_ID", "tMoss_10"},
    {"tMoss_13_GrassBush", "tMoss_13_ID", "tMoss_13"},
    {"tMoss_15_GrassBush", "tMoss_15_ID", "tMoss_15"},
    {"tMoss_16_GrassBush", "tMoss_16_ID", "tMoss_16"},
    {"tMoss_17_TreeHosts", "tMoss_17_ID", "tMoss_17"},
    {"tMoss_17_MossColonies", "tMoss_17_ID", "tMoss_17"},
    {"tMoss_19_GrassBush", "tMoss_19_ID", "tMoss_19"},
    {"tBats_01_Forests_Methods", "tBats_01_Forests_ID", "tBats_01_Forests"},
    {"tBats_02_Forests_ExtraBats", "tBats_02_Forests_ID", "tBats_02_Forests"},
    {"tBats_03_Houses_BatHouses_Species", "tBats_03_Houses_BatHouses_ID", "tBats_03_Houses_BatHouses"},
    {"tBats_03_Houses_BatHouses", "tBats_03_Houses_ID", "tBats_03_Houses"},
    {"tBats_04_Caves_Species", "tBats_04_Caves_ID", "tBats_04_Caves"},
    {"tBats_05_Caves_Species", "tBats_05_Caves_ID", "tBats_05_Caves"},
    {"tBats_06_WetLands_Species", "tBats_06_WetLands_ID", "tBats_06_WetLands"},
    {"tBats_07_WetLands_Species", "tBats_07_Caves_ID", "tBats_07_WetLands"},
    {"tMoss_15_Arhegon", "tMoss_15_ID", "tMoss_15"},
    {"tMoss_04_Turf", "tMoss_04_ID", "tMoss_04"},
    {"tMoss_11_TurfSituation", "tMoss_11_ID", "tMoss_11"},
    {"tAmphibia_01_HommieSpecies", "tAmphibia_01_ID", "tAmphibia_01"},
    {"tTortoise_01_animals", "tTortoise_01_ID", "tTortoise_01"},
    {"tReptiles_01_HommieSpecies", "tReptiles_01_ID", "tReptiles_01"},
    {"tHamster_02_Transects", "tHamster_02_ID", "tHamster_02"},
    {"tGoat_02_Trails", "tGoat_02_ID", "tGoat_02"},
    {"tWolf_07_PreyAnketi", "tWolf_07_ID", "tWolf_07"},
    {"tWolf_07_PreyObservations", "tWolf_07_ID", "tWolf_07"},
    {"tWolf_10_Killed", "tWolf_10_ID", "tWolf_10"},
    {"tWolf_11_Trails", "tWolf_11_ID", "tWolf_11"},
    {"tWolf_12_Shits", "tWolf_12_ID", "tWolf_12"},
    {"tBear_01_Bears", "tBear_01_ID", "tBear_01"},
    {"Coordinates", "DlgData_ID", "DlgData_03_Coords"},
};
const char* const kFormTables[] = {
    "DlgData_01_Place", "DlgData_02_Climate", "DlgData_03_Coords", "DlgData_04_Locality", "DlgData_06",
    "DlgData_07_Threats", "DlgData_Images",
    "tAmphibia_01", "tAmphibia_02",
    "tBats_01_Forests", "tBats_02_Forests", "tBats_03_Houses", "tBats_04_Caves", "tBats_05_Caves",
    "tBats_06_WetLands", "tBats_07_WetLands",
    "tBear_01", "tBear_02", "tBear_03", "tBear_04", "tBear_05", "tBear_06", "tBear_07",
    "tDeer_01", "tDeer_02", "tDeer_03", "tDeer_04",
    "tFishes_01", "tFishes_02", "tFishes_03",
    "tFungus_01", "tFungus_02", "tFungus_03", "tFungus_04", "tFungus_05",
    "tGoat_01", "tGoat_02", "tGoat_03_Couches", "tGoat_04_Shits", "tGoat_05_OtherSigns",
    "tHamster_01", "tHamster_02", "tHamster_03",
    "tMoss_01", "tMoss_02", "tMoss_03", "tMoss_04", "tMoss_05", "tMoss_06", "tMoss_07", "tMoss_08", "tMoss_09",
    "tMoss_10", "tMoss_11", "tMoss_12", "tMoss_13", "tMoss_14", "tMoss_15", "tMoss_16", "tMoss_17", "tMoss_18",
    "tMoss_19",
    "tReptiles_01", "tReptiles_02",
    "tTortoise_01", "tTortoise_02",
    "tWolf_01_Pack", "tWolf_02_Couple", "tWolf_03_Lair", "tWolf_04_Babies", "tWolf_05_Howl", "tWolf_06_Tracks",
    "tWolf_07", "tWolf_08_Hybrids", "tWolf_09_RambleDogs", "tWolf_10", "tWolf_11", "tWolf_12",
};

}  // namespace

std::span<const CFormChildTable> FormChildTables() { return kFormChildTables; }
std::span<const char* const> FormTables() { return kFormTables; }

CString DeleteFormDataScript(int formId, PictureRows pictures) {
    CString id;
    id.Format("%d", formId);
    CString script;
    // A parent may stand more than once per form (a page record stored under two step codes),
    // so children go by "in", never by "=" against a single parent row.
    for (const CFormChildTable& child : kFormChildTables) {
        script += CString(" delete from ") + child.table + "\twhere " + child.link;
        if (CString(child.parent) == "tBats_03_Houses_BatHouses")  // the houses of the form
            script += "\tin ( select ID from tBats_03_Houses_BatHouses\twhere tBats_03_Houses_ID\tin ( select ID from "
                      "tBats_03_Houses\twhere FormID = " + id + " ) ); \n";
        else
            script += CString("\tin ( select ID from ") + child.parent + "\twhere FormID = " + id + " ); \n";
    }
    // The wolf route's points hang in Coordinates with no coordinates page of their own. A
    // database written by another program may let another form's route name the same row:
    // that row stays for the other form.
    script += " delete from Coordinates\twhere DlgData_ID = -1 and ID\tin ( select GPS_point_id from "
              "tWolf_06_Tracks\twhere FormID = " + id + " ) and not exists ( select 1 from tWolf_06_Tracks o\twhere "
              "o.GPS_point_id = Coordinates.ID and o.FormID is not " + id + " ); \n";
    for (const char* table : kFormTables)
        if (pictures == PictureRows::kDelete || CString(table) != "DlgData_Images")
            script += CString(" delete from ") + table + "\twhere FormID = " + id + "; \n";
    return script;
}

void DeleteFormData(CSQLite3DB& db, int formId, PictureRows pictures) {
    db.execDML(DeleteFormDataScript(formId, pictures));
}
