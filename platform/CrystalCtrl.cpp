#include "CrystalCtrl.h"

#include <vector>

#include "ReportEngine.h"

IMPLEMENT_DYNCREATE(CCrystalCtrl, CWnd)

namespace {

CCrystalCtrl::CallRecorder& Recorder() {
    static CCrystalCtrl::CallRecorder recorder;
    return recorder;
}

}  // namespace

CCrystalCtrl::CallRecorder CCrystalCtrl::SetCallRecorder(CallRecorder recorder) {
    CallRecorder previous = std::move(Recorder());
    Recorder() = std::move(recorder);
    return previous;
}

void CCrystalCtrl::Record(const CrystalCall& call) const {
    if (Recorder()) Recorder()(*this, call);
}

BOOL CCrystalCtrl::Create(LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(kWindowClass, windowName, style, rect, parent, id);
}

void CCrystalCtrl::SetReportFileName(LPCTSTR path) {
    m_reportFileName = path;
    m_parameterFields.clear();
    Record({CrystalCall::ReportFileName, 0, m_reportFileName, FALSE});
}

void CCrystalCtrl::SetBoolProperty34(BOOL value) {
    Record({CrystalCall::BoolProperty34, 0, CString(), value});
}

void CCrystalCtrl::SetParameterField(short index, LPCTSTR text) {
    m_parameterFields[index] = text;
    Record({CrystalCall::ParameterField, index, CString(text), FALSE});
}

short CCrystalCtrl::PrintReport() {
    Record({CrystalCall::Print, 0, CString(), FALSE});
    std::vector<ReportField> fields;
    fields.reserve(m_parameterFields.size());
    for (const auto& [index, text] : m_parameterFields) fields.push_back(ParseReportField(text));
    return PrintReportFile(m_reportFileName, fields, kWindowTitle, m_printFileName) ? 0 : -1;
}
