#include "FormDocument.h"

#include "store/SqlText.h"

IMPLEMENT_DYNCREATE(CTovan_splitDoc, CDocument)

BOOL CTovan_splitDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

CSplitSpeciesID SplitSpeciesID(int combinedId) {
    if (combinedId < 10000) return {combinedId, kSpeciesLevel};
    if (combinedId < 100000) return {combinedId - 10000, kSubgroupLevel};
    if (combinedId >= 1000000) return {combinedId - 1000000, kSupergroupLevel};
    return {combinedId - 100000, kGroupLevel};
}

int JoinSpeciesID(int type, int id, int current) {
    switch (type) {
        case kSpeciesLevel: return id;
        case kSubgroupLevel: return id + 10000;
        case kGroupLevel: return id + 100000;
        case kSupergroupLevel: return id + 1000000;
        default: return current;
    }
}

void CTovan_splitDoc::ClearAll() {
    FormID = -1;
    FormCode.Empty();
    CommonData_01.Reset();
    CommonData_02.Reset();
    CommonData_03.Reset();
    CommonData_04.Reset();
    CommonData_05.Reset();
    CommonData_06.Reset();
    CommonData_07_Threat.Reset();
    CommonData_InsertImages.Reset();
    ResetSpeciesPages();
}

CString CTovan_splitDoc::MakeFormCode(int formId) const {
    return FormatSql("%d_%d_%d_%d", RIOSW_ID, FormTypeID, SpeciesID, formId);
}
