#pragma once
// The report fillers of the fungus forms: the site and population form (form type 1,
// "Mushroom_1.rpt") and the trial-plot form (30, "Mushroom_2.rpt").
class CReportParameters;

void FillMushroom1(CReportParameters& report, int section, int secondSection);
void FillMushroom2(CReportParameters& report, int section, int secondSection);
