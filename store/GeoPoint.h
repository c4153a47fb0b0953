#pragma once
// A point on the map in degrees, minutes, seconds and a fraction of a second, as the
// coordinate dialogs take it and the Coordinates table keeps it.
#include "platform/CString.h"

class CGeoPoint {
public:
    int LatDeg = 0;
    int LatMin = 0;
    int LatSec = 0;
    int LatFraction = 0;
    int LonDeg = 0;
    int LonMin = 0;
    int LonSec = 0;
    int LonFraction = 0;

    // 42°  5'  7.3'' : the coordinates grid, the wolf route and the reports.
    CString FormatLatitude() const;
    CString FormatLongitude() const;
    // 42° 5' 7.3" : the short form.
    CString FormatLatitudeShort() const;
    CString FormatLongitudeShort() const;

    // The country's box: latitude degrees 41 to 45, longitude degrees 22 to 29, both ends
    // included; minutes and seconds are not looked at.
    bool IsInsideBulgaria() const;

    friend bool operator==(const CGeoPoint&, const CGeoPoint&) = default;
};
