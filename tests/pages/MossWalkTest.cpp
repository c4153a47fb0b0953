// Every moss form (2 to 10) on the demo database, as a user walks them: the moss pages filled
// through their controls and dialogs, stored, loaded, printed and deleted.
#include <functional>

#include "pages/species/DlgMossAddTree.h"
#include "pages/species/DlgMossAddTuft.h"
#include "pages/species/DlgMossColony.h"
#include "pages/species/DlgMossRows.h"
#include "pages/species/SpecFormMoss01.h"
#include "pages/species/SpecFormMoss02.h"
#include "pages/species/SpecFormMoss03.h"
#include "pages/species/SpecFormMoss04.h"
#include "pages/species/SpecFormMoss05.h"
#include "pages/species/SpecFormMoss06.h"
#include "pages/species/SpecFormMoss07.h"
#include "pages/species/SpecFormMoss08.h"
#include "pages/species/SpecFormMoss09.h"
#include "pages/species/SpecFormMoss10.h"
#include "pages/species/SpecFormMoss11.h"
#include "pages/species/SpecFormMoss12.h"
#include "pages/species/SpecFormMoss13.h"
#include "pages/species/SpecFormMoss14.h"
#include "pages/species/SpecFormMoss15.h"
#include "pages/species/SpecFormMoss16.h"
#include "pages/species/SpecFormMoss17.h"
#include "pages/species/SpecFormMoss18.h"
#include "pages/species/SpecFormMoss19.h"
#include "pages/species/SpecFormMoss22.h"
#include "pages/species/SpecFormMoss23.h"
#include "tests/pages/PageFixture.h"

namespace {

class MossWalkTest : public PrintingPageTest {
protected:
    void Start(int formType, int species, const char* name) {
        doc.FormTypeID = formType;
        doc.SpeciesID = species;
        doc.SpeciesName = name;
    }

    // Every dialog the click opens: its combo `comboId` set to `data`, an edit typed, OK.
    void WithDialog(int comboId, int data, int editId, const char* text, const std::function<void()>& click) {
        const ModalRun script([&](CDialog& shown) {
            if (comboId) Choose(shown, comboId, data);
            if (editId) shown.SetDlgItemText(editId, text);
            shown.PressButton(IDOK);
        });
        click();
    }

    // The pages both forms share, filled.
    void FillCommonMossPages() {
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_01));
        const auto& rows = CSpecForm_Moss_01::kRowIds;
        Tick(*page, rows[4].check);
        page->SetDlgItemText(rows[4].distance, "0450");
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_02));
        Choose(*page, CSpecForm_Moss_02::IDC_COMMUNITY, 2);
        for (const int tree : {3, 1})
            WithDialog(CDlg_Moss_AddSpecies::IDC_LATIN, tree, 0, "", [this] { Click(*page, 2596); });
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_03));
        WithDialog(CDlg_Moss_AddSpecies::IDC_BULGARIAN, 4, 0, "", [this] { Click(*page, 2596); });
        page->SetDlgItemText(CSpecForm_Moss_03::IDC_BUSHES, "35");
        page->SetDlgItemText(CSpecForm_Moss_03::IDC_TILT, "12");
        Click(*page, CSpecForm_Moss_03::IDC_ROCKS_YES);
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_05));
        WithDialog(CDlg_Moss_Companion::IDC_SPECIES, 1024, 0, "", [this] { Click(*page, 2596); });
        page->SetDlgItemText(CSpecForm_Moss_05::IDC_COVER, "65");
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_06));
        page->SetDlgItemText(CSpecForm_Moss_06::IDC_NOTES, "Чимчета по 'Стария път'");
        Leave();
    }

    // Stored, loaded, printed with the typed values and deleted (each record's round trip is
    // the storage tests' concern).
    void StorePrintDelete(std::initializer_list<const char*> printed) {
        CTovan_splitDoc loaded;
        StoreLoadAndPrint(loaded, printed);
        Delete(Number("select max(ID) from Forms"));
    }
};

TEST_F(MossWalkTest, BrachytheciumWithTuftLocationsAndSporeCapsules) {
    Start(9, 108, "Brachythecium geheebii");
    FillCommonMossPages();
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    dynamic_cast<CListBox*>(page->GetDlgItem(CSpecForm_Moss_07::IDC_OFFERED))->SetCurSel(1);
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    WithDialog(CDlg_Moss_Tuft::IDC_SPORE, 1, CDlg_Moss_Tuft::IDC_AREA, "17.5", [this] { Click(*page, 2596); });
    Leave();
    StorePrintDelete({"Brachythecium geheebii", "0450", "Picea abies", "Fagus sylvatica", "Vaccinium myrtillus", "35",
                          "12", "Да", "17.5", "Polytrichum commune", "65", "Чимчета по 'Стария път'"});
}

