// A form stored and loaded again comes back as it was typed: every common record, awkward
// texts included, each level of the combined species id, and rows whose references name
// nothing (-1) or a nomenclature row that has gone since.
#include "StoreFixture.h"

#include "platform/CxImage.h"
#include "store/ImageBlob.h"
#include "store/SqlText.h"
#include "tests/support/TestPicture.h"

namespace {

// Texts that have broken SQL built as text before: quotes, format characters, escapes,
// line breaks, the code page's own letters and punctuation, nothing at all.
const char* const kAwkward[] = {
    "O'Brien's ''place''",
    "100% сигурно; %s %d %%",
    "C:\\снимки\\2009\\",
    "ред 1\nред 2\r\nред 3",
    "Пещера „Леденика“ – № 5",
    "",
};

CString LongText(int characters) {
    CString text;
    for (int i = 0; i < characters; ++i) text += (i % 10 == 9) ? CString("'") : CString("ж");
    return text;
}

COleDateTime TimeOfDay(int hour, int minute, int second) {
    COleDateTime time;
    time.SetTime(hour, minute, second);
    return time;
}

// Every common record filled, references pointing at the test's nomenclature rows with the
// names those rows carry, so that a loaded record equals the saved one.
void FillCommonPages(CTovan_splitDoc& doc, int variant) {
    const auto text = [variant](int field) { return CString(kAwkward[(field + variant) % std::size(kAwkward)]); };
    CCommonData_01& place = doc.CommonData_01;
    place.SiteName = "Черни връх";
    place.PlaceID = kSite;
    place.Date.SetDate(2009, 6, 15);
    place.StartTime = TimeOfDay(8, 30, 0);
    place.EndTime = TimeOfDay(17, 5, 59);
    place.EKNM_CityID = kCity;
    place.EKNM_CityIDName = "гр.София";
    place.EKNM_CityCode = "68134";
    place.EKNM_MunicipalityID = 90001;
    place.EKNM_MunicipalityIDName = "Столична";
    place.EKNM_ProvinceID = 90001;
    place.EKNM_ProvinceIDName = "София-град";
    place.NUTS_ID = place.RIOSW_ID_ = place.RUG_ID = place.DL_ID = place.DDS_ID = 90001;
    place.NUTS_IDName = "BG411";
    place.RIOSW_ID_Name = "РИОСВ - София";
    place.RUG_IDName = "РУГ София";
    place.DL_IDName = "ДЛ Витоша";
    place.DDS_IDName = "ДДС Бистрица";
    place.Department = "123";  // the page's limits: 3 and 1 characters
    place.SubDepartment = "б";
    place.DynamicStrContent = text(0);
    place.DynamicStrContent2 = text(1);
    place.DynamicStrContent3Natura2000 = text(2);
    place.DynamicIntComboContent = 90001;
    place.DynamicIntComboContentName = "пещера";
    place.DynamicStrArea1 = "999999";
    place.DynamicStrArea2 = text(3);
    place.DynamicIntRadio = 1;

    CCommonData_02& climate = doc.CommonData_02;
    climate.Cloudness = 11;
    climate.Rainfall = text(4);
    climate.Wind = 2;
    climate.TemperatureAir = "-12.50";  // at most 6 characters
    climate.TemperatureWater = text(5);
    climate.SurfaceID = kSurface;
    climate.SurfaceIDName = "каменист";

    CCommonData_04& coords = doc.CommonData_04;
    coords.BioRegionID = 2;
    coords.Altitude = "2290";
    coords.ExposureID = kExposure;
    coords.ExposureIDName = "северна";
    for (int i = 0; i < 3; ++i) coords.Points.Add(CGeoPoint{41 + i, 59, 58, 9 - i, 22 + i, 0, 1, 123456});

    CCommonData_05& areas = doc.CommonData_05;
    areas.NP_ID = areas.NP_PU_ID = areas.PP_ID = areas.Reserve_ID = areas.PR_ID = areas.PZ_ID = areas.ZM_ID =
        areas.Corine_ID = areas.OVM_ID = areas.Natura_200_ID = areas.Ramsar_ID = kArea;
    areas.NP_IDName = "НП Рила";
    areas.NP_PU_IDName = "ПУ Говедарци";
    areas.PP_IDName = "ПП Витоша";
    areas.Reserve_IDName = "Бистришко бранище";
    areas.PR_IDName = "ПР Водопад";
    areas.PZ_IDName = "ЗМ Пясъци";
    areas.ZM_IDName = "ЗМ Блато";
    areas.Corine_IDName = "Корине";
    areas.OVM_IDName = "ОВМ";
    areas.Natura_200_IDName = "BG0000113";
    areas.Ramsar_IDName = "Рамсар";

    doc.CommonData_06.Observers.Add(CPersonRow{90002, "Мария", "", "Иванова", "", "", ""});
    doc.CommonData_06.Observers.Add(
        CPersonRow{90001, "Иван", "Петров", "О'Нийл", "ivan@example.bg", "РИОСВ", "експерт"});
    doc.CommonData_07_Threat.Threats.Add(CThreatItem{kThreatLeaf, "Земеделие->Паша->Прекомерна паша"});
    doc.CommonData_07_Threat.Threats.Add(CThreatItem{kThreatTop, "Земеделие"});
}

}  // namespace

