#pragma once
// Template ids of the wolf pages and of their row dialogs.
#include "platform/Types.h"

constexpr UINT IDD_WOLF_PACK_PAGE = 198;   // the pack: number of wolves and notes
constexpr UINT IDD_WOLF_PAIR_PAGE = 200;   // the pair: notes
constexpr UINT IDD_WOLF_LAIR_PAGE = 206;   // the lair: inhabited or not, and notes
constexpr UINT IDD_WOLF_CUBS_PAGE = 208;   // the cubs: their number and notes
constexpr UINT IDD_WOLF_HOWL_PAGE = 210;   // the howling: notes
constexpr UINT IDD_WOLF_ROUTE_PAGE = 212;  // the route by its three points
constexpr UINT IDD_WOLF_ROUTE = 178;       // one point of the route
constexpr UINT IDD_WOLF_PREY_PAGE = 214;     // the prey: questionnaires and killed animals observed
constexpr UINT IDD_WOLF_HYBRIDS_PAGE = 216;  // hybrids: notes
constexpr UINT IDD_WOLF_DOGS_PAGE = 218;     // stray dogs: notes
constexpr UINT IDD_WOLF_KILLED_PAGE = 220;   // the killed wolves
constexpr UINT IDD_WOLF_TRAILS_PAGE = 232;   // paw and stride sizes, habitat
constexpr UINT IDD_WOLF_SCATS_PAGE = 234;    // scats, habitat
constexpr UINT IDD_WOLF_PREY = 193;          // one prey species and its count
constexpr UINT IDD_WOLF_PREY_BY_SEX = 195;   // killed animals of one species: males, females
constexpr UINT IDD_WOLF_KILLED = 197;        // one killed wolf
constexpr UINT IDD_WOLF_TRACK = 199;         // one trail's sizes
constexpr UINT IDD_WOLF_SCAT = 201;          // one scat
