#pragma once
// The parameters of one report as they are set on its report control: each one a text
// "NAME;value;TRUE" at the next index, numbered from 0 for every report. The setters and the
// blocks that many reports share read the form from the document only.
#include "platform/CString.h"

class COleDateTime;
class CCrystalCtrl;
class CTovan_splitDoc;
struct CWolf06Row;

class CReportParameters {
public:
    // Numbering starts at 0.
    CReportParameters(CCrystalCtrl& control, const CTovan_splitDoc& document) : m_control(control), m_document(document) {}

    const CTovan_splitDoc& Document() const { return m_document; }
    int Index() const { return m_index; }  // the index the next parameter gets

    // Semicolons in the value become two blanks; a value longer than 250 characters is cut
    // to 246 and "..." added.
    void SetParam(const char* name, const CString& value);
    void SetIntParam(const char* name, int value);
    void SetYesNoParam(const char* name, int flag);  // "да" / "не"
    void SetCheckParam(const char* name, int flag);  // "+" / ""

    // The shared blocks.
    // Species, code, date and hours: the five parameters that open most species reports.
    void FillSpeciesAndTime();
    // Species, code, date, hours, place and its code (only for a stored site): the seven
    // parameters that open most species reports.
    void FillSiteHeader();
    // The area header of the reports whose sections each print their own place (the
    // location rows): province, municipality, NUTS, inspectorate, forestry board,
    // biogeographic regions, the weather when asked, protected areas, team.
    void FillAreaHeader(bool withWeather);
    // The place and coordinates of section n, each name ending in "_n": EKATTE, settlement,
    // place and its code (only for a stored site), forestry units, protected-area unit,
    // department, subdepartment, altitude, exposure, and the first point when there is one.
    void FillLocationRows(int n);
    // The place of one wolf route point, each name ending in "_6k" (k from 1): as the
    // location rows, the position as typed and always, and the site code of the form.
    void FillLocationRows6(const CWolf06Row& point, int k);
    // Species, code, date, hours, place and its code, administrative location, field number,
    // coordinates, altitude, biogeographic regions, protected areas, team.
    void FillCommonHeader();
    // The common header without the field number, for the forms that have none.
    void FillPlaceAndTeam();
    // Administrative location, coordinates, altitude, biogeographic regions, protected areas,
    // team: what follows the site (and the form's own opening values) in many reports.
    void FillLocationAndTeam();
    void FillAdminLocation();  // settlement, province, municipality, NUTS, inspectorate, forestry units
    void FillNuts();
    void FillBioRegions();
    void FillWeather();
    void FillTeam();  // the first four observers
    void FillCoordinates();  // the first point only, when there is one
    void FillProtectedAreas();
    void FillPhotoMap();
    void FillThreats(int maxRows);

    // Dates and hours as every report writes them; a null value gives "".
    static CString DateText(const COleDateTime& date);
    static CString HourText(const COleDateTime& time);
    // The name of a repeated row's parameter: the format with the row number ("PARAM_EKIP%d").
    static CString RowName(const char* format, int row);

private:
    void SetText(const CString& text);

    CCrystalCtrl& m_control;
    const CTovan_splitDoc& m_document;
    int m_index = 0;
};
