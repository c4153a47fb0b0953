#pragma once
// Template ids of the amphibian, reptile and tortoise pages and of their dialogs.
#include "platform/Types.h"

constexpr UINT IDD_ADD_SPECIES = 170;      // the accompanying-species picker
constexpr UINT IDD_REPTILE_PAGE_1 = 171;
constexpr UINT IDD_REPTILE_PAGE_2 = 173;
constexpr UINT IDD_AMPHIBIA_PAGE_1 = 175;
constexpr UINT IDD_AMPHIBIA_PAGE_2 = 177;
constexpr UINT IDD_TORTOISE = 209;         // one tortoise seen
constexpr UINT IDD_TORTOISE_PAGE_1 = 254;
constexpr UINT IDD_TORTOISE_PAGE_2 = 256;
