#pragma once
// The report control: a small window placed on a dialog template that prints a report file
// filled with named parameters. It takes four operations: the report file, one boolean
// property, numbered parameter texts "NAME;value;TRUE", and print. Printing fills the report
// file in our own template format (data/reports/README.md) and shows a print preview.
#include <functional>
#include <map>

#include "Wnd.h"

// What a control was told, in order; a test seam sees every call.
struct CrystalCall {
    enum Kind { ReportFileName, BoolProperty34, ParameterField, Print };
    Kind kind = Print;
    int index = 0;   // ParameterField
    CString text;    // ReportFileName, ParameterField
    BOOL flag = FALSE;  // BoolProperty34
};

class CCrystalCtrl : public CWnd {
    DECLARE_DYNCREATE(CCrystalCtrl)
public:
    // The window class of the control's placeholder on dialog templates.
    static constexpr const char* kWindowClass = "CrystalReport";
    // The title of the preview window.
    static constexpr const char* kWindowTitle = "Ведрин";

    CCrystalCtrl() = default;

    using CWnd::Create;
    BOOL Create(LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Setting a report file starts a new report: the parameters of the one before are
    // dropped, so that no value of an earlier print turns up in this one.
    void SetReportFileName(LPCTSTR path);
    // The callers set it to FALSE before each print; our reports do not depend on it.
    void SetBoolProperty34(BOOL value);
    void SetParameterField(short index, LPCTSTR text);
    // The name a PDF printed from the preview is offered under; the report file's name
    // until it is set.
    void SetPrintFileName(LPCTSTR name) { m_printFileName = name; }
    CString GetPrintFileName() const { return m_printFileName; }
    // Prints the report (the preview); 0 when it was shown, -1 when the report file could
    // not be read (the user has been told which file).
    short PrintReport();

    CString GetReportFileName() const { return m_reportFileName; }

    // Test seam: receives every operation of every control; returns the recorder before.
    using CallRecorder = std::function<void(const CCrystalCtrl& control, const CrystalCall& call)>;
    static CallRecorder SetCallRecorder(CallRecorder recorder);

private:
    void Record(const CrystalCall& call) const;

    CString m_reportFileName;
    CString m_printFileName;
    std::map<short, CString> m_parameterFields;  // by index: printed in index order
};
