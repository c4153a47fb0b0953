// Views inside the frame: a form view on a dialog template, list views in icon and report
// mode, printing and print preview through OnDraw and the menu bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "platform/DialogTemplate.h"
#include "platform/FormView.h"
#include "platform/GuiRuntime.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/platform/FrameworkFixture.h"
#include "tests/support/WindowFixture.h"

namespace {

constexpr UINT kTallForm = 950;
constexpr UINT kShortForm = 951;
constexpr int kNameEdit = 3001;

// ---- a form view --------------------------------------------------------------------------

class TallForm : public CFormView {
    DECLARE_DYNCREATE(TallForm)
public:
    TallForm() : CFormView(kTallForm) {}
    explicit TallForm(UINT templateId) : CFormView(templateId) {}
    CString name = "Калофер";

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kNameEdit, name); }
};
IMPLEMENT_DYNCREATE(TallForm, CFormView)

class ShortForm : public TallForm {
    DECLARE_DYNCREATE(ShortForm)
public:
    ShortForm() : TallForm(kShortForm) {}
};
IMPLEMENT_DYNCREATE(ShortForm, CFormView)

void RegisterForms() {
    RegisterDialogTemplate({kTallForm, "", {200, 600}, {Edit(kNameEdit, {55, 10, 120, 12})}});
    RegisterDialogTemplate({kShortForm, "", {150, 60}, {Edit(kNameEdit, {10, 10, 120, 12})}});
}

TEST_F(FrameworkTest, FormViewHoldsItsTemplateAndScrollsWhenTallerThanThePane) {
    RegisterForms();
    auto* form = dynamic_cast<TallForm*>(frame->ShowView(RUNTIME_CLASS(TallForm)));
    ASSERT_NE(form, nullptr);
    GuiRuntime::PumpMessages();
    // The initial update filled the controls from the members.
    CString shown;
    form->GetDlgItemText(kNameEdit, shown);
    EXPECT_EQ(shown, "Калофер");
    const CRect templateSize = DialogUnitsToPixels(TemplateFont{}, {0, 0, 200, 600});
    EXPECT_EQ(form->GetTotalSize(), CSize(templateSize.Width(), templateSize.Height()));
    CRect client;
    form->GetClientRect(&client);
    ASSERT_LT(client.Height(), templateSize.Height());
    form->ScrollToPosition(CPoint(0, 120));
    EXPECT_EQ(form->GetScrollPosition().y, 120);
    // The header's way of growing a page: 90 pixels more to scroll.
    form->SetScrollSizes(MM_TEXT, CSize(templateSize.Width(), templateSize.Height() + 90));
    form->ScrollToPosition(CPoint(0, 100000));
    EXPECT_EQ(form->GetScrollPosition().y, templateSize.Height() + 90 - client.Height());

    // A form smaller than the pane does not scroll; the view is filled all the same.
    auto* small = dynamic_cast<TallForm*>(frame->ShowView(RUNTIME_CLASS(ShortForm)));
    ASSERT_NE(small, nullptr);
    GuiRuntime::PumpMessages();
    small->ScrollToPosition(CPoint(40, 40));
    EXPECT_EQ(small->GetScrollPosition(), CPoint(0, 0));
}

TEST_F(FrameworkTest, AFormWithoutTemplateIsNotCreated) {
    class Orphan : public CFormView {
    public:
        Orphan() : CFormView(12345) {}
    } orphan;
    CCreateContext context;
    EXPECT_FALSE(orphan.Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 10, 10), &frame->splitter, 1, &context));
}

// ---- list views ---------------------------------------------------------------------------

class ModeList : public CListView {
    DECLARE_DYNCREATE(ModeList)
public:
    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CListView::GetMessageMap(), {
            OnNotifyReflect(NM_DBLCLK, &ModeList::OnDblClk),
            OnNotifyReflect(LVN_KEYDOWN, &ModeList::OnKeyDown),
        });
        return map;
    }
    void OnInitialUpdate() override {
        CListView::OnInitialUpdate();
        if (++initialUpdates > 1) return;
        CListCtrl& list = GetListCtrl();
        list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_TRACKSELECT);
        const char* captions[] = {"Въвеждане", "Редакция", "Справка"};
        const DWORD codes[] = {1001, 2000, 3000};
        for (int i = 0; i < 3; ++i) list.SetItemData(list.InsertItem(i, captions[i], i), codes[i]);
    }

    int initialUpdates = 0;
    std::vector<DWORD_PTR> chosen;
    static bool replaceOnEnter;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.style |= LVS_ICON | LVS_SINGLESEL;
        return CListView::PreCreateWindow(cs);
    }

