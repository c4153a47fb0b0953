// No text of the pages, their dialogs and the shell's dialogs is cut off by its control in
// the dialog font, across or down, in each variant's wording (Cyrillic runs wider than the
// fonts the layout grew in).
#include <algorithm>
#include <string>

#include "controls/TextWidth.h"
#include "pages/common/CommonForm01Variants.h"
#include "pages/common/CommonForm02.h"
#include "pages/common/CommonForm03.h"
#include "pages/common/CommonForm04Variants.h"
#include "pages/common/CommonForm05.h"
#include "pages/common/DlgChoosePlace.h"
#include "pages/common/DlgCoordinates.h"
#include "pages/species/DlgAddSpecies.h"
#include "pages/species/DlgBatAddSpecies.h"
#include "pages/species/DlgBatChoice.h"
#include "pages/species/DlgBatHouseAdd.h"
#include "pages/species/DlgBatHouseSpecies.h"
#include "pages/species/DlgBatOtherSpecies.h"
#include "pages/species/DlgFish.h"
#include "pages/species/DlgFungusAddSpecies.h"
#include "pages/species/DlgTortoise.h"
#include "pages/species/HerpNotesPages.h"
#include "pages/species/SpecFormAmphibia01.h"
#include "pages/species/SpecFormBat01Forest.h"
#include "pages/species/SpecFormBat02Forest.h"
#include "pages/species/SpecFormBat03Houses.h"
#include "pages/species/SpecFormBat04Caves.h"
#include "pages/species/SpecFormBat05Caves.h"
#include "pages/species/SpecFormBat06WetLand.h"
#include "pages/species/SpecFormBat07WetLand.h"
#include "pages/species/SpecFormFish00.h"
#include "pages/species/SpecFormFish01.h"
#include "pages/species/SpecFormFish02.h"
#include "pages/species/SpecFormFish03.h"
#include "pages/species/SpecFormFungus01.h"
#include "pages/species/SpecFormFungus02.h"
#include "pages/species/SpecFormFungus03.h"
#include "pages/species/SpecFormFungus04.h"
#include "pages/species/SpecFormFungus05.h"
#include "pages/species/SpecFormReptile01.h"
#include "pages/species/SpecFormTortoise01.h"
#include "pages/species/SpecFormTortoise02.h"
#include "platform/DC.h"
#include "shell/AboutDlg.h"
#include "shell/DlgAddUser.h"
#include "shell/DlgChangePassword.h"
#include "shell/DlgLogin.h"
#include "shell/DlgPersons.h"
#include "tests/pages/PageFixture.h"