TEST_F(MossWalkTest, BazzaniaWithTuftSituationsAndAreas) {
    Start(10, 112, "Bazzania flaccida");
    FillCommonMossPages();
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_04));
    Choose(*page, CSpecForm_Moss_04::IDC_GRASS_COVER, 4);
    for (const char* area : {"8", "120.25"})
        WithDialog(0, 0, CDlg_Moss_Tuft::IDC_AREA, area, [this] { Click(*page, 2596); });
    Leave();
    StorePrintDelete({"Bazzania flaccida", "Гъста тревна покривка", "120.25",
                                                        "Picea abies", "Polytrichum commune", "Стария път"});
}

TEST_F(MossWalkTest, BuxbaumiaWithItsForestAndStumps) {
    Start(2, 100, "Buxbaumia viridis");
    FillCommonMossPages();
    doc.SpecData_Moss_02.Reset();  // pages 02 and 03 are not steps of this form
    doc.SpecData_Moss_03.Reset();
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_08));
    WithDialog(CDlg_Moss_AddSpecies::IDC_LATIN, 3, 0, "", [this] { Click(*page, 2596); });
    page->SetDlgItemText(CSpecForm_Moss_08::IDC_CANOPY, "100");
    page->SetDlgItemText(CSpecForm_Moss_08::IDC_GRASS, "15");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_09));
    {
        const ModalRun script([](CDialog& shown) {
            shown.SetDlgItemText(CDlg_Moss_FallenTree::IDC_DIAMETER, "32.5");
            shown.SetDlgItemText(CDlg_Moss_FallenTree::IDC_LENGTH, "4");
            shown.SetDlgItemText(CDlg_Moss_FallenTree::IDC_SPOROPHYTES, "18");
            dynamic_cast<CComboBox*>(shown.GetDlgItem(CDlg_Moss_FallenTree::IDC_DECAY))->SetCurSel(2);
            shown.PressButton(IDOK);
        });
        Click(*page, 2596);
    }
    page->SetDlgItemText(CSpecForm_Moss_09::IDC_AREA, "0.75");
    page->SetDlgItemText(CSpecForm_Moss_09::IDC_CATEGORY2, "6");
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_09.Stubs.GetSize(), 1);
    StorePrintDelete({"Buxbaumia viridis", "0450", "Picea abies", "100", "32.5", "18", "0.75", "Polytrichum commune",
                          "Стария път"});
}

TEST_F(MossWalkTest, MeesiaWithRocksWaterAndSporeCapsules) {
    Start(3, 101, "Meesia longiseta");
    doc.SpecData_Moss_02.HommiesType = 2;  // stored before; page 22 hides it and keeps it
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_22));
    WithDialog(CDlg_Moss_AddSpecies::IDC_LATIN, 3, 0, "", [this] { Click(*page, 2596); });
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_16));
    Choose(*page, CSpecForm_Moss_16::IDC_WATER, 1);
    WithDialog(CDlg_Moss_AddSpecies::IDC_BULGARIAN, 4, 0, "", [this] { Click(*page, 2596); });
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_23));
    WithDialog(CDlg_Moss_Tuft::IDC_SPORE, 2, CDlg_Moss_Tuft::IDC_AREA, "6.5", [this] { Click(*page, 2596); });
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_06));
    page->SetDlgItemText(CSpecForm_Moss_06::IDC_NOTES, "край 'блатото'");
    Leave();
    StorePrintDelete({"Meesia longiseta", "Picea abies", "Vaccinium myrtillus", "6.5", "край 'блатото'"});
}

