#pragma once
// The report fillers of the amphibian (form type 13, "Amphibians.rpt"), reptile (14,
// "Reptile.rpt") and land-tortoise (15, "Tortoise.rpt") forms.
class CReportParameters;

void FillAmphibians(CReportParameters& report, int section, int secondSection);
void FillReptile(CReportParameters& report, int section, int secondSection);
void FillTortoise(CReportParameters& report, int section, int secondSection);
