#pragma once
// The observers dialog: an observer (a person who took part in the field work) is looked
// up in the register of persons by any part of the names, e-mail, institution or position,
// or registered anew. The dialog ends with OK only with a person chosen from its table,
// which the caller then reads from m_person.
#include "controls/grid/GridCtrl.h"
#include "platform/Dialog.h"
#include "res/UserDialogIds.h"
#include "store/CommonRecords.h"

class CDlg_Persons : public CDialog {
public:
    enum { IDD = IDD_PERSONS };
    enum Mode { kSearch = 0, kAdd = 1 };
    static constexpr int IDC_MODE_SEARCH = 1379;
    static constexpr int IDC_MODE_ADD = 1380;
    static constexpr int IDC_FIRST_NAME = 2552;
    static constexpr int IDC_MID_NAME = 2007;
    static constexpr int IDC_LAST_NAME = 2031;
    static constexpr int IDC_EMAIL = 2032;
    static constexpr int IDC_ORGANIZATION = 2522;
    static constexpr int IDC_POSITION = 1376;
    static constexpr int IDC_FIND = 2628;
    static constexpr int IDC_ADD = 2621;
    static constexpr int IDC_CLEAR = 2534;
    static constexpr int IDC_NOTHING_FOUND = 1377;
    static constexpr int IDC_GRID = 2682;
    static constexpr int kMaxNameLength = 50;

    explicit CDlg_Persons(int mode = kSearch, CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;

    void FindPersons();
    void OnAdd();
    void OnClear();
    void OnModeChanged();

    // TRUE when every letter is one of А-я (code page 1251 bytes 0xC0-0xFF); a blank, a
    // hyphen, a digit, a Latin letter or Ё/ё fails; the empty text passes.
    static BOOL IsCyrillicOnly(const CString& text);

    CString m_strLastName;
    CString m_strFirstName;
    CString m_strMidName;
    CString m_strOrganization;
    CString m_strEmail;
    CString m_strPosition;
    int m_nMode;
    CGridCtrl m_grid;
    CPersonRow m_person;  // ID -1 until a person is chosen

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnGridDblClick(NMHDR* header, LRESULT* result);
    BOOL ValidateFields();
    // FALSE after saying which field needs what, with the focus on that field.
    BOOL Refuse(int controlId, const char* message);
    // Persons with the same three names or the same e-mail; the number found.
    int FindSimilarPersons();
    BOOL InsertPerson();
    void TrimFields();
    void UpdateButtons();
    void FillCombo(int controlId, const char* table);
    void InitGrid();
    // Empties the table and lists the rows of the query; the number of rows.
    int ListPersons(const CString& sql);
};
