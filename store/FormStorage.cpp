// The form as a whole: the header row, the action log, the step dispatch, and the
// transactions of saving, updating, loading and deleting.
#include <functional>

#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/MessageBox.h"
#include "store/DatabaseError.h"
#include "store/FormDocument.h"
#include "store/FormTables.h"
#include "store/SqlText.h"

namespace {

void BeginTransaction(CSQLite3DB& db) { db.execDML("begin transaction;"); }
void CommitTransaction(CSQLite3DB& db) { db.execDML("commit transaction;"); }

// After a failure: a connection that never opened or whose transaction already ended has
// nothing to undo, and that second failure is not the user's concern.
void RollbackTransaction(CSQLite3DB& db) {
    try {
        db.execDML("rollback transaction;");
    } catch (const CSQLite3Exception&) {
    }
}

// The storage itself declines the work: no database failed, so the user reads the reason
// alone, without the layer's error code.
struct StorageRefusal {
    const char* reason;
};

// Runs `work` in one transaction on a new connection to the program's database. A database
// error or a refusal undoes everything `work` wrote, is shown to the user, and gives FALSE.
BOOL RunTransaction(const std::function<void(CSQLite3DB&)>& work) {
    CSQLite3DB db;
    try {
        db.open(TheProgramFolder().DatabasePath());
        BeginTransaction(db);
        work(db);
        CommitTransaction(db);
        return TRUE;
    } catch (const CSQLite3Exception& e) {
        RollbackTransaction(db);
        ShowDatabaseError(e);
        return FALSE;
    } catch (const StorageRefusal& refusal) {
        RollbackTransaction(db);
        AfxMessageBox(refusal.reason, MB_OK);
        return FALSE;
    }
}

// Another program may have deleted the form since it was opened: its rows are then not
// written again, nor is it deleted twice.
void RequireLiveForm(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select ID from Forms where ID = %d and Del is NULL", formId));
    if (query.eof()) throw StorageRefusal{"Формулярът вече е изтрит или не съществува в базата данни."};
}

}  // namespace

BOOL CTovan_splitDoc::GetFormSteps(CSQLite3DB& db, int formTypeId, CArray<int>& steps) {
    steps.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ItemDataValue from FormBuilder inner join FormViews  v on  FormViewID = v.ID where FormTypeId = %d "
        "order by SequenceNum ",
        formTypeId));
    for (; !query.eof(); query.nextRow()) steps.Add(query.getIntField("ItemDataValue", -1));
    return steps.IsEmpty() ? FALSE : TRUE;
}

int CTovan_splitDoc::InsertFormRow(CSQLite3DB& db) {
    const CSplitSpeciesID species = SplitSpeciesID(SpeciesID);
    db.execDML(FormatSql("insert into Forms (  FormTypeID, SpeciesID, SpeciesType ) values\t(\t%d, %d, %d ) ",
                         FormTypeID, species.id, species.type));
    const int formId = db.lastRowId();
    db.execDML(FormatSql("update Forms set FormCode = '%s' where ID = %d ", QuoteSql(MakeFormCode(formId)), formId));
    return formId;
}

int CTovan_splitDoc::InsertAction(CSQLite3DB& db, int formId, int actionType) {
    db.execQuery(FormatSql("insert into Actions (  FormID, SessionID, ActionType ) values\t(\t%d, %d, %d ) ", formId,
                           SessionID, actionType));
    return db.lastRowId();
}

void CTovan_splitDoc::SaveStep(CSQLite3DB& db, int stepCode, int formId) {
    switch (stepCode) {
        case 1002: case 1003: case 1004: case 1005: case 1006: case 1007:
        case 1008: case 1009: case 1010: case 1011: case 1012: case 1013:
            SavePlace(db, formId);
            return;
        case 1014: case 1015: case 1023: case 1024: case 1025: case 1026: case 1027:
            SaveClimate(db, formId);
            return;
        case 1017: case 1028:
            SaveCoords(db, formId);
            return;
        case 1018: SaveLocality(db, formId); return;
        case 1019: SaveObservers(db, formId); return;
        case 1020: SaveThreats(db, formId); return;
        case 1021: SaveImages(db, formId); return;
        default:
            // A species page, or a step that shows data it does not keep (the forestry units,
            // the final step, the chooser): those write nothing.
            SaveSpeciesStep(db, stepCode, formId);
    }
}

BOOL CTovan_splitDoc::SaveNewForm() {
    return RunSave([&](CSQLite3DB& db, CSaveProgress& progress) {
        CArray<int> steps;
        GetFormSteps(db, FormTypeID, steps);
        progress.SetRange(steps.GetSize() + 1);
        const int formId = InsertFormRow(db);
        progress.StepIt();
        InsertAction(db, formId, kFormCreated);
        progress.StepIt();
        for (const int step : steps) {
            SaveStep(db, step, formId);
            progress.StepIt();
        }
    });
}

