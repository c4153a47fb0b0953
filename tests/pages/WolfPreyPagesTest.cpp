// The later wolf pages on the demo database: the prey page's two switched lists, the rules
// of the prey dialogs and the answers' words of the killed-wolf and scat dialogs, and each of
// forms 41 to 44, 21 and 22 walked through its page, stored, loaded, printed and deleted.
#include <functional>

#include "pages/species/DlgWolfKilled.h"
#include "pages/species/DlgWolfPrey.h"
#include "pages/species/DlgWolfPreyBySex.h"
#include "pages/species/DlgWolfScat.h"
#include "pages/species/DlgWolfTrack.h"
#include "pages/species/SpecFormWolf07.h"
#include "pages/species/SpecFormWolf08.h"
#include "pages/species/SpecFormWolf09.h"
#include "pages/species/SpecFormWolf10.h"
#include "pages/species/SpecFormWolf11.h"
#include "pages/species/SpecFormWolf12.h"
#include "tests/pages/PageFixture.h"

// The hybrids and stray dogs pages, counting each time they read their controls back.
template <class Page>
class CReadCounting : public Page {
public:
    int reads = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (pDX->m_bSaveAndValidate) ++reads;
        Page::DoDataExchange(pDX);
    }
};
class CReadCountingWolf08 : public CReadCounting<CSpecForm_Wolf_08> {
    DECLARE_DYNCREATE(CReadCountingWolf08)
};
IMPLEMENT_DYNCREATE(CReadCountingWolf08, CSpecForm_Wolf_08)
class CReadCountingWolf09 : public CReadCounting<CSpecForm_Wolf_09> {
    DECLARE_DYNCREATE(CReadCountingWolf09)
};
IMPLEMENT_DYNCREATE(CReadCountingWolf09, CSpecForm_Wolf_09)

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);

class WolfPreyTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.SpeciesID = Number("select ID from sAllSpecies where Name_lat = 'Canis lupus'");
        doc.SpeciesName = "Canis lupus(Вълк)";
        species = Number("select min(ID) from sAllSpecies");
    }
    CSpecForm_Wolf_07& Prey() { return *dynamic_cast<CSpecForm_Wolf_07*>(page); }

    template <class Dialog>
    void InDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& script) {
        WithDialog<Dialog>(script, open);
    }
    // A click on a list's check box, as the user gives it.
    void Toggle(int checkId) {
        CWnd* box = page->GetDlgItem(checkId);
        CRect area;
        box->GetClientRect(&area);
        ClickAt(box, CPoint(6, area.Height() / 2));
    }
    bool SectionOn(int addId, int deleteId, CGridCtrl& grid) {
        const bool on = IsEnabled(*page, addId) && IsEnabled(*page, deleteId) && grid.IsWindowEnabled();
        EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetTextClr(), on ? RGB(0, 0, 0) : kGrey);
        return on;
    }

    int species = 0;
};
using WolfPreyPageTest = WolfPreyTest;

using WolfPreyDialogTest = WolfPreyTest;
using WolfPreyWalkTest = WolfPreyTest;

