#pragma once
// The path texts of threats as the threats picker shows them: the names from the top of
// the classification down to the threat, joined with "->". The classification does not
// change while the program runs, so the picker is built hidden once per database file and
// every path read from it then.
#include <unordered_map>

#include "platform/CString.h"

class CThreatPaths {
public:
    // The paths of the program's current database.
    static const CThreatPaths& Current();

    // Empty when the picker's tree has no such threat.
    CString PathOf(int threatId) const;

private:
    CThreatPaths();

    std::unordered_map<int, CString> m_paths;
};