namespace {

// The height a label's text takes wrapped in its width. A label sets its lines a little
// further apart than the font's height in whole pixels: about a pixel more for each line
// after the first.
int TextHeight(CWnd& label, const CString& text) {
    if (text.IsEmpty()) return 0;
    CClientDC dc(&label);
    CFont* const old = dc.SelectObject(label.GetFont());
    CRect rect;
    label.GetClientRect(&rect);
    dc.DrawText(text, &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    if (old) dc.SelectObject(old);
    const int lines = rect.Height() / std::max<int>(1, metrics.tmHeight);
    return rect.Height() + lines - 1;
}

// "<id> <text>" of each one-line label or button whose text is wider than the room it has
// (a push button's frame takes 8 pixels, a radio button's or check box's mark 20), and of
// each label whose wrapped lines are taller than it.
std::vector<std::string> CutTexts(CWnd* window) {
    std::vector<std::string> cut;
    for (CWnd* child = window->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        const CString kind = child->GetWindowClassName();
        CString text;
        child->GetWindowText(text);
        CRect rect;
        child->GetClientRect(&rect);
        CStringArray texts;
        texts.Add(text);
        const WidestText widest = MeasureWidest(*child, texts);
        const bool oneLine = rect.Height() < widest.averageCharWidth * 4 && text.Find('\n') < 0;
        const DWORD style = child->GetStyle() & 0x0F;
        const bool groupBox = kind == "Button" && style == BS_GROUPBOX;
        const bool mark = style == BS_AUTORADIOBUTTON || style == BS_AUTOCHECKBOX;
        const int room = rect.Width() - (kind != "Button" ? 0 : mark ? 20 : 8);
        if ((kind == "Static" || kind == "Button") && !groupBox && oneLine && widest.width > room)
            cut.push_back(std::to_string(child->GetDlgCtrlID()) + " " + text.str());
        else if (kind == "Static" && (child->GetStyle() & SS_TYPEMASK) <= SS_RIGHT && TextHeight(*child, text) > rect.Height())
            cut.push_back(std::to_string(child->GetDlgCtrlID()) + " " + text.str() + " (height)");
    }
    return cut;
}

class LayoutTest : public PageTest {};

TEST_F(LayoutTest, EveryTextOfThePagesAndTheirDialogsFitsItsControl) {
    for (const CRuntimeClass* pageClass :
         {RUNTIME_CLASS(CCommonForm_01_Hamster), RUNTIME_CLASS(CCommonForm_01_BatCaves), RUNTIME_CLASS(CCommonForm_01_Fish),
          RUNTIME_CLASS(CCommonForm_01_Moss), RUNTIME_CLASS(CCommonForm_01_Reptiles), RUNTIME_CLASS(CCommonForm_02),
          RUNTIME_CLASS(CCommonForm_03), RUNTIME_CLASS(CCommonForm_04_Exposure), RUNTIME_CLASS(CCommonForm_05),
          RUNTIME_CLASS(CSpecForm_Fish_00), RUNTIME_CLASS(CSpecForm_Fish_01), RUNTIME_CLASS(CSpecForm_Fish_02),
          RUNTIME_CLASS(CSpecForm_Fish_03), RUNTIME_CLASS(CSpecForm_Amphibia_01), RUNTIME_CLASS(CSpecForm_Amphibia_02),
          RUNTIME_CLASS(CSpecForm_Reptile_01), RUNTIME_CLASS(CSpecForm_Reptile_02), RUNTIME_CLASS(CSpecForm_Tortoise_01),
          RUNTIME_CLASS(CSpecForm_Tortoise_02), RUNTIME_CLASS(CSpecForm_Bat_01_Forest), RUNTIME_CLASS(CSpecForm_Bat_02_Forest),
          RUNTIME_CLASS(CSpecForm_Bat_03_Houses), RUNTIME_CLASS(CSpecForm_Bat_04_Caves), RUNTIME_CLASS(CSpecForm_Bat_05_Caves),
          RUNTIME_CLASS(CSpecForm_Bat_06_WetLand), RUNTIME_CLASS(CSpecForm_Bat_07_WetLand), RUNTIME_CLASS(CSpecForm_Fungus_01),
          RUNTIME_CLASS(CSpecForm_Fungus_02), RUNTIME_CLASS(CSpecForm_Fungus_03), RUNTIME_CLASS(CSpecForm_Fungus_04),
          RUNTIME_CLASS(CSpecForm_Fungus_05)}) {
        ShowPage(pageClass);
        EXPECT_EQ(CutTexts(page), std::vector<std::string>()) << pageClass->m_lpszClassName;
    }
    const ModalRun script([](CDialog& shown) {
        EXPECT_EQ(CutTexts(&shown), std::vector<std::string>()) << shown.GetTemplateId();
        shown.PressButton(IDCANCEL);
    });
    for (const int kind : {CCommonForm_01::kPlain, CCommonForm_01::kFish}) CDlg_ChoosePlace("", kTestInspectorate, -1, kind).DoModal();
    CDlg_Coordinates().DoModal();
    CDlg_Fish().DoModal();
    CDlg_AddSpecies(CDlg_AddSpecies::kReptiles).DoModal();
    CDlg_Tortoise().DoModal();
    CDlg_Choice({1, 0, 0, 0}, {1, 1, 1, 1}).DoModal();
    CDlg_Bat_OtherSpecies({1, 1, 1, 1}).DoModal();
    CDlg_BatHouse_Add().DoModal();
    CDlg_BatHouse_Species().DoModal();
    for (const BOOL wetland : {FALSE, TRUE})
        CDlg_Bat_AddSpecies(wetland ? kWetlandMethods : kCaveMethods, nullptr, wetland, TRUE).DoModal();
    CDlg_Fungus_AddSpecies().DoModal();
    CAboutDlg().DoModal();
    CDlgLogin().DoModal();
    CDlg_AddUser().DoModal();
    CDlg_ChangePassword().DoModal();
    CDlg_Persons().DoModal();
}

}  // namespace
