// The place and time page on the demo database: its lists for the inspectorate, the copy
// to and from the record, the settlement lookup, the fields of each species group with their
// rules, and the site from the picker.
#include <algorithm>

#include "controls/TextWidth.h"
#include "pages/common/CommonForm01Variants.h"
#include "pages/common/DlgChoosePlace.h"
#include "platform/DateTimeCtrl.h"
#include "platform/SystemInfo.h"
#include "res/CommonPageIds.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

using Page = CCommonForm_01;

class PlacePageTest : public PageTest {
protected:
    Entries Cities() const {
        return Rows(FormatSql("select ID, EKNM_NAME from EKNM_CITIES where Municipality in (select mun_id from "
                              "rMun____RIOSW_NP_PP where riosw_np_pp_id = %d)",
                              doc.RIOSW_ID));
    }
    CString Ekatte(int city) const { return Rows(FormatSql("select ID, EKNM from EKNM_CITIES where ID = %d", city))[0].second; }
};

TEST_F(PlacePageTest, TheListsHoldWhatBelongsToTheInspectorate) {
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    const Entries cities = Cities();
    const Entries shown = ListOf(*page, Page::IDC_CITY);
    ASSERT_EQ(shown.size(), cities.size());
    // The name padded to 35 characters, four blanks, the EKATTE code.
    CString padded = cities[0].second;
    while (padded.GetLength() < 39) padded += " ";
    EXPECT_EQ(shown[0], std::pair(cities[0].first, padded + Ekatte(cities[0].first)));

    const CString ofInspectorate = FormatSql("select mun_id from rMun____RIOSW_NP_PP where riosw_np_pp_id = %d", doc.RIOSW_ID);
    EXPECT_EQ(ListOf(*page, Page::IDC_MUNICIPALITY), Rows("select ID, EKNM_NAME from EKNM_MUNICIPALITY where ID in (" + ofInspectorate + ")"));
    Entries provinces = ListOf(*page, Page::IDC_PROVINCE);
    std::sort(provinces.begin(), provinces.end());
    EXPECT_EQ(provinces, Rows("select ID, EKNM_NAME from EKNM_PROVINCE where ID = -1 or ID in (select Province from "
                              "EKNM_MUNICIPALITY where ID in (" + ofInspectorate + ")) order by ID"));
    // The units (NUTS, ДЛ, ДДС, РУГ) are filled as the protected areas are; none to choose: closed.
    EXPECT_FALSE(IsEnabled(*page, Page::IDC_DDS));
    EXPECT_TRUE(boxes.Texts().empty());
    for (const int id : {Page::IDC_CITY, Page::IDC_MUNICIPALITY, Page::IDC_NUTS, Page::IDC_RIOSW}) {
        auto& combo = *dynamic_cast<CComboBox*>(page->GetDlgItem(id));
        CStringArray texts;
        for (int i = 0; i < combo.GetCount(); ++i) texts.Add(combo.GetLBText(i));
        // The list opens wide enough for its longest entry beside its scroll bar.
        EXPECT_GE(combo.GetDroppedWidth(), MeasureWidest(combo, texts).width + GetSystemMetrics(SM_CXVSCROLL)) << id;
    }

    // A new form stands on the province "---" (ID -1): it is kept by its text, as a stored
    // form reads it back, so both print alike.
    Leave();
    EXPECT_EQ(std::pair(doc.CommonData_01.EKNM_ProvinceID, doc.CommonData_01.EKNM_ProvinceIDName), std::pair(-1, CString("---")));
}

