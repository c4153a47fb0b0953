#include "GeoPoint.h"

namespace {

CString Degrees(const char* format, int deg, int min, int sec, int fraction) {
    CString text;
    text.Format(format, deg, min, sec, fraction);
    return text;
}

constexpr const char* kLong = "%d°  %d'  %d.%d''";
constexpr const char* kShort = "%d° %d' %d.%d\"";

}  // namespace

CString CGeoPoint::FormatLatitude() const { return Degrees(kLong, LatDeg, LatMin, LatSec, LatFraction); }
CString CGeoPoint::FormatLongitude() const { return Degrees(kLong, LonDeg, LonMin, LonSec, LonFraction); }
CString CGeoPoint::FormatLatitudeShort() const { return Degrees(kShort, LatDeg, LatMin, LatSec, LatFraction); }
CString CGeoPoint::FormatLongitudeShort() const { return Degrees(kShort, LonDeg, LonMin, LonSec, LonFraction); }

bool CGeoPoint::IsInsideBulgaria() const { return LatDeg >= 41 && LatDeg <= 45 && LonDeg >= 22 && LonDeg < 30; }
