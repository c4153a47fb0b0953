// The standard controls as the program's windows use them: entries with item data, the
// tree and its notification, the date picker's empty value, the progress bar, image lists,
// pop-up menus and tooltips.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include "platform/Controls.h"
#include "platform/DC.h"
#include "platform/DateTimeCtrl.h"
#include "platform/GuiRuntime.h"
#include "platform/ImageList.h"
#include "platform/ListControls.h"
#include "platform/Menu.h"
#include "platform/ToolTipCtrl.h"
#include "platform/TreeCtrl.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/support/WindowFixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// A window that keeps what its controls tell it.
class CHost : public CWnd {
public:
    CHost() { Create(nullptr, "host", WS_OVERLAPPED, CRect(0, 0, 400, 300), nullptr, 0); }
    std::vector<int> selChanges;
    std::vector<DWORD_PTR> treeSelections;
    int listDoubleClicks = 0;
    int labelClicks = 0;
    std::vector<UINT> commands;

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CWnd::GetMessageMap(), {
            OnSelChange(1, &CHost::OnComboChange),
            OnLbnDblclk(2, &CHost::OnListDoubleClick),
            OnTvnSelChanged(3, &CHost::OnTreeChange),
            OnCommandRange(32800, 32809, &CHost::OnMenuCommand),
            OnStnClicked(7, &CHost::OnLabelClick),
        });
        return map;
    }

private:
    void OnComboChange() { selChanges.push_back(static_cast<CComboBox*>(GetDlgItem(1))->GetCurSel()); }
    void OnListDoubleClick() { ++listDoubleClicks; }
    void OnTreeChange(NMHDR* header, LRESULT*) {
        const auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        treeSelections.push_back(static_cast<DWORD_PTR>(info->itemNew.lParam));
    }
    void OnMenuCommand(UINT id) { commands.push_back(id); }
    void OnLabelClick() { ++labelClicks; }
};

TEST(ComboBox, EntriesKeepTheirDataThroughInsertsDeletesAndSorting) {
    CHost host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(kChild | CBS_DROPDOWNLIST | CBS_SORT, CRect(5, 5, 150, 200), &host, 1));
    const std::pair<const char*, DWORD> rows[] = {{"Пловдив", 16}, {"бургас", 7}, {"София", 0xFFFFFFFF}, {"Варна", 4000000000u}};
    for (const auto& [name, id] : rows) combo.SetItemData(combo.AddString(name), id);
    ASSERT_EQ(combo.GetCount(), 4);
    EXPECT_EQ(combo.GetLBText(0), "бургас");  // case is ignored in the order
    EXPECT_EQ(combo.GetLBText(3), "София");
    EXPECT_EQ(static_cast<int>(combo.GetItemData(3)), -1);  // "no id" survives as -1
    EXPECT_EQ(combo.GetItemData(1), 4000000000u);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);  // adding entries chooses none
    EXPECT_EQ(combo.AddString("БУРГАС"), 1);  // after the entries equal to it
    EXPECT_EQ(combo.AddString("Ямбол"), 5);
    EXPECT_EQ(combo.AddString("Айтос"), 0);
    combo.DeleteString(6);
    combo.DeleteString(0);
    combo.DeleteString(1);

    EXPECT_EQ(combo.DeleteString(0), 3);
    EXPECT_EQ(combo.GetItemData(0), 4000000000u);
    EXPECT_EQ(combo.GetItemData(7), static_cast<DWORD>(CB_ERR));

    combo.SetCurSel(2);
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_TRUE(host.selChanges.empty());  // changes made by the program are not announced
}

