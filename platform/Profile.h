#pragma once
// The user's profile: small settings kept between runs in an INI file, in sections of named
// entries ("Settings" / "RIOSW_ID"). The file is ~/.config/Quorin/quorin.ini (below
// $XDG_CONFIG_HOME when set) unless SetProfileFile chose another; tests choose their own.
// Every write goes to the file at once.
#include "Arrays.h"
#include "CString.h"

void SetProfileFile(const CString& path);  // empty: back to the default file
CString GetProfileFile();

// The default when the entry is missing or holds no integer.
int GetProfileInt(const char* section, const char* entry, int defaultValue);
BOOL WriteProfileInt(const char* section, const char* entry, int value);
CString GetProfileString(const char* section, const char* entry, const char* defaultValue = "");
BOOL WriteProfileString(const char* section, const char* entry, const char* value);

// The most recently used files, newest first, kept in the profile section "Recent File List"
// as File1, File2, ... (empty entries are not written).
class CRecentFileList {
public:
    explicit CRecentFileList(int size = 4);

    int GetSize() const { return m_size; }
    int GetCount() const { return m_files.GetSize(); }
    CString operator[](int index) const;  // empty past the end
    // Puts the file first; an entry of the same path moves up instead of appearing twice;
    // the oldest falls off past the size.
    void Add(const CString& path);
    void Remove(int index);
    void ReadList();
    void WriteList() const;

private:
    int m_size;
    CStringArray m_files;
};
