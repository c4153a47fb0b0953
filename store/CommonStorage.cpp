// The common pages of every form: how their records are written and read back.
#include <vector>

#include "db/SQLite3DB.h"
#include "store/CoordinateRows.h"
#include "store/FormDocument.h"
#include "store/ImageBlob.h"
#include "store/SqlText.h"
#include "store/ThreatPaths.h"

namespace {

// A time without a value is stored as "---"; the date is always stored.
CString TimeText(const COleDateTime& time) {
    return time.GetStatus() == COleDateTime::valid ? time.Format("%H:%M:%S") : CString("---");
}

COleDateTime TimeFromText(const CString& text) {
    COleDateTime time;
    if (text == "---")
        time.SetStatus(COleDateTime::null);
    else
        time.ParseDateTime(text, VAR_TIMEVALUEONLY);
    return time;
}

COleDateTime DateFromText(const CString& text) {
    COleDateTime date;
    date.ParseDateTime(text, VAR_DATEVALUEONLY);
    return date;
}

}  // namespace

// --- place ---------------------------------------------------------------------------------

void CTovan_splitDoc::SavePlace(CSQLite3DB& db, int formId) {
    const CCommonData_01& place = CommonData_01;
    db.execDML(FormatSql(
        "insert into DlgData_01_Place (FormID, PlaceID, Date, StartTime,  EndTime,  EKNM_CityID, EKNM_MunicipalityID, "
        "EKNM_ProvinceID, NUTS_ID, RIOSW_ID_, RUG_ID, DL_ID, DDS_ID, Department, SubDepartment, DynamicStrContent, "
        "DynamicIntComboContent, DynamicIntRadio, DynamicStrArea1, DynamicStrArea2, DynamicStrContent2, "
        "DynamicStrContent3Natura2000 )values ( %d, %d, '%s', '%s', '%s', %d, %d, %d, %d, %d, %d, %d, %d, '%s', '%s', "
        "'%s', %d, %d, '%s', '%s', '%s', '%s' )",
        formId, place.PlaceID, QuoteSql(place.Date.Format("%Y-%m-%d")), QuoteSql(TimeText(place.StartTime)),
        QuoteSql(TimeText(place.EndTime)), place.EKNM_CityID, place.EKNM_MunicipalityID, place.EKNM_ProvinceID,
        place.NUTS_ID, place.RIOSW_ID_, place.RUG_ID, place.DL_ID, place.DDS_ID, QuoteSql(place.Department),
        QuoteSql(place.SubDepartment), QuoteSql(place.DynamicStrContent), place.DynamicIntComboContent,
        place.DynamicIntRadio, QuoteSql(place.DynamicStrArea1), QuoteSql(place.DynamicStrArea2),
        QuoteSql(place.DynamicStrContent2), QuoteSql(place.DynamicStrContent3Natura2000)));
    const int placeRowId = db.lastRowId();

    if (place.PlaceID != CCommonData_01::kNewSite) {
        // The site is known: link it to this taxon unless it already is.
        const bool linked = !db.execQuery(FormatSql("select site_id, species_id from rSpecies__Sites where site_id = %d "
                                                    "and species_id = %d ",
                                                    place.PlaceID, SpeciesID))
                                 .eof();
        if (!linked)
            db.execDML(FormatSql("insert into rSpecies__Sites (site_id, species_id ) values( %d, %d ) ", place.PlaceID,
                                 SpeciesID));
        return;
    }
    db.execDML(FormatSql("insert into nSites ( SiteName, RIOSW_NP_PP_ID  ) values( '%s', %d )", QuoteSql(place.SiteName),
                         RIOSW_ID));
    const int siteId = db.lastRowId();
    m_createdSiteId = siteId;  // the record takes it once the save has committed
    db.execDML(FormatSql("insert into rSite__RIOSW_NP_PP ( site_id, riosw_id ) values( %d, %d )", siteId, RIOSW_ID));
    db.execDML(FormatSql("insert into rSpecies__Sites ( site_id, species_id ) values( %d, %d )", siteId, SpeciesID));
    db.execDML(FormatSql(" update DlgData_01_Place  set PlaceID = %d  where id = %d", siteId, placeRowId));
}

