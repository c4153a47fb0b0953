// The protected areas page: each list holds the areas of the inspectorate, the park
// sections follow the national park, and the choices go to the record and back.
#include "pages/common/CommonForm05.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

constexpr int kPark = CCommonForm_05::IDC_NATIONAL_PARK, kSection = CCommonForm_05::IDC_PARK_SECTION, kReserve = 2663;

// Two kinds of area: their list, table, relation table and key column (the other kinds are
// filled alike).
const std::tuple<int, const char*, const char*, const char*> kKinds[] = {
    {2665, "nNP", "rNP__RIOSW_NP_PP", "NP_id"},
    {2663, "nReserve", "rRV__RIOSW_NP_PP", "RV_ID"},
};

class LocalityTest : public PageTest {
protected:
    Entries AreasOf(int kind, int inspectorate) const {
        const auto& [id, table, relation, key] = kKinds[kind];
        return Rows(FormatSql("select ID, Name from %s where ID in (select %s from %s where RIOSW_NP_PP_id = %d) order by ID",
                              table, key, relation, inspectorate));
    }
    Entries SectionsOf(int park) const { return Rows(FormatSql("select ID, Name from nPU where NP_ID = %d", park)); }
};

TEST_F(LocalityTest, EachListHoldsTheAreasOfTheInspectorateOnceInIdOrder) {
    const Entries parks = AreasOf(0, kTestInspectorate);
    Exec(FormatSql("insert into rNP__RIOSW_NP_PP (NP_id, RIOSW_NP_PP_id) values (%d, %d)", parks[0].first, kTestInspectorate));
    ShowPage(RUNTIME_CLASS(CCommonForm_05));
    for (int kind = 0; kind < 2; ++kind) {
        const Entries areas = AreasOf(kind, kTestInspectorate);
        EXPECT_EQ(ListOf(*page, std::get<0>(kKinds[kind])), areas) << std::get<1>(kKinds[kind]);
        EXPECT_EQ(IsEnabled(*page, std::get<0>(kKinds[kind])), !areas.empty()) << std::get<1>(kKinds[kind]);
    }
    EXPECT_TRUE(IsEnabled(*page, kSection) && ListOf(*page, kSection).empty());

    // Where there are no national parks, neither parks nor sections can be chosen.
    for (const auto& [id, name] : Rows("select ID, Name from nRIOSW_NP_PP order by ID"))
        if (AreasOf(0, id).empty()) {
            doc.RIOSW_ID = id;
            break;
        }
    ShowPage(RUNTIME_CLASS(CCommonForm_05));
    EXPECT_FALSE(IsEnabled(*page, kPark) || IsEnabled(*page, kSection));
}

TEST_F(LocalityTest, TheSectionsFollowTheNationalParkAndTheChoicesGoToTheRecordAndBack) {
    Exec("insert into nNP (ID, Name) values (901, 'Тестов парк без участъци')");
    Exec(FormatSql("insert into rNP__RIOSW_NP_PP (NP_id, RIOSW_NP_PP_id) values (901, %d)", kTestInspectorate));
    const Entries parks = AreasOf(0, kTestInspectorate);
    const Entries sections = SectionsOf(parks[0].first);
    const Entries reserves = AreasOf(1, kTestInspectorate);
    ShowPage(RUNTIME_CLASS(CCommonForm_05));
    Choose(*page, kPark, parks[0].first);
    EXPECT_EQ(ListOf(*page, kSection), sections);
    Choose(*page, kSection, sections[1].first);
    // Another park empties the choice; a park without sections leaves the list empty but open.
    Choose(*page, kPark, parks[1].first);
    EXPECT_EQ(std::pair(SelectedData(*page, kSection), ListOf(*page, kSection)), std::pair(-1, SectionsOf(parks[1].first)));
    Choose(*page, kPark, 901);
    EXPECT_TRUE(IsEnabled(*page, kSection) && ListOf(*page, kSection).empty());
    Choose(*page, kPark, parks[0].first);
    Choose(*page, kSection, sections[1].first);
    Choose(*page, kReserve, reserves.back().first);
    Leave();
    CCommonData_05& areas = doc.CommonData_05;
    EXPECT_EQ(std::tuple(areas.NP_ID, areas.NP_IDName, areas.NP_PU_ID, areas.NP_PU_IDName, areas.Reserve_ID, areas.Reserve_IDName),
              std::tuple(parks[0].first, parks[0].second, sections[1].first, sections[1].second, reserves.back().first,
                         reserves.back().second));
    EXPECT_EQ(std::pair(areas.PP_ID, areas.Ramsar_IDName), std::pair(-1, CString()));

    // Shown again, the page selects what the record holds; an area that this inspectorate
    // does not list is left unselected and stored as none.
    areas.ZM_ID = 999999;
    areas.ZM_IDName = "на друга инспекция";
    ShowPage(RUNTIME_CLASS(CCommonForm_05));
    EXPECT_EQ(std::tuple(SelectedData(*page, kPark), SelectedData(*page, kSection), SelectedData(*page, kReserve)),
              std::tuple(parks[0].first, sections[1].first, reserves.back().first));
    Leave();
    EXPECT_EQ(std::tuple(areas.NP_PU_ID, areas.ZM_ID, areas.ZM_IDName), std::tuple(sections[1].first, -1, CString()));
}

}  // namespace