TEST_F(StoreTest, EveryCommonRecordComesBackAsTypedWhateverItsTexts) {
    for (int variant = 0; variant < static_cast<int>(std::size(kAwkward)); ++variant) {
        SCOPED_TRACE(variant);
        auto typed = NewDocument();
        FillCommonPages(*typed, variant);
        ASSERT_TRUE(typed->SaveNewForm());

        auto loaded = Loaded(LastFormId());
        EXPECT_EQ(loaded->CommonData_01, typed->CommonData_01);
        EXPECT_EQ(loaded->CommonData_02, typed->CommonData_02);
        EXPECT_EQ(loaded->CommonData_04, typed->CommonData_04);
        EXPECT_EQ(loaded->CommonData_05, typed->CommonData_05);
        EXPECT_EQ(loaded->CommonData_06, typed->CommonData_06);
        EXPECT_EQ(loaded->CommonData_07_Threat, typed->CommonData_07_Threat);
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(StoreTest, EmptyTimesAreStoredAsDashesAndTextsLoseOnlyTheirOuterBlanks) {
    auto typed = NewDocument(kPlaceOnly);
    CCommonData_01& place = typed->CommonData_01;
    place.Date.SetDate(2010, 2, 28);
    place.StartTime.SetStatus(COleDateTime::null);
    place.EndTime.SetStatus(COleDateTime::invalid);
    place.DynamicStrContent = "  \t в средата '  ' има празно \n";
    place.DynamicStrArea1 = "   ";
    place.DynamicStrContent2 = LongText(4000);  // a text the page does not limit
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    EXPECT_EQ(Text(FormatSql("select Date || StartTime || EndTime from DlgData_01_Place where FormID = %d", formId)),
              "2010-02-28------");

    const CCommonData_01 loaded = Loaded(formId, kPlaceOnly)->CommonData_01;
    EXPECT_EQ(loaded.Date.Format("%Y-%m-%d %H:%M:%S"), "2010-02-28 00:00:00");
    EXPECT_EQ(loaded.StartTime.GetStatus(), COleDateTime::null);
    EXPECT_EQ(loaded.EndTime.GetStatus(), COleDateTime::null);
    EXPECT_EQ(loaded.DynamicStrContent, "в средата '  ' има празно");
    EXPECT_EQ(loaded.DynamicStrArea1, "");
    EXPECT_EQ(loaded.DynamicStrContent2, LongText(4000));
}

TEST_F(StoreTest, EachLevelOfTheCombinedSpeciesIdLoadsWithItsNames) {
    struct Case {
        int combined;
        int storedId;
        int storedType;
        const char* name;
        const char* code;
    } const cases[] = {
        {9001, 9001, 1, "Canis lupus(Вълк)", "1352"},
        {9002, 9002, 1, "Ursus arctos", ""},  // no Bulgarian name: the Latin one alone
        {19001, 9001, 2, "Carnivora(Хищници)", ""},
        {109001, 9001, 3, "Mammalia(Бозайници)", ""},
        {kTrialPlotSpeciesID, 1, 3, "Пробна площадка", ""},
        {1009001, 9001, 4, "Animalia(Животни)", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.combined);
        auto typed = NewDocument(kNoSteps, c.combined);
        ASSERT_TRUE(typed->SaveNewForm());
        const int formId = LastFormId();
        EXPECT_EQ(Number(FormatSql("select SpeciesID from Forms where ID = %d", formId)), c.storedId);
        EXPECT_EQ(Number(FormatSql("select SpeciesType from Forms where ID = %d", formId)), c.storedType);

        auto loaded = Loaded(formId, kNoSteps);
        EXPECT_EQ(loaded->SpeciesID, c.combined);
        EXPECT_EQ(loaded->SpeciesName, c.name);
        EXPECT_EQ(loaded->SpeciesCode, c.code);
        EXPECT_EQ(loaded->FormName, "Без стъпки");
        EXPECT_EQ(loaded->FormID, formId);
        EXPECT_EQ(loaded->FormCode, typed->MakeFormCode(formId));
    }
}

TEST_F(StoreTest, AStoredLevelOutsideTheFourLeavesTheSpeciesAndAMissingFormLeavesTheHeader) {
    Exec("insert into Forms (ID, FormTypeID, SpeciesID, SpeciesType) values (500, 901, 7, 0), (501, 901, 7, 5)");
    for (const int formId : {500, 501}) {
        auto doc = NewDocument(kNoSteps, 4242);
        EXPECT_TRUE(doc->LoadForm(formId));
        EXPECT_EQ(doc->SpeciesID, 4242);
        EXPECT_EQ(doc->SpeciesName, "");
    }
    auto doc = NewDocument(kNoSteps, 4242);
    doc->FormName = "преди";
    EXPECT_FALSE(doc->LoadForm(999999));
    EXPECT_EQ(doc->FormName, "преди");
    EXPECT_EQ(doc->SpeciesID, 4242);
    EXPECT_EQ(doc->FormID, 999999);
}

TEST_F(StoreTest, RowsWhoseReferencesNameNothingStillLoadBack) {
    // Nothing chosen anywhere: every id -1.
    auto typed = NewDocument();
    typed->CommonData_04.Points.Add(CGeoPoint{42, 1, 2, 3, 23, 4, 5, 6});
    typed->CommonData_06.Observers.Add(CPersonRow{90002, "Мария", "", "Иванова", "", "", ""});
    typed->CommonData_07_Threat.Threats.Add(CThreatItem{kThreatMid, "Земеделие->Паша"});
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();

    // Then the observer and the threat vanish from their lists.
    Exec("delete from Person_Colaborator where ID = 90002; delete from nThreats where ID = 90002");
    auto loaded = Loaded(formId);
    CCommonData_01 place;  // the default date and times, as a date and times of day
    place.Date.SetDate(2000, 1, 1);
    place.StartTime.SetTime(1, 1, 1);
    place.EndTime.SetTime(1, 1, 1);
    EXPECT_EQ(loaded->CommonData_01, place);
    EXPECT_EQ(loaded->CommonData_02, CCommonData_02{});
    EXPECT_EQ(loaded->CommonData_04, typed->CommonData_04);
    EXPECT_EQ(loaded->CommonData_05, CCommonData_05{});
    ASSERT_EQ(loaded->CommonData_06.Observers.GetSize(), 1);
    EXPECT_EQ(loaded->CommonData_06.Observers[0], (CPersonRow{90002, "", "", "", "", "", ""}));
    ASSERT_EQ(loaded->CommonData_07_Threat.Threats.GetSize(), 1);
    EXPECT_EQ(loaded->CommonData_07_Threat.Threats[0].ID, kThreatMid);

    // Stored again, the form keeps every row.
    ASSERT_TRUE(loaded->UpdateForm());
    EXPECT_EQ(Count("DlgData_06", FormatSql("FormID = %d", formId)), 1);
    EXPECT_EQ(Count("DlgData_07_Threats", FormatSql("FormID = %d", formId)), 1);
    EXPECT_EQ(Count("Coordinates", FormatSql("DlgData_ID in (select ID from DlgData_03_Coords where FormID = %d)", formId)), 1);
}

TEST_F(StoreTest, ANewSiteIsCreatedOnceAndAKnownSiteIsLinkedOncePerTaxon) {
    auto typed = NewDocument(kPlaceOnly, 9001);
    typed->CommonData_01.PlaceID = CCommonData_01::kNewSite;
    typed->CommonData_01.SiteName = " Мусала 'връх' ";
    ASSERT_TRUE(typed->SaveNewForm());
    const int site = Number("select max(ID) from nSites");
    EXPECT_EQ(Text(FormatSql("select SiteName || '|' || RIOSW_NP_PP_ID from nSites where ID = %d", site)), "Мусала 'връх'|1");
    EXPECT_EQ(Count("rSite__RIOSW_NP_PP", FormatSql("site_id = %d and riosw_id = 1", site)), 1);
    EXPECT_EQ(Count("rSpecies__Sites", FormatSql("site_id = %d and species_id = 9001", site)), 1);
    EXPECT_EQ(Number(FormatSql("select PlaceID from DlgData_01_Place where FormID = %d", LastFormId())), site);
    EXPECT_EQ(typed->CommonData_01.PlaceID, site);  // named by its id once stored

    // The same known site for the same taxon twice, then for a subgroup: two links in all.
    for (const int species : {9001, 9001, 19001}) {
        auto again = NewDocument(kPlaceOnly, species);
        again->CommonData_01.PlaceID = site;
        ASSERT_TRUE(again->SaveNewForm());
    }
    EXPECT_EQ(Count("rSpecies__Sites", FormatSql("site_id = %d", site)), 2);
    EXPECT_EQ(Count("nSites"), 2);
    EXPECT_EQ(Loaded(LastFormId(), kPlaceOnly)->CommonData_01.SiteName, "Мусала 'връх'");
}

namespace {

CImageRef PictureOf(int width, int height, int seed) {
    const std::vector<BYTE> bmp = TestBmp(width, height, seed);
    auto image = std::make_shared<CxImage>();
    EXPECT_TRUE(image->Decode(bmp.data(), static_cast<DWORD>(bmp.size()), CXIMAGE_FORMAT_BMP));
    return image;
}

}  // namespace

TEST_F(StoreTest, PicturesComeBackPixelForPixelInTheirGroupsAndOrder) {
    auto typed = NewDocument();
    CCommonData_InsertImages& images = typed->CommonData_InsertImages;
    images.PhotoImages.Add(PictureOf(31, 7, 1));
    images.PhotoNames.Add("снимка 'едно'.jpg");
    images.PhotoPaths.Add("/home/наблюдател/снимка 'едно'.jpg");
    images.PhotoImages.Add(PictureOf(2, 40, 2));
    images.PhotoNames.Add("две.png");
    images.MapImages.Add(PictureOf(64, 64, 3));
    images.MapNames.Add("карта.tif");
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    EXPECT_EQ(Text(FormatSql("select group_concat(IsPhoto || ':' || SerialNum, ' ') from DlgData_Images where FormID = %d",
                             formId)),
              "1:0 1:1 0:0");

    auto loaded = Loaded(formId);
    const CCommonData_InsertImages& back = loaded->CommonData_InsertImages;
    ASSERT_EQ(back.PhotoImages.GetSize(), 2);
    ASSERT_EQ(back.MapImages.GetSize(), 1);
    EXPECT_EQ(back.PhotoNames, images.PhotoNames);
    EXPECT_EQ(back.MapNames, images.MapNames);
    EXPECT_TRUE(back.PhotoPaths.IsEmpty());  // where a picture came from is not kept
    EXPECT_EQ(EncodeImageBmp(back.PhotoImages[0].get()), EncodeImageBmp(images.PhotoImages[0].get()));
    EXPECT_EQ(EncodeImageBmp(back.PhotoImages[1].get()), EncodeImageBmp(images.PhotoImages[1].get()));
    EXPECT_EQ(EncodeImageBmp(back.MapImages[0].get()), EncodeImageBmp(images.MapImages[0].get()));
    EXPECT_EQ(back.MapImages[0]->GetWidth(), 64u);

    // A damaged blob still loads its row, with an empty picture.
    Exec(FormatSql("update DlgData_Images set Image = x'424d0000' where FormID = %d and IsPhoto = 0", formId));
    auto damaged = Loaded(formId);
    ASSERT_EQ(damaged->CommonData_InsertImages.MapImages.GetSize(), 1);
    EXPECT_FALSE(damaged->CommonData_InsertImages.MapImages[0]->IsValid());
    EXPECT_EQ(damaged->CommonData_InsertImages.MapNames[0], "карта.tif");
}

TEST_F(StoreTest, AnUpdateKeepsTheStoredBytesOfPicturesAndStoresAChangedOneAnew) {
    // Bytes no encoder of ours writes (a mark in the reserved header field), so that a
    // picture encoded again would show.
    std::vector<BYTE> stored = TestBmp(30, 20, 4);
    stored[6] = 'Q';
    stored[7] = 'R';
    auto typed = NewDocument();
    typed->CommonData_InsertImages.PhotoImages.Add(DecodeImageBmp(stored.data(), static_cast<int>(stored.size())));
    typed->CommonData_InsertImages.PhotoNames.Add("a.bmp");
    typed->CommonData_InsertImages.MapImages.Add(PictureOf(8, 8, 5));
    typed->CommonData_InsertImages.MapNames.Add("b.bmp");
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    const auto blobOf = [&](int isPhoto) {
        CSQLite3Query query = db.execQuery(
            FormatSql("select Image from DlgData_Images where FormID = %d and IsPhoto = %d", formId, isPhoto));
        int length = 0;
        const BYTE* bytes = query.eof() ? nullptr : query.getBlobField(0, length);
        return std::vector<BYTE>(bytes, bytes + length);
    };
    EXPECT_EQ(blobOf(1), stored);

    auto edited = Loaded(formId);
    edited->CommonData_InsertImages.MapImages[0] = PictureOf(12, 9, 6);
    ASSERT_TRUE(edited->UpdateForm());
    EXPECT_EQ(blobOf(1), stored);
    EXPECT_EQ(blobOf(0), EncodeImageBmp(PictureOf(12, 9, 6).get()));

    auto back = Loaded(formId);
    ASSERT_EQ(back->CommonData_InsertImages.MapImages.GetSize(), 1);
    EXPECT_EQ(back->CommonData_InsertImages.MapImages[0]->GetWidth(), 12u);
    EXPECT_EQ(back->CommonData_InsertImages.PhotoImages[0]->GetHeight(), 20u);
}

TEST_F(StoreTest, APictureThatCannotBeShownIsStoredAgainByteForByte) {
    ASSERT_TRUE(NewDocument()->SaveNewForm());
    const int formId = LastFormId();
    // Written by another program: a red pixel as PNG, and a BMP cut off after four bytes.
    Exec(FormatSql("insert into DlgData_Images (FormID, IsPhoto, SerialNum, Name, Image) values (%d, 1, 0, 'a.png', "
                   "x'89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de0000000c49444154789c63f8cfc000"
                   "0003010100c9fe92ef0000000049454e44ae426082'), (%d, 0, 0, 'b.bmp', x'424d3600')",
                   formId, formId));
    const auto blobs = [&] {
        return Text(FormatSql("select group_concat(Name || '=' || hex(Image), ' ') from DlgData_Images where FormID = %d",
                              formId));
    };
    const CString stored = blobs();
    auto edited = Loaded(formId);
    EXPECT_FALSE(edited->CommonData_InsertImages.PhotoImages[0]->IsValid());  // as the preview asks
    ASSERT_TRUE(edited->UpdateForm());
    EXPECT_EQ(blobs(), stored);
    ASSERT_TRUE(Loaded(formId)->UpdateForm());
    EXPECT_EQ(blobs(), stored);
}

TEST_F(StoreTest, ThreatsComeBackWithTheirPathsInTheClassification) {
    auto typed = NewDocument();
    typed->CommonData_07_Threat.Threats.Add(CThreatItem{kThreatMid, "за да се види, че не се пази"});
    typed->CommonData_07_Threat.Threats.Add(CThreatItem{kThreatLeaf, ""});
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();

    const CThreatArray threats = Loaded(formId)->CommonData_07_Threat.Threats;
    ASSERT_EQ(threats.GetSize(), 2);
    EXPECT_EQ(threats[0], (CThreatItem{kThreatMid, "Земеделие->Паша"}));
    EXPECT_EQ(threats[1], (CThreatItem{kThreatLeaf, "Земеделие->Паша->Прекомерна паша"}));
}
