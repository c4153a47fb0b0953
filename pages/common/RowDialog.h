#pragma once
// The shape of every dialog in which a species page adds or changes one row of a table (or
// picks a few options for the page). The dialog edits its own copy of the row: opened with
// no row it adds (the row keeps its defaults), opened with a row it changes that copy. OK
// checks the input in the dialog's order and stays open with the first rule's message;
// only when all pass is the row filled from the controls and the dialog ended, and the
// page then takes `m_row`. Cancel leaves the page's rows as they were.
//
//     class CDlg_BatSpecies : public CRowDialogOf<CBatSpeciesRow> {
//     public:
//         CDlg_BatSpecies(const CBatSpeciesRow* row, const BYTE* methods, CWnd* parent = nullptr)
//             : CRowDialogOf(214, row, parent), m_methods(methods) {}
//     protected:
//         void FillLists() override { FillComboFromColumns(m_species, "ID", "Name", "nBatSpecies"); }
//         BOOL ShowRow() override {
//             CComboHelpers::SelectByItemData(m_species, m_row.SpeciesID);
//             ApplyMethodStates(kFirstMethod, m_methods, kMethods);
//             m_count = CountText(m_row.Count);
//             return TRUE;
//         }
//         BOOL CheckInput() override {
//             return RequireChoice(m_species, "Моля изберете вид!") && RequireText(m_count, "Моля въведете брой!") &&
//                    RequireAnyChecked(kFirstMethod, kMethods, "Моля изберете метод!");
//         }
//         void TakeRow() override {
//             CComboHelpers::GetSelection(m_species, m_row.SpeciesID, m_row.SpeciesName);
//             m_row.Count = LeadingInteger(m_count);
//             m_row.Methods = ReadMethods(kFirstMethod, kMethods, m_row.MethodFlags);
//         }
//     };
//     REGISTER_DIALOG_CLASS(CDlg_BatSpecies, nullptr, nullptr)   // in its .cpp, opened with no row
#include "platform/Dialog.h"
#include "platform/ListControls.h"

class CRowDialog : public CDialog {
public:
    explicit CRowDialog(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    // A flag byte of a row as a check box shows it: 1 ticked; 0 and the unset -1 not.
    static int CheckValue(int flag) { return flag == 1 ? 1 : 0; }

protected:
    // Fills the lists, shows the row (ShowRow), and fills the controls when it copied
    // anything; the focus goes to the first control.
    BOOL OnInitDialog() override;
    // Reads the controls, checks them (CheckInput), then takes the row (TakeRow) and ends.
    void OnOK() override;

    // Each list from its nomenclature table.
    virtual void FillLists() {}
    // The row into the members and controls (selections, method states, texts); TRUE when
    // members were set that the controls must show.
    virtual BOOL ShowRow() { return FALSE; }
    // The dialog's rules in their order; FALSE after the first failing one said why.
    virtual BOOL CheckInput() { return TRUE; }
    // The controls' values into the row.
    virtual void TakeRow() {}

    // ---- rules: each returns FALSE after showing its message (OK button) ----
    static BOOL Refuse(const char* message);
    static BOOL RequireChoice(const CComboBox& combo, const char* message);
    // With `trim`, blanks at both ends are removed first and the trimmed text is kept.
    static BOOL RequireText(CString& text, const char* message, BOOL trim = FALSE);
    BOOL RequireAnyChecked(int firstBoxId, int boxes, const char* message) const;
    static BOOL RequireRadio(int index, const char* message);

    // ---- method check boxes (consecutive control ids from firstBoxId) ----
    // Box i is enabled when byte i is not zero; without bytes all stay enabled.
    void ApplyMethodStates(int firstBoxId, const BYTE* enabled, int boxes);
    // The ticked boxes as read from the buttons: flags[i] is 1 or 0, and the text lists the
    // ticked numbers from 1, each with `format` ("%d; "), trimmed at the right unless told
    // otherwise: boxes 1 and 3 give "1; 3;".
    CString ReadMethods(int firstBoxId, int boxes, BYTE* flags, const char* format = "%d; ", BOOL trimRight = TRUE) const;
    // The caption of the chosen button of a radio group, "" for none (-1).
    CString RadioCaption(int firstButtonId, int index) const;
};

// A row dialog over one row type: the row is copied in (changing) or left at its defaults
// (adding); after OK the page reads m_row.
template <class Row>
class CRowDialogOf : public CRowDialog {
public:
    CRowDialogOf(UINT templateId, const Row* row, CWnd* parent = nullptr)
        : CRowDialog(templateId, parent), m_row(row ? *row : Row()) {}

    void SetRow(const Row& row) { m_row = row; }

    Row m_row;
};
