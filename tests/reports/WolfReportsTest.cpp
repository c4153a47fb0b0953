// The wolf reports: the place of a route point, each section of Wolf_1.rpt after the area
// header (the lair's three answers, the route's three points, the prey by its two switches,
// the killed wolves), and Wolf_2.rpt's capped trails and scats with the note.
#include "ReportFixture.h"
#include "reports/ReportParameters.h"

namespace {

class WolfReportTest : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(35);
        doc->SpeciesName = "Canis lupus(Вълк)";
        doc->CommonData_01.PlaceID = 17;
        doc->CommonData_01.Date = COleDateTime(2024, 2, 3, 0, 0, 0);
    }

    // Species and code, then where and who: no date, place or weather.
    Texts Opening() const {
        return Join({{"PARAM_SPECIES;Canis lupus(Вълк);TRUE", "PARAM_CODE_SPECIES;;TRUE"},
                     Sent([](CReportParameters& r) { r.FillAreaHeader(false); })});
    }
    Texts Location(int n) const { return Sent([n](CReportParameters& r) { r.FillLocationRows(n); }); }
    // The area header, the section's place (0: none), the section, threats and photos.
    Texts Section(const Texts& section, int place) const {
        return Join({Opening(), place ? Location(place) : Texts{}, section, ThreatsAndSigns(5)});
    }
};
using WolfReportSequence = WolfReportTest;

TEST_F(WolfReportSequence, ARoutePointPrintsItsOwnPlaceWithTheFormsSiteCode) {
    CWolf06Row point;
    point.EKNM = "68134";
    point.CityIDName = "гр.София";
    point.Place = "Черни връх";
    point.Longitude = "23°  17'  8.6''";
    point.Lattitude = "";
    point.ExposureIDName = "северна";
    EXPECT_EQ(Sent([&](CReportParameters& r) { r.FillLocationRows6(point, 2); }),
              (Texts{"PARAM_EKATTE_62;68134;TRUE", "PARAM_CITY_62;гр.София;TRUE", "PARAM_CODE_PLACE_62;17;TRUE",
                     "PARAM_PLACE_62;Черни връх;TRUE", "PARAM_DDS_62;;TRUE", "PARAM_DL_62;;TRUE", "PARAM_PU_62;;TRUE",
                     "PARAM_DEPARTMENT_62;;TRUE", "PARAM_SUBDEPARTMENT_62;;TRUE", "PARAM_ATTITUDE_62;;TRUE",
                     "PARAM_LONGITUDE_62;23°  17'  8.6'';TRUE", "PARAM_LATITUDE_62;;TRUE",
                     "PARAM_EXPOSURE_62;северна;TRUE"}));
    doc->CommonData_01.PlaceID = 0;
    const Texts withoutSite = Sent([&](CReportParameters& r) { r.FillLocationRows6(point, 1); });
    EXPECT_EQ(withoutSite.size(), 12u);
    EXPECT_EQ(withoutSite[2], "PARAM_PLACE_61;Черни връх;TRUE");
}

TEST_F(WolfReportSequence, TheLairPrintsItsAnswerAndTheRouteItsThreePointsAfterItsOwnPlace) {
    doc->SpecData_Wolf_03.Notes = "бележка";
    const std::string hour = CReportParameters::HourText(doc->CommonData_01.StartTime).str();
    const std::pair<int, const char*> answers[] = {{-1, "PARAM_COUNT_3;;TRUE"}, {0, "PARAM_COUNT_3;да;TRUE"},
                                                   {1, "PARAM_COUNT_3;не;TRUE"}, {4, nullptr}};
    for (const auto& [inhabited, printed] : answers) {
        doc->SpecData_Wolf_03.IsHabited = inhabited;
        Texts section{"PARAM_DATE_3;2024-02-03;TRUE", "PARAM_HOUR_31;" + hour + ";TRUE", "PARAM_HOUR_32;" + hour + ";TRUE"};
        if (printed) section.push_back(printed);
        section.push_back("PARAM_NOTE_3;бележка;TRUE");
        EXPECT_EQ(Filled(37), Section(section, 3)) << inhabited;
    }
    doc->SpecData_Wolf_06.Tracks[kRouteThrough].Place = "през";
    const CArray<CWolf06Row>& points = doc->SpecData_Wolf_06.Tracks;
    EXPECT_EQ(Filled(40), Section(Join({{"PARAM_DATE_6;2024-02-03;TRUE"},
                                             Sent([&](CReportParameters& r) { r.FillLocationRows6(points[0], 1); }),
                                             Sent([&](CReportParameters& r) { r.FillLocationRows6(points[1], 2); }),
                                             Sent([&](CReportParameters& r) { r.FillLocationRows6(points[2], 3); })}),
                                  6));
}

