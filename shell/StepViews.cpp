// The view switch's table: every workflow code with the class its view is made of. A page
// that is built replaces its entry's nullptr by its class record (and gets its include);
// until then the code shows the placeholder view.
#include "shell/StepViews.h"

#include <algorithm>

#include "pages/common/ChooseForm.h"
#include "pages/common/ChooseForm00.h"
#include "pages/common/CommonForm01Variants.h"
#include "pages/common/CommonForm02Variants.h"
#include "pages/common/CommonForm03.h"
#include "pages/common/CommonForm04Variants.h"
#include "pages/common/CommonForm05.h"
#include "pages/common/CommonForm06.h"
#include "pages/common/CommonForm07Threat.h"
#include "pages/common/CommonFormInsertImages.h"
#include "pages/species/HerpNotesPages.h"
#include "pages/species/SpecFormAmphibia01.h"
#include "pages/species/SpecFormBat01Forest.h"
#include "pages/species/SpecFormBat02Forest.h"
#include "pages/species/SpecFormBat03Houses.h"
#include "pages/species/SpecFormBat04Caves.h"
#include "pages/species/SpecFormBat05Caves.h"
#include "pages/species/SpecFormBat06WetLand.h"
#include "pages/species/SpecFormBat07WetLand.h"
#include "pages/species/SpecFormBear01.h"
#include "pages/species/SpecFormBear02.h"
#include "pages/species/SpecFormBear03.h"
#include "pages/species/SpecFormBear04.h"
#include "pages/species/SpecFormBear05.h"
#include "pages/species/SpecFormBear06.h"
#include "pages/species/SpecFormBear07.h"
#include "pages/species/SpecFormDeer01.h"
#include "pages/species/SpecFormDeer02.h"
#include "pages/species/SpecFormDeer03.h"
#include "pages/species/SpecFormDeer04.h"
#include "pages/species/SpecFormFish00.h"
#include "pages/species/SpecFormFish01.h"
#include "pages/species/SpecFormFish02.h"
#include "pages/species/SpecFormFish03.h"
#include "pages/species/SpecFormFungus01.h"
#include "pages/species/SpecFormFungus02.h"
#include "pages/species/SpecFormFungus03.h"
#include "pages/species/SpecFormFungus04.h"
#include "pages/species/SpecFormFungus05.h"
#include "pages/species/SpecFormGoat01.h"
#include "pages/species/SpecFormGoat02.h"
#include "pages/species/SpecFormGoat03.h"
#include "pages/species/SpecFormGoat04.h"
#include "pages/species/SpecFormGoat05.h"
#include "pages/species/SpecFormHamster01.h"
#include "pages/species/SpecFormHamster02.h"
#include "pages/species/SpecFormHamster03.h"
#include "pages/species/SpecFormMoss01.h"
#include "pages/species/SpecFormMoss02.h"
#include "pages/species/SpecFormMoss03.h"
#include "pages/species/SpecFormMoss04.h"
#include "pages/species/SpecFormMoss05.h"
#include "pages/species/SpecFormMoss06.h"
#include "pages/species/SpecFormMoss07.h"
#include "pages/species/SpecFormMoss08.h"
#include "pages/species/SpecFormMoss09.h"
#include "pages/species/SpecFormMoss10.h"
#include "pages/species/SpecFormMoss11.h"
#include "pages/species/SpecFormMoss12.h"
#include "pages/species/SpecFormMoss13.h"
#include "pages/species/SpecFormMoss14.h"
#include "pages/species/SpecFormMoss15.h"
#include "pages/species/SpecFormMoss16.h"
#include "pages/species/SpecFormMoss17.h"
#include "pages/species/SpecFormMoss18.h"
#include "pages/species/SpecFormMoss19.h"
#include "pages/species/SpecFormMoss20.h"
#include "pages/species/SpecFormMoss21.h"
#include "pages/species/SpecFormMoss22.h"
#include "pages/species/SpecFormMoss23.h"
#include "pages/species/SpecFormReptile01.h"
#include "pages/species/SpecFormTortoise01.h"
#include "pages/species/SpecFormTortoise02.h"
#include "pages/species/SpecFormWolf01.h"
#include "pages/species/SpecFormWolf02.h"
#include "pages/species/SpecFormWolf03.h"
#include "pages/species/SpecFormWolf04.h"
#include "pages/species/SpecFormWolf05.h"
#include "pages/species/SpecFormWolf06.h"
#include "pages/species/SpecFormWolf07.h"
#include "pages/species/SpecFormWolf08.h"
#include "pages/species/SpecFormWolf09.h"
#include "pages/species/SpecFormWolf10.h"
#include "pages/species/SpecFormWolf11.h"
#include "pages/species/SpecFormWolf12.h"
#include "shell/ListProgramModes.h"
#include "shell/MyFormView.h"
#include "shell/ProgramDatabase.h"
#include "shell/ReportListView.h"
#include "shell/TovanSplitView.h"
#include "store/FormDocument.h"

