#pragma once
// Template ids of the fish pages and of the fish dialog.
#include "platform/Types.h"

constexpr UINT IDD_FISH_SPECIES_PAGE = 242;  // the monitored species
constexpr UINT IDD_FISH_DEVICE_PAGE = 236;   // electrofishing
constexpr UINT IDD_FISH_NET_PAGE = 238;      // net fishing
constexpr UINT IDD_FISH_CATCH_PAGE = 240;    // the fish measured
constexpr UINT IDD_FISH = 202;               // one fish measured
