#pragma once
// Templates and pictures of the chamois pages and their dialogs.
#include "platform/Types.h"

constexpr UINT IDD_GOAT_SEEN_PAGE = 167;     // the animals seen by sex and age class
constexpr UINT IDD_GOAT_TRACKS_PAGE = 169;   // section 1: tracks
constexpr UINT IDD_GOAT_BEDS_PAGE = 366;     // section 2: resting beds
constexpr UINT IDD_GOAT_SIGNS_PAGE = 367;    // section 4: other signs
constexpr UINT IDD_GOAT_DROPPINGS_PAGE = 368;  // section 3: droppings
constexpr UINT IDD_GOAT_TRACK = 168;         // the size of one track
constexpr UINT IDD_GOAT_LEGEND = 159;        // the age classes in pictures
// The legend's pictures: young of the year, yearling, young and mature female, young and mature male.
constexpr UINT IDB_GOAT_KID = 160;
constexpr UINT IDB_GOAT_YEARLING = 162;
constexpr UINT IDB_GOAT_YOUNG_FEMALE = 163;
constexpr UINT IDB_GOAT_FEMALE = 164;
constexpr UINT IDB_GOAT_YOUNG_MALE = 165;
constexpr UINT IDB_GOAT_MALE = 166;
