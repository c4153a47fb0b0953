#pragma once
// The four bat reports: underground habitats (Bat_Cave.rpt), wetlands (Bat_Moist.rpt), forests
// (Bat_Wood.rpt) and bat houses (Bat_Lodge.rpt). Each opens with the site header; the first
// three then give the survey methods, the target species, the species found beside them,
// the closing texts, threats and photo/map signs; the bat house report one row per species
// of each house.
class CReportParameters;

void FillBatCave(CReportParameters& report, int section, int secondSection);
void FillBatMoist(CReportParameters& report, int section, int secondSection);
void FillBatWood(CReportParameters& report, int section, int secondSection);
void FillBatLodge(CReportParameters& report, int section, int secondSection);
