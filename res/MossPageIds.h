#pragma once
// Templates of the moss pages and of their row dialogs.
#include "platform/Types.h"

constexpr UINT IDD_MOSS_DISTANCES_PAGE = 258;  // human works and waters near the locality
constexpr UINT IDD_MOSS_TREES_PAGE = 260;      // plant community and dominant trees
constexpr UINT IDD_MOSS_GRASS_PAGE = 262;      // shrubs and grasses, covers, slope, exposure, rocks
constexpr UINT IDD_MOSS_TUFTS_PAGE = 264;      // where the tufts grow, their areas
constexpr UINT IDD_MOSS_COMPANIONS_PAGE = 266; // companion mosses
constexpr UINT IDD_MOSS_NOTES_PAGE = 268;      // free notes, walked also by the deer, chamois and wolf forms
constexpr UINT IDD_MOSS_SPORES_PAGE = 270;     // tuft locations, tufts with spore capsule
constexpr UINT IDD_MOSS_FOREST_PAGE = 272;     // dominant trees, covers of the three layers
constexpr UINT IDD_MOSS_STUMPS_PAGE = 274;     // stumps and fallen trees with the moss
constexpr UINT IDD_MOSS_OUTCROPS_PAGE = 276;   // shrubs and grasses, covers, where the rock outcrops lie
constexpr UINT IDD_MOSS_ROCKS_PAGE = 278;      // the rock outcrops and the tufts' positions on them
constexpr UINT IDD_MOSS_BOG_PAGE = 280;        // the peat bog
constexpr UINT IDD_MOSS_BOG_PLANTS_PAGE = 282; // trees in the bog, the species' cover, shrubs and grasses
constexpr UINT IDD_MOSS_ADD_SPECIES = 211;     // a tree, shrub or grass species
constexpr UINT IDD_MOSS_COMPANION = 213;       // a companion moss
constexpr UINT IDD_MOSS_TUFT = 215;            // a tuft
constexpr UINT IDD_MOSS_FALLEN_TREE = 217;     // a stump or fallen tree with the moss
constexpr UINT IDD_MOSS_TUFT_POSITION = 362;   // a tuft's position on a rock block
constexpr UINT IDD_MOSS_TUFT_LIST_PAGE = 284;    // tufts, with the spore capsule on page 23
constexpr UINT IDD_MOSS_ROCKS_WATER_PAGE = 288;  // rocks, open water, species
constexpr UINT IDD_MOSS_BOG_WATER_PAGE = 292;    // the bog's water indicators, relief, area
constexpr UINT IDD_MOSS_BOG_COVER_PAGE = 294;    // trees in the bog, growth, covers, species
constexpr UINT IDD_MOSS_EMPTY_PAGE = 296;        // title and navigation only
constexpr UINT IDD_MOSS_SOIL_PAGE = 286;         // soil, erosion, covers, species, tufts with archegonia
constexpr UINT IDD_MOSS_ADD_TUFT = 361;          // a tuft with archegonia
constexpr UINT IDD_MOSS_HOSTS_PAGE = 290;        // host trees and their moss colonies
constexpr UINT IDD_MOSS_ADD_TREE = 219;          // a host tree
constexpr UINT IDD_MOSS_COLONY = 221;            // a moss colony on a host tree