TEST_F(PlacePageTest, ThePageShowsItsRecordAndLeavingKeepsWhatItsControlsHold) {
    const Entries cities = Cities();
    CCommonData_01& place = doc.CommonData_01;
    place.SiteName = "Стара поляна";
    place.PlaceID = 7;
    place.Date = COleDateTime(2023, 5, 17, 0, 0, 0);
    place.EndTime.SetStatus(COleDateTime::null);
    place.EKNM_CityID = cities[1].first;
    place.NUTS_ID = Number(FormatSql("select nuts_codeID from rNuts__RIOSW_NP_PP where RIOSW_NP_PP_id = %d", doc.RIOSW_ID));
    place.DL_ID = 999999;  // no longer in the nomenclature
    place.SubDepartment = "а";
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    EXPECT_EQ(TextOf(*page, Page::IDC_SITE_NAME), "Стара поляна");
    EXPECT_EQ(SelectedData(*page, Page::IDC_CITY), cities[1].first);
    EXPECT_EQ(SelectedData(*page, Page::IDC_DL), -1);
    COleDateTime end;
    EXPECT_EQ(dynamic_cast<CDateTimeCtrl*>(page->GetDlgItem(Page::IDC_END_TIME))->GetTime(end), GDT_NONE);

    // A settlement brings its municipality, province and EKATTE code.
    const int city = cities.back().first;
    Choose(*page, Page::IDC_CITY, city);
    const Entries where = Rows(FormatSql("select Municipality, Province from EKNM_CITIES where ID = %d", city));
    EXPECT_EQ(SelectedData(*page, Page::IDC_MUNICIPALITY), where[0].first);
    EXPECT_EQ(FormatSql("%d", SelectedData(*page, Page::IDC_PROVINCE)), where[0].second);
    EXPECT_EQ(TextOf(*page, Page::IDC_EKATTE), Ekatte(city));
    page->SetDlgItemText(Page::IDC_DEPARTMENT, "345");
    Leave();
    EXPECT_EQ(std::tuple(place.SiteName, place.PlaceID, place.Date.Format("%Y-%m-%d"), place.EndTime.GetStatus()),
              std::tuple(CString("Стара поляна"), 7, CString("2023-05-17"), COleDateTime::null));
    // The settlement's name alone, without padding or code.
    EXPECT_EQ(std::tuple(place.EKNM_CityID, place.EKNM_CityIDName, place.EKNM_CityCode, place.EKNM_MunicipalityID),
              std::tuple(city, cities.back().second, Ekatte(city), where[0].first));
    EXPECT_FALSE(place.NUTS_IDName.IsEmpty());
    EXPECT_EQ(std::tuple(place.DL_ID, place.DL_IDName, place.DDS_ID), std::tuple(-1, CString(), -1));
    EXPECT_EQ(std::tuple(place.Department, place.SubDepartment), std::tuple(CString("345"), CString("а")));
}

// Hours and dates typed as a keyboard types them, the colon with Shift: a separator right
// after a full section does not skip the next one.
TEST_F(PlacePageTest, HoursAndDatesTypedWithTheirSeparatorsAreKeptAsTyped) {
    CCommonData_01& place = doc.CommonData_01;
    const auto typeFromTheStart = [this](int id, const char* keys) {
        CWnd* picker = page->GetDlgItem(id);
        ClickOnText(picker, 0);
        TypeText(picker, keys);
    };
    const auto kept = [&place] {
        return std::tuple(place.Date.Format("%d.%m.%Y"), place.StartTime.Format("%H:%M:%S"), place.EndTime.Format("%H:%M:%S"));
    };
    place.StartTime = COleDateTime(2000, 1, 1, 10, 45, 1);
    place.EndTime = COleDateTime(2000, 1, 1, 11, 20, 1);
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    ActivateTopLevel(page);
    typeFromTheStart(Page::IDC_START_TIME, "08:30");
    typeFromTheStart(Page::IDC_END_TIME, "17:45");
    typeFromTheStart(Page::IDC_DATE, "15.05.2023");
    Leave();
    EXPECT_EQ(kept(), std::tuple(CString("15.05.2023"), CString("08:30:01"), CString("17:45:01")));

    place.StartTime = COleDateTime(2000, 1, 1, 10, 45, 1);
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    ActivateTopLevel(page);
    typeFromTheStart(Page::IDC_START_TIME, "8:30");
    typeFromTheStart(Page::IDC_DATE, "1.5.2023");
    Leave();
    EXPECT_EQ(kept(), std::tuple(CString("01.05.2023"), CString("08:30:01"), CString("17:45:01")));
}

// A lock key or the Windows key pressed amid the typing of an hour neither types nor moves.
TEST_F(PlacePageTest, LockAndWindowsKeysAmidAnHourLeaveTheTypingGoingOn) {
    for (const UINT key : {VK_NUMLOCK, VK_SCROLL, VK_LWIN}) {
        doc.CommonData_01.StartTime = COleDateTime(2000, 1, 1, 10, 45, 1);
        ShowPage(RUNTIME_CLASS(CCommonForm_01));
        ActivateTopLevel(page);
        CWnd* start = page->GetDlgItem(Page::IDC_START_TIME);
        ClickOnText(start, 4);
        PressKey(start, VK_HOME);
        TypeText(start, "08");
        PressKey(start, key);
        TypeText(start, ":30");
        EXPECT_EQ(TextOf(*page, Page::IDC_START_TIME), "08:30:01") << key;
    }
}

