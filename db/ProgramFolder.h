#pragma once
// The program folder: the base of every file path the program uses (the database, the
// report files, the help pages). Set once at start-up from the path of the running program.
#include "platform/CString.h"

class CProgramFolder {
public:
    // Keeps the program's path as a command line gives it, every double quote removed, up to
    // and including its last path separator ("/" or "\"); empty when it has none, so that
    // every path is then relative to the current directory.
    void InitAppDir(const char* programPath);
    CString GetAppDir() const { return m_strAppDir; }

    // The path of the database file in the program folder.
    CString DatabasePath() const { return m_strAppDir + "nomenklaturi.db3"; }

protected:
    CString m_strAppDir;
};

// The one program folder of the run, held for the application object and read by the
// database code.
CProgramFolder& TheProgramFolder();
inline CString GetAppDir() { return TheProgramFolder().GetAppDir(); }
