#pragma once
// The older form chooser, kept beside the species and form chooser for the workflow codes
// 999 and 1000: a list of species types and, for the chosen type, a list of forms; the
// chosen form opens straight on the place and time page, without the steps of a workflow.
#include "platform/FormView.h"
#include "platform/ListCtrl.h"

class CChooseForm : public CFormView {
    DECLARE_DYNCREATE(CChooseForm)
public:
    static constexpr int IDC_TITLE = 2005, IDC_SPECIES_TYPES = 2002, IDC_FORMS = 2001, IDC_CONTINUE = 2525;

    CChooseForm();

    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;

    // The forms of a species type; -1 empties the list.
    void FillForms(int speciesTypeId);
    void OnContinue();

    CListCtrl& SpeciesTypes() { return m_types; }
    CListCtrl& Forms() { return m_forms; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnClickSpeciesTypes(NMHDR* header, LRESULT* result);
    void OnClickForms(NMHDR* header, LRESULT* result);
    void OnDblClickForms(NMHDR* header, LRESULT* result);
    // Appends the rows of the query: running number, name, and the id as item data.
    static void FillList(CListCtrl& list, const CString& sql, const char* idColumn);
    // The item data of the one selected row; -1 unless exactly one is selected.
    static int SingleSelection(const CListCtrl& list);

    CListCtrl m_types;
    CListCtrl m_forms;
};
