#include "ReportTable.h"

#include <algorithm>
#include <iterator>

#include "reports/BatReports.h"
#include "reports/BearReports.h"
#include "reports/DeerReports.h"
#include "reports/FishReports.h"
#include "reports/FungusReports.h"
#include "reports/GoatReports.h"
#include "reports/HamsterReports.h"
#include "reports/HerpReports.h"
#include "reports/MossReports.h"
#include "reports/ReportParameters.h"
#include "reports/WolfReports.h"

namespace {

constexpr FormTypeReport One(int formTypeId, const char* fileName, ReportFiller filler, int section = -1,
                             int secondSection = -1) {
    return {formTypeId, {fileName, filler}, {}, section, secondSection};
}

// Form types 24 and 29 have no report.
constexpr FormTypeReport kReports[] = {
    One(1, "Mushroom_1.rpt", FillMushroom1),
    One(2, "moss_Buxbaumia viridis.rpt", FillMoss2),
    One(3, "moss_Meesia longiseta.rpt", FillMoss3),
    One(4, "moss_Neckera pennata_Dicranum viridae_Frullania fragilifolia.rpt", FillMoss4),
    One(5, "moss_Sphagnum cuspidatum_Sphagnum fallax.rpt", FillMoss5),
    One(6, "moss_Grimmia teretinervis.rpt", FillMoss6),
    One(7, "moss_Hamatocaulis vernicosus.rpt", FillMoss7),
    One(8, "moss_Mannia triandra_Riccia crustata.rpt", FillMoss8),
    One(9, "moss_Brachythecium geheebi.rpt", FillMoss9),
    One(10, "moss_Bazzania flaccida.rpt", FillMoss10),
    One(11, "Fish_2.rpt", FillFish2),
    One(12, "Fish_1.rpt", FillFish1),
    One(13, "Amphibians.rpt", FillAmphibians),
    One(14, "Reptile.rpt", FillReptile),
    One(15, "Tortoise.rpt", FillTortoise),
    {16, {"Hamster1.rpt", FillHamster1}, {"Hamster2.rpt", FillHamster2}},
    One(17, "Bat_Cave.rpt", FillBatCave),
    One(18, "Bat_Moist.rpt", FillBatMoist),
    One(19, "Bat_Wood.rpt", FillBatWood),
    One(20, "Bat_Lodge.rpt", FillBatLodge),
    One(21, "Wolf_2.rpt", FillWolf2, 1),
    One(22, "Wolf_2.rpt", FillWolf2, 2),
    One(23, "Bear_1.rpt", FillBear1),
    One(25, "Deer_1.rpt", FillDeer1),
    One(26, "Deer_2.rpt", FillDeer2),
    One(27, "Goat_1.rpt", FillGoat1),
    One(28, "Goat_2.rpt", FillGoat2, 1),
    One(30, "Mushroom_2.rpt", FillMushroom2),
    One(31, "Bear_2.rpt", FillBear2, 1),
    One(32, "Bear_2.rpt", FillBear2, 2),
    One(33, "Bear_2.rpt", FillBear2, 3),
    One(34, "Bear_2.rpt", FillBear2, 4),
    One(35, "Wolf_1.rpt", FillWolf1, 1, -1),
    One(36, "Wolf_1.rpt", FillWolf1, 2, -1),
    One(37, "Wolf_1.rpt", FillWolf1, 3, -1),
    One(38, "Wolf_1.rpt", FillWolf1, 4, -1),
    One(39, "Wolf_1.rpt", FillWolf1, 5, -1),
    One(40, "Wolf_1.rpt", FillWolf1, 6, -1),
    One(41, "Wolf_1.rpt", FillWolf1, 7, 8),
    One(42, "Wolf_1.rpt", FillWolf1, 9, -1),
    One(43, "Wolf_1.rpt", FillWolf1, 10, -1),
    One(44, "Wolf_1.rpt", FillWolf1, 11, -1),
    One(45, "Goat_2.rpt", FillGoat2, 2),
    One(46, "Goat_2.rpt", FillGoat2, 3),
    One(47, "Goat_2.rpt", FillGoat2, 4),
};

}  // namespace

const FormTypeReport* FindFormTypeReport(int formTypeId) {
    const auto found = std::find_if(std::begin(kReports), std::end(kReports),
                                    [formTypeId](const FormTypeReport& report) { return report.formTypeId == formTypeId; });
    return found == std::end(kReports) ? nullptr : found;
}