BOOL CTovan_splitDoc::LoadPlace(CSQLite3DB& db, int formId) {
    // Left joins: a place whose settlement, unit or site was never chosen (-1) or no longer
    // exists still loads, with empty names.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select \nd.ID as dID, \nd.FormID as dFormID, \nd.PlaceID as dPlaceID, \nd.Date as dDate, \nd.StartTime as "
        "dStartTime, \nd.EndTime as dEndTime, \nd.EKNM_CityID as dEKNM_CityID, d.EKNM_MunicipalityID as "
        "dEKNM_MunicipalityID, \nd.EKNM_ProvinceID as dEKNM_ProvinceID, \nd.NUTS_ID as dNUTS_ID, \nd.RIOSW_ID_ as "
        "dRIOSW_ID_, \nd.RUG_ID as dRUG_ID, \nd.DL_ID as dDL_ID, \nd.DDS_ID as dDDS_ID, \nd.Department as dDepartment, "
        "\nd.SubDepartment as dSubDepartment, \nd.DynamicStrContent as dDynamicStrContent, \nd.DynamicStrContent2 as "
        "dDynamicStrContent2, \nd.DynamicStrContent3Natura2000 as dDynamicStrContent3Natura2000, "
        "\nd.DynamicIntComboContent as dDynamicIntComboContent, \nd.DynamicIntRadio as dDynamicIntRadio, "
        "\nd.DynamicStrArea1 as dDynamicStrArea1, \nd.DynamicStrArea2 as dDynamicStrArea2, \nc.EKNM_NAME as cEKNM_NAME, "
        "c.EKNM as cEKNM, m.EKNM_NAME as mEKNM_NAME, p.EKNM_NAME as pEKNM_NAME, \nn.Name as nName, \nnRIO.Name as "
        "nRIOName, \nnR.Name as nRName, \nnDL.Name as nDLName, \nnDDS.Name as nDDSName, \nnDyn.Name as "
        "nDynamicComboDataName, \nnS.SiteName as PlName \nfrom DlgData_01_Place d \nleft join EKNM_CITIES c on "
        "d.EKNM_CityID  = c.ID \nleft join EKNM_MUNICIPALITY m on c.Municipality = m.ID \nleft join EKNM_PROVINCE p on "
        "c.Province = p.ID \nleft join nNuts n on d.NUTS_ID = n.ID \nleft join nRIOSW nRIO on d.RIOSW_ID_ = nRIO.ID "
        "\nleft join nRUG nR on d.RUG_ID  = nR.ID \nleft join nDL on d.DL_ID = nDL.ID \nleft join nDDS on d.DDS_ID = "
        "nDDS.ID \nleft join nDynamicComboData nDyn on d.DynamicIntComboContent = nDyn.ID \nleft join nSites  nS on "
        "d.PlaceID = nS.ID \nwhere FormID = %d \n",
        formId));
    if (query.eof()) return FALSE;
    CCommonData_01& place = CommonData_01;
    place.SiteName = query.getStringField("PlName");
    place.PlaceID = query.getIntField("dPlaceID");
    place.Date = DateFromText(query.getStringField("dDate"));
    place.StartTime = TimeFromText(query.getStringField("dStartTime"));
    place.EndTime = TimeFromText(query.getStringField("dEndTime"));
    place.EKNM_CityID = query.getIntField("dEKNM_CityID");
    place.EKNM_CityIDName = query.getStringField("cEKNM_NAME");
    place.EKNM_CityCode = query.getStringField("cEKNM");
    place.EKNM_MunicipalityID = query.getIntField("dEKNM_MunicipalityID");
    place.EKNM_MunicipalityIDName = query.getStringField("mEKNM_NAME");
    place.EKNM_ProvinceID = query.getIntField("dEKNM_ProvinceID");
    place.EKNM_ProvinceIDName = query.getStringField("pEKNM_NAME");
    place.NUTS_ID = query.getIntField("dNUTS_ID");
    place.RIOSW_ID_ = query.getIntField("dRIOSW_ID_");
    place.RUG_ID = query.getIntField("dRUG_ID");
    place.DL_ID = query.getIntField("dDL_ID");
    place.DDS_ID = query.getIntField("dDDS_ID");
    place.NUTS_IDName = query.getStringField("nName");
    place.RIOSW_ID_Name = query.getStringField("nRIOName");
    place.RUG_IDName = query.getStringField("nRName");
    place.DL_IDName = query.getStringField("nDLName");
    place.DDS_IDName = query.getStringField("nDDSName");
    place.Department = query.getStringField("dDepartment");
    place.SubDepartment = query.getStringField("dSubDepartment");
    place.DynamicStrContent = query.getStringField("dDynamicStrContent");
    place.DynamicStrContent2 = query.getStringField("dDynamicStrContent2");
    place.DynamicStrContent3Natura2000 = query.getStringField("dDynamicStrContent3Natura2000");
    place.DynamicIntComboContentName = query.getStringField("nDynamicComboDataName");
    place.DynamicIntComboContent = query.getIntField("dDynamicIntComboContent");
    place.DynamicStrArea1 = query.getStringField("dDynamicStrArea1");
    place.DynamicStrArea2 = query.getStringField("dDynamicStrArea2");
    place.DynamicIntRadio = query.getIntField("dDynamicIntRadio");
    return TRUE;
}

