#pragma once
// The two fish reports: the catch with nets ("Fish_1.rpt") and with an electrofishing
// device ("Fish_2.rpt"). Both print the water body and its temperature, the weather and the
// fish measured; they differ in how the fish were caught.
class CReportParameters;

void FillFish1(CReportParameters& report, int section, int secondSection);
void FillFish2(CReportParameters& report, int section, int secondSection);