namespace {

constexpr StepView kStepViews[] = {
    {0, "CListProgramModes", RUNTIME_CLASS(CListProgramModes)},
    {999, "CChooseForm", RUNTIME_CLASS(CChooseForm)},
    {1000, "CChooseForm", RUNTIME_CLASS(CChooseForm)},
    {1001, "CChooseForm_00", RUNTIME_CLASS(CChooseForm_00)},
    {1002, "CCommonForm_01", RUNTIME_CLASS(CCommonForm_01)},
    {1003, "CCommonForm_01_Hamster", RUNTIME_CLASS(CCommonForm_01_Hamster)},
    {1004, "CCommonForm_01_Moss", RUNTIME_CLASS(CCommonForm_01_Moss)},
    {1005, "CCommonForm_01_Fungi", RUNTIME_CLASS(CCommonForm_01_Fungi)},
    {1006, "CCommonForm_01_Deer", RUNTIME_CLASS(CCommonForm_01_Deer)},
    {1007, "CCommonForm_01_Tortoise", RUNTIME_CLASS(CCommonForm_01_Tortoise)},
    {1008, "CCommonForm_01_BatCaves", RUNTIME_CLASS(CCommonForm_01_BatCaves)},
    {1009, "CCommonForm_01_BatHouses", RUNTIME_CLASS(CCommonForm_01_BatHouses)},
    {1010, "CCommonForm_01_BatForests", RUNTIME_CLASS(CCommonForm_01_BatForests)},
    {1011, "CCommonForm_01_Fish", RUNTIME_CLASS(CCommonForm_01_Fish)},
    {1012, "CCommonForm_01_Amphibians", RUNTIME_CLASS(CCommonForm_01_Amphibians)},
    {1013, "CCommonForm_01_Reptiles", RUNTIME_CLASS(CCommonForm_01_Reptiles)},
    {1014, "CCommonForm_02", RUNTIME_CLASS(CCommonForm_02)},
    {1015, "CCommonForm_02_AirTemperature", RUNTIME_CLASS(CCommonForm_02_AirTemperature)},
    {1016, "CCommonForm_03", RUNTIME_CLASS(CCommonForm_03)},
    {1017, "CCommonForm_04", RUNTIME_CLASS(CCommonForm_04)},
    {1018, "CCommonForm_05", RUNTIME_CLASS(CCommonForm_05)},
    {1019, "CCommonForm_06", RUNTIME_CLASS(CCommonForm_06)},
    {1020, "CCommonForm_07_Threat", RUNTIME_CLASS(CCommonForm_07_Threat)},
    {1021, "CCommonForm_InsertImages", RUNTIME_CLASS(CCommonForm_InsertImages)},
    {1022, "CReportListView", RUNTIME_CLASS(CReportListView)},
    {1023, "CCommonForm_02_WaterTemperature", RUNTIME_CLASS(CCommonForm_02_WaterTemperature)},
    {1024, "CCommonForm_02_NoTemperature", RUNTIME_CLASS(CCommonForm_02_NoTemperature)},
    {1025, "CCommonForm_02_AirTemperature_Ground", RUNTIME_CLASS(CCommonForm_02_AirTemperature_Ground)},
    {1026, "CCommonForm_02_BothTemperature", RUNTIME_CLASS(CCommonForm_02_BothTemperature)},
    {1027, "CCommonForm_02_OnlyAirTemperature", RUNTIME_CLASS(CCommonForm_02_OnlyAirTemperature)},
    {1028, "CCommonForm_04_Exposure", RUNTIME_CLASS(CCommonForm_04_Exposure)},
    {1029, "CReportListView_Editing", RUNTIME_CLASS(CReportListView_Editing)},
    {1030, "CReportListView_ReadOnly", RUNTIME_CLASS(CReportListView_ReadOnly)},
    {2000, "CMyEdit_FormView", RUNTIME_CLASS(CMyEdit_FormView)},
    {3000, "CMyReport_FormView", RUNTIME_CLASS(CMyReport_FormView)},
    {4000, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {5000, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6000, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6100, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6101, "CSpecForm_Deer_01", RUNTIME_CLASS(CSpecForm_Deer_01)},
    {6102, "CSpecForm_Deer_02", RUNTIME_CLASS(CSpecForm_Deer_02)},
    {6103, "CSpecForm_Deer_03", RUNTIME_CLASS(CSpecForm_Deer_03)},
    {6104, "CSpecForm_Deer_04", RUNTIME_CLASS(CSpecForm_Deer_04)},
    {6200, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6201, "CSpecForm_Bat_01_Forest", RUNTIME_CLASS(CSpecForm_Bat_01_Forest)},
    {6202, "CSpecForm_Bat_02_Forest", RUNTIME_CLASS(CSpecForm_Bat_02_Forest)},
    {6203, "CSpecForm_Bat_03_Houses", RUNTIME_CLASS(CSpecForm_Bat_03_Houses)},
    {6204, "CSpecForm_Bat_04_Caves", RUNTIME_CLASS(CSpecForm_Bat_04_Caves)},
    {6205, "CSpecForm_Bat_05_Caves", RUNTIME_CLASS(CSpecForm_Bat_05_Caves)},
    {6206, "CSpecForm_Bat_06_WetLand", RUNTIME_CLASS(CSpecForm_Bat_06_WetLand)},
    {6207, "CSpecForm_Bat_07_WetLand", RUNTIME_CLASS(CSpecForm_Bat_07_WetLand)},
    {6300, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6301, "CSpecForm_Goat_01", RUNTIME_CLASS(CSpecForm_Goat_01)},
    {6302, "CSpecForm_Goat_02", RUNTIME_CLASS(CSpecForm_Goat_02)},
    {6303, "CSpecForm_Goat_03", RUNTIME_CLASS(CSpecForm_Goat_03)},
    {6304, "CSpecForm_Goat_04", RUNTIME_CLASS(CSpecForm_Goat_04)},
    {6305, "CSpecForm_Goat_05", RUNTIME_CLASS(CSpecForm_Goat_05)},
    {6400, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6401, "CSpecForm_Reptile_01", RUNTIME_CLASS(CSpecForm_Reptile_01)},
    {6402, "CSpecForm_Reptile_02", RUNTIME_CLASS(CSpecForm_Reptile_02)},
    {6500, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6501, "CSpecForm_Amphibia_01", RUNTIME_CLASS(CSpecForm_Amphibia_01)},
    {6502, "CSpecForm_Amphibia_02", RUNTIME_CLASS(CSpecForm_Amphibia_02)},
    {6600, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6601, "CSpecForm_Fungus_01", RUNTIME_CLASS(CSpecForm_Fungus_01)},
    {6602, "CSpecForm_Fungus_02", RUNTIME_CLASS(CSpecForm_Fungus_02)},
    {6603, "CSpecForm_Fungus_03", RUNTIME_CLASS(CSpecForm_Fungus_03)},
    {6604, "CSpecForm_Fungus_04", RUNTIME_CLASS(CSpecForm_Fungus_04)},
    {6605, "CSpecForm_Fungus_05", RUNTIME_CLASS(CSpecForm_Fungus_05)},
    {6700, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6701, "CSpecForm_Bear_01", RUNTIME_CLASS(CSpecForm_Bear_01)},
    {6702, "CSpecForm_Bear_02", RUNTIME_CLASS(CSpecForm_Bear_02)},
    {6703, "CSpecForm_Bear_03", RUNTIME_CLASS(CSpecForm_Bear_03)},
    {6704, "CSpecForm_Bear_04", RUNTIME_CLASS(CSpecForm_Bear_04)},
    {6705, "CSpecForm_Bear_05", RUNTIME_CLASS(CSpecForm_Bear_05)},
    {6706, "CSpecForm_Bear_06", RUNTIME_CLASS(CSpecForm_Bear_06)},
    {6707, "CSpecForm_Bear_07", RUNTIME_CLASS(CSpecForm_Bear_07)},
    {6800, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6801, "CSpecForm_Wolf_01", RUNTIME_CLASS(CSpecForm_Wolf_01)},
    {6802, "CSpecForm_Wolf_02", RUNTIME_CLASS(CSpecForm_Wolf_02)},
    {6803, "CSpecForm_Wolf_03", RUNTIME_CLASS(CSpecForm_Wolf_03)},
    {6804, "CSpecForm_Wolf_04", RUNTIME_CLASS(CSpecForm_Wolf_04)},
    {6805, "CSpecForm_Wolf_05", RUNTIME_CLASS(CSpecForm_Wolf_05)},
    {6806, "CSpecForm_Wolf_06", RUNTIME_CLASS(CSpecForm_Wolf_06)},
    {6807, "CSpecForm_Wolf_07", RUNTIME_CLASS(CSpecForm_Wolf_07)},
    {6808, "CSpecForm_Wolf_08", RUNTIME_CLASS(CSpecForm_Wolf_08)},
    {6809, "CSpecForm_Wolf_09", RUNTIME_CLASS(CSpecForm_Wolf_09)},
    {6810, "CSpecForm_Wolf_10", RUNTIME_CLASS(CSpecForm_Wolf_10)},
    {6811, "CSpecForm_Wolf_11", RUNTIME_CLASS(CSpecForm_Wolf_11)},
    {6812, "CSpecForm_Wolf_12", RUNTIME_CLASS(CSpecForm_Wolf_12)},
    {6900, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6901, "CSpecForm_Fish_00", RUNTIME_CLASS(CSpecForm_Fish_00)},
    {6902, "CSpecForm_Fish_01", RUNTIME_CLASS(CSpecForm_Fish_01)},
    {6903, "CSpecForm_Fish_02", RUNTIME_CLASS(CSpecForm_Fish_02)},
    {6904, "CSpecForm_Fish_03", RUNTIME_CLASS(CSpecForm_Fish_03)},
    {6950, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6951, "CSpecForm_Hamster_01", RUNTIME_CLASS(CSpecForm_Hamster_01)},
    {6952, "CSpecForm_Hamster_02", RUNTIME_CLASS(CSpecForm_Hamster_02)},
    {6953, "CSpecForm_Hamster_03", RUNTIME_CLASS(CSpecForm_Hamster_03)},
    {6960, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {6961, "CSpecForm_Tortoise_01", RUNTIME_CLASS(CSpecForm_Tortoise_01)},
    {6962, "CSpecForm_Tortoise_02", RUNTIME_CLASS(CSpecForm_Tortoise_02)},
    {7000, "CTovan_splitView", RUNTIME_CLASS(CTovan_splitView)},
    {7001, "CSpecForm_Moss_01", RUNTIME_CLASS(CSpecForm_Moss_01)},
    {7002, "CSpecForm_Moss_02", RUNTIME_CLASS(CSpecForm_Moss_02)},
    {7003, "CSpecForm_Moss_03", RUNTIME_CLASS(CSpecForm_Moss_03)},
    {7004, "CSpecForm_Moss_04", RUNTIME_CLASS(CSpecForm_Moss_04)},
    {7005, "CSpecForm_Moss_05", RUNTIME_CLASS(CSpecForm_Moss_05)},
    {7006, "CSpecForm_Moss_06", RUNTIME_CLASS(CSpecForm_Moss_06)},
    {7007, "CSpecForm_Moss_07", RUNTIME_CLASS(CSpecForm_Moss_07)},
    {7008, "CSpecForm_Moss_08", RUNTIME_CLASS(CSpecForm_Moss_08)},
    {7009, "CSpecForm_Moss_09", RUNTIME_CLASS(CSpecForm_Moss_09)},
    {7010, "CSpecForm_Moss_10", RUNTIME_CLASS(CSpecForm_Moss_10)},
    {7011, "CSpecForm_Moss_11", RUNTIME_CLASS(CSpecForm_Moss_11)},
    {7012, "CSpecForm_Moss_12", RUNTIME_CLASS(CSpecForm_Moss_12)},
    {7013, "CSpecForm_Moss_13", RUNTIME_CLASS(CSpecForm_Moss_13)},
    {7014, "CSpecForm_Moss_14", RUNTIME_CLASS(CSpecForm_Moss_14)},
    {7015, "CSpecForm_Moss_15", RUNTIME_CLASS(CSpecForm_Moss_15)},
    {7016, "CSpecForm_Moss_16", RUNTIME_CLASS(CSpecForm_Moss_16)},
    {7017, "CSpecForm_Moss_17", RUNTIME_CLASS(CSpecForm_Moss_17)},
    {7018, "CSpecForm_Moss_18", RUNTIME_CLASS(CSpecForm_Moss_18)},
    {7019, "CSpecForm_Moss_19", RUNTIME_CLASS(CSpecForm_Moss_19)},
    {7020, "CSpecForm_Moss_20", RUNTIME_CLASS(CSpecForm_Moss_20)},
    {7021, "CSpecForm_Moss_21", RUNTIME_CLASS(CSpecForm_Moss_21)},
    {7022, "CSpecForm_Moss_22", RUNTIME_CLASS(CSpecForm_Moss_22)},
    {7023, "CSpecForm_Moss_23", RUNTIME_CLASS(CSpecForm_Moss_23)},
};

}  // namespace

std::span<const StepView> StepViewTable() { return kStepViews; }

const CRuntimeClass* StepViewClass(int code) {
    const auto* entry = std::lower_bound(std::begin(kStepViews), std::end(kStepViews), code,
                                         [](const StepView& view, int wanted) { return view.code < wanted; });
    if (entry != std::end(kStepViews) && entry->code == code && entry->viewClass) return entry->viewClass;
    return RUNTIME_CLASS(CTovan_splitView);
}

BOOL StepHasPage(int code) { return StepViewClass(code) != RUNTIME_CLASS(CTovan_splitView); }

BOOL PagesHoldEveryStep(int formTypeId) {
    CArray<int> steps;
    if (!WithProgramDatabase([&](CSQLite3DB& db) { CTovan_splitDoc::GetFormSteps(db, formTypeId, steps); }))
        return FALSE;
    return std::all_of(steps.begin(), steps.end(), StepHasPage) ? TRUE : FALSE;
}
