#pragma once
// The hamster form prints two reports: "Hamster1.rpt" (site, weather, grazing, vegetation,
// notes) and "Hamster2.rpt" (the five transects). The transect report gets each half of a
// transect as one packed text of five segments, which the report file takes apart at "&"
// (after each segment) and "_" (between a segment's parts):
//
//     longitude(14)_latitude(14)_habitat_water_overgrowing_grass kind_grass height_road_buildings_burrows(4)&
//
// each code one character, 49 characters a segment, 245 a parameter.
#include "platform/CString.h"
#include "store/HamsterRecords.h"

class CReportParameters;

void FillHamster1(CReportParameters& report, int section, int secondSection);
void FillHamster2(CReportParameters& report, int section, int secondSection);

// Segments first to end - 1 in the layout above, one after the other; empty for an empty range.
CString FormatTransectSegments(const CHamsterTransect& segments, int first, int end);
// The text trimmed ("---" when nothing is left), padded with blanks or cut to `width` characters.
CString PadText(const CString& text, int width);
// The number with "%d", padded with blanks or cut to `width` characters.
CString PadNumber(int number, int width);
