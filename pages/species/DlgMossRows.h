#pragma once
// The row dialogs of the moss pages: a tree, shrub or grass species ("Добави вид"), a
// companion moss, a tuft with or without its spore-capsule answer, a stump or fallen tree, and a tuft's
// position on a rock.
#include "controls/NumericEdit.h"
#include "pages/common/RowDialog.h"
#include "pages/species/MossSpeciesPair.h"
#include "store/MossRecords.h"

// A species from the tree list (kind 1) or the shrub and grass list (kind 0); any other kind
// leaves both lists empty.
class CDlg_Moss_AddSpecies : public CRowDialogOf<CMossSpeciesRow> {
public:
    static constexpr int kGrassBushList = 0, kTreeList = 1;
    static constexpr int IDC_BULGARIAN = 2458, IDC_LATIN = 2459;

    CDlg_Moss_AddSpecies(int listKind, const CMossSpeciesRow* row, CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;
    void OnBulgarianChanged() { m_pair.FollowBulgarian(); }
    void OnLatinChanged() { m_pair.FollowLatin(); }

    CMossSpeciesPair m_pair;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override { return m_pair.CheckChosen(); }
    void TakeRow() override;

private:
    int m_listKind;
};

// A companion moss of _AllMosses; its cover field stays hidden and passes through trimmed.
class CDlg_Moss_Companion : public CRowDialogOf<CMoss05Row> {
public:
    static constexpr int IDC_SPECIES = 2469, IDC_COVER = 2471;

    explicit CDlg_Moss_Companion(const CMoss05Row* row, CWnd* parent = nullptr);

    CSearchComboBox m_species;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CString m_cover;
};

// A tuft: its area, and with a non-zero flag whether it carries a spore capsule; with flag 0
// that answer is hidden and the dialog closes the gap it leaves.
class CDlg_Moss_Tuft : public CRowDialogOf<CMoss04Row> {
public:
    static constexpr int IDC_AREA = 2475, IDC_SPORE_LABEL = 2778, IDC_SPORE = 2493;
    static constexpr int kGap = 60;  // pixels the buttons move up without the spore answer

    CDlg_Moss_Tuft(const CMoss04Row* row, int sporeFlag, CWnd* parent = nullptr);

    CComboBox m_spore;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    int m_sporeFlag;
    CString m_area;
    CNumericEdit m_areaEdit;
};

// A stump or fallen tree carrying Buxbaumia viridis: diameter, length, sporophytes and the
// decay degree, all required, each refused with the focus on its field.
class CDlg_Moss_FallenTree : public CRowDialogOf<CMoss09Row> {
public:
    static constexpr int IDC_DIAMETER = 2483, IDC_LENGTH = 2731, IDC_SPOROPHYTES = 2046, IDC_DECAY = 2482;

    explicit CDlg_Moss_FallenTree(const CMoss09Row* row, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    // The rule's message when the condition fails, with the focus on the control.
    BOOL Require(bool met, const char* message, int controlId);

    int m_decay = -1;
    CString m_diameter;
    CString m_length;
    CString m_sporophytes;
    CNumericEdit m_diameterEdit;
    CNumericEdit m_lengthEdit;
};

// A tuft's position on a rock block, its exposure and sunshine; OK does nothing until all
// three are chosen.
class CDlg_Moss_TuftPosition : public CRowDialogOf<CMoss11Row> {
public:
    static constexpr int IDC_SITUATION = 2490, IDC_EXPOSURE = 2460, IDC_SUNSHINE = 2492;

    explicit CDlg_Moss_TuftPosition(const CMoss11Row* row, CWnd* parent = nullptr);

    CComboBox m_situation;
    CComboBox m_exposure;
    CComboBox m_sunshine;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
};
