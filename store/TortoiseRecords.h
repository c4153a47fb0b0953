#pragma once
// The land-tortoise pages' records: the animals seen (step 6961), one row each, and the
// minutes spent in five habitat kinds (step 6962).
#include <array>

#include "platform/Arrays.h"
#include "platform/CString.h"

class CSQLite3DB;

// One animal seen. The three names are for display only; the ids and indexes are stored.
struct CTortoise01Row {
    int TortoiseType = -1;  // nTortoise
    CString TortoiseTypeName;
    CString Distance;  // metres, as typed
    CString Habitat;   // the number of the habitat kind, as typed
    CString Len;       // centimetres, as typed
    int FoundType = -1;  // 0 seen, 1 heard
    CString FoundTypeName;
    int Sex = -1;  // 0 male, 1 female
    CString SexName;

    friend bool operator==(const CTortoise01Row&, const CTortoise01Row&) = default;
};

class CSpecData_Tortoise_01 {
public:
    void Reset() { Animals.RemoveAll(); }

    CArray<CTortoise01Row> Animals;

    friend bool operator==(const CSpecData_Tortoise_01&, const CSpecData_Tortoise_01&) = default;
};

class CSpecData_Tortoise_02 {
public:
    static constexpr int kHabitats = 5;

    void Reset() { *this = CSpecData_Tortoise_02(); }

    // Minutes as typed, and whether the habitat's "да" is ticked (0 or 1), habitat 1 first.
    CString Time1Min, Time2Min, Time3Min, Time4Min, Time5Min;
    int bCheck1 = 0, bCheck2 = 0, bCheck3 = 0, bCheck4 = 0, bCheck5 = 0;

private:
    template <class Self>
    static auto& TimeOf(Self& self, int k) {
        return *std::array{&self.Time1Min, &self.Time2Min, &self.Time3Min, &self.Time4Min, &self.Time5Min}.at(k);
    }
    template <class Self>
    static auto& CheckOf(Self& self, int k) {
        return *std::array{&self.bCheck1, &self.bCheck2, &self.bCheck3, &self.bCheck4, &self.bCheck5}.at(k);
    }

public:
    // Habitat k (0 to 4), for code that treats the five alike.
    CString& Time(int k) { return TimeOf(*this, k); }
    const CString& Time(int k) const { return TimeOf(*this, k); }
    int& Check(int k) { return CheckOf(*this, k); }
    int Check(int k) const { return CheckOf(*this, k); }

    friend bool operator==(const CSpecData_Tortoise_02&, const CSpecData_Tortoise_02&) = default;
};

// The family in the document (see FamilyRecords.h).
struct CTortoiseRecords {
    CSpecData_Tortoise_01 SpecData_Tortoise_01;
    CSpecData_Tortoise_02 SpecData_Tortoise_02;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // The page row of the animals is written also without an animal: it is their parent.
    void SaveTortoise01(CSQLite3DB& db, int formId) const;
    void SaveTortoise02(CSQLite3DB& db, int formId) const;
    // True when the page's row was found.
    bool LoadTortoise01(CSQLite3DB& db, int formId);
    bool LoadTortoise02(CSQLite3DB& db, int formId);
};
