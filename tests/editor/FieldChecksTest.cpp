#include "editor/FieldChecks.h"

#include <gtest/gtest.h>

TEST(FieldChecks, DayMonthFollowsTheMonthLengthsAndRefusesDayZero) {
    for (const char* good : {"30/04", "28/02", "31/12", "01/01", "31/01"})
        EXPECT_TRUE(CheckDayMonth(good)) << good;
    for (const char* bad :
         {"31/04", "29/02", "15/13", "15/00", "00/05", "00/01", "  /  ", "1 /05", "", "ab/cd"})
        EXPECT_FALSE(CheckDayMonth(bad)) << bad;
}

TEST(FieldChecks, PositionDriftAndSizeRanges) {
    EXPECT_TRUE(CheckArDec("359.9/+90.0"));
    EXPECT_TRUE(CheckArDec("010.0/-90.0"));
    EXPECT_TRUE(CheckArDec("046.0/ 05.5"));
    EXPECT_FALSE(CheckArDec("360.0/+00.0"));
    EXPECT_FALSE(CheckArDec("010.0/-90.5"));
    EXPECT_TRUE(CheckArDec("046.0/+05.5xyz")) << "the text is cut to 11 characters";
    EXPECT_FALSE(CheckArDec("46.0 /+05.5")) << "a trailing blank makes a piece invalid";
    EXPECT_TRUE(CheckDeriva("+3.00/-3.00"));
    EXPECT_FALSE(CheckDeriva("+3.01/+0.00"));
    EXPECT_FALSE(CheckDeriva("+0.00/-3.01"));
    EXPECT_TRUE(CheckDiametro("20/20"));
    EXPECT_TRUE(CheckDiametro("00/05"));
    EXPECT_FALSE(CheckDiametro("21/05"));
    EXPECT_FALSE(CheckDiametro("05/21"));
}

TEST(FieldChecks, StructureValues) {
    EXPECT_TRUE(CheckR("5.00"));
    EXPECT_TRUE(CheckR("0.00"));
    EXPECT_FALSE(CheckR("5.01"));
    EXPECT_TRUE(CheckV("99.9"));
    EXPECT_FALSE(CheckV("     "));
    EXPECT_TRUE(CheckThz("0"));
    EXPECT_TRUE(CheckThz("100  "));
    EXPECT_TRUE(CheckThz("32767"));
    // The record holds Thz in 16 bits: more would be written as a different number.
    EXPECT_FALSE(CheckThz("32768"));
    EXPECT_FALSE(CheckThz("99999"));
    EXPECT_FALSE(CheckThz("1 2"));
}

TEST(FieldChecks, NamesAndCodesMustFitTheFileUncut) {
    std::string message;
    EXPECT_TRUE(CheckNombre("Gemínidas", message));
    EXPECT_TRUE(CheckNombre("Táuridas del Sur", message));
    EXPECT_TRUE(CheckNombre(std::string(25, 'x'), message));
    EXPECT_TRUE(CheckNombre(std::string(24, 'x') + "é", message)) << "é is one byte in the file";
    EXPECT_FALSE(CheckNombre(std::string(26, 'x'), message));
    EXPECT_NE(message.find("caben 25"), std::string::npos) << message;
    EXPECT_FALSE(CheckNombre("Łabędź", message));
    EXPECT_NE(message.find("«Ł»"), std::string::npos) << message;
    EXPECT_TRUE(CheckCodigo("PER", message));
    EXPECT_FALSE(CheckCodigo("ABCDE", message));
}

namespace {
RadiantRow goodImo() {
    return {"ABC",         "Prueba", "17/07", "24/08", "12/08", "046.0/+57.5",
            "+1.35/+0.12", "05/05",  "2.60",  "59.0",  "100  ", "SI"};
}
} // namespace

TEST(FieldChecks, ChainStopsAtTheFirstFailingCheckInItsOrder) {
    EXPECT_FALSE(CheckFields(goodImo(), RadiantList::Imo));
    RadiantRow f = goodImo();
    f[ColStart] = "31/04";
    f[ColR] = "5.01";
    auto fault = CheckFields(f, RadiantList::Imo);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->column, ColStart);
    EXPECT_EQ(fault->message, "Formato de Día/Mes incorrecto");

    const std::pair<int, const char*> order[] = {
        {ColMax, "Formato de Día/Mes incorrecto"},   {ColArDec, "Formato de Ar/Dec incorrecto"},
        {ColDiam, "Formato de Diametro incorrecto"}, {ColDeriva, "Formato de Deriva incorrecto"},
        {ColR, "Formato de R incorrecto"},           {ColV, "Formato de V incorrecto"},
        {ColThz, "Formato de Thz incorrecto"}};
    for (const auto& [column, message] : order) {
        RadiantRow bad = goodImo();
        bad[static_cast<std::size_t>(column)] = "xx";
        fault = CheckFields(bad, RadiantList::Imo);
        ASSERT_TRUE(fault) << column;
        EXPECT_EQ(fault->column, column);
        EXPECT_EQ(fault->message, message);
    }
}

TEST(FieldChecks, TerentjevaNeverChecksMaximumRAndThz) {
    RadiantRow f = goodImo();
    f[ColCode] = "T12 ";
    f[ColMax] = "";
    f[ColR] = "";
    f[ColThz] = "";
    EXPECT_FALSE(CheckFields(f, RadiantList::Terentjeva));
    EXPECT_TRUE(CheckFields(f, RadiantList::Imo));
}
