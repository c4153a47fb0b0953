#pragma once
// Template ids of the common pages that every form shares and of their pickers.
#include "platform/Types.h"

constexpr UINT IDD_PLACE_PAGE = 104;        // place and time
constexpr UINT IDD_CLIMATE_PAGE = 107;      // weather
constexpr UINT IDD_COORDINATES_PAGE = 109;  // GPS points, region, altitude, exposure
constexpr UINT IDD_FORESTRY_PAGE = 110;     // forestry units
constexpr UINT IDD_LOCALITY_PAGE = 111;     // protected areas
constexpr UINT IDD_CHOOSE_PLACE = 5102;     // the place picker
constexpr UINT IDD_COORDINATES = 5103;      // one point in degrees, minutes, seconds
