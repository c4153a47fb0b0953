#pragma once
// The step "Екип.": the people who made the observation, each chosen (or registered first)
// in the observers dialog. The page lists them and removes them; their data cannot be
// edited here. It edits the document's observers record.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/CommonRecords.h"

class CCommonForm_06 : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_06)
public:
    static constexpr int IDC_OBSERVERS = 2682, IDC_ADD_OBSERVER = 2684, IDC_DELETE_OBSERVER = 2549;

    CCommonForm_06();

    const MessageMap& GetMessageMap() const override;

    void OnAddObserver();
    void OnDeleteObserver();

    const CArray<CPersonRow>& Observers() const { return m_observers; }
    CGridCtrl& ObserverGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void SetupObserverGrid();
    void RefreshObserverGrid();

    CGridCtrl m_grid;
    CArray<CPersonRow> m_observers;
};