// --- weather -------------------------------------------------------------------------------

void CTovan_splitDoc::SaveClimate(CSQLite3DB& db, int formId) {
    const CCommonData_02& climate = CommonData_02;
    db.execQuery(FormatSql("insert into DlgData_02_Climate ( FormID, Cloudness, Rainfall, TemperatureAir, "
                           "TemperatureWater, Wind, SurfaceID) values(  %d, %d, '%s', '%s', '%s', %d, %d )",
                           formId, climate.Cloudness, QuoteSql(climate.Rainfall), QuoteSql(climate.TemperatureAir),
                           QuoteSql(climate.TemperatureWater), climate.Wind, climate.SurfaceID));
}

BOOL CTovan_splitDoc::LoadClimate(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select d.ID as dID, d.FormID as dFormID, d.Cloudness as dCloudness, d.Rainfall as dRainfall, d.TemperatureAir "
        "as dTemperatureAir, d.TemperatureWater as dTemperatureWater, d.Wind as dWind, d.SurfaceID as dSurfaceID, t.Name "
        "as tName from  DlgData_02_Climate d left join nTortoiseGround t on d.SurfaceID =  t.ID where FormID = %d ",
        formId));
    if (query.eof()) return FALSE;
    CCommonData_02& climate = CommonData_02;
    climate.Cloudness = query.getIntField("dCloudness");
    climate.Rainfall = query.getStringField("dRainfall");
    climate.Wind = query.getIntField("dWind");
    climate.TemperatureAir = query.getStringField("dTemperatureAir");
    climate.TemperatureWater = query.getStringField("dTemperatureWater");
    climate.SurfaceID = query.getIntField("dSurfaceID");
    climate.SurfaceIDName = query.getStringField("tName");
    return TRUE;
}

// --- coordinates ---------------------------------------------------------------------------

void CTovan_splitDoc::SaveCoords(CSQLite3DB& db, int formId) {
    const CCommonData_04& coords = CommonData_04;
    db.execQuery(FormatSql("insert into DlgData_03_Coords ( FormID, BioRegionID, Altitude, ExposureID ) values ( %d, "
                           "%d, '%s', %d ) ",
                           formId, coords.BioRegionID, QuoteSql(coords.Altitude), coords.ExposureID));
    const int coordsRowId = db.lastRowId();
    for (const CGeoPoint& point : coords.Points) InsertCoordinatesRow(db, coordsRowId, point);
}

BOOL CTovan_splitDoc::LoadCoords(CSQLite3DB& db, int formId) {
    CCommonData_04& coords = CommonData_04;
    coords.Points.RemoveAll();
    // The page without an exposure list stores -1: the row must load all the same.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select \nd.ID as dID, \nFormID, \nBioRegionID, \nAltitude, \nExposureID, \nn.Name as Exposure \nfrom "
        "DlgData_03_Coords d \nleft join  nMossExposure n \non n.ID = d.ExposureID \nwhere FormID = %d  \n",
        formId));
    if (query.eof()) return FALSE;
    const int coordsRowId = query.getIntField("dID");
    coords.BioRegionID = query.getIntField("BioRegionID");
    coords.Altitude = query.getStringField("Altitude");
    coords.ExposureID = query.getIntField("ExposureID");
    coords.ExposureIDName = query.getStringField("Exposure");
    query.finalize();

    CSQLite3Query points = db.execQuery(FormatSql(
        "select ID, DlgData_ID, Longtitude_Grad, Longtitude_Minutes, Longtitude_Seconds, Longtitude_SocondsAfterPoint, "
        "Longtitude_Relativity, Latitude_Grad, Latitude_Minutes, Latitude_Seconds, Latitude_SecondsAfterPoint, "
        "Latitude_Relativity from Coordinates where  DlgData_ID = %d order by ID ",
        coordsRowId));
    for (; !points.eof(); points.nextRow()) coords.Points.Add(GeoPointOfRow(points));
    return TRUE;
}

// --- protected areas -----------------------------------------------------------------------

