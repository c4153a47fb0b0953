#pragma once
// A fresh database in the program folder with the few nomenclature rows and the test form
// types the storage tests use, a second connection for looking at what the document wrote,
// and a document logged in as an inspectorate would be.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "db/SQLite3DB.h"
#include "store/FormDocument.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/WindowFixture.h"

// Form types of the tests, far from the delivered ones.
constexpr int kAllCommonPages = 900;  // every common step, some steps without data, a species step
constexpr int kNoSteps = 901;         // a form type without FormBuilder rows
constexpr int kPlaceOnly = 902;

// Nomenclature rows of the tests (ids far from the delivered ones).
constexpr int kCity = 90001;
constexpr int kSite = 90001;
constexpr int kSurface = 90001;
constexpr int kExposure = 90001;
constexpr int kThreatTop = 90001;   // 90.
constexpr int kThreatMid = 90002;   // 90.1.
constexpr int kThreatLeaf = 90003;  // 90.1.1.
constexpr int kArea = 90001;        // in each protected-area table
constexpr int kSpecies = 9001;      // sAllSpecies; also the id of the subgroup, group, supergroup rows

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs one statement (or script) on the test's own connection.
    void Exec(const char* sql) { db.execDML(sql); }
    // A test form type whose steps are the given codes, in order.
    void AddFormType(int formTypeId, std::initializer_list<int> steps);
    // The integer of the first column of the first row; `none` without a row.
    int Number(const char* sql, int none = -1);
    CString Text(const char* sql);
    int Count(const char* table, const char* where = "1");
    int LastFormId() { return Number("select max(ID) from Forms"); }

    // Every row of every table, as one text: equal snapshots
    // mean that nothing in the file changed.
    std::string Snapshot();

    // A document as after login and the choice of a form.
    std::unique_ptr<CTovan_splitDoc> NewDocument(int formTypeId = kAllCommonPages, int speciesId = kSpecies);
    // A document with the given stored form loaded.
    std::unique_ptr<CTovan_splitDoc> Loaded(int formId, int formTypeId = kAllCommonPages);

    CTestDatabase database;
    CSQLite3DB db;
    MessageBoxLog boxes;
};
