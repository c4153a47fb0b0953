// The moss pages 01 to 07 and their row dialogs: the distance rules, the species tables with
// their duplicate rules, the percent fields, the filtered lists, the tuft locations and the
// tufts, each page shown, worked and left.
#include "controls/PercentEdit.h"
#include "pages/species/DlgMossRows.h"
#include "pages/species/SpecFormMoss01.h"
#include "pages/species/SpecFormMoss02.h"
#include "pages/species/SpecFormMoss03.h"
#include "pages/species/SpecFormMoss04.h"
#include "pages/species/SpecFormMoss05.h"
#include "pages/species/SpecFormMoss07.h"
#include "tests/pages/PageFixture.h"

// Page 02 as the step 7022 shows it.
class CTestMossPage22 : public CSpecForm_Moss_02 {
    DECLARE_DYNCREATE(CTestMossPage22)
public:
    CTestMossPage22() : CSpecForm_Moss_02(7022) {}
};
IMPLEMENT_DYNCREATE(CTestMossPage22, CSpecForm_Moss_02)

namespace {

using AddSpecies = CDlg_Moss_AddSpecies;
using Tuft = CDlg_Moss_Tuft;
constexpr int kFagus = 1, kAbies = 2;  // _AllTreesMoss

class MossPages : public PageTest {
protected:
    CGridCtrl& Grid(int id) { return *dynamic_cast<CGridCtrl*>(page->GetDlgItem(id)); }

    // The species dialog answered with the Bulgarian entry of `id` (when it is > 0), then OK.
    void PickSpecies(int buttonOrRow, int gridId, int id) {
        const ModalRun script([id](CDialog& shown) {
            if (id > 0) Choose(shown, AddSpecies::IDC_BULGARIAN, id);
            shown.PressButton(IDOK);
            if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
        });
        if (buttonOrRow == 0) Click(*page, 2596);
        else Grid(gridId).SendMessageToParent(buttonOrRow, 1, NM_DBLCLK);
    }

    // The tuft dialog with an area and the spore answer `spore` (-1: none).
    void AddTuft(const char* area, int spore) {
        const ModalRun script([&](CDialog& shown) {
            shown.SetDlgItemText(Tuft::IDC_AREA, area);
            if (spore > 0) Choose(shown, Tuft::IDC_SPORE, spore);
            shown.PressButton(IDOK);
            if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
        });
        Click(*page, 2596);
    }
};

TEST_F(MossPages, DistancesOpenWithTheirBoxAndUntickingThrowsTheDistanceAway) {
    doc.SpecData_Moss_01.bCheckRivers = 1;
    doc.SpecData_Moss_01.RiverDist = "0120";
    doc.SpecData_Moss_01.RoadsDist = "77";  // a distance without its box is thrown away at once
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_01));
    const auto& rows = CSpecForm_Moss_01::kRowIds;
    EXPECT_TRUE(IsEnabled(*page, rows[4].distance));
    EXPECT_FALSE(IsEnabled(*page, rows[5].distance));
    EXPECT_EQ(TextOf(*page, rows[5].distance), "");

    Tick(*page, rows[4].check, false);
    Tick(*page, rows[4].check);
    EXPECT_TRUE(IsEnabled(*page, rows[4].label));
    EXPECT_EQ(TextOf(*page, rows[4].distance), "");
    Tick(*page, rows[7].check);
    Keys(*page, rows[7].distance, "0a12345");
    Leave();
    const CSpecData_Moss_01& near = doc.SpecData_Moss_01;
    EXPECT_EQ(std::tuple(near.bCheckRivers, near.RiverDist, near.bCheckTouristsPath, near.ToursitPathDist, near.RoadsDist),
              std::tuple(1, CString(), 1, CString("0123"), CString()));
}

