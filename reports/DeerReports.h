#pragma once
// The red deer reports: "Deer_1.rpt" (stags and hinds by age class, form 25) and
// "Deer_2.rpt" (the rutting stag and its place, form 26).
class CReportParameters;

void FillDeer1(CReportParameters& report, int section, int secondSection);
void FillDeer2(CReportParameters& report, int section, int secondSection);