TEST(ComboBox, FindsByPrefixFromAnIndexWrappingRound) {
    CHost host;
    CComboBox combo;
    combo.Create(kChild | CBS_DROPDOWNLIST, CRect(5, 5, 150, 200), &host, 1);
    for (const char* name : {"Смолян", "София", "Сливен", "Русе", "софийска"}) combo.AddString(name);
    EXPECT_EQ(combo.FindString(-1, "со"), 1);
    EXPECT_EQ(combo.FindString(1, "СО"), 4);
    EXPECT_EQ(combo.FindString(4, "со"), 1);  // past the end it starts at the top
    EXPECT_EQ(combo.FindString(-1, "Вар"), CB_ERR);
    combo.SetCurSel(3);
    EXPECT_EQ(combo.SelectString(-1, "Вар"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 3);  // nothing found: the selection stays
    EXPECT_EQ(combo.SelectString(-1, "сли"), 2);
    EXPECT_EQ(combo.GetCurSel(), 2);
}

TEST(ComboBox, UserSelectionIsAnnouncedAndDroppedWidthNeverShrinks) {
    CHost host;
    CComboBox combo;
    combo.Create(kChild | CBS_DROPDOWNLIST, CRect(5, 5, 150, 200), &host, 1);
    combo.AddString("първи");
    combo.AddString("втори");
    combo.SetCurSel(0);
    PressKey(&combo, VK_DOWN);
    EXPECT_EQ(host.selChanges, std::vector<int>{1});
    EXPECT_EQ(combo.GetDroppedWidth(), 145);
    combo.SetDroppedWidth(20);
    EXPECT_EQ(combo.GetDroppedWidth(), 145);
    CRect rect;
    combo.GetWindowRect(&rect);
    EXPECT_LT(rect.Height(), 40);  // the list part of the rectangle is not the closed box
}

// An edit field that writes down the keys it is given, and apart the system keys (the
// menus') it is offered or given.
class KeyLogEdit : public CEdit {
public:
    std::vector<UINT> keys;
    std::vector<UINT> systemKeys;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_SYSKEYDOWN) systemKeys.push_back(static_cast<UINT>(msg->wParam));
        return CEdit::PreTranslateMessage(msg);
    }

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override {
        keys.push_back(key);
        CEdit::OnKeyDown(key, repeat, flags);
    }
    void OnSysKeyDown(UINT key, UINT repeat, UINT flags) override {
        systemKeys.push_back(key);
        CEdit::OnSysKeyDown(key, repeat, flags);
    }
};

TEST(ComboBox, ItsEditAndListPartsAreWindowsUnderItAndTheEditTakesTheKeys) {
    CHost host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(kChild | CBS_DROPDOWN, CRect(5, 5, 150, 200), &host, 1));
    combo.AddString("първи");
    COMBOBOXINFO parts;
    ASSERT_TRUE(combo.GetComboBoxInfo(&parts));
    ASSERT_NE(parts.hwndItem, nullptr);
    ASSERT_NE(parts.hwndList, nullptr);
    EXPECT_EQ(parts.hwndItem->GetDlgCtrlID(), 1001);
    EXPECT_EQ(parts.hwndItem->GetParent(), &combo);
    EXPECT_EQ(parts.hwndList->GetParent(), &combo);

    KeyLogEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(parts.hwndItem));
    TypeText(&combo, "ab");
    PressKey(&combo, VK_DOWN);
    EXPECT_EQ(edit.keys, (std::vector<UINT>{'A', 'B', VK_DOWN}));
    EXPECT_EQ(host.selChanges, std::vector<int>{0});  // the edit passed the arrow on to the combo
    edit.UnsubclassWindow();
}

