#pragma once
// The species pages' records in the document, family by family. A family is one struct that
// holds the records of its pages by value and stores them:
//
//     void Reset();                                      every record back to its defaults
//     void Load(CSQLite3DB& db, int formId);              every page of a stored form
//     bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;
//                                   stores the page of that step; false for a code not its own
//
// Adding the family to CSpeciesRecords at the end of this file is all the document needs:
// ClearAll resets it, the save hands it every step that no common page claims, and loading
// runs its loader, families in the order of the list. Loaders and saves catch nothing; a
// database error reaches the transaction or the load that called them.
#include <concepts>

#include "store/BatRecords.h"
#include "store/BearRecords.h"
#include "store/DeerRecords.h"
#include "store/FishRecords.h"
#include "store/FungusRecords.h"
#include "store/GoatRecords.h"
#include "store/HamsterRecords.h"
#include "store/HerpRecords.h"
#include "store/MossRecords.h"
#include "store/TortoiseRecords.h"
#include "store/WolfRecords.h"

class CSQLite3DB;

template <class Family>
concept SpeciesFamily = requires(Family& family, const Family& stored, CSQLite3DB& db, int number) {
    family.Reset();
    family.Load(db, number);
    { stored.SaveStep(db, number, number) } -> std::same_as<bool>;
};

template <SpeciesFamily... Families>
class CSpeciesFamilies : public Families... {
public:
    void ResetSpeciesPages() { (Families::Reset(), ...); }

    void LoadSpeciesPages([[maybe_unused]] CSQLite3DB& db, [[maybe_unused]] int formId) {
        (Families::Load(db, formId), ...);
    }

    // False when no family stores pages of this step.
    bool SaveSpeciesStep([[maybe_unused]] CSQLite3DB& db, [[maybe_unused]] int stepCode,
                         [[maybe_unused]] int formId) const {
        return (Families::SaveStep(db, stepCode, formId) || ...);
    }
};

// In the order their pages load: fungus, fish, moss, bats, bear, amphibians and reptiles,
// tortoise, hamster, deer, goat, wolf.
using CSpeciesRecords =
    CSpeciesFamilies<CFungusRecords, CFishRecords, CMossRecords, CBatRecords, CBearRecords, CHerpRecords, CTortoiseRecords,
                     CHamsterRecords, CDeerRecords, CGoatRecords, CWolfRecords>;
