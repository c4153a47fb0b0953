#pragma once
// The one dialog in which a geographic point is typed: degrees, minutes, seconds and a
// fraction of a second for longitude and latitude. Every field has its range, and the point
// must lie in the country's box; a refused value keeps the dialog open with what was typed.
// The caller's point is never written: on OK it takes m_point.
//
//     CDlg_Coordinates dialog(&points[i]);     // or nullptr for a new point
//     if (dialog.DoModal() == IDOK) points[i] = dialog.m_point;
#include "platform/Dialog.h"
#include "store/GeoPoint.h"

class CDlg_Coordinates : public CDialog {
public:
    // Longitude row, then latitude row: degrees, minutes, seconds, fraction.
    static constexpr int IDC_LON_DEG = 2677, IDC_LON_MIN = 2063, IDC_LON_SEC = 2085, IDC_LON_FRACTION = 2101;
    static constexpr int IDC_LAT_DEG = 2006, IDC_LAT_MIN = 2049, IDC_LAT_SEC = 2093, IDC_LAT_FRACTION = 2541;
    // The separators "°", "'", "." and "''" of the two rows.
    static constexpr int IDC_FIRST_SEPARATOR = 2901, IDC_LAST_SEPARATOR = 2908;

    static const char* const kOutsideMessage;
    // A fraction of a second typed with a leading zero ("05") is refused with this.
    static const char* const kLeadingZeroMessage;

    explicit CDlg_Coordinates(const CGeoPoint* point = nullptr, CWnd* parent = nullptr);

    CGeoPoint m_point;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    int m_latDeg = 0, m_latMin = 0, m_latSec = 0, m_latFraction = 0;
    int m_lonDeg = 0, m_lonMin = 0, m_lonSec = 0, m_lonFraction = 0;
};