TEST(ListBox, EntriesRectanglesAndDoubleClicks) {
    CHost host;
    CListBox list;
    ASSERT_TRUE(list.Create(kChild | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL, CRect(5, 5, 200, 200), &host, 2));
    host.ShowWindow(SW_SHOW);
    for (DWORD i = 0; i < 4; ++i) {
        CString text;
        text.Format("Заплаха %u -> подзаплаха", i);
        list.SetItemData(list.AddString(text), 100 + i);
    }
    EXPECT_EQ(list.GetText(2), "Заплаха 2 -> подзаплаха");
    EXPECT_EQ(list.GetCurSel(), LB_ERR);

    CRect first, second;
    ASSERT_EQ(list.GetItemRect(0, &first), 0);
    ASSERT_EQ(list.GetItemRect(1, &second), 0);
    EXPECT_GT(first.Height(), 0);
    EXPECT_EQ(second.top, first.bottom);
    EXPECT_EQ(list.GetItemRect(9, &first), LB_ERR);
    BOOL outside = FALSE;
    EXPECT_EQ(list.ItemFromPoint(second.CenterPoint(), outside), 1u);
    EXPECT_FALSE(outside);
    list.ItemFromPoint(CPoint(5, 180), outside);
    EXPECT_TRUE(outside);

    list.DeleteString(0);
    EXPECT_EQ(list.GetItemData(0), 101u);

    ClickAt(&list, second.CenterPoint(), true);
    EXPECT_EQ(host.listDoubleClicks, 1);
}

TEST(TreeCtrl, BuildsWalksSelectsAndDeletesItems) {
    CHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kChild | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 200, 200), &host, 3));
    const HTREEITEM root = tree.InsertItem("Животни");
    const HTREEITEM wolf = tree.InsertItem("Вълк", 1, 2, root);
    const HTREEITEM bear = tree.InsertItem("Мечка", root, TVI_LAST);
    const HTREEITEM track = tree.InsertItem("Следи", wolf);
    tree.SetItemData(wolf, 1015);
    tree.SetItemData(track, static_cast<DWORD_PTR>(-1));
    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetChildItem(root), wolf);
    EXPECT_EQ(tree.GetNextSiblingItem(wolf), bear);
    EXPECT_EQ(tree.GetNextSiblingItem(bear), nullptr);
    EXPECT_EQ(tree.GetPrevSiblingItem(bear), wolf);
    EXPECT_EQ(tree.GetParentItem(track), wolf);
    EXPECT_EQ(tree.GetParentItem(root), nullptr);
    EXPECT_EQ(static_cast<int>(tree.GetItemData(track)), -1);

    // The program's selection is announced as a click is, with the item's data.
    ASSERT_TRUE(tree.SelectItem(wolf));
    EXPECT_EQ(tree.GetSelectedItem(), wolf);
    EXPECT_EQ(host.treeSelections, std::vector<DWORD_PTR>{1015});

    EXPECT_TRUE(tree.DeleteItem(bear));
    EXPECT_EQ(tree.GetNextSiblingItem(wolf), nullptr);
    EXPECT_EQ(tree.GetCount(), 3u);  // the root, the wolf and its track
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST(TreeCtrl, ShowsTheImagesOfItsImageList) {
    QTemporaryDir dir;
    const QString red = dir.filePath("red.png"), blue = dir.filePath("blue.png");
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(red);
    picture.fill(Qt::blue);
    picture.save(blue);
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 4));
    EXPECT_EQ(images.Add(red.toUtf8().constData()), 0);
    EXPECT_EQ(images.Add(blue.toUtf8().constData()), 1);
    EXPECT_EQ(images.Add(dir.filePath("missing.png").toUtf8().constData()), -1);
    EXPECT_EQ(images.GetImageCount(), 2);

    CHost host;
    CTreeCtrl tree;
    tree.Create(kChild, CRect(0, 0, 200, 200), &host, 3);
    tree.InsertItem("Формуляр", 1, 0);
    tree.SetImageList(&images, TVSIL_NORMAL);
    host.ShowWindow(SW_SHOW);
    const QImage shot = TopWidgetOf(&tree)->grab().toImage();
    int blueish = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 60; ++x)
            if (shot.pixelColor(x, y) == QColor(Qt::blue)) ++blueish;
    EXPECT_GT(blueish, 100);  // the 16 x 16 picture of image 1
}

