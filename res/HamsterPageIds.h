#pragma once
// Template ids of the hamster pages and of their transect segment dialog.
#include "platform/Types.h"

constexpr UINT IDD_HAMSTER_TRANSECT = 207;   // one 100-metre segment
constexpr UINT IDD_HAMSTER_SITE_PAGE = 248;  // grazing and overgrowth
constexpr UINT IDD_HAMSTER_TRANSECTS_PAGE = 250;
constexpr UINT IDD_HAMSTER_NOTES_PAGE = 252;
