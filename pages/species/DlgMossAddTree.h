#pragma once
// A host tree of page 17: its species in the linked Latin and Bulgarian lists, its height and
// diameter. Nothing is required.
#include "controls/NumericEdit.h"
#include "pages/common/RowDialog.h"
#include "pages/species/MossSpeciesPair.h"
#include "store/MossRecords.h"

class CDlg_Moss_AddTree : public CRowDialogOf<CMoss17TreeRow> {
public:
    static constexpr int IDC_BULGARIAN = 2458, IDC_LATIN = 2459, IDC_HEIGHT = 2513, IDC_DIAMETER = 2483;

    explicit CDlg_Moss_AddTree(const CMoss17TreeRow* row, CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;
    void OnBulgarianChanged() { m_pair.FollowBulgarian(); }
    void OnLatinChanged() { m_pair.FollowLatin(); }

    CMossSpeciesPair m_pair;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override { m_pair.Fill("_AllTreesMoss"); }
    BOOL ShowRow() override;
    void TakeRow() override;

private:
    CNumericEdit m_heightEdit;
    CNumericEdit m_diameterEdit;
    CString m_height;
    CString m_diameter;
};