void CTovan_splitDoc::SaveLocality(CSQLite3DB& db, int formId) {
    const CCommonData_05& areas = CommonData_05;
    db.execQuery(FormatSql("insert into DlgData_04_Locality ( FormID, NP_ID, NP_PU_ID,  PP_ID, Reserve_ID, PR_ID, PZ_ID, "
                           "ZM_ID, Corine_ID, OVM_ID, Natura_200_ID, Ramsar_ID "
                           ")values(\t%d,\t%d,\t%d,\t%d,\t%d,\t%d,\t%d,\t%d,\t%d,\t%d,\t%d,\t%d\t)",
                           formId, areas.NP_ID, areas.NP_PU_ID, areas.PP_ID, areas.Reserve_ID, areas.PR_ID, areas.PZ_ID,
                           areas.ZM_ID, areas.Corine_ID, areas.OVM_ID, areas.Natura_200_ID, areas.Ramsar_ID));
}

BOOL CTovan_splitDoc::LoadLocality(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select d.ID as dID, d.FormID as dFormID, d.NP_ID as dNP_ID, d.NP_PU_ID as dNP_PU_ID, d.PP_ID as dPP_ID, "
        "d.Reserve_ID as dReserve_ID, d.PR_ID as dPR_ID, d.PZ_ID as dPZ_ID, d.ZM_ID as dZM_ID, d.Corine_ID as "
        "dCorine_ID, d.OVM_ID as dOVM_ID, d.Natura_200_ID as dNatura_200_ID, d.Ramsar_ID as dRamsar_ID, nNP.Name as "
        "nNPName, nPP.Name as nPPName, nReserve.Name as nReserveName, nPR.Name as nPRName, nPZ.Name as nPZName, "
        "nZM.Name as nZMName, nSiteCorine.Name as nSiteCorineName, nSiteOVM.Name as nSiteOVMName, nSiteNatura2000.Name "
        "as nSiteNatura2000Name, nSiteRamsar.Name as nSiteRamsarName, nPU.Name as nPUName from DlgData_04_Locality d "
        "left join nNP on d.NP_ID = nNP.ID left join nPU on d.NP_PU_ID = nPU.ID left join nPP on d.PP_ID = nPP.ID "
        "left join nReserve on d.Reserve_ID = nReserve.ID left join nPR on d.PR_ID = nPR.ID left join nPZ on d.PZ_ID = "
        "nPZ.ID left join nZM on d.ZM_ID = nZM.ID left join nSiteCorine on d.Corine_ID = nSiteCorine.ID left join "
        "nSiteOVM on d.OVM_ID = nSiteOVM.ID left join nSiteNatura2000 on d.Natura_200_ID =  nSiteNatura2000.ID left "
        "join nSiteRamsar on d.Ramsar_ID = nSiteRamsar.ID where d.FormID = %d",
        formId));
    if (query.eof()) return FALSE;
    CCommonData_05& areas = CommonData_05;
    areas.NP_ID = query.getIntField("dNP_ID");
    areas.NP_PU_ID = query.getIntField("dNP_PU_ID");
    areas.PP_ID = query.getIntField("dPP_ID");
    areas.Reserve_ID = query.getIntField("dReserve_ID");
    areas.PR_ID = query.getIntField("dPR_ID");
    areas.PZ_ID = query.getIntField("dPZ_ID");
    areas.ZM_ID = query.getIntField("dZM_ID");
    areas.Corine_ID = query.getIntField("dCorine_ID");
    areas.OVM_ID = query.getIntField("dOVM_ID");
    areas.Natura_200_ID = query.getIntField("dNatura_200_ID");
    areas.Ramsar_ID = query.getIntField("dRamsar_ID");
    areas.NP_IDName = query.getStringField("nNPName");
    areas.NP_PU_IDName = query.getStringField("nPUName");
    areas.PP_IDName = query.getStringField("nPPName");
    areas.Reserve_IDName = query.getStringField("nReserveName");
    areas.PR_IDName = query.getStringField("nPRName");
    areas.PZ_IDName = query.getStringField("nPZName");
    areas.ZM_IDName = query.getStringField("nZMName");
    areas.Corine_IDName = query.getStringField("nSiteCorineName");
    areas.OVM_IDName = query.getStringField("nSiteOVMName");
    areas.Natura_200_IDName = query.getStringField("nSiteNatura2000Name");
    areas.Ramsar_IDName = query.getStringField("nSiteRamsarName");
    return TRUE;
}

// --- observers -----------------------------------------------------------------------------

void CTovan_splitDoc::SaveObservers(CSQLite3DB& db, int formId) {
    for (const CPersonRow& observer : CommonData_06.Observers)
        db.execDML(FormatSql("insert into DlgData_06( FormID, PersonID) values( %d, %d )", formId, observer.ID));
}

