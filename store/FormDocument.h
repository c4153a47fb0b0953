#pragma once
// The one document of the program: the monitoring form in hand, whether it is being typed
// in, edited or only viewed. It holds the header (which form, about which taxon, typed by
// whom), the read-only flag and one record per page. Pages copy their controls into their
// record when they are left and back when they are shown; the operations below write the
// records to the database and read them back, each in one piece: a form is stored whole or
// not at all. The document has no file of its own; storage is SQL only.
#include <functional>

#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Document.h"
#include "platform/Gdi.h"
#include "store/CommonRecords.h"
#include "store/FamilyRecords.h"
#include "store/SaveProgress.h"

class CSQLite3DB;

// One integer names the taxon of a form at any of four levels of the species tree; the
// stored form keeps the level (SpeciesType) and the id at that level apart.
enum SpeciesLevel { kSpeciesLevel = 1, kSubgroupLevel = 2, kGroupLevel = 3, kSupergroupLevel = 4 };
constexpr int kTrialPlotSpeciesID = 100001;  // group 1: a trial plot, not a taxon

struct CSplitSpeciesID {
    int id;
    int type;  // a SpeciesLevel
};
CSplitSpeciesID SplitSpeciesID(int combinedId);
// The combined id of a stored (type, id); `current` for a type outside 1..4.
int JoinSpeciesID(int type, int id, int current);

// Actions.ActionType
enum FormAction { kFormCreated = 1, kFormDeleted = 2, kFormUpdated = 3 };

class CTovan_splitDoc : public CDocument, public CSpeciesRecords {
    DECLARE_DYNCREATE(CTovan_splitDoc)
public:
    CTovan_splitDoc() = default;

    // File New makes the document new as the framework does; the form in hand stays.
    BOOL OnNewDocument() override;

    // Header. The chooser or the list of stored forms sets the form and taxon, the start-up
    // sets the login context once for the whole run.
    int FormTypeID = -1;  // FormNames.ID
    CString FormName;
    int FormID = -1;      // Forms.ID of a loaded form, -1 for a new one
    CString FormCode;     // Forms.FormCode of a loaded form, "" for a new one
    int SpeciesID = -1;   // combined id, see SplitSpeciesID
    CString SpeciesName;
    CString SpeciesCode;
    int UserID = -1;
    int SessionID = -1;
    int RIOSW_ID = -1;    // the inspectorate or park of the login (nRIOSW_NP_PP)
    CString RIOSWName;

    // The common pages' records. The species pages' records are the members of the
    // families in CSpeciesRecords.
    CCommonData_01 CommonData_01;
    CCommonData_02 CommonData_02;
    CCommonData_03 CommonData_03;
    CCommonData_04 CommonData_04;
    CCommonData_05 CommonData_05;
    CCommonData_06 CommonData_06;
    CCommonData_07_Threat CommonData_07_Threat;
    CCommonData_InsertImages CommonData_InsertImages;

    // The form type's picture, loaded and drawn by the header of every page.
    CBitmap HeaderBitmap;

    // FormID to -1 (FormCode to "") and every page record to its defaults; the rest of the
    // header and the read-only flag stay.
    void ClearAll();

    void SetReadOnly(BOOL readOnly) { m_readOnly = readOnly; }
    BOOL IsReadOnly() const { return m_readOnly; }

    // "inspectorate_formtype_combinedspecies_formid", written once when the form is first
    // stored.
    CString MakeFormCode(int formId) const;

    // The four operations. Each opens its own connection to the program's database, shows
    // a database error itself and returns FALSE after it (a failed save, update or delete
    // has changed nothing in the database). Saving and updating create a new site of the
    // place record once: when the save that created it has committed, the record names the
    // site by its id, so that the next save links the form to it rather than creating it
    // again; a save that failed leaves it "new site".

    // Stores the records under a new Forms.ID; FormID is not changed.
    BOOL SaveNewForm();
    // Rewrites the data rows of the loaded form (FormID); Forms row and FormCode stay.
    BOOL UpdateForm();
    // Sets FormID and fills the header and every record from the stored form; the caller
    // has set FormTypeID and called ClearAll. FALSE also when the form has no Forms row.
    BOOL LoadForm(int formId);
    // Logs the deletion, removes the form's data rows and flags the Forms row deleted; the
    // document is not touched.
    BOOL DeleteForm(int formId);

    // SpeciesName and SpeciesCode for the taxon of a combined id, as a stored form of it
    // shows them when opened: a species by its names and code, the trial plot as "Пробна
    // площадка", a subgroup, group or super group by its names and without a code. FALSE,
    // both unchanged, when the taxon has no row. Database errors pass to the caller.
    BOOL ReadTaxonName(CSQLite3DB& db, int combinedId);

    // The step codes of a form type in page order; FALSE when it has none.
    static BOOL GetFormSteps(CSQLite3DB& db, int formTypeId, CArray<int>& steps);

    // The threats of a stored form, each with its path in the classification as the
    // threats picker shows it; TRUE when the form has threats.
    BOOL LoadThreats(CSQLite3DB& db, int formId);

private:
    // Saving (inside the caller's transaction; errors pass to it).
    int InsertFormRow(CSQLite3DB& db);
    int InsertAction(CSQLite3DB& db, int formId, int actionType);
    void SaveStep(CSQLite3DB& db, int stepCode, int formId);
    void SavePlace(CSQLite3DB& db, int formId);
    void SaveClimate(CSQLite3DB& db, int formId);
    void SaveCoords(CSQLite3DB& db, int formId);
    void SaveLocality(CSQLite3DB& db, int formId);
    void SaveObservers(CSQLite3DB& db, int formId);
    void SaveThreats(CSQLite3DB& db, int formId);
    void SaveImages(CSQLite3DB& db, int formId);

    // Loading: each returns TRUE when its first query found a row; without one the record
    // keeps what it held (lists already emptied).
    BOOL LoadFormHeader(CSQLite3DB& db, int formId);
    BOOL LoadPlace(CSQLite3DB& db, int formId);
    BOOL LoadClimate(CSQLite3DB& db, int formId);
    BOOL LoadCoords(CSQLite3DB& db, int formId);
    BOOL LoadLocality(CSQLite3DB& db, int formId);
    BOOL LoadObservers(CSQLite3DB& db, int formId);
    BOOL LoadImages(CSQLite3DB& db, int formId);

    // Runs a save or an update in one transaction under the progress window; a site that
    // `work` created goes into the place record once the transaction has committed.
    BOOL RunSave(const std::function<void(CSQLite3DB&, CSaveProgress&)>& work);

    BOOL m_readOnly = FALSE;
    CSaveProgress m_saveProgress;
    // The site the save in progress created; kNewSite while it created none.
    int m_createdSiteId = CCommonData_01::kNewSite;
};
