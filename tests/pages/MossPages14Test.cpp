// The moss pages 14 and 16 to 23: the signed fields of the bog, the trees' part locked with its
// box, and the variant steps that edit the records of pages 02, 05 and 14.
#include "pages/species/DlgMossAddTuft.h"
#include "pages/species/DlgMossColony.h"
#include "pages/species/SpecFormMoss17.h"
#include "pages/species/DlgMossRows.h"
#include "pages/species/SpecFormMoss14.h"
#include "pages/species/SpecFormMoss15.h"
#include "pages/species/SpecFormMoss18.h"
#include "pages/species/SpecFormMoss19.h"
#include "pages/species/SpecFormMoss20.h"
#include "pages/species/SpecFormMoss21.h"
#include "pages/species/SpecFormMoss22.h"
#include "pages/species/SpecFormMoss23.h"
#include "controls/PercentEdit.h"
#include "tests/pages/PageFixture.h"

namespace {

using MossPages14 = PageTest;

TEST_F(MossPages14, OnlyNitratesAndTheRedoxPotentialTakeAMinus) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_18));
    Keys(*page, CSpecForm_Moss_18::IDC_NITRATES, "-1.5");
    Keys(*page, CSpecForm_Moss_18::IDC_POTENTIAL, "-120");
    Keys(*page, 2061, "-.6.5.");  // pH: no minus, no leading or second point
    page->SetDlgItemText(2108, "канал 'А'");
    Choose(*page, CSpecForm_Moss_18::IDC_EXPOSURE, 3);
    Leave();
    const CSpecData_Moss_18& bog = doc.SpecData_Moss_18;
    EXPECT_EQ(std::tuple(bog.Nitrates, bog.Potential, bog.PH, bog.Chanels, bog.ExposureID, bog.WaterBasinExisance),
              std::tuple(CString("-1.5"), CString("-120"), CString("6.5"), CString("канал 'А'"), 3, -1));
}

TEST_F(MossPages14, TheTreesPartIsEmptiedAndLockedWithItsBox) {
    doc.SpecData_Moss_19.CheckTrees = 1;
    doc.SpecData_Moss_19.TreesCount = "40";
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_19));
    EXPECT_TRUE(IsEnabled(*page, CSpecForm_Moss_19::IDC_TREES_PART));
    Keys(*page, CSpecForm_Moss_19::IDC_MOSSES_COVER, "101");
    Keys(*page, CSpecForm_Moss_19::IDC_SPECIES_COVER, "12.5");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{CPercentEdit::kTooLarge});
    Tick(*page, CSpecForm_Moss_19::IDC_TREES, false);
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_19::IDC_TREES_PART));
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_19::IDC_TREES_PART_LABEL));
    Leave();
    const CSpecData_Moss_19& bog = doc.SpecData_Moss_19;
    EXPECT_EQ(std::tuple(bog.CheckTrees, bog.TreesCount, bog.ProcentAllArea, bog.PercentSpeciesArea),
              std::tuple(0, CString(), CString("10"), CString("12.5")));
}