BOOL CTovan_splitDoc::UpdateForm() {
    return RunSave([&](CSQLite3DB& db, CSaveProgress& progress) {
        RequireLiveForm(db, FormID);
        // Pictures are large: the new rows are written before the old ones go, so that they
        // take pages that were free before the update rather than pages the update freed,
        // which SQLite would first copy to its journal. Old and new rows differ by ID.
        const int lastOldPicture = db.execQuery(FormatSql("select ifnull(max(ID), 0) from DlgData_Images "
                                                          "where FormID = %d ", FormID)).getIntField(0, 0);
        DeleteFormData(db, FormID, PictureRows::kKeep);
        CArray<int> steps;
        GetFormSteps(db, FormTypeID, steps);
        progress.SetRange(steps.GetSize() + 1);
        InsertAction(db, FormID, kFormUpdated);
        progress.StepIt();
        for (const int step : steps) {
            SaveStep(db, step, FormID);
            progress.StepIt();
        }
        db.execDML(FormatSql("delete from DlgData_Images where FormID = %d and ID <= %d ", FormID, lastOldPicture));
    });
}

BOOL CTovan_splitDoc::RunSave(const std::function<void(CSQLite3DB&, CSaveProgress&)>& work) {
    // Forgotten first: a save that an exception other than the database's ended never came
    // back here, and the site it created was rolled back with it.
    m_createdSiteId = CCommonData_01::kNewSite;
    const CSaveProgress::Showing showing(m_saveProgress);
    const BOOL stored = RunTransaction([&](CSQLite3DB& db) { work(db, m_saveProgress); });
    if (stored && m_createdSiteId != CCommonData_01::kNewSite) CommonData_01.PlaceID = m_createdSiteId;
    return stored;
}

BOOL CTovan_splitDoc::DeleteForm(int formId) {
    return RunTransaction([&](CSQLite3DB& db) {
        RequireLiveForm(db, formId);
        InsertAction(db, formId, kFormDeleted);
        DeleteFormData(db, formId);
        db.execDML(FormatSql("update Forms set Del = 1 where ID = %d ", formId));
    });
}

BOOL CTovan_splitDoc::LoadForm(int formId) {
    FormID = formId;
    CSQLite3DB db;
    try {
        db.open(TheProgramFolder().DatabasePath());
        const BOOL found = LoadFormHeader(db, formId);
        LoadPlace(db, formId);
        LoadClimate(db, formId);
        LoadCoords(db, formId);
        LoadLocality(db, formId);
        LoadObservers(db, formId);
        LoadThreats(db, formId);
        LoadImages(db, formId);
        LoadSpeciesPages(db, formId);
        return found;
    } catch (const CSQLite3Exception& e) {
        ShowDatabaseError(e);
        return FALSE;
    }
}

BOOL CTovan_splitDoc::LoadFormHeader(CSQLite3DB& db, int formId) {
    // Left joins: a form whose form type is gone still loads.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select f.FormTypeID as FormTypeID, f.SpeciesID as SpeciesID, f.SpeciesType as SpeciesType, f.FormCode as FormCode, "
        "n.Name as FormName "
        "from Forms f "
        "left join FormNames n on f.FormTypeID = n.ID "
        "where f.ID = %d ",
        formId));
    if (query.eof()) return FALSE;
    FormName = query.getStringField("FormName");
    FormCode = query.getStringField("FormCode");
    const int level = query.getIntField("SpeciesType", 0);
    SpeciesID = JoinSpeciesID(level, query.getIntField("SpeciesID", 0), SpeciesID);
    // A taxon whose row is gone, or a level outside the tree, names nothing.
    if (level < kSpeciesLevel || level > kSupergroupLevel || !ReadTaxonName(db, SpeciesID)) {
        SpeciesName.Empty();
        SpeciesCode.Empty();
    }
    return TRUE;
}

BOOL CTovan_splitDoc::ReadTaxonName(CSQLite3DB& db, int combinedId) {
    if (combinedId == kTrialPlotSpeciesID) {
        SpeciesName = "Пробна площадка";
        SpeciesCode.Empty();
        return TRUE;
    }
    const CSplitSpeciesID taxon = SplitSpeciesID(combinedId);
    const char* const table = taxon.type == kSubgroupLevel ? "sSubGroups"
                              : taxon.type == kGroupLevel  ? "sGroups"
                                                           : "sSuperGroups";
    CSQLite3Query query = db.execQuery(
        taxon.type == kSpeciesLevel
            ? FormatSql("select species_code, case when Name_bg is NULL then Name_lat  WHEN Name_lat is NULL "
                        "THEN  Name_bg else Name_lat || '(' || Name_bg || ')'  end  as Name  from sAllSpecies where ID = %d",
                        taxon.id)
            : FormatSql("select NULL as species_code, Name_lat || '(' || Name_bg || ')' as Name from %s where ID = %d",
                        table, taxon.id));
    if (query.eof()) return FALSE;
    SpeciesName = query.getStringField("Name");
    SpeciesCode = query.getStringField("species_code");
    return TRUE;
}