TEST_F(WolfPreyPageTest, ASwitchedOffListIsGreyedButKeepsItsRowsAndASpeciesMayStandTwice) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_07));
    CSpecForm_Wolf_07& prey = Prey();
    EXPECT_FALSE(SectionOn(prey.IDC_SURVEY_ADD, prey.IDC_SURVEY_DELETE, prey.SurveyGrid()));
    EXPECT_FALSE(SectionOn(prey.IDC_KILLED_ADD, prey.IDC_KILLED_DELETE, prey.KilledGrid()));

    Toggle(prey.IDC_KILLED_ON);
    EXPECT_TRUE(SectionOn(prey.IDC_KILLED_ADD, prey.IDC_KILLED_DELETE, prey.KilledGrid()));
    EXPECT_FALSE(SectionOn(prey.IDC_SURVEY_ADD, prey.IDC_SURVEY_DELETE, prey.SurveyGrid()));
    for (const char* males : {"2", "007"})
        InDialog<CDlg_Wolf_PreyBySex>([&] { prey.OnKilledAdd(); }, [&](CDlg_Wolf_PreyBySex& dialog) {
            Choose(dialog, dialog.IDC_SPECIES, species);
            Keys(dialog, dialog.IDC_MALES, males);
            Keys(dialog, dialog.IDC_FEMALES, "1");
        });
    EXPECT_EQ(GridColumn(prey.KilledGrid(), 2), (std::vector<CString>{"2", "7"}));
    prey.KilledGrid().SetSelectedRange(1, 0, 1, 4);
    Toggle(prey.IDC_KILLED_ON);
    EXPECT_FALSE(SectionOn(prey.IDC_KILLED_ADD, prey.IDC_KILLED_DELETE, prey.KilledGrid()));
    EXPECT_EQ(prey.KilledGrid().GetSelectedCount(), 0);
    EXPECT_EQ(prey.KilledGrid().GetRowCount(), 3);
    Leave();
    const CSpecData_Wolf_07& stored = doc.SpecData_Wolf_07;
    EXPECT_EQ(std::tuple(stored.CheckWolfPreyAnketi, stored.CheckWolfPreyObservations, stored.PreyObservations.GetSize()),
              std::tuple(0, 0, 2));
    EXPECT_EQ(stored.PreyObservations[0].SpeciesID, stored.PreyObservations[1].SpeciesID);

    // The hybrids' presence is never shown, yet a stored answer survives the page.
    doc.SpecData_Wolf_08.CheckWolfHybrids = 1;
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_08));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Wolf_08::IDC_PRESENCE));
    Leave();
    EXPECT_EQ(doc.SpecData_Wolf_08.CheckWolfHybrids, 1);
    EXPECT_TRUE(boxes.Texts().empty());
}

// The hidden presence box is read back once as the page starts and on each click.
TEST_F(WolfPreyPageTest, ThePresencePagesReadTheirBoxAtTheStartAndOnItsClick) {
    const std::pair<const CRuntimeClass*, int> pages[] = {{RUNTIME_CLASS(CReadCountingWolf08), CSpecForm_Wolf_08::IDC_PRESENCE},
                                                          {RUNTIME_CLASS(CReadCountingWolf09), CSpecForm_Wolf_09::IDC_PRESENCE}};
    for (const auto& [pageClass, box] : pages) {
        ShowPage(pageClass);
        const auto reads = [this] {
            if (auto* hybrids = dynamic_cast<CReadCountingWolf08*>(page)) return hybrids->reads;
            return dynamic_cast<CReadCountingWolf09&>(*page).reads;
        };
        EXPECT_EQ(reads(), 1) << box;
        Tick(*page, box);
        EXPECT_EQ(reads(), 2) << box;
        Leave();
    }
    EXPECT_EQ(std::pair(doc.SpecData_Wolf_08.CheckWolfHybrids, doc.SpecData_Wolf_09.CheckRambleDogs), std::pair(1, 1));
}