private:
    void OnDblClk(NMHDR*, LRESULT* result) {
        CListCtrl& list = GetListCtrl();
        if (list.GetSelectedCount() == 1) {
            POSITION position = list.GetFirstSelectedItemPosition();
            chosen.push_back(list.GetItemData(list.GetNextSelectedItem(position)));
        }
        *result = 0;
    }
    void OnKeyDown(NMHDR* header, LRESULT* result) {
        if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_RETURN) {
            if (replaceOnEnter) {
                dynamic_cast<TestFrame*>(GetParentFrame())->ShowView(RUNTIME_CLASS(PageView));
            } else {
                OnDblClk(header, result);
            }
        }
        *result = 0;
    }
};
IMPLEMENT_DYNCREATE(ModeList, CListView)
bool ModeList::replaceOnEnter = false;

TEST_F(FrameworkTest, IconListViewKeepsItemDataAndSelectionAndReportsDoubleClicks) {
    auto* modes = dynamic_cast<ModeList*>(frame->ShowView(RUNTIME_CLASS(ModeList)));
    ASSERT_NE(modes, nullptr);
    GuiRuntime::PumpMessages();
    CListCtrl& list = modes->GetListCtrl();
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetSelectedCount(), 0u);

    // A double click on empty space with nothing selected does nothing.
    ClickAt(&list, CPoint(list.GetItemCount() * 400, 300), true);
    EXPECT_TRUE(modes->chosen.empty());

    list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);  // single selection: 2 is no longer selected
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);

    CRect item;
    ASSERT_TRUE(list.GetItemRect(1, &item, LVIR_BOUNDS));
    ClickAt(&list, item.CenterPoint(), true);
    EXPECT_EQ(modes->chosen, (std::vector<DWORD_PTR>{2000}));

    PressKey(&list, VK_RETURN);
    EXPECT_EQ(modes->chosen, (std::vector<DWORD_PTR>{2000, 2000}));
}

TEST_F(FrameworkTest, EnterThatReplacesTheListViewGoesNoFurther) {
    auto* modes = dynamic_cast<ModeList*>(frame->ShowView(RUNTIME_CLASS(ModeList)));
    ASSERT_NE(modes, nullptr);
    modes->GetListCtrl().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ModeList::replaceOnEnter = true;
    PressKey(&modes->GetListCtrl(), VK_RETURN);
    ModeList::replaceOnEnter = false;
    EXPECT_NE(dynamic_cast<PageView*>(frame->RightView()), nullptr);
    GuiRuntime::PumpMessages();
}

class ListHost : public CFrameWnd {
public:
    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CFrameWnd::GetMessageMap(), {
            OnNotify(77, NM_CLICK, &ListHost::OnClick),
        });
        return map;
    }
    std::vector<int> clicked;

private:
    void OnClick(NMHDR* header, LRESULT*) { clicked.push_back(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem); }
};

TEST(ReportListView, ClicksOnRowsAndBelowThemReachTheParent) {
    auto* host = new ListHost;
    ASSERT_TRUE(host->LoadFrame(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                            CRect(0, 0, 400, 200), host, 77));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, "№", LVCFMT_LEFT, 30);
    list.InsertColumn(1, "Форма", LVCFMT_LEFT, 300);
    for (int i = 0; i < 3; ++i) list.SetItemText(list.InsertItem(i, "№"), 1, "Сърна");
    EXPECT_FALSE(list.SetItemText(1, 5, "x"));  // no such column

    GuiRuntime::PumpMessages();
    CRect row;
    ASSERT_TRUE(list.GetItemRect(1, &row, LVIR_BOUNDS));
    ClickAt(&list, row.CenterPoint());
    ClickAt(&list, CPoint(10, 190));  // below the rows
    EXPECT_EQ(host->clicked, (std::vector<int>{1, -1}));
    EXPECT_NE(list.GetFirstSelectedItemPosition(), nullptr);

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    host->DestroyWindow();
}

// ---- printing -----------------------------------------------------------------------------

TEST_F(FrameworkTest, PrintAndPreviewDrawThePageThroughOnDraw) {
    frame->SetActiveView(frame->RightView());
    auto* view = dynamic_cast<DrawingView*>(frame->RightView());
    {
        PrintSeam seam(TRUE);
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT_PREVIEW, 0), 0);
        EXPECT_EQ(seam.asked, (std::vector<PrintDialogKind>{PrintDialogKind::Preview}));
        EXPECT_EQ(view->printedDraws, 1);
        EXPECT_FALSE(view->lastPrintArea.IsRectEmpty());

        frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT, 0), 0);
        EXPECT_EQ(view->printedDraws, 2);
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT_DIRECT, 0), 0);  // no dialog
        EXPECT_EQ(view->printedDraws, 3);
        EXPECT_EQ(seam.asked, (std::vector<PrintDialogKind>{PrintDialogKind::Preview, PrintDialogKind::Print}));
    }
    {
        PrintSeam cancelled(FALSE);
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT, 0), 0);
        EXPECT_EQ(view->printedDraws, 3);
    }
    // Printing is the drawing view's: with the tree active, Ctrl+P has nobody to go to.
    frame->SetActiveView(frame->Tree());
    CCmdUI ui;
    ui.m_nID = ID_FILE_PRINT;
    EXPECT_FALSE(frame->OnCmdMsg(ID_FILE_PRINT, CN_UPDATE_COMMAND_UI, &ui));
}

