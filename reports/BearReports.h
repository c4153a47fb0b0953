#pragma once
// The bear reports: the bears seen and their meetings with people on "Bear_1.rpt" (form 23);
// signs on objects, dens and beds, tracks and droppings on the four sections of
// "Bear_2.rpt" (forms 31 to 34).
class CReportParameters;

void FillBear1(CReportParameters& report, int section, int secondSection);
void FillBear2(CReportParameters& report, int section, int secondSection);
