#pragma once
// Template ids of the bear pages, of the bear dialog and of the bear pictures.
#include "platform/Types.h"

constexpr UINT IDD_BEAR_SEEN_PAGE = 186;       // 1.1 the bears seen
constexpr UINT IDD_BEAR_PEOPLE_PAGE = 188;     // 1.2 how they met people
constexpr UINT IDD_BEAR_SIGNS_PAGE = 190;      // 2.1 signs left on objects
constexpr UINT IDD_BEAR_DEN_PAGE = 192;        // 2.2 dens and beds
constexpr UINT IDD_BEAR_TRACKS_PAGE = 194;     // 2.3 tracks
constexpr UINT IDD_BEAR_DROPPINGS_PAGE = 196;  // 2.4 droppings
constexpr UINT IDD_BEAR_NOTES_PAGE = 233;      // 2.5 notes
constexpr UINT IDD_BEAR_ADD = 174;             // one bear seen

constexpr UINT IDB_BEAR_SIZE_TABLE = 232;  // the size classes of bears, on page 1.1
constexpr UINT IDB_BEAR_PAWS = 175;        // how paw prints are measured, on page 2.3
