#include "editor/RadiantRow.h"
#include "sky/Ansi.h"
#include "tests/support/TestShower.h"

#include <gtest/gtest.h>

namespace {

Radiant prueba() {
    return TestShower("ABC", "Prueba", 198, 236, 224);
}

Radiant converted(const RadiantRow& row, RadiantList mode) {
    auto result = RowToRecord(row, mode);
    EXPECT_TRUE(std::holds_alternative<Radiant>(result))
        << std::get<FieldFault>(result).message << " in column "
        << std::get<FieldFault>(result).column;
    return std::holds_alternative<Radiant>(result) ? std::get<Radiant>(result) : Radiant{};
}

} // namespace

TEST(RadiantRow, ImoRecordShowsAsItsRowAndSavesBack) {
    const RadiantRow row = RecordToRow(prueba(), RadiantList::Imo);
    const RadiantRow expected{"ABC",         "Prueba", "17/07", "24/08", "12/08", "046.0/+57.5",
                              "+1.35/+0.12", "05/05",  "2.60",  "59.0",  "100",   "SI"};
    EXPECT_EQ(row, expected);
    const Radiant back = converted(row, RadiantList::Imo);
    EXPECT_EQ(back.StartDay, 198);
    EXPECT_EQ(back.EndDay, 236);
    EXPECT_EQ(back.MaxDay, 224);
    EXPECT_EQ(back.RA, 46.0f);
    EXPECT_EQ(back.DriftRA, 1.35f);
    EXPECT_EQ(back.R, 2.6f);
    EXPECT_EQ(back.Thz, 100);
    EXPECT_EQ(back.DrawFlag, 1);
}

TEST(RadiantRow, PeriodsAcrossTheYearEnd) {
    RadiantRow row = RecordToRow(prueba(), RadiantList::Imo);
    row[ColStart] = "28/12";
    row[ColEnd] = "12/01";
    row[ColMax] = "02/01";
    const Radiant r = converted(row, RadiantList::Imo);
    EXPECT_EQ(r.StartDay, 362);
    EXPECT_EQ(r.EndDay, 377);
    EXPECT_EQ(r.MaxDay, 367);
    const RadiantRow again = RecordToRow(r, RadiantList::Imo);
    EXPECT_EQ(again[ColStart], "28/12");
    EXPECT_EQ(again[ColEnd], "12/01");
    EXPECT_EQ(again[ColMax], "02/01");
}

TEST(RadiantRow, TerentjevaMaximumIsTheMiddleAndRThzAreZero) {
    RadiantRow row = RecordToRow(prueba(), RadiantList::Terentjeva);
    EXPECT_EQ(row[ColMax], "");
    EXPECT_EQ(row[ColR], "");
    EXPECT_EQ(row[ColThz], "");
    row[ColStart] = "20/12";
    row[ColEnd] = "10/01";
    // Whatever the hidden columns hold.
    row[ColMax] = "garbage";
    row[ColR] = "4.00";
    row[ColThz] = "999";
    Radiant r = converted(row, RadiantList::Terentjeva);
    EXPECT_EQ(r.StartDay, 354);
    EXPECT_EQ(r.EndDay, 375);
    EXPECT_EQ(r.MaxDay, 364);
    EXPECT_EQ(r.R, 0.0f);
    EXPECT_EQ(r.Thz, 0);
    row[ColStart] = "01/03";
    row[ColEnd] = "10/03";
    EXPECT_EQ(converted(row, RadiantList::Terentjeva).MaxDay, 64);
}

TEST(RadiantRow, NumberTextsAndFlag) {
    Radiant r = prueba();
    r.Dec = -5.5f;
    r.DriftRA = -0.1f;
    r.DriftDec = 0.0f;
    const RadiantRow row = RecordToRow(r, RadiantList::Imo);
    EXPECT_EQ(row[ColArDec], "046.0/-05.5");
    EXPECT_EQ(row[ColDeriva], "-0.10/+0.00");
    r.Dec = 0.0f;
    EXPECT_EQ(RecordToRow(r, RadiantList::Imo)[ColArDec], "046.0/+00.0");
    RadiantRow lower = row;
    lower[ColDib] = "si";
    EXPECT_EQ(converted(lower, RadiantList::Imo).DrawFlag, 0);
}

TEST(RadiantRow, DamagedRecordsStillShow) {
    Radiant r = prueba();
    r.StartDay = -4;
    r.EndDay = 900;
    r.RA = std::numeric_limits<float>::quiet_NaN();
    const RadiantRow row = RecordToRow(r, RadiantList::Imo);
    EXPECT_EQ(row[ColStart], "00/00");
    EXPECT_EQ(row[ColEnd], "00/00");
    EXPECT_EQ(row[ColArDec], "?/+57.5");
    EXPECT_TRUE(std::holds_alternative<FieldFault>(RowToRecord(row, RadiantList::Imo)));
}

TEST(RadiantRow, AccentedNamesKeepTheirWindows1252Bytes) {
    Radiant r = prueba();
    r.Name = "T\xE1uridas del Sur";
    const RadiantRow row = RecordToRow(r, RadiantList::Imo);
    EXPECT_EQ(row[ColName], "Táuridas del Sur");
    EXPECT_EQ(converted(row, RadiantList::Imo).Name, "T\xE1uridas del Sur");
    std::string every;
    for (int b = 0; b < 256; ++b)
        every += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(every)), every);
    EXPECT_EQ(AnsiToUtf8("\x80\x9C"), "€œ");
    EXPECT_FALSE(Utf8ToAnsi("\xC3"));
}

TEST(RadiantRow, CommitTrimsCodeAndThzOnly) {
    RadiantRow fields = NewRecordFields(RadiantList::Terentjeva);
    fields[ColCode] = "T   ";
    fields[ColName] = " Nombre ";
    fields[ColThz] = "  12 ";
    const RadiantRow row = CommittedRow(fields);
    EXPECT_EQ(row[ColCode], "T");
    EXPECT_EQ(row[ColName], " Nombre ");
    EXPECT_EQ(row[ColThz], "12");
}
