#pragma once
// Template ids of the bat pages and their dialogs.
#include "platform/Types.h"

constexpr UINT IDD_BAT_FOREST_1 = 125;
constexpr UINT IDD_BAT_FOREST_2 = 127;
constexpr UINT IDD_BAT_HOUSES = 135;
constexpr UINT IDD_BAT_CAVES_1 = 141;
constexpr UINT IDD_BAT_CAVES_2 = 144;
constexpr UINT IDD_BAT_WETLAND_1 = 151;
constexpr UINT IDD_BAT_WETLAND_2 = 158;

constexpr UINT IDD_BAT_CHOICE = 150;         // the methods of one forest species
constexpr UINT IDD_BAT_OTHER_SPECIES = 146;  // another species of the forest
constexpr UINT IDD_BAT_HOUSE_ADD = 154;
constexpr UINT IDD_BAT_HOUSE_SPECIES = 149;
constexpr UINT IDD_BAT_ADD_SPECIES = 157;    // a species of a cave or a wetland
