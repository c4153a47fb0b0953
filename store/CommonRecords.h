#pragma once
// What the common pages of every form keep: one record per page, owned by the document,
// filled by the page when it is left and by the loader of a stored form, read by the save
// and by the reports. Fields bear the names of the columns that store them; a text kept
// beside an id is that id's name + "Name" and is never stored. Ids and radio indexes are -1
// when nothing is chosen. Reset puts a record back to what a new form starts with.
#include <memory>

#include "platform/Arrays.h"
#include "platform/COleDateTime.h"
#include "platform/CString.h"
#include "store/GeoPoint.h"

class CxImage;

// An observer: a row of Person_Colaborator.
struct CPersonRow {
    int ID = -1;
    CString FirstName;
    CString MidName;
    CString LastName;
    CString EGN;  // holds the e-mail address
    CString Organization;
    CString Position;

    friend bool operator==(const CPersonRow&, const CPersonRow&) = default;
};

// A chosen threat: its nThreats id and its path in the classification ("a->b->c").
struct CThreatItem {
    int ID = -1;
    CString Name;

    friend bool operator==(const CThreatItem&, const CThreatItem&) = default;
};
using CThreatArray = CArray<CThreatItem>;

// Place and time (DlgData_01_Place, and nSites for a new site).
class CCommonData_01 {
public:
    // PlaceID of a site typed on the page, created by the save.
    static constexpr int kNewSite = -2;

    void Reset() { *this = CCommonData_01(); }

    CString SiteName;
    int PlaceID = -1;
    COleDateTime Date{2000, 1, 1, 1, 1, 1};
    COleDateTime StartTime{2000, 1, 1, 1, 1, 1};  // null: no time given
    COleDateTime EndTime{2000, 1, 1, 1, 1, 1};
    int EKNM_CityID = -1;
    CString EKNM_CityIDName;
    CString EKNM_CityCode;
    int EKNM_MunicipalityID = -1;
    CString EKNM_MunicipalityIDName;
    int EKNM_ProvinceID = -1;
    CString EKNM_ProvinceIDName;
    int NUTS_ID = -1;
    int RIOSW_ID_ = -1;
    int RUG_ID = -1;
    int DL_ID = -1;
    int DDS_ID = -1;
    CString NUTS_IDName;
    CString RIOSW_ID_Name;
    CString RUG_IDName;
    CString DL_IDName;
    CString DDS_IDName;
    CString Department;
    CString SubDepartment;
    CString DynamicStrContent;  // the meaning of the three depends on the page's species variant
    CString DynamicStrContent2;
    CString DynamicStrContent3Natura2000;
    CString DynamicIntComboContentName;
    int DynamicIntComboContent = -1;
    CString DynamicStrArea1;
    CString DynamicStrArea2;
    int DynamicIntRadio = -1;  // 0 sample plot, 1 transect

    friend bool operator==(const CCommonData_01&, const CCommonData_01&) = default;
};

// Weather (DlgData_02_Climate).
class CCommonData_02 {
public:
    void Reset() { *this = CCommonData_02(); }

    int Cloudness = -1;  // index in the cloudiness list
    CString Rainfall;
    int Wind = -1;  // 0 weak, 1 moderate, 2 strong
    CString TemperatureAir;
    CString TemperatureWater;
    int SurfaceID = -1;  // nTortoiseGround
    CString SurfaceIDName;

    friend bool operator==(const CCommonData_02&, const CCommonData_02&) = default;
};

// Forestry units: kept while the form is open, never stored (no table holds them).
class CCommonData_03 {
public:
    void Reset() { *this = CCommonData_03(); }

    int NUTS_ID = -1;
    int RIOSW_ID_ = -1;
    int RUG_ID = -1;
    int DL_ID = -1;
    int DDS_ID = -1;
    CString NUTS_IDName;
    CString RIOSW_ID_Name;
    CString RUG_IDName;
    CString DL_IDName;
    CString DDS_IDName;
    CString Department;
    CString SubDepartment;

    friend bool operator==(const CCommonData_03&, const CCommonData_03&) = default;
};

// Coordinates (DlgData_03_Coords, one Coordinates row per point).
class CCommonData_04 {
public:
    void Reset() { *this = CCommonData_04(); }

    int BioRegionID = -1;  // 0 alpine, 1 continental, 2 Black Sea
    CString Altitude;
    int ExposureID = -1;  // nMossExposure; -1 always on the page without exposure
    CString ExposureIDName;
    CArray<CGeoPoint> Points;

    friend bool operator==(const CCommonData_04&, const CCommonData_04&) = default;
};

// Protected areas (DlgData_04_Locality).
class CCommonData_05 {
public:
    void Reset() { *this = CCommonData_05(); }

    int NP_ID = -1;
    int NP_PU_ID = -1;
    int PP_ID = -1;
    int Reserve_ID = -1;
    int PR_ID = -1;
    int PZ_ID = -1;
    int ZM_ID = -1;
    int Corine_ID = -1;
    int OVM_ID = -1;
    int Natura_200_ID = -1;
    int Ramsar_ID = -1;
    CString NP_IDName;
    CString NP_PU_IDName;
    CString PP_IDName;
    CString Reserve_IDName;
    CString PR_IDName;
    CString PZ_IDName;
    CString ZM_IDName;
    CString Corine_IDName;
    CString OVM_IDName;
    CString Natura_200_IDName;
    CString Ramsar_IDName;

    friend bool operator==(const CCommonData_05&, const CCommonData_05&) = default;
};

// Observers (one DlgData_06 row each).
class CCommonData_06 {
public:
    void Reset() { Observers.RemoveAll(); }

    CArray<CPersonRow> Observers;

    friend bool operator==(const CCommonData_06&, const CCommonData_06&) = default;
};

// Threats (one DlgData_07_Threats row each).
class CCommonData_07_Threat {
public:
    void Reset() { Threats.RemoveAll(); }

    CThreatArray Threats;

    friend bool operator==(const CCommonData_07_Threat&, const CCommonData_07_Threat&) = default;
};

// Photos and maps (DlgData_Images). Pictures are shared, never owned: copies of the record,
// the page and the pictures dialog hold the same picture objects, and clearing a group
// only drops this record's references. Entry i of a group's three lists is one picture.
using CImageRef = std::shared_ptr<CxImage>;

class CCommonData_InsertImages {
public:
    void Reset() { ClearAll(); }
    void ClearFirstGroup() {  // the photos
        PhotoImages.RemoveAll();
        PhotoNames.RemoveAll();
        PhotoPaths.RemoveAll();
    }
    void ClearSecondGroup() {  // the maps and scans
        MapImages.RemoveAll();
        MapNames.RemoveAll();
        MapPaths.RemoveAll();
    }
    void ClearAll() {
        ClearFirstGroup();
        ClearSecondGroup();
    }

    CArray<CImageRef> PhotoImages;
    CStringArray PhotoNames;  // file names without folder
    CStringArray PhotoPaths;  // where each was read from; never stored
    CArray<CImageRef> MapImages;
    CStringArray MapNames;
    CStringArray MapPaths;
};