TEST_F(WolfReportSequence, ThePreyPrintsEachSwitchedListWithItsOwnPlace) {
    CSpecData_Wolf_07& prey = doc->SpecData_Wolf_07;
    prey.PreyAnketi.Add({"Cervus elaphus", 1, "3"});
    prey.PreyAnketi.Add({"Sus scrofa", 2, "5"});
    prey.PreyObservations.Add({"Capreolus capreolus", 3, "2", "1", "разкъсан"});
    const Texts survey = Join({Location(7), {"PARAM_SPACIES_71;Cervus elaphus;TRUE", "PARAM_COUNT_71;3;TRUE",
                                             "PARAM_SPACIES_72;Sus scrofa;TRUE", "PARAM_COUNT_72;5;TRUE"}});
    const Texts killed = Join({Location(8), {"PARAM_SPACIES_81;Capreolus capreolus;TRUE", "PARAM_COUNT_M_81;2;TRUE",
                                             "PARAM_COUNT_F_81;1;TRUE", "PARAM_NOTE_81;разкъсан;TRUE",
                                             "PARAM_DATE_8;2024-02-03;TRUE"}});
    for (const auto& [onSurvey, onKilled] : {std::pair(0, 0), std::pair(1, 0), std::pair(0, 1), std::pair(1, 1)}) {
        prey.CheckWolfPreyAnketi = onSurvey;
        prey.CheckWolfPreyObservations = onKilled;
        EXPECT_EQ(Filled(41), Section(Join({onSurvey ? survey : Texts{}, onKilled ? killed : Texts{}}), 0))
            << onSurvey << onKilled;
    }
}

TEST_F(WolfReportSequence, EveryKilledWolfPrintsTheDateAndItsWeightBeforeItsColour) {
    doc->SpecData_Wolf_10.Killed.Add({0, "М", "3", "сива", "41", 0, "Да", 1, "Не"});
    doc->SpecData_Wolf_10.Killed.Add({-1, "", "", "кафява", "35", -1, "", -1, ""});
    EXPECT_EQ(Filled(44), Section({"PARAM_DATE_11;2024-02-03;TRUE", "PARAM_DEAD_11;М;TRUE", "PARAM_DEAD_12;3;TRUE",
                                       "PARAM_DEAD_13;41;TRUE", "PARAM_DEAD_14;сива;TRUE", "PARAM_DEAD_15;Да;TRUE",
                                       "PARAM_DEAD_16;Не;TRUE", "PARAM_DATE_12;2024-02-03;TRUE", "PARAM_DEAD_21;;TRUE",
                                       "PARAM_DEAD_22;;TRUE", "PARAM_DEAD_23;35;TRUE", "PARAM_DEAD_24;кафява;TRUE",
                                       "PARAM_DEAD_25;;TRUE", "PARAM_DEAD_26;;TRUE"},
                                  11));
    // Hybrids are never asked on their page: no "не" for them.
    doc->SpecData_Wolf_08.Notes = "няма";
    EXPECT_EQ(Filled(42), Section({"PARAM_DATE_9;2024-02-03;TRUE", "PARAM_HYBRID_9;;TRUE", "PARAM_NOTE_9;няма;TRUE"}, 9));
}

TEST_F(WolfReportSequence, TrailsAndScatsAreCappedAndTheNoteFollowsTheThreats) {
    for (int i = 1; i <= 6; ++i) {
        const CString size = CReportParameters::RowName("%d", i);
        doc->SpecData_Wolf_11.Trails.Add({size, "", "", "", ""});
        doc->SpecData_Wolf_12.Shits.Add({"", "", size, "", -1, ""});
    }
    doc->SpecData_Wolf_11.Habitat = "бук";
    doc->SpecData_Moss_06.NoteText = "сняг";
    const Texts opening = Sent([](CReportParameters& r) {
        r.FillSpeciesAndTime();
        r.FillAreaHeader(true);
    });
    const Texts trails = Filled(21);
    ASSERT_GT(trails.size(), opening.size());
    EXPECT_EQ(Texts(trails.begin(), trails.begin() + static_cast<std::ptrdiff_t>(opening.size())), opening);
    const Texts closing = Join({Sent([](CReportParameters& r) { r.FillThreats(5); }), {"PARAM_NOTE;сняг;TRUE"},
                                Blocks({&CReportParameters::FillPhotoMap})});
    EXPECT_EQ(Texts(trails.end() - static_cast<std::ptrdiff_t>(closing.size()), trails.end()), closing);
    const auto count = [](const Texts& texts, const char* prefix) {
        return std::count_if(texts.begin(), texts.end(), [&](const std::string& text) { return text.starts_with(prefix); });
    };
    EXPECT_EQ(count(trails, "PARAM_FP_LENGTH_"), 5);
    EXPECT_NE(std::find(trails.begin(), trails.end(), "PARAM_HABITAT_1;бук;TRUE"), trails.end());
    const Texts scats = Filled(22);
    EXPECT_EQ(count(scats, "PARAM_EXCR_LENGTH_"), 3);
    EXPECT_NE(std::find(scats.begin(), scats.end(), "PARAM_EXCR_LENGTH_3;3;TRUE"), scats.end());
    EXPECT_EQ(count(scats, "PARAM_EKATTE_2;"), 1);
}

}  // namespace