TEST(Static, ShowsABitmapOfItsOwn) {
    CHost host;
    CStatic picture;
    ASSERT_TRUE(picture.Create("", kChild | SS_BITMAP, CRect(0, 0, 37, 37), &host, 1424));
    CBitmap bitmap;
    CClientDC screen(nullptr);
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 37, 37));
    picture.SetBitmap(bitmap);
    EXPECT_EQ(qobject_cast<QLabel*>(TopWidgetOf(&picture))->pixmap().size(), QSize(37, 37));
}

TEST(Static, TellsItsParentOfClicksOnceItHasTheNotifyStyle) {
    CHost host;
    CStatic link;
    link.Create("www.example.org", kChild, CRect(10, 10, 150, 30), &host, 7);
    ClickAt(&link, CPoint(5, 5));
    EXPECT_EQ(host.labelClicks, 0);
    link.ModifyStyle(0, SS_NOTIFY);
    ClickAt(&link, CPoint(5, 5));
    EXPECT_EQ(host.labelClicks, 1);
}

// The check box's empty value is exchanged in the dialog data tests.
TEST(DateTimeCtrl, APickerWithoutTheCheckBoxAlwaysHoldsADate) {
    CHost host;
    CDateTimeCtrl date;
    date.Create(kChild | DTS_UPDOWN, CRect(0, 30, 120, 50), &host, 5);
    date.SetTime(COleDateTime(2024, 2, 29, 0, 0, 0));
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_FALSE(date.SetTime(none));
    COleDateTime value;
    EXPECT_EQ(date.GetTime(value), GDT_VALID);
    EXPECT_EQ(value.Format("%Y-%m-%d"), "2024-02-29");
}

// A click into a section of a picker selects it, so digits typed then replace it at once.
TEST(DateTimeCtrl, DigitsTypedAfterAClickChangeTheClickedSection) {
    CHost host;
    CDateTimeCtrl date, time;
    date.Create(kChild, CRect(0, 0, 140, 22), &host, 4);
    time.Create(kChild | DTS_TIMEFORMAT, CRect(0, 30, 140, 52), &host, 5);
    date.SetTime(COleDateTime(2023, 5, 17, 0, 0, 0));
    time.SetTime(COleDateTime(2000, 1, 1, 13, 45, 10));
    host.ShowWindow(SW_SHOW);
    const auto clickAndType = [](CDateTimeCtrl& picker, int characters, const char* digits) {
        ClickOnText(&picker, characters);
        TypeText(&picker, digits);
    };
    COleDateTime value;
    clickAndType(date, 0, "25");
    clickAndType(date, 6, "2021");
    date.GetTime(value);
    EXPECT_EQ(value.Format("%Y-%m-%d"), "2021-05-25");
    clickAndType(time, 3, "07");
    time.GetTime(value);
    EXPECT_EQ(value.Format("%H:%M:%S"), "13:07:10");
}

namespace {
// A field, then a date and a time picker, as a page has them, in the active window.
struct PickerHost {
    PickerHost() {
        before.Create(kChild | WS_TABSTOP | WS_BORDER, CRect(0, 0, 100, 22), &host, 3);
        date.Create(kChild | WS_TABSTOP, CRect(0, 30, 140, 52), &host, 4);
        time.Create(kChild | WS_TABSTOP | DTS_TIMEFORMAT, CRect(0, 60, 140, 82), &host, 5);
        date.SetTime(COleDateTime(2000, 1, 1, 0, 0, 0));
        time.SetTime(COleDateTime(2000, 1, 1, 0, 0, 0));
        host.ShowWindow(SW_SHOW);
        QApplication::setActiveWindow(TopWidgetOf(&host));
    }
    static CString Shown(const CDateTimeCtrl& picker) {
        COleDateTime value;
        picker.GetTime(value);
        return value.Format("%d.%m.%Y %H:%M:%S");
    }
    static CString TypedAfterHome(CDateTimeCtrl& picker, const char* keys) {
        PressKey(&picker, VK_HOME);
        TypeText(&picker, keys);
        return Shown(picker);
    }
    CHost host;
    CEdit before;
    CDateTimeCtrl date, time;
};
}  // namespace

