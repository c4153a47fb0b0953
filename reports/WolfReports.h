#pragma once
// The wolf reports: "Wolf_1.rpt" prints one section per form type 35 to 44 (pack, pair, lair,
// cubs, howling, route, prey, hybrids, stray dogs, killed wolves), each with its own place;
// "Wolf_2.rpt" prints the trails (form 21) or the scats (form 22).
class CReportParameters;

void FillWolf1(CReportParameters& report, int section, int secondSection);
void FillWolf2(CReportParameters& report, int section, int secondSection);
