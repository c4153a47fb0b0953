#pragma once
// A page shown offscreen on a fresh demo database, as the view switch shows it: created in a
// frame for the document, prepared, and destroyed (saving into its record) when left.
// Message boxes are recorded in `boxes`; the page and its dialogs are worked with the shared
// window fixture (Click(*page, id), ModalRun, Grab...).
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/FrameWnd.h"
#include "platform/ListControls.h"
#include "store/FormDocument.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/WindowFixture.h"

// It has settlements, national parks with sections, NUTS, DL and RUG entries, and no DDS.
constexpr int kTestInspectorate = 2;
// Its settlements hold the widest entry of all ("Александър Стамболийски" with its code).
constexpr int kWidestSettlementsInspectorate = 4;

class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CFormPage* ShowPage(const CRuntimeClass* pageClass);
    CView* ShowView(const CRuntimeClass* viewClass);  // any view of the document, left to the test
    void Leave();  // as a step change: the page saves into its record and goes

    Entries Rows(const CString& sql) const;  // columns 0 and 1
    int Number(const CString& sql) const;
    void Exec(const CString& sql) const;

    MessageBoxLog boxes;
    CTestDatabase database;
    CTovan_splitDoc doc;
    CFormPage* page = nullptr;

private:
    CFrameWnd* m_host = nullptr;
};

// A user's click on a check box: it is ticked (or cleared), then tells its window.
inline void Tick(CWnd& window, int id, bool ticked = true) {
    window.CheckDlgButton(id, ticked ? BST_CHECKED : BST_UNCHECKED);
    Click(window, id);
}

// Where the keyboard types into a combo box: its dropped-down list while it is open.
CWnd* KeyTarget(CComboBox& combo);

// How a user ends typing into a list: the list dropped down by a click on the box, then
// Enter, or a click elsewhere on the window; or the list left closed, then Enter.
enum class ListTyping { kOpenThenEnter, kOpenThenClickAside, kClosedThenEnter };
// Types `text` into list `comboId` of `window` the way `how` says; the list is closed after.
void TypeIntoList(CWnd& window, int comboId, const CString& text, ListTyping how);

// A click on list `comboId` of `window` drops its list down below the box, no taller than
// the rectangle that template `templateId` gives the box with its list; Escape closes it.
void ExpectListDropsWithinItsTemplate(CWnd& window, UINT templateId, int comboId);

// The closed combo box `comboId` of `window`, its widest entry chosen, shows that entry
// whole: in the box's picture the text's ink spans the text's width and ends before the
// arrow button.
void ExpectWidestEntryShownWhole(CWnd& window, int comboId);

// The texts of a column of a page's table, below its heading row.
std::vector<CString> GridColumn(CGridCtrl& grid, int column);
// The rows of a page's table below its heading row, each row's cells joined by "|".
std::vector<CString> GridRows(CGridCtrl& grid);

// The dialog of class `Dialog` that `action` opens runs `script`, then is closed with OK
// unless the script closed it.
template <class Dialog>
void WithDialog(const std::function<void(Dialog&)>& script, const std::function<void()>& action) {
    const ModalRun run([&](CDialog& shown) {
        auto& dialog = dynamic_cast<Dialog&>(shown);
        script(dialog);
        if (!dialog.IsEnded()) dialog.PressButton(IDOK);
    });
    action();
}

// Each value stands in the printed text, which has nothing printed outside its place.
void ExpectPrinted(const std::string& printed, const std::vector<const char*>& values);

// A page test whose form is also stored, loaded, printed to files (PDF and text) rather than
// previewed, with the delivered report files, and deleted.
class PrintingPageTest : public PageTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Stores the typed form, loads it into `loaded` and prints it there; each of `printed`
    // must stand in the report's text, and nothing be printed outside its place.
    void StoreLoadAndPrint(CTovan_splitDoc& loaded, std::initializer_list<const char*> printed);

    // Pages filled as typed: each control's text set, then the page left.
    void Fill(const CRuntimeClass* pageClass, std::initializer_list<std::pair<int, const char*>> typed);
    int StoreNew();  // the new form's id
    // As the stored-forms list opens a form: the document cleared and loaded.
    void Open(int formId, BOOL readOnly);
    bool Locked(int id) const;
    // Prints the form (the open one by default); the text of every report file printed, each
    // beside its PDF ("" when none was).
    std::string Print(CTovan_splitDoc& form);
    std::string Print() { return Print(doc); }
    // Prints, finds the values in the printed text and nothing left over, then deletes; the
    // printed text.
    std::string PrintAndDelete(int formId, const std::vector<const char*>& values);
    void Delete(int formId);

    CString output;
    QtWarnings warnings;  // none may come
};
