#pragma once
// Dialogs built from templates, dialog data exchange, and the seam through which tests run
// a modal dialog without an event loop.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "COleDateTime.h"
#include "DialogTemplate.h"
#include "Wnd.h"

class CDocument;

// ---- building from a template ---------------------------------------------------------
// Creates the template's controls as child windows of `host` (a dialog, or a form view's
// client area), with the template's font; returns the template's size in pixels.
CSize CreateDialogControls(CWnd* host, const DialogTemplate& dialogTemplate);
// Pixels of a rectangle given in dialog units of a dialog font.
CRect DialogUnitsToPixels(const TemplateFont& font, const DlgRect& rect);
// Average character width and height of a dialog font: one dialog unit is a quarter of
// the width and an eighth of the height.
CSize DialogBaseUnits(const TemplateFont& font);

// ---- data exchange --------------------------------------------------------------------
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control with the id, remembered as the one a failure puts the focus on; nullptr
    // when the window has no such control (its exchange is then skipped).
    CWnd* PrepareCtrl(int id);
    CWnd* PrepareEditCtrl(int id);
    // Puts the focus on the last prepared control (selecting an edit's text) and abandons
    // the exchange: UpdateData returns FALSE.
    [[noreturn]] void Fail();

    // Reading, for a window that reads past a failed check: the field just read, the text it
    // shows, the value its member held before (as text), and how to give that value back to
    // the member.
    void RememberRead(CWnd* control, const CString& shown, const CString& kept, std::function<void()> keepMember);
    // The field just read fails its check: stops the exchange with the message, or, where
    // the window reads on, the member keeps the value it held and the user is told of a change
    // once. The field goes on showing what the user typed, to be mended.
    void Refuse(const CString& message);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
    BOOL m_bStopOnFailure = TRUE;

private:
    struct LastRead {
        CWnd* control;
        CString shown;
        CString kept;
        std::function<void()> keepMember;
        std::optional<CString> refusedBefore;  // what the field showed when its check last failed
    };
    std::optional<LastRead> m_lastRead;
};

void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Reading refuses text that is not a whole number: "Please enter an integer.".
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);  // 0 or 1
// Index of the checked button of the radio group that starts with control `id`; -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
// Reading takes the combo box's text; filling selects the first entry that begins with the
// text (case ignored), else puts the text into an editable combo box.
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
// Null when the picker's check box is cleared.
void DDX_DateTimeCtrl(CDataExchange* pDX, int id, COleDateTime& value);
// Binds `control` to the template control with the id (once); a placeholder of a custom
// window class takes the wrapper's behaviour.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Filling limits what can be typed into the last control; reading refuses a longer text:
// "Please enter no more than %1 characters.".
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
// Reading refuses a value outside [min, max]: "Please enter an integer between %1 and %2.".
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);

// ---- dialogs --------------------------------------------------------------------------
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    // A dialog from a template made in memory.
    explicit CDialog(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    const MessageMap& GetMessageMap() const override;

    // Runs the dialog modally: IDOK, IDCANCEL or the id given to EndDialog; -1 when the
    // template is missing. Without a parent the dialog blocks the main window.
    virtual INT_PTR DoModal();
    // A modeless dialog; it stays hidden unless its template has WS_VISIBLE, and
    // OnInitDialog runs either way.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);

    void EndDialog(int result);
    // Focus to a control; an edit's text is selected.
    void GotoDlgCtrl(CWnd* control);
    void MapDialogRect(LPRECT rect) const;  // dialog units of this dialog's font to pixels
    UINT GetTemplateId() const;

    // ---- test seam ----
    // While set, DoModal builds the dialog and runs OnInitDialog, shows it, then calls the
    // hook instead of an event loop. The hook works the controls and presses buttons; when
    // it returns, DoModal answers the result given to EndDialog (-1 if the dialog was
    // never ended). Returns the hook set before.
    using ModalHook = std::function<void(CDialog&)>;
    static ModalHook SetModalHook(ModalHook hook);
    // What a click on the button does (through its notification and this dialog's
    // message map); a disabled button does nothing. Without such a button the command is
    // sent as the keyboard would (Esc sends IDCANCEL). FALSE when nothing was done.
    BOOL PressButton(int id);
    // TRUE once EndDialog ended the current run.
    BOOL IsEnded() const { return m_ended; }

protected:
    virtual BOOL OnInitDialog();  // fills the controls (UpdateData(FALSE)); TRUE: default focus
    virtual void OnOK();          // reads the controls; a refused field keeps the dialog open
    virtual void OnCancel();
    void OnClose() override;      // as Cancel

private:
    BOOL CreateDialogWindow(CWnd* parent, bool modal);
    void InitialFocus();
    const DialogTemplate* Template() const;

    UINT m_templateId = 0;
    std::unique_ptr<DialogTemplate> m_ownTemplate;
    CWnd* m_parent = nullptr;
    int m_result = -1;
    bool m_ended = false;
    bool m_modal = false;
    bool m_inEventLoop = false;
};

// ---- the program's dialog classes -----------------------------------------------------
// Each dialog class names itself here with how to open it with the least state (no row,
// nothing chosen; `document` is the open form's), so that a walk over every window of the
// program opens each one as the program does. A class whose wording changes with its
// arguments registers once per wording.
//
//     REGISTER_DIALOG_CLASS(CDlg_Threats, CThreatArray())    // in its .cpp: the constructor's arguments
struct DialogClass {
    const char* className;
    std::unique_ptr<CDialog> (*make)(CDocument* document);
};
bool RegisterDialogClass(DialogClass dialogClass);
const std::vector<DialogClass>& DialogClasses();  // in the order of registration

#define QUORIN_JOIN_(a, b) a##b
#define QUORIN_JOIN(a, b) QUORIN_JOIN_(a, b)
#define REGISTER_DIALOG_CLASS(class_name, ...)                                                    \
    namespace {                                                                                   \
    [[maybe_unused]] const bool QUORIN_JOIN(registeredDialog, __LINE__) = RegisterDialogClass(    \
        {#class_name, []([[maybe_unused]] CDocument* document) -> std::unique_ptr<CDialog> {      \
             return std::make_unique<class_name>(__VA_ARGS__);                                    \
         }});                                                                                     \
    }
