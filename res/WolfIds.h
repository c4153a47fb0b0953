#pragma once
// Template ids of the wolf pages and of the route dialog.
#include "platform/Types.h"

constexpr UINT IDD_WOLF_PACK_PAGE = 198;   // the pack: number of wolves and notes
constexpr UINT IDD_WOLF_PAIR_PAGE = 200;   // the pair: notes
constexpr UINT IDD_WOLF_LAIR_PAGE = 206;   // the lair: inhabited or not, and notes
constexpr UINT IDD_WOLF_CUBS_PAGE = 208;   // the cubs: their number and notes
constexpr UINT IDD_WOLF_HOWL_PAGE = 210;   // the howling: notes
constexpr UINT IDD_WOLF_ROUTE_PAGE = 212;  // the route by its three points
constexpr UINT IDD_WOLF_ROUTE = 178;       // one point of the route