// The keyboard path through the date and the two hours: going either way, each hour's box is
// a stop just before its field, and a picker entered by Tab or Shift+Tab types into its first
// section.
TEST_F(PlacePageTest, TabStopsAtEachHoursBoxBeforeItsFieldBothWays) {
    CCommonData_01& place = doc.CommonData_01;
    place.Date = COleDateTime(2023, 5, 17, 0, 0, 0);
    place.StartTime = COleDateTime(2000, 1, 1, 10, 45, 1);
    place.EndTime = COleDateTime(2000, 1, 1, 11, 20, 1);
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    ActivateTopLevel(page);
    const auto press = [](UINT key, UINT modifiers = 0) { PressKey(CWnd::GetFocus(), key, modifiers); };
    const auto type = [](const char* keys) { TypeText(CWnd::GetFocus(), keys); };
    page->GetDlgItem(Page::IDC_DATE)->SetFocus();
    press(VK_TAB);  // the start's box
    press(VK_TAB);
    type("0930");
    press(VK_TAB);  // the end's box
    press(VK_TAB);
    type("1815");
    EXPECT_EQ(std::pair(TextOf(*page, Page::IDC_START_TIME), TextOf(*page, Page::IDC_END_TIME)),
              std::pair(CString("09:30:01"), CString("18:15:01")));

    press(VK_TAB, MK_SHIFT);
    press(VK_SPACE);  // clears the end's box
    press(VK_TAB, MK_SHIFT);
    type("07");
    press(VK_TAB, MK_SHIFT);  // the start's box
    press(VK_TAB, MK_SHIFT);
    type("25");
    Leave();
    EXPECT_EQ(std::tuple(place.Date.Format("%d.%m.%Y"), place.StartTime.Format("%H:%M:%S"), place.EndTime.GetStatus()),
              std::tuple(CString("25.05.2023"), CString("07:30:01"), COleDateTime::null));
}

TEST_F(PlacePageTest, TheOnlySettlementOfTheListFillsNothingElseAndIsKeptByItsName) {
    Exec("insert into EKNM_MUNICIPALITY (ID, Province, EKNM, EKNM_NAME) values (9001, 1, 'TST01', 'Тестова')");
    Exec("insert into EKNM_CITIES (ID, EKNM, EKNM_NAME, Province, Municipality) values (90001, '99999', 'Самотно', 1, 9001)");
    Exec("insert into rMun____RIOSW_NP_PP (mun_id, riosw_np_pp_id) values (9001, 99)");
    doc.RIOSW_ID = 99;
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    Choose(*page, Page::IDC_CITY, 90001);
    EXPECT_EQ(std::pair(SelectedData(*page, Page::IDC_MUNICIPALITY), TextOf(*page, Page::IDC_EKATTE)), std::pair(-1, CString()));
    Leave();
    EXPECT_EQ(std::pair(doc.CommonData_01.EKNM_CityID, doc.CommonData_01.EKNM_CityIDName), std::pair(90001, CString("Самотно")));
}