TEST_F(MossPages, TreesAreListedOnceAndTheLinkedListsFollowEachOther) {
    std::vector<CString> latinShown;
    {
        const ModalRun script([&](CDialog& shown) {
            shown.PressButton(IDOK);  // nothing chosen
            Choose(shown, AddSpecies::IDC_BULGARIAN, kAbies);
            latinShown.push_back(dynamic_cast<CComboBox*>(shown.GetDlgItem(AddSpecies::IDC_LATIN))->GetCurSel() >= 0
                                     ? TextOf(shown, AddSpecies::IDC_LATIN) : CString());
            Choose(shown, AddSpecies::IDC_LATIN, kFagus);
            latinShown.push_back(TextOf(shown, AddSpecies::IDC_BULGARIAN));
            shown.PressButton(IDOK);
        });
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_02));
        Click(*page, 2596);
    }
    EXPECT_EQ(latinShown, (std::vector<CString>{"Abies alba", "Обикновен бук"}));
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Моля изберете вид!"});
    boxes.Reset();

    PickSpecies(0, 2456, kAbies);
    PickSpecies(0, 2456, kFagus);  // listed already
    PickSpecies(2, 2456, kFagus);  // the second row may not become the first one's species
    PickSpecies(1, 2456, kFagus);  // an edit keeping its own species
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Този вид вече присъства в списъка!", "Този вид вече присъства в списъка!"}));
    Choose(*page, CSpecForm_Moss_02::IDC_COMMUNITY, 3);
    Leave();
    const CSpecData_Moss_02& habitat = doc.SpecData_Moss_02;
    ASSERT_EQ(habitat.Trees.GetSize(), 2);
    EXPECT_EQ(habitat.Trees[0], (CMossSpeciesRow{"Fagus sylvatica", kFagus, "Обикновен бук", kFagus}));
    EXPECT_EQ(habitat.Trees[1].ID_lat, kAbies);
    EXPECT_EQ(habitat.HommiesType, 3);

    // Step 7022 shows no community, and the record keeps it.
    ShowPage(RUNTIME_CLASS(CTestMossPage22));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Moss_02::IDC_COMMUNITY));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Moss_02::IDC_COMMUNITY_LABEL));
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_02.HommiesType, 3);
}

TEST_F(MossPages, ShrubsMayRepeatOnEditAndPercentsStopAtAHundred) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_03));
    PickSpecies(0, CSpecForm_Moss_03::IDC_SPECIES, 1);
    PickSpecies(0, CSpecForm_Moss_03::IDC_SPECIES, 2);
    PickSpecies(2, CSpecForm_Moss_03::IDC_SPECIES, 1);  // no test on an edit
    Keys(*page, CSpecForm_Moss_03::IDC_BUSHES, "101");
    Keys(*page, CSpecForm_Moss_03::IDC_GRASS, "100");
    Keys(*page, CSpecForm_Moss_03::IDC_TILT, "456");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{CPercentEdit::kTooLarge});
    Click(*page, CSpecForm_Moss_03::IDC_ROCKS_NO);
    Choose(*page, CSpecForm_Moss_03::IDC_EXPOSURE, 3);
    Leave();
    const CSpecData_Moss_03& habitat = doc.SpecData_Moss_03;
    EXPECT_EQ(std::tuple(habitat.GrassBush.GetSize(), habitat.GrassBush[1].ID_lat, habitat.BushesPercent,
                         habitat.GrassPercent, habitat.Tilt, habitat.RocksExists, habitat.RocksExistsName, habitat.ExposureID),
              std::tuple(2, 1, CString("10"), CString("100"), CString("45"), 1, CString("Не"), 3));

    doc.SpecData_Moss_03.RocksExists = -1;  // unanswered stays unanswered
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_03));
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_03.RocksExistsName, "");
}

TEST_F(MossPages, TuftSituationsAreFilteredAndTuftsAskOnlyForTheirArea) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_04));
    EXPECT_EQ(ListOf(*page, CSpecForm_Moss_04::IDC_GRASS_COVER),
              (Entries{{3, "Разредена тревна покривка"}, {4, "Гъста тревна покривка"}}));
    EXPECT_EQ(ListOf(*page, CSpecForm_Moss_04::IDC_SUNSHINE), (Entries{{5, "Огрявани места"}, {6, "Сенчести места"}}));
    BOOL sporeShown = TRUE;
    {
        const ModalRun script([&](CDialog& shown) {
            sporeShown = IsShown(shown, Tuft::IDC_SPORE) || IsShown(shown, Tuft::IDC_SPORE_LABEL);
            shown.PressButton(IDOK);  // no area
            shown.SetDlgItemText(Tuft::IDC_AREA, "12.5");
            shown.PressButton(IDOK);
        });
        Click(*page, 2596);
    }
    EXPECT_FALSE(sporeShown);
    AddTuft("12.5", -1);  // the same area again is another tuft
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Моля попълнете полето 'Площ на чимчето(кв.см)' !"});
    Choose(*page, CSpecForm_Moss_04::IDC_SUNSHINE, 6);
    Leave();
    const CSpecData_Moss_04& tufts = doc.SpecData_Moss_04;
    EXPECT_EQ(std::tuple(tufts.GrassCoverID, tufts.SunshineID, tufts.SunshineIDName, tufts.Turfs.GetSize()),
              std::tuple(-1, 6, CString("Сенчести места"), 2));
    EXPECT_EQ(tufts.Turfs[1], (CMoss04Row{"12.5", -1, ""}));
}

