#include <gtest/gtest.h>

#include "platform/Arrays.h"
#include "platform/COleDateTime.h"
#include "platform/CString.h"
#include "platform/Cp1251.h"

TEST(Cp1251, CyrillicAndSymbolsRoundTripThroughTheCodePage) {
    EXPECT_TRUE(cp1251::IsRepresentable("Пробна площадка 'Да' 100%"));
    const std::string bytes = cp1251::FromUtf8("Ведрин");
    EXPECT_EQ(bytes, "\xC2\xE5\xE4\xF0\xE8\xED");
    EXPECT_EQ(cp1251::FromUtf8("Е"), "\xC5");  // the Cyrillic capital of two column names
    EXPECT_EQ(cp1251::FromUtf8("№"), "\xB9");
    // Every byte but 0x98 has a character and comes back as itself.
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) all += static_cast<char>(b);
    EXPECT_EQ(cp1251::FromUtf8(cp1251::ToUtf8(all)), all);
    // A three-byte character last, and ASCII before and after Cyrillic.
    EXPECT_EQ(cp1251::ToUtf8("\x88"), "€");
    EXPECT_EQ(cp1251::ToUtf8("12 \xEB\xE2. \x88"), "12 лв. €");
}

TEST(Cp1251, CharactersOutsideTheCodePageAreDetectedAndNeverPassSilently) {
    EXPECT_FALSE(cp1251::IsRepresentable("日本"));
    EXPECT_FALSE(cp1251::IsRepresentable("сѝ"));  // the accented и has no place in 1251
    EXPECT_FALSE(cp1251::IsRepresentable("Ελλάδα"));
    EXPECT_EQ(cp1251::FromUtf8("a日b"), "a?b");
    // Broken UTF-8 (a cut sequence, a stray continuation byte) does not read past the end.
    EXPECT_EQ(cp1251::FromUtf8(std::string("x\xD0", 2)), "x?");
    EXPECT_EQ(cp1251::FromUtf8("\x80y"), "?y");
}

TEST(CString, LengthsAndPositionsCountCharactersNotBytes) {
    CString s("Отдел 123");
    EXPECT_EQ(s.GetLength(), 9);
    EXPECT_EQ(s.ByteLength(), 14);
    EXPECT_EQ(s.Left(5), "Отдел");
    EXPECT_EQ(s.Right(3), "123");
    EXPECT_EQ(s.Mid(2, 3), "дел");
    EXPECT_EQ(s.Mid(20), "");
    EXPECT_EQ(s.Find("123"), 6);
    EXPECT_EQ(s.Find(U'л'), 4);
    EXPECT_EQ(s.ReverseFind(U' '), 5);
    s.Delete(0, 6);
    EXPECT_EQ(s, "123");
}

TEST(CString, TrimReplaceAndCase) {
    CString s("  'Иван' \t\n");
    s.Trim();
    EXPECT_EQ(s, "'Иван'");
    EXPECT_EQ(s.Replace("'", "''"), 2);
    EXPECT_EQ(s, "''Иван''");
    CString t("Стара Загора");
    EXPECT_EQ(t.MakeUpper(), "СТАРА ЗАГОРА");
    CString methods("1; 3; ");
    methods.TrimRight();
    EXPECT_EQ(methods, "1; 3;");
}

TEST(CString, FormatTakesCStringsAndPlainStrings) {
    CString s;
    s.Format("%s  (%s)", CString("Бургас"), "Ямбол");
    EXPECT_EQ(s, "Бургас  (Ямбол)");
    s.Format("%d°  %d'  %d.%d''", 42, 5, 7, 25);
    EXPECT_EQ(s, "42°  5'  7.25''");
    s.Format("like '%%%s%%'", "ив");
    EXPECT_EQ(s, "like '%ив%'");
    // Missing arguments print nothing harmful instead of reading garbage.
    s.Format("%s-%d");
    EXPECT_EQ(s, "(null)-0");
    s.AppendFormat("#%u", 7u);
    EXPECT_EQ(s, "(null)-0#7");
}

TEST(COleDateTime, FormatsAndParsesTheStoredForms) {
    COleDateTime date(2009, 6, 15, 0, 0, 0);
    EXPECT_EQ(date.Format("%Y-%m-%d"), "2009-06-15");
    COleDateTime back;
    ASSERT_TRUE(back.ParseDateTime("2009-06-15", VAR_DATEVALUEONLY));
    EXPECT_EQ(back, date);
    EXPECT_TRUE(back.ParseDateTime("15.06.2009"));
    EXPECT_EQ(back, date);
    COleDateTime time;
    ASSERT_TRUE(time.ParseDateTime("07:05:09", VAR_TIMEVALUEONLY));
    EXPECT_EQ(time.Format("%H:%M:%S"), "07:05:09");
    ASSERT_TRUE(time.ParseDateTime("2009-06-15 23:59", VAR_TIMEVALUEONLY));
    EXPECT_EQ(time.Format("%Y-%m-%d %H:%M"), "1899-12-30 23:59");
}

TEST(COleDateTime, NullAndInvalidValues) {
    COleDateTime value;
    value.SetStatus(COleDateTime::null);
    EXPECT_EQ(value.Format("%H:%M:%S"), "");
    EXPECT_FALSE(value.ParseDateTime("---", VAR_TIMEVALUEONLY));
    EXPECT_EQ(value.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(value.Format("%H:%M"), "Invalid DateTime");
    EXPECT_FALSE(value.ParseDateTime("25:00"));
    EXPECT_FALSE(value.ParseDateTime("2009-06-15x"));
    EXPECT_TRUE(COleDateTime(2000, 1, 1, 1, 1, 1) < COleDateTime(2000, 1, 1, 1, 1, 2));
}

TEST(CArray, GrowsRemovesAndRefusesBadIndexes) {
    CArray<int, int> numbers;
    EXPECT_EQ(numbers.Add(1), 0);
    numbers.Add(3);
    numbers.InsertAt(1, 2);
    numbers.RemoveAt(0);
    ASSERT_EQ(numbers.GetSize(), 2);
    EXPECT_EQ(numbers[0], 2);
    EXPECT_EQ(numbers[1], 3);
    EXPECT_THROW(numbers[2], std::out_of_range);
    EXPECT_THROW(numbers[-1], std::out_of_range);
    EXPECT_THROW(numbers.InsertAt(-1, 9), std::out_of_range);
}
