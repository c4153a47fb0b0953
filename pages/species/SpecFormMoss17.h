#pragma once
// "Мъхове - 17": the host trees, the area of trees bearing the moss, and the moss colonies on
// those trees. A colony names its tree by position: deleting a tree moves the colonies of the
// later trees along with them and, after asking, deletes the colonies of the deleted one.
#include "controls/NumericEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"

class CSpecForm_Moss_17 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_17)
public:
    static constexpr int IDC_TREES = 2509, IDC_ADD_TREE = 2510, IDC_DELETE_TREE = 2511;
    static constexpr int IDC_COLONIES = 2461, IDC_ADD_COLONY = 2611, IDC_DELETE_COLONY = 2512;
    static constexpr int IDC_AREA = 2037;
    static constexpr const char* kNoTrees =
        "В момента няма въведени дървесни видове, за които да бъде добавена мъхова колония !";

    CSpecForm_Moss_17();

    const MessageMap& GetMessageMap() const override;

    void OnAddTree();
    void OnDeleteTree();
    void OnAddColony();
    void OnDeleteColony();

    CGridCtrl m_treeGrid;
    CGridCtrl m_colonyGrid;
    CArray<CMoss17TreeRow> m_trees;
    CArray<CMoss17ColonyRow> m_colonies;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnTreeDblClk(NMHDR* header, LRESULT*);
    void OnColonyDblClk(NMHDR* header, LRESULT*);
    void RefillTrees();
    void RefillColonies();

    CString m_area;
    CNumericEdit m_areaEdit;
};