TEST_F(MossPages, CompanionsAreListedOnceAndTheHiddenValuesPassThrough) {
    doc.SpecData_Moss_05.Area = "кв.м";
    doc.SpecData_Moss_05.Attendants.Add({"Anomodon viticulosus", 1001, " 7"});
    doc.SpecData_Moss_05.Attendants.Add({"Atrichum undulatum", 1002, ""});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_05));
    const auto pick = [this](int rowOrAdd, int id) {
        const ModalRun script([id](CDialog& shown) {
            if (id > 0) Choose(shown, CDlg_Moss_Companion::IDC_SPECIES, id);
            shown.PressButton(IDOK);
            if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
        });
        if (rowOrAdd == 0) Click(*page, 2596);
        else Grid(CSpecForm_Moss_05::IDC_COMPANIONS).SendMessageToParent(rowOrAdd, 1, NM_DBLCLK);
    };
    pick(0, -1);
    pick(0, 1002);
    pick(2, 1001);
    pick(1, 1001);
    pick(2, 1003);
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля попълнете полето 'Научно име' !", "Този вид вече присъства в списъка!",
                                              "Този вид вече присъства в списъка!"}));
    Keys(*page, CSpecForm_Moss_05::IDC_COVER, "85");
    Leave();
    const CSpecData_Moss_05& companions = doc.SpecData_Moss_05;
    ASSERT_EQ(companions.Attendants.GetSize(), 2);
    EXPECT_EQ(companions.Attendants[0].PercentCoverage, "7");  // trimmed by the dialog
    EXPECT_EQ(companions.Attendants[1].Name, "Aulacomnium palustre");
    EXPECT_EQ(std::tuple(companions.PercentCoverage, companions.Area), std::tuple(CString("85"), CString("кв.м")));
}

TEST_F(MossPages, TuftLocationsKeepTheOrderChosenAndTuftsNeedTheSporeAnswer) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    CListBox& offered = *dynamic_cast<CListBox*>(page->GetDlgItem(CSpecForm_Moss_07::IDC_OFFERED));
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    offered.SetCurSel(1);
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(CSpecForm_Moss_07::IDC_OFFERED, LBN_DBLCLK), 0);
    offered.SetCurSel(0);
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    Click(*page, CSpecForm_Moss_07::IDC_REMOVE);  // nothing chosen on the right: nothing happens
    EXPECT_EQ(offered.GetCount(), 2);
    AddTuft("3", -1);
    AddTuft("3", 1);
    AddTuft("40", 2);
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля изберете елемент от списъка с местонахождения!",
                                              "Елемента който се опитвате да добавите вече е добавен!",
                                              "Моля изберете 'Присъствие/отсъствие на спороносна кутийка' !"}));
    Leave();
    const CSpecData_Moss_07& tufts = doc.SpecData_Moss_07;
    EXPECT_EQ(tufts.TurfIDs.GetSize(), 2);
    EXPECT_EQ(tufts.TurfIDs[0], 2);
    EXPECT_EQ(tufts.TurfNames[1], "Върху скали");
    ASSERT_EQ(tufts.TurfProperties.GetSize(), 2);
    EXPECT_EQ(tufts.TurfProperties[1], (CMoss04Row{"40", 2, "не"}));

    // Names and ids that do not pair up load as no location; leaving stores none.
    doc.SpecData_Moss_07.TurfNames.Add("лишно");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_07.TurfIDs.GetSize() + doc.SpecData_Moss_07.TurfNames.GetSize(), 0);
}

TEST_F(MossPages, AListThatCannotBeReadIsReportedAndThePageGoesOn) {
    Exec("drop table nMossTurf");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.Find("nMossTurf"), -1) << boxes.boxes[0].text;
    AddTuft("5", 1);
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_07.TurfProperties.GetSize(), 1);
}

}  // namespace
