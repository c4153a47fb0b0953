#pragma once
// The chamois reports: "Goat_1.rpt" (the animals seen by sex and age class, form 27) and
// "Goat_2.rpt", whose four sections are printed by forms 28, 45, 46 and 47 (tracks, resting
// beds, droppings, other signs); the section number ends several parameter names.
class CReportParameters;

void FillGoat1(CReportParameters& report, int section, int secondSection);
void FillGoat2(CReportParameters& report, int section, int secondSection);