// As the desktop's picker takes them: a separator moves to the next section (but not twice
// after a full one), and a section takes only what fits it.
TEST(DateTimeCtrl, TypedDatesAndTimesFillTheirSections) {
    PickerHost form;
    form.date.SetFocus();
    EXPECT_EQ(PickerHost::TypedAfterHome(form.date, "15.05.2023"), "15.05.2023 00:00:00");
    // One digit is enough for 3 and 7; two name a year of 1930 to 2029.
    EXPECT_EQ(PickerHost::TypedAfterHome(form.date, "3/7-99"), "03.07.1999 00:00:00");
    // April has no 31st; a letter does nothing.
    EXPECT_EQ(PickerHost::TypedAfterHome(form.date, "31.4.x24"), "30.04.2024 00:00:00");
    form.time.SetFocus();
    EXPECT_EQ(PickerHost::TypedAfterHome(form.time, "9:5:7"), "01.01.2000 09:05:07");
    // 2 waits for a second digit until the colon; no minute 75: 7, then 5 for the seconds.
    EXPECT_EQ(PickerHost::TypedAfterHome(form.time, "2:75"), "01.01.2000 02:07:05");
    // The colon after a full hour does not skip the minutes.
    EXPECT_EQ(PickerHost::TypedAfterHome(form.time, "17:45"), "01.01.2000 17:45:05");
}

// Some section is always selected while the picker has the focus, so digits typed after
// Home, End, an arrow key or a Tab into it are never lost; Tab leaves it from any section.
TEST(DateTimeCtrl, DigitsAfterHomeArrowsOrTabGoIntoASelectedSection) {
    PickerHost form;
    form.before.SetFocus();
    PressKey(&form.before, VK_TAB);
    ASSERT_EQ(CWnd::GetFocus(), &form.date);
    TypeText(&form.date, "20");
    PressKey(&form.date, VK_END);
    TypeText(&form.date, "2021");
    PressKey(&form.date, VK_LEFT);
    TypeText(&form.date, "11");
    EXPECT_EQ(PickerHost::Shown(form.date), "20.11.2021 00:00:00");
    PressKey(&form.date, VK_UP);  // steps the year the month moved on to, which stays selected
    EXPECT_EQ(PickerHost::TypedAfterHome(form.date, "7"), "07.11.2022 00:00:00");
    PressKey(&form.date, VK_TAB);
    ASSERT_EQ(CWnd::GetFocus(), &form.time);
    TypeText(&form.time, "8");
    EXPECT_EQ(PickerHost::Shown(form.time), "01.01.2000 08:00:00");
}