// ---- menu bar and picture -----------------------------------------------------------------

TEST_F(FrameworkTest, MenuBarItemsTakeTheirStateWhenTheMenuOpens) {
    frame->SetActiveView(frame->RightView());
    auto* window = qobject_cast<QMainWindow*>(TopWidgetOf(frame));
    ASSERT_NE(window, nullptr);
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    QMenu* file = menus[0]->menu();
    emit file->aboutToShow();
    ASSERT_EQ(file->actions().size(), 4);
    EXPECT_FALSE(file->actions()[3]->isEnabled());
    EXPECT_TRUE(file->actions()[0]->isEnabled());

    // Choosing an item sends its command.
    file->actions()[1]->trigger();
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"doc 40002"}));

    QMenu* view = menus[1]->menu();
    emit view->aboutToShow();
    EXPECT_TRUE(view->actions()[0]->isChecked());
}

// A tap of Alt, or Escape out of a menu, gives the keyboard to the menu bar: it shows a menu
// highlighted while the typing goes to it, until Escape gives the keyboard back to the field.
class MenuBarKeyboardTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        RegisterForms();
        form = frame->ShowView(RUNTIME_CLASS(ShortForm));
        ASSERT_NE(form, nullptr);
        ActivateTopLevel(frame);
        CWnd* field = form->GetDlgItem(kNameEdit);
        field->SetWindowText("");
        field->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == field; })) << "the field did not take the focus";
        bar = qobject_cast<QMainWindow*>(TopWidgetOf(frame))->menuBar();
    }
    // The places of the menus drawn with the highlight behind their name.
    std::vector<int> Highlighted() const {
        GuiRuntime::PumpMessages();
        const QImage drawn = bar->grab().toImage();
        const QList<QAction*> menus = bar->actions();
        std::vector<int> places;
        for (int i = 0; i < menus.size(); ++i) {
            const QRect item = bar->actionGeometry(menus[i]);
            if (drawn.pixelColor(item.left() + 2, item.center().y()) == bar->palette().color(QPalette::Highlight))
                places.push_back(i);
        }
        return places;
    }
    // The keyboard goes back to the field: what is typed next lands there.
    void EscapeAndType(const CString& typed) {
        PressKey(nullptr, VK_ESCAPE);
        EXPECT_EQ(Highlighted(), std::vector<int>{});
        TypeText(nullptr, typed);
    }

    CView* form = nullptr;
    QMenuBar* bar = nullptr;
};

TEST_F(MenuBarKeyboardTest, ATapOfAltShowsTheFirstMenuHighlighted) {
    TypeText(nullptr, "12");
    PressKey(nullptr, VK_MENU);
    EXPECT_EQ(Highlighted(), std::vector<int>{0});
    TypeText(nullptr, "34");
    EscapeAndType("56");
    EXPECT_EQ(TextOf(*form, kNameEdit), "1256");
}

// Under a window manager: offscreen, a menu that closes leaves no window active, as no desktop does.
TEST_F(MenuBarKeyboardTest, EscapeOutOfAMenuOpenedWithTheMouseShowsItHighlightedUnderX11) {
    SKIP_UNLESS_X11();
    QMenu* second = bar->actions()[1]->menu();
    const QPoint centre = bar->mapTo(bar->window(), bar->actionGeometry(bar->actions()[1]).center()) -
                          WidgetOf(frame)->mapTo(bar->window(), QPoint(0, 0));
    ASSERT_TRUE(RealPointerAt(frame, CPoint(centre.x(), centre.y()), true));
    ASSERT_TRUE(PumpUntil([&] { return second->isVisible(); })) << "the menu did not open";
    PressKey(nullptr, VK_ESCAPE);  // the open menu has the keyboard
    ASSERT_TRUE(PumpUntil([&] { return !second->isVisible(); })) << "the menu did not close";
    EXPECT_EQ(Highlighted(), std::vector<int>{1});
    EscapeAndType("78");
    EXPECT_EQ(TextOf(*form, kNameEdit), "78");
}

}  // namespace