TEST_F(MossPages14, VariantStepsEditTheRecordsOfTheirPages) {
    doc.SpecData_Moss_02.HommiesType = 2;
    doc.SpecData_Moss_05.PercentCoverage = "30";
    doc.SpecData_Moss_14.Turfs.Add({"5", 1, "да"});
    const CMossRecords before = doc;

    for (const CRuntimeClass* step : {RUNTIME_CLASS(CSpecForm_Moss_20), RUNTIME_CLASS(CSpecForm_Moss_21),
                                RUNTIME_CLASS(CSpecForm_Moss_22), RUNTIME_CLASS(CSpecForm_Moss_23),
                                RUNTIME_CLASS(CSpecForm_Moss_14)}) {
        ShowPage(step);
        Leave();
    }
    const CMossRecords& after = doc;
    EXPECT_EQ(after.SpecData_Moss_02.HommiesType, 2);  // the hidden community is kept
    EXPECT_EQ(after.SpecData_Moss_05, before.SpecData_Moss_05);
    EXPECT_EQ(after.SpecData_Moss_14, before.SpecData_Moss_14);  // page 14 keeps page 23's answer
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(MossPages14, SoilTuftsNeedAreaAndArchegonia) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_15));
    const ModalRun tuft([](CDialog& shown) {
        shown.SetDlgItemText(CDlg_Moss_AddTuft::IDC_AREA, "   ");
        shown.PressButton(IDOK);
        shown.SetDlgItemText(CDlg_Moss_AddTuft::IDC_AREA, " 12.5 ");
        shown.PressButton(IDOK);
        Choose(shown, CDlg_Moss_AddTuft::IDC_ARCHEGONIA, 1);
        shown.PressButton(IDOK);
    });
    Click(*page, CSpecForm_Moss_15::IDC_ADD_TUFT);
    Keys(*page, CSpecForm_Moss_15::IDC_TREES, "101");
    Leave();
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{CDlg_Moss_AddTuft::kAreaRequired, CDlg_Moss_AddTuft::kArchegoniaRequired,
                                                   CPercentEdit::kTooLarge}));
    const CSpecData_Moss_15& soil = doc.SpecData_Moss_15;
    ASSERT_EQ(soil.Arhegons.GetSize(), 1);
    EXPECT_EQ(soil.Arhegons[0], (CMoss15Row{"12.5", 1, "да"}));
    EXPECT_EQ(soil.TreePercent, "10");
}

TEST_F(MossPages14, ColoniesFollowTheirTreeWhenATreeIsDeleted) {
    using Page = CSpecForm_Moss_17;
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_17));
    Click(*page, Page::IDC_ADD_COLONY);  // no tree yet: a message and no dialog
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{Page::kNoTrees});
    Leave();
    CSpecData_Moss_17& stored = doc.SpecData_Moss_17;
    for (int id : {1, 2, 3}) stored.Trees.Add({id, "", id, "", "", ""});
    stored.Colonies.Add({1, -1, "", "на второ", "", "", "", ""});
    stored.Colonies.Add({2, -1, "", "на трето", "", "", "", ""});
    stored.Colonies.Add({0, -1, "", "на първо", "", "", "", ""});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_17));
    auto& hosts = *dynamic_cast<Page*>(page);

    // Tree 1 carries one colony: "Не" keeps everything, "Да" deletes it with its colony.
    boxes.Reset({IDNO, IDYES});
    for (int twice = 0; twice < 2; ++twice) {
        hosts.m_treeGrid.SetSelectedRange(1, 0, 1, hosts.m_treeGrid.GetColumnCount() - 1);
        Click(*page, Page::IDC_DELETE_TREE);
    }
    ASSERT_EQ(hosts.m_trees.GetSize(), 2);
    EXPECT_EQ(hosts.m_trees[0]._AllTreesID, 2);
    ASSERT_EQ(hosts.m_colonies.GetSize(), 2);
    EXPECT_EQ(std::tuple(hosts.m_colonies[0].TreeNum, hosts.m_colonies[1].TreeNum), std::tuple(0, 1));
    EXPECT_EQ(hosts.m_colonyGrid.GetItemText(2, 1), "2");

    // The colony dialog offers "1" to the tree count; "2" stores the position 1.
    const ModalRun colony([](CDialog& shown) {
        shown.PressButton(IDOK);
        ChooseIndex(shown, CDlg_Moss_ColonyArea::IDC_TREE, 1);
        shown.PressButton(IDOK);
    });
    Click(*page, Page::IDC_ADD_COLONY);
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_17.Colonies[2].TreeNum, 1);
    EXPECT_EQ(boxes.Texts().back(), CDlg_Moss_ColonyArea::kTreeRequired);
    EXPECT_EQ(boxes.boxes.size(), 3u);  // twice the question, then no tree number
}

}  // namespace