// The killed wolves show the weight before the colour, the scats their size before the
// colour, whatever order their records keep.
TEST_F(WolfPreyPageTest, KilledWolvesAndScatsShowTheirColumnsInTheFormsOrder) {
    const auto headingsAndRows = [this](int gridId) {
        CGridCtrl& grid = *dynamic_cast<CGridCtrl*>(page->GetDlgItem(gridId));
        CString headings = grid.GetItemText(0, 0);
        for (int column = 1; column < grid.GetColumnCount(); ++column) headings += "|" + grid.GetItemText(0, column);
        std::vector<CString> rows{headings};
        for (const CString& row : GridRows(grid)) rows.push_back(row);
        return rows;
    };
    doc.SpecData_Wolf_10.Killed.Add({1, "Ж", "3", "сива", "41", 0, "Да", 1, "Не"});
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_10));
    EXPECT_EQ(headingsAndRows(CSpecForm_Wolf_10::IDC_GRID),
              (std::vector<CString>{"\n№|\nПол|\nВъзраст|\nТегло(кг.)|\nОкраска|Първи пръст\nна преден крак|Първи пръст\nна заден крак",
                                    "1|Ж|3|41|сива|Да|Не"}));
    doc.SpecData_Wolf_12.Shits.Add({"кафяв", "сърна", "12", "3", 0, "Да"});
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_12));
    EXPECT_EQ(headingsAndRows(CSpecForm_Wolf_12::IDC_GRID),
              (std::vector<CString>{"№|Дължина(см)|Ширина(см)|Цвят|Козина(от какво)|Кости", "1|12|3|кафяв|сърна|Да"}));
}

TEST_F(WolfPreyDialogTest, PreyRulesComeInOrderAndTheOtherDialogsNameTheirAnswers) {
    CDlg_Wolf_PreyBySex bySex;
    InDialog<CDlg_Wolf_PreyBySex>([&] { EXPECT_EQ(bySex.DoModal(), IDOK); }, [&](CDlg_Wolf_PreyBySex& dialog) {
        dialog.PressButton(IDOK);
        Choose(dialog, dialog.IDC_SPECIES, species);
        dialog.PressButton(IDOK);
        Keys(dialog, dialog.IDC_MALES, "3");
        dialog.PressButton(IDOK);
        dialog.SetDlgItemText(dialog.IDC_FEMALES, "  ");
        dialog.PressButton(IDOK);
        dialog.SetDlgItemText(dialog.IDC_FEMALES, "007");
        dialog.SetDlgItemText(dialog.IDC_DESCRIPTION, "  разкъсан ");
    });
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля изберете вид!",
                                                   "Моля въведете 'Брой на убитите животни - мъжки '!",
                                                   "Моля въведете 'Брой на убитите животни - женски '!",
                                                   "Моля въведете 'Брой на убитите животни - женски '!"}));
    EXPECT_EQ(std::tuple(bySex.m_row.SpeciesID, bySex.m_row.MaleCount, bySex.m_row.FemaleCount, bySex.m_row.Description),
              std::tuple(species, CString("3"), CString("7"), CString("разкъсан")));

    boxes.Reset();
    CDlg_Wolf_Prey prey;
    InDialog<CDlg_Wolf_Prey>([&] { EXPECT_EQ(prey.DoModal(), IDCANCEL); }, [&](CDlg_Wolf_Prey& dialog) {
        dialog.PressButton(IDOK);
        Choose(dialog, dialog.IDC_SPECIES, species);
        dialog.PressButton(IDOK);
        dialog.PressButton(IDCANCEL);
    });
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля изберете вид!", "Моля въведете брой!"}));

    CDlg_Wolf_Killed untouched, killed;
    InDialog<CDlg_Wolf_Killed>([&] { untouched.DoModal(); }, [](CDlg_Wolf_Killed&) {});
    EXPECT_EQ(untouched.m_row, CWolf10Row());
    InDialog<CDlg_Wolf_Killed>([&] { killed.DoModal(); }, [](CDlg_Wolf_Killed& dialog) {
        Click(dialog, 2084);  // "Женски"
        Click(dialog, 2786);  // front claw "Не"
        Keys(dialog, dialog.IDC_WEIGHT, "1234");
        Keys(dialog, dialog.IDC_AGE, "123");
    });
    const CWolf10Row& wolf = killed.m_row;
    EXPECT_EQ(std::tuple(wolf.Sex, wolf.SexName, wolf.ExistsFingerFrontLeg, wolf.ExistsFingerFrontLegName,
                         wolf.ExistsFingerBackLegName, wolf.Weight, wolf.Age),
              std::tuple(1, CString("Ж"), 1, CString("Не"), CString(""), CString("123"), CString("12")));
    CDlg_Wolf_Scat scat;
    InDialog<CDlg_Wolf_Scat>([&] { scat.DoModal(); }, [](CDlg_Wolf_Scat& dialog) { Click(dialog, dialog.IDC_BONES_YES); });
    EXPECT_EQ(std::pair(scat.m_row.BonesPresence, scat.m_row.BonesPresenceName), std::pair(0, CString("Да")));
    EXPECT_EQ(boxes.Texts().size(), 2u);
}