BOOL CTovan_splitDoc::LoadObservers(CSQLite3DB& db, int formId) {
    CArray<CPersonRow>& observers = CommonData_06.Observers;
    observers.RemoveAll();
    // An observer removed from the list of people since still loads, with empty names.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select d.ID as dID, d.FormID as dFormID, d.PersonID as dPersonID, p.FirstName as pFirstName, p.MidName as "
        "pMidName, p.LastName as pLastName, p.EGN as pEGN, p.Organization as pOrganization, p.Position as pPosition "
        "from DlgData_06 d left join Person_Colaborator p on d.PersonID = p.ID where FormID = %d order by d.ID ",
        formId));
    if (query.eof()) return FALSE;
    for (; !query.eof(); query.nextRow()) {
        CPersonRow observer;
        observer.ID = query.getIntField("dPersonID");
        observer.FirstName = query.getStringField("pFirstName");
        observer.MidName = query.getStringField("pMidName");
        observer.LastName = query.getStringField("pLastName");
        observer.EGN = query.getStringField("pEGN");
        observer.Organization = query.getStringField("pOrganization");
        observer.Position = query.getStringField("pPosition");
        observers.Add(observer);
    }
    return TRUE;
}

// --- threats -------------------------------------------------------------------------------

void CTovan_splitDoc::SaveThreats(CSQLite3DB& db, int formId) {
    for (const CThreatItem& threat : CommonData_07_Threat.Threats)
        db.execDML(FormatSql("insert into DlgData_07_Threats( FormID, ThreatID ) values( %d, %d )", formId, threat.ID));
}

BOOL CTovan_splitDoc::LoadThreats(CSQLite3DB& db, int formId) {
    CThreatArray& threats = CommonData_07_Threat.Threats;
    threats.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql(
        "select d.ID as dID, d.FormID as dFormID, d.ThreatID as dThreatID, t.Name as tName from DlgData_07_Threats d "
        "left join  nThreats t on d.ThreatID = t.id where d.FormID = %d order by d.ID ",
        formId));
    if (query.eof()) return FALSE;
    // The texts are the paths the threats picker shows, so a loaded threat reads as one
    // picked anew. A threat the classification tree does not carry keeps its own name.
    const CThreatPaths& paths = CThreatPaths::Current();
    for (; !query.eof(); query.nextRow()) {
        CThreatItem threat;
        threat.ID = query.getIntField("dThreatID");
        threat.Name = paths.PathOf(threat.ID);
        if (threat.Name.IsEmpty()) threat.Name = query.getStringField("tName");
        threats.Add(threat);
    }
    return TRUE;
}

// --- photos and maps -----------------------------------------------------------------------

namespace {

void SaveImageGroup(CSQLite3DB& db, int formId, int isPhoto, const CArray<CImageRef>& images, const CStringArray& names) {
    for (int serial = 0; serial < images.GetSize(); ++serial) {
        CSQLite3Statement statement = db.compileStatement(
            FormatSql("insert into DlgData_Images ( FormID, IsPhoto, SerialNum, Name, Image ) values( %d, %d, %d, '%s', ? )",
                      formId, isPhoto, serial, QuoteSql(serial < names.GetSize() ? names[serial] : CString())));
        // The picture's own BMP bytes, encoded at most once while it stays unchanged, or the
        // stored bytes of one that cannot be shown, written back as they were.
        const auto bmp = ImageBlobBytes(images[serial].get());
        statement.bindStatic(1, bmp ? bmp->data() : nullptr, bmp ? static_cast<int>(bmp->size()) : 0);
        statement.execDML();
        statement.reset();
        statement.finalize();
    }
}

}  // namespace

void CTovan_splitDoc::SaveImages(CSQLite3DB& db, int formId) {
    const CCommonData_InsertImages& images = CommonData_InsertImages;
    SaveImageGroup(db, formId, 1, images.PhotoImages, images.PhotoNames);
    SaveImageGroup(db, formId, 0, images.MapImages, images.MapNames);
}

BOOL CTovan_splitDoc::LoadImages(CSQLite3DB& db, int formId) {
    CCommonData_InsertImages& images = CommonData_InsertImages;
    images.Reset();
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, IsPhoto, SerialNum, Name, Image from DlgData_Images where FormID = %d order by ID", formId));
    if (query.eof()) return FALSE;
    for (; !query.eof(); query.nextRow()) {
        int length = 0;
        const BYTE* blob = query.getBlobField("Image", length);
        const CImageRef image = DecodeImageBmp(blob, length);
        const CString name = query.getStringField("Name");
        if (query.getIntField("IsPhoto") != 0) {
            images.PhotoImages.Add(image);
            images.PhotoNames.Add(name);
        } else {
            images.MapImages.Add(image);
            images.MapNames.Add(name);
        }
    }
    return TRUE;
}