TEST_F(PlacePageTest, EachSpeciesGroupShowsItsOwnFieldsAndLabels) {
    const std::vector<int> plot = {Page::IDC_PLOT, Page::IDC_TRANSECT, Page::IDC_AREA_LABEL, Page::IDC_LENGTH_LABEL,
                                   Page::IDC_AREA, Page::IDC_LENGTH};
    const std::vector<int> text = {Page::IDC_SPECIES_LABEL, Page::IDC_SPECIES_TEXT};
    const std::tuple<const CRuntimeClass*, const char*, std::vector<int>> variants[] = {
        {RUNTIME_CLASS(CCommonForm_01), "", {}},
        {RUNTIME_CLASS(CCommonForm_01_Hamster), "Пробна площадка:",
         {Page::IDC_SPECIES_LABEL, Page::IDC_SPECIES_TEXT, Page::IDC_SECOND_LABEL, Page::IDC_SECOND_TEXT,
          Page::IDC_HABITAT_LABEL, Page::IDC_HABITAT_TEXT}},
        {RUNTIME_CLASS(CCommonForm_01_BatCaves), "Тип подземно местообитание:", {Page::IDC_SPECIES_LABEL, Page::IDC_SPECIES_LIST}},
        {RUNTIME_CLASS(CCommonForm_01_Fish), "Място:", text},
        {RUNTIME_CLASS(CCommonForm_01_Reptiles), "", plot},
    };
    for (const auto& [pageClass, label, fields] : variants) {
        const CString name = pageClass->m_lpszClassName;
        ASSERT_NE(ShowPage(pageClass), nullptr) << name;
        std::vector<int> shown;
        for (const int id : {Page::IDC_SPECIES_LABEL, Page::IDC_SPECIES_TEXT, Page::IDC_SPECIES_LIST, Page::IDC_SECOND_LABEL,
                             Page::IDC_SECOND_TEXT, Page::IDC_HABITAT_LABEL, Page::IDC_HABITAT_TEXT, Page::IDC_PLOT,
                             Page::IDC_TRANSECT, Page::IDC_AREA_LABEL, Page::IDC_LENGTH_LABEL, Page::IDC_AREA, Page::IDC_LENGTH})
            if (IsShown(*page, id)) shown.push_back(id);
        EXPECT_EQ(shown, fields) << name;
        EXPECT_EQ(TextOf(*page, Page::IDC_SPECIES_LABEL), label) << name;
        EXPECT_EQ(TextOf(*page, Page::IDC_PLACE_GROUP), pageClass == RUNTIME_CLASS(CCommonForm_01_Fish) ? "Водоем" : "Място");
    }
}

TEST_F(PlacePageTest, PlotOrTransectOpensOneOfTheTwoFieldsAndEmptiesTheOther) {
    ShowPage(RUNTIME_CLASS(CCommonForm_01_Reptiles));
    EXPECT_FALSE(IsEnabled(*page, Page::IDC_AREA) || IsEnabled(*page, Page::IDC_LENGTH));
    Click(*page, Page::IDC_PLOT);
    EXPECT_TRUE(IsEnabled(*page, Page::IDC_AREA) && IsEnabled(*page, Page::IDC_AREA_LABEL) && !IsEnabled(*page, Page::IDC_LENGTH));
    page->SetDlgItemText(Page::IDC_AREA, "250");
    Click(*page, Page::IDC_TRANSECT);
    EXPECT_EQ(TextOf(*page, Page::IDC_AREA), "");
    EXPECT_FALSE(IsEnabled(*page, Page::IDC_AREA));
    page->SetDlgItemText(Page::IDC_LENGTH, "1200");
    Leave();
    const CCommonData_01& place = doc.CommonData_01;
    EXPECT_EQ(std::tuple(place.DynamicIntRadio, place.DynamicStrArea1, place.DynamicStrArea2), std::tuple(1, CString(), CString("1200")));

    ShowPage(RUNTIME_CLASS(CCommonForm_01_Amphibians));
    EXPECT_TRUE(IsEnabled(*page, Page::IDC_LENGTH) && !IsEnabled(*page, Page::IDC_AREA));
    Click(*page, Page::IDC_PLOT);
    Leave();
    EXPECT_EQ(std::tuple(place.DynamicIntRadio, place.DynamicStrArea2), std::tuple(0, CString()));
}

TEST_F(PlacePageTest, TheUndergroundHabitatIsDescribedOnlyForTheOtherKind) {
    doc.CommonData_01.DynamicIntComboContent = Page::kOtherUndergroundHabitat;
    doc.CommonData_01.DynamicStrContent2 = "изоставен рудник";
    ShowPage(RUNTIME_CLASS(CCommonForm_01_BatCaves));
    EXPECT_EQ(std::pair(IsShown(*page, Page::IDC_SECOND_TEXT), TextOf(*page, Page::IDC_SECOND_TEXT)), std::pair(TRUE, CString("изоставен рудник")));
    page->SetDlgItemText(Page::IDC_DEPARTMENT, "7");
    Choose(*page, Page::IDC_SPECIES_LIST, 1);
    EXPECT_EQ(std::pair(IsShown(*page, Page::IDC_SECOND_TEXT), TextOf(*page, Page::IDC_SECOND_TEXT)), std::pair(FALSE, CString()));
    EXPECT_EQ(TextOf(*page, Page::IDC_DEPARTMENT), "7");  // nothing else typed is lost
    Leave();
    EXPECT_EQ(std::tuple(doc.CommonData_01.DynamicIntComboContent, doc.CommonData_01.DynamicStrContent2, doc.CommonData_01.Department),
              std::tuple(1, CString(), CString("7")));
}

