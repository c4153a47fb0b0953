#pragma once
// One accompanying species of a page's list: the amphibian and reptile pages and the second
// fungus page keep their lists of other species met as rows of this type. Only the id is
// stored; the name is read back from the species list and shown.
#include "platform/CString.h"

struct CSpeciesNameRow {
    CString SpeciesIDName;  // the Latin name (display only)
    int SpeciesID = -1;

    friend bool operator==(const CSpeciesNameRow&, const CSpeciesNameRow&) = default;
};
