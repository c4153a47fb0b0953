#pragma once
// The path texts of threats as the threats picker shows them: the names from the top of
// the classification down to the threat, joined with "->". The picker is created hidden
// once for all the threats of one form.
#include <memory>

#include "platform/CString.h"

class CDlg_Threats;

class CThreatPaths {
public:
    CThreatPaths();
    ~CThreatPaths();
    CThreatPaths(const CThreatPaths&) = delete;
    CThreatPaths& operator=(const CThreatPaths&) = delete;

    // Empty when the picker's tree has no such threat.
    CString PathOf(int threatId) const;

private:
    std::unique_ptr<CDlg_Threats> m_picker;
};
