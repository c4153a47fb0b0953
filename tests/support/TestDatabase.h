#pragma once
// A fresh database for one test: built from the repository's schema and seed scripts, in a
// temporary folder of its own that is removed afterwards.
#include "platform/CString.h"

class CTestDatabase {
public:
    CTestDatabase();
    ~CTestDatabase();
    CTestDatabase(const CTestDatabase&) = delete;
    CTestDatabase& operator=(const CTestDatabase&) = delete;

    const CString& Path() const { return m_path; }      // the database file
    const CString& Folder() const { return m_folder; }  // its folder, ending in "/"

private:
    CString m_folder;
    CString m_path;
};

// A new empty temporary folder (ending in "/"), removed by the caller.
CString MakeTempFolder();