// A layout may report AltGr with Alt held too. What a key types with it is typed all the same,
// alike in a field, a picker and a combo box whose list is dropped, and its key-down is a
// plain one, not the menus' system key.
TEST(Keys, AnAltGrKeyReportedWithAltTypesAlikeEverywhere) {
    constexpr UINT kAltGr = MK_ALT | MK_ALTGR;
    PickerHost form;
    KeyLogEdit field;
    ASSERT_TRUE(field.Create(kChild | WS_BORDER, CRect(150, 0, 250, 22), &form.host, 6));
    field.SetFocus();
    PressKey(&field, '2', kAltGr);
    EXPECT_EQ(TextOf(form.host, 6), "2");
    EXPECT_EQ(std::count(field.keys.begin(), field.keys.end(), '2'), 1);
    EXPECT_EQ(std::count(field.systemKeys.begin(), field.systemKeys.end(), '2'), 0);

    form.date.SetFocus();
    PressKey(&form.date, VK_HOME);
    for (const UINT digit : {'2', '5'}) PressKey(&form.date, digit, kAltGr);
    EXPECT_EQ(PickerHost::Shown(form.date), "25.01.2000 00:00:00");

    CComboBox combo;
    ASSERT_TRUE(combo.Create(kChild | CBS_DROPDOWN, CRect(150, 30, 250, 200), &form.host, 1));
    combo.AddString("15 м");
    combo.SetFocus();
    combo.ShowDropDown(TRUE);
    COMBOBOXINFO parts;
    ASSERT_TRUE(combo.GetDroppedState() && combo.GetComboBoxInfo(&parts));
    PressKey(parts.hwndList, '1', kAltGr);
    EXPECT_EQ(TextOf(form.host, 1), "1");
    combo.ShowDropDown(FALSE);
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(ProgressCtrl, StepsWrapAndRepaintWithoutAnEventLoop) {
    CHost host;
    CProgressCtrl bar;
    bar.Create(kChild, CRect(10, 10, 200, 25), &host, 6);
    host.ShowWindow(SW_SHOW);
    bar.SetRange(0, 3);
    bar.SetStep(1);
    PaintCounter counter;
    TopWidgetOf(&bar)->installEventFilter(&counter);
    EXPECT_EQ(bar.StepIt(), 0);
    EXPECT_EQ(bar.GetPos(), 1);
    EXPECT_GE(counter.paints, 1);  // painted at once, no event loop ran
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(bar.GetPos(), 3);
    bar.StepIt();
    EXPECT_EQ(bar.GetPos(), 0);  // past the end it starts again
}

const MenuTemplate& kTestMenu = RegisterMenu({9301, {
    MenuPopup("first", {MenuItem("Изтрий", 32800)}),
    MenuPopup("second", {MenuItem("Покажи", 32808), MenuSeparator(), MenuItem("Зареди", 32809)}),
}});

TEST(Menu, PopupSendsTheChosenCommandToItsOwner) {
    CHost host;
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kTestMenu.id));
    CMenu* second = menu.GetSubMenu(1);
    ASSERT_NE(second, nullptr);

    CPoint shownAt;
    const MenuRun run([&](const CMenu& shown, CPoint at) {
        shownAt = at;
        return shown.GetMenuItemID(0);
    });
    EXPECT_TRUE(second->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 40, 50, &host));
    EXPECT_TRUE(host.commands.empty());  // posted: it arrives with the next messages
    GuiRuntime::PumpMessages();
    EXPECT_EQ(host.commands, std::vector<UINT>{32808});
    EXPECT_EQ(shownAt, CPoint(40, 50));
}

// Its text changing as one types, and hiding, are checked with the search combo box.
TEST(ToolTipCtrl, TrackingTipShowsWhereAndWhatTheProgramSays) {
    CHost host;
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&host, TTS_NOPREFIX | TTS_ALWAYSTIP));
    ASSERT_TRUE(tip.AddTool(&host, "", nullptr, 0, TTF_TRACK | TTF_TRANSPARENT));
    tip.UpdateTipText("СОФ", &host);
    tip.TrackPosition(120, 80);
    tip.TrackActivate(TRUE, &host);
    EXPECT_TRUE(tip.IsTipShown());
    EXPECT_EQ(tip.GetShownText(), "СОФ");
    CRect rect;
    tip.GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(120, 80));
}

TEST(ToolTipCtrl, HoverTipAppearsAfterTheMouseRestsAndGoesOnAClick) {
    CHost host;
    host.ShowWindow(SW_SHOW);
    CToolTipCtrl tip;
    tip.Create(&host);
    tip.AddTool(&host, "https://example.org", nullptr, 1);
    MSG move;
    move.hwnd = &host;
    move.message = WM_MOUSEMOVE;
    move.lParam = MAKELPARAM(10, 10);
    tip.RelayEvent(&move);
    EXPECT_FALSE(tip.IsTipShown());
    QElapsedTimer clock;
    clock.start();
    while (!tip.IsTipShown() && clock.elapsed() < 3000) {
        GuiRuntime::PumpMessages();
        QThread::msleep(10);
    }
    EXPECT_EQ(tip.GetShownText(), "https://example.org");
    MSG click = move;
    click.message = WM_LBUTTONDOWN;
    tip.RelayEvent(&click);
    EXPECT_FALSE(tip.IsTipShown());
}

}  // namespace