TEST_F(PlacePageTest, TheSiteComesFromThePickerAndGoesWithTheClearButton) {
    ShowPage(RUNTIME_CLASS(CCommonForm_01_Fish));
    page->SetDlgItemText(Page::IDC_SEARCH_TEXT, "язовир");
    CString criterion;
    {
        const ModalRun script([&](CDialog& shown) {
            shown.GetDlgItemText(CDlg_ChoosePlace::IDC_CRITERION, criterion);
            shown.PressButton(CDlg_ChoosePlace::IDC_NEW_MODE);
            shown.SetDlgItemText(CDlg_ChoosePlace::IDC_NEW_NAME, "Язовир Огоста");
            shown.PressButton(IDOK);
        });
        Click(*page, Page::IDC_FIND_PLACE);
    }
    EXPECT_EQ(criterion, "язовир");
    EXPECT_EQ(std::pair(TextOf(*page, Page::IDC_SITE_NAME), TextOf(*page, Page::IDC_SEARCH_TEXT)), std::pair(CString("Язовир Огоста"), CString("Язовир Огоста")));
    Leave();
    EXPECT_EQ(std::pair(doc.CommonData_01.PlaceID, doc.CommonData_01.SiteName), std::pair(CCommonData_01::kNewSite, CString("Язовир Огоста")));

    ShowPage(RUNTIME_CLASS(CCommonForm_01_Fish));
    {
        const ModalRun script([](CDialog& shown) { shown.PressButton(IDCANCEL); });
        Click(*page, Page::IDC_FIND_PLACE);
    }
    EXPECT_EQ(TextOf(*page, Page::IDC_SITE_NAME), "Язовир Огоста");
    Click(*page, Page::IDC_CLEAR_PLACE);
    Leave();
    EXPECT_EQ(std::pair(doc.CommonData_01.PlaceID, doc.CommonData_01.SiteName), std::pair(-1, CString()));
}

// A settlement typed into its list, however the user ends it, is the one the tip and the
// EKATTE code show while typing, and the one the page keeps: not the list's first entry.
TEST_F(PlacePageTest, ATypedSettlementIsTakenWithTheListOpenOrClosed) {
    const int belitsa = Number("select ID from EKNM_CITIES where EKNM = '03504'");
    ASSERT_NE(Cities().front().first, belitsa);
    for (const ListTyping how : {ListTyping::kOpenThenEnter, ListTyping::kOpenThenClickAside, ListTyping::kClosedThenEnter}) {
        ShowPage(RUNTIME_CLASS(CCommonForm_01));
        TypeIntoList(*page, Page::IDC_CITY, "Белиц", how);
        EXPECT_EQ(TextOf(*page, Page::IDC_EKATTE), "03504");
        Leave();
        EXPECT_EQ(std::pair(doc.CommonData_01.EKNM_CityID, doc.CommonData_01.EKNM_CityIDName), std::pair(belitsa, CString("Белица")))
            << static_cast<int>(how);
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

// The page's lists drop down below their boxes within their template's height, also after
// the page header has moved them.
TEST_F(PlacePageTest, EveryListDropsBelowItsBoxWithinItsTemplatesHeight) {
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    for (const int id : {Page::IDC_CITY, Page::IDC_MUNICIPALITY, Page::IDC_RIOSW}) {
        SCOPED_TRACE(id);
        ExpectListDropsWithinItsTemplate(*page, IDD_PLACE_PAGE, id);
    }
}

// The closed settlement list shows its whole entry, the EKATTE code included, also for the
// widest settlement of all.
TEST_F(PlacePageTest, TheClosedSettlementListShowsItsWholeEntry) {
    doc.RIOSW_ID = kWidestSettlementsInspectorate;
    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    ExpectWidestEntryShownWhole(*page, Page::IDC_CITY);
}

}  // namespace
