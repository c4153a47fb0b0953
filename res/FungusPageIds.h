#pragma once
// Template ids of the fungus pages and of their species dialog.
#include "platform/Types.h"

constexpr UINT IDD_FUNGUS_PAGE_1 = 184;     // region, UTM square, substrate, habitat, ecology
constexpr UINT IDD_FUNGUS_PAGE_2 = 180;     // the population and its companion fungi
constexpr UINT IDD_FUNGUS_PAGE_3 = 182;     // notes
constexpr UINT IDD_FUNGUS_PAGE_4 = 244;     // changes since former years
constexpr UINT IDD_FUNGUS_PAGE_5 = 246;     // the species found
constexpr UINT IDD_FUNGUS_ADD_SPECIES = 204;  // one species found with its fruit bodies