TEST_F(MossWalkTest, SphagnumWithTheBogsWaterAndCovers) {
    Start(5, 104, "Sphagnum cuspidatum");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_18));
    Choose(*page, CSpecForm_Moss_18::IDC_EXPOSURE, 2);
    page->SetDlgItemText(CSpecForm_Moss_18::IDC_NITRATES, "-0.25");
    page->SetDlgItemText(2514, "35");
    page->SetDlgItemText(2061, "4.5");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_19));
    Tick(*page, CSpecForm_Moss_19::IDC_TREES);
    page->SetDlgItemText(CSpecForm_Moss_19::IDC_TREES_PART, "15");
    page->SetDlgItemText(CSpecForm_Moss_19::IDC_SPECIES_COVER, "12.5");
    WithDialog(CDlg_Moss_AddSpecies::IDC_BULGARIAN, 4, 0, "", [this] { Click(*page, 2596); });
    Leave();
    StorePrintDelete({"Sphagnum cuspidatum", "-0.25", "35", "4.5", "15", "12.5", "Vaccinium myrtillus"});
}

TEST_F(MossWalkTest, ManniaWithSoilErosionAndArchegonia) {
    Start(8, 110, "Mannia triandra");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_02));
    Choose(*page, CSpecForm_Moss_02::IDC_COMMUNITY, 2);
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_15));
    Choose(*page, CSpecForm_Moss_15::IDC_SOIL, 3);
    Choose(*page, CSpecForm_Moss_15::IDC_EROSION, 2);
    page->SetDlgItemText(CSpecForm_Moss_15::IDC_TREES, "25");
    WithDialog(CDlg_Moss_AddSpecies::IDC_BULGARIAN, 4, 0, "", [this] { Click(*page, CSpecForm_Moss_15::IDC_ADD_SPECIES); });
    WithDialog(CDlg_Moss_AddTuft::IDC_ARCHEGONIA, 1, CDlg_Moss_AddTuft::IDC_AREA, "3.5",
               [this] { Click(*page, CSpecForm_Moss_15::IDC_ADD_TUFT); });
    Leave();
    StorePrintDelete({"Mannia triandra", "Глинеста", "Слаба", "25", "Vaccinium myrtillus", "3.5"});
}

TEST_F(MossWalkTest, NeckeraOnItsHostTreesWithTheirColonies) {
    Start(4, 102, "Neckera pennata");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_08));
    page->SetDlgItemText(CSpecForm_Moss_08::IDC_CANOPY, "70");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_17));
    for (const int tree : {3, 1})
        WithDialog(CDlg_Moss_AddTree::IDC_LATIN, tree, CDlg_Moss_AddTree::IDC_HEIGHT, "21",
                   [this] { Click(*page, CSpecForm_Moss_17::IDC_ADD_TREE); });
    {
        const ModalRun script([](CDialog& shown) {
            ChooseIndex(shown, CDlg_Moss_ColonyArea::IDC_TREE, 1);
            shown.SetDlgItemText(CDlg_Moss_ColonyArea::IDC_ALIVE, "44.5");
            shown.PressButton(IDOK);
        });
        Click(*page, CSpecForm_Moss_17::IDC_ADD_COLONY);
    }
    page->SetDlgItemText(CSpecForm_Moss_17::IDC_AREA, "1.25");
    Leave();
    ASSERT_EQ(doc.SpecData_Moss_17.Colonies.GetSize(), 1);
    EXPECT_EQ(doc.SpecData_Moss_17.Colonies[0].TreeNum, 1);
    StorePrintDelete({"Neckera pennata", "70", "Picea abies", "Fagus sylvatica", "21", "44.5", "1.25"});
}

TEST_F(MossWalkTest, HamatocaulisInItsBogWithTheTuftAreas) {
    Start(7, 107, "Hamatocaulis vernicosus");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_12));
    page->SetDlgItemText(CSpecForm_Moss_12::IDC_CANALS, "стар канал");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_14));
    for (const char* area : {"8", "120.25"})
        WithDialog(0, 0, CDlg_Moss_Tuft::IDC_AREA, area, [this] { Click(*page, CSpecForm_Moss_14::IDC_ADD); });
    Leave();
    StorePrintDelete({"Hamatocaulis vernicosus", "стар канал", "8", "120.25"});
}

TEST_F(MossWalkTest, GrimmiaOnItsRocksWithSporeCapsules) {
    Start(6, 106, "Grimmia teretinervis");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_10));
    page->SetDlgItemText(CSpecForm_Moss_10::IDC_CANOPY, "40");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_23));
    WithDialog(CDlg_Moss_Tuft::IDC_SPORE, 1, CDlg_Moss_Tuft::IDC_AREA, "2.5", [this] { Click(*page, 2596); });
    Leave();
    StorePrintDelete({"Grimmia teretinervis", "40", "2.5"});
}

}  // namespace
