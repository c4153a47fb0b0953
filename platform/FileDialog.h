#pragma once
// The file open and save dialog, with a seam through which tests pick the file.
#include <functional>
#include <optional>

#include "CString.h"
#include "WinDefs.h"

class CWnd;

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

class CFileDialog {
public:
    // `filter`: pairs of description and patterns separated by '|', ending with "||", e.g.
    // "Bitmaps (*.bmp)|*.bmp|All files|*.*||"; patterns within a pair separated by ';'.
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    virtual INT_PTR DoModal();  // IDOK with a file chosen, else IDCANCEL
    CString GetPathName() const { return m_path; }
    CString GetFileName() const;   // the name with its extension
    CString GetFileExt() const;    // without the dot
    CString GetFileTitle() const;  // the name without its extension

    // ---- test seam ----
    struct Request {
        BOOL open;
        CString filter;          // as given
        CString qtFilter;        // as shown: "Description (*.a *.b);;..."
        CString defaultExtension;
        CString fileName;
        DWORD flags;
    };
    // While set, DoModal asks the hook instead of showing a dialog: a path is the file
    // chosen, no value is Cancel. Returns the hook set before.
    using Hook = std::function<std::optional<CString>(const Request&)>;
    static Hook SetHook(Hook hook);

    // The filter of the other system in Qt's notation.
    static CString QtFilter(const CString& filter);

private:
    Request m_request;
    CWnd* m_parent;
    CString m_path;
};