// Each of forms 41 to 44, 21 and 22 through its page: typed, stored, loaded, printed
// and deleted.
TEST_F(WolfPreyWalkTest, EachLaterWolfFormIsWalkedStoredPrintedAndDeleted) {
    doc.RIOSW_ID = 17;
    const struct Form {
        int type;
        const CRuntimeClass* pageClass;
        std::function<void()> fill;
        const char* printed;
        const char* printedToo;  // the habitat, or the same again
    } forms[] = {
        {41, RUNTIME_CLASS(CSpecForm_Wolf_07), [&] {
             Toggle(CSpecForm_Wolf_07::IDC_SURVEY_ON);
             InDialog<CDlg_Wolf_Prey>([&] { Prey().OnSurveyAdd(); }, [&](CDlg_Wolf_Prey& dialog) {
                 Choose(dialog, dialog.IDC_SPECIES, species);
                 Keys(dialog, dialog.IDC_COUNT, "42");
             });
         }, "42", "42"},
        {42, RUNTIME_CLASS(CSpecForm_Wolf_08), [&] { page->SetDlgItemText(CWolfNotesPage::IDC_NOTES, "хибрид"); },
         "хибрид", "хибрид"},
        {43, RUNTIME_CLASS(CSpecForm_Wolf_09), [&] { page->SetDlgItemText(CWolfNotesPage::IDC_NOTES, "кучета"); },
         "кучета", "кучета"},
        {44, RUNTIME_CLASS(CSpecForm_Wolf_10), [&] {
             InDialog<CDlg_Wolf_Killed>([&] { Click(*page, CSpecForm_Wolf_10::IDC_ADD); }, [](CDlg_Wolf_Killed& dialog) {
                 Click(dialog, CDlg_Wolf_Killed::IDC_MALE);
                 dialog.SetDlgItemText(CDlg_Wolf_Killed::IDC_COLOUR, "сивокафява");
             });
         }, "сивокафява", "сивокафява"},
        {21, RUNTIME_CLASS(CSpecForm_Wolf_11), [&] {
             InDialog<CDlg_Wolf_Track>([&] { Click(*page, CSpecForm_Wolf_11::IDC_ADD); }, [](CDlg_Wolf_Track& dialog) {
                 Keys(dialog, CDlg_Wolf_Track::IDC_STRIDE, "137");
             });
             page->SetDlgItemText(2406, "букова гора");
         }, "137", "букова гора"},
        {22, RUNTIME_CLASS(CSpecForm_Wolf_12), [&] {
             InDialog<CDlg_Wolf_Scat>([&] { Click(*page, CSpecForm_Wolf_12::IDC_ADD); }, [](CDlg_Wolf_Scat& dialog) {
                 dialog.SetDlgItemText(CDlg_Wolf_Scat::IDC_HAIR, "сърна");
             });
             page->SetDlgItemText(2535, "пасище");
         }, "сърна", "пасище"},
    };
    for (const Form& form : forms) {
        doc.FormTypeID = form.type;
        doc.ClearAll();
        ShowPage(form.pageClass);
        form.fill();
        Leave();
        CTovan_splitDoc loaded;
        StoreLoadAndPrint(loaded, {form.printed, form.printedToo});
        Delete(Number("select max(ID) from Forms"));
    }
}

}  // namespace
