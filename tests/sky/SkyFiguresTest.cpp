#include "sky/SkyFigures.h"
#include "sky/Errors.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string join(const Lines& lines, const std::string& eol = "\r\n", bool finalEol = true) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += lines[i] + (i + 1 < lines.size() || finalEol ? eol : "");
    return text;
}

Lines nameLines(std::size_t n) {
    Lines lines;
    for (std::size_t i = 1; i <= n; ++i)
        lines.push_back("N" + std::to_string(100 + i).substr(1) + " " + std::to_string(100 + i) +
                        " -" + std::to_string(10 + i % 80));
    return lines;
}

Lines zoneLines(std::size_t n) {
    Lines lines;
    for (std::size_t k = 1; k <= n; ++k)
        lines.push_back((k < 10 ? " " : "") + std::to_string(k) + " " + std::to_string(200 + k) +
                        " +" + std::to_string(10 + k));
    return lines;
}

std::string figureRecord(std::uint8_t op, std::uint32_t star) {
    return {static_cast<char>(op), static_cast<char>(star & 0xFF),
            static_cast<char>((star >> 8) & 0xFF), static_cast<char>((star >> 16) & 0xFF),
            static_cast<char>(star >> 24)};
}

// Runs the load and gives the conversion error's message, or "" when there was none.
std::string convertMessage(const std::function<void()>& load, const std::string& path) {
    try {
        load();
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.file(), path);
        return e.what();
    }
    return "";
}

} // namespace

TEST(LoadNames, FixedColumnsWithSignsAndLeadingBlanks) {
    TempDir dir;
    Lines lines = nameLines(90);
    lines[0] = "AND 015 +38";
    lines[1] = "XYZ  85  +5";
    lines[2] = "CET 029 -05 and the rest of the line";
    dir.write("fnombre", join(lines));
    NameTable crlf;
    LoadNames(crlf, dir.path());
    EXPECT_EQ(crlf.at(1).Text, "AND");
    EXPECT_EQ(crlf.at(1).RA, 15);
    EXPECT_EQ(crlf.at(1).Dec, 38);
    EXPECT_EQ(crlf.at(2).RA, 85);
    EXPECT_EQ(crlf.at(2).Dec, 5);
    EXPECT_EQ(crlf.at(3).Dec, -5);
    EXPECT_EQ(crlf.at(90).Text, "N90");
    EXPECT_EQ(crlf.at(90).RA, 190);

    // Bare line feeds, no final line end and lines past the 90th change nothing.
    lines.push_back("not a label");
    for (const std::string& text : {join(lines, "\n"), join(lines, "\r\n", false)}) {
        dir.write("fnombre", text);
        NameTable other;
        LoadNames(other, dir.path());
        for (int k = 1; k <= 90; ++k) {
            EXPECT_EQ(other.at(k).Text, crlf.at(k).Text) << k;
            EXPECT_EQ(other.at(k).RA, crlf.at(k).RA) << k;
            EXPECT_EQ(other.at(k).Dec, crlf.at(k).Dec) << k;
        }
    }
}

TEST(LoadNames, MissingLinesAndBadFieldsAreConversionErrors) {
    TempDir dir;
    NameTable table;
    const auto load = [&] { LoadNames(table, dir.path()); };
    dir.write("fnombre", std::string());
    EXPECT_EQ(convertMessage(load, dir.file("fnombre")), "'' no es un número entero válido");
    dir.write("fnombre", join(nameLines(89)));
    EXPECT_EQ(convertMessage(load, dir.file("fnombre")), "'' no es un número entero válido");

    const std::vector<std::pair<std::string, std::string>> bad{
        {"AND 85  +38", "85 "}, {"AND 0x5 +38", "0x5"}, {"AND 015 +3A", "+3A"},  {"AND 015 +", "+"},
        {"AND   - +38", "  -"}, {"AND 015", ""},        {"AND \t85 +38", "\t85"}};
    for (const auto& [line, text] : bad) {
        Lines lines = nameLines(90);
        lines[40] = line;
        dir.write("fnombre", join(lines));
        EXPECT_EQ(convertMessage(load, dir.file("fnombre")),
                  "'" + text + "' no es un número entero válido")
            << line;
    }
}

TEST(LoadNumbers, ZoneIsTakenByLineNumber) {
    TempDir dir;
    Lines lines = zoneLines(30);
    lines[4] = "75 100 +20";
    lines[11] = "12 200 -30";
    lines.push_back("garbage after the thirtieth line");
    dir.write("fnumero", join(lines, "\n"));
    NumberTable table;
    LoadNumbers(table, dir.path());
    for (int k = 1; k <= 30; ++k)
        EXPECT_EQ(table.at(k).Text, std::to_string(k));
    EXPECT_EQ(table.at(5).RA, 100);
    EXPECT_EQ(table.at(5).Dec, 20);
    EXPECT_EQ(table.at(12).RA, 200);
    EXPECT_EQ(table.at(12).Dec, -30);
    EXPECT_EQ(table.at(30).RA, 230);

    const auto load = [&] { LoadNumbers(table, dir.path()); };
    dir.write("fnumero", join(zoneLines(29)));
    EXPECT_EQ(convertMessage(load, dir.file("fnumero")), "'' no es un número entero válido");
    dir.write("fnumero", std::string());
    EXPECT_EQ(convertMessage(load, dir.file("fnumero")), "'' no es un número entero válido");
    lines = zoneLines(30);
    lines[7] = " 8 1O0 +20";
    dir.write("fnumero", join(lines));
    EXPECT_EQ(convertMessage(load, dir.file("fnumero")), "'1O0' no es un número entero válido");
}

TEST(LoadTriangles, BlankAndOneCharacterLinesTakeNoSlot) {
    TempDir dir;
    dir.write("ftriangulo", join({"0 089937", "1  83895", "1 087585 note"}));
    TriangleTable plain;
    LoadTriangles(plain, dir.path());
    EXPECT_EQ(plain.at(1).Op, 0);
    EXPECT_EQ(plain.at(1).StarNumber, 89937);
    EXPECT_EQ(plain.at(2).StarNumber, 83895);
    EXPECT_EQ(plain.at(3).Op, 1);
    EXPECT_EQ(plain.at(3).StarNumber, 87585);
    EXPECT_EQ(plain.at(4).StarNumber, 0);

    dir.write("ftriangulo",
              join({"", "0 089937", "", "7", "1  83895", "\r", "1 087585"}, "\n", false));
    TriangleTable spaced;
    LoadTriangles(spaced, dir.path());
    for (int k = 1; k <= TriangleTable::size(); ++k) {
        EXPECT_EQ(spaced.at(k).Op, plain.at(k).Op) << k;
        EXPECT_EQ(spaced.at(k).StarNumber, plain.at(k).StarNumber) << k;
    }
}

TEST(LoadTriangles, EmptyFullOversizedAndGarbage) {
    TempDir dir;
    TriangleTable table;
    dir.write("ftriangulo", std::string());
    EXPECT_NO_THROW(LoadTriangles(table, dir.path()));
    EXPECT_EQ(table.at(1).StarNumber, 0);

    Lines lines(126, "1 000042");
    dir.write("ftriangulo", join(lines));
    LoadTriangles(table, dir.path());
    EXPECT_EQ(table.at(126).StarNumber, 42);
    lines.push_back("1 000043");
    dir.write("ftriangulo", join(lines));
    try {
        LoadTriangles(table, dir.path());
        FAIL() << "no error for 127 lines";
    } catch (const RangeError& e) {
        EXPECT_EQ(e.file(), dir.file("ftriangulo"));
    }

    const auto load = [&] { LoadTriangles(table, dir.path()); };
    for (const auto& [line, text] : std::vector<std::pair<std::string, std::string>>{
             {"1 08a895", "08a895"}, {"x 083895", "x"}, {"1 8389 ", "8389 "}, {"1 ", ""}}) {
        dir.write("ftriangulo", join({"0 000001", line}));
        EXPECT_EQ(convertMessage(load, dir.file("ftriangulo")),
                  "'" + text + "' no es un número entero válido")
            << line;
    }
}

TEST(LoadFigures, RecordsInFileOrderUpTo931) {
    TempDir dir;
    FigureTable table;
    dir.write("ffigura", figureRecord(0, 89937) + figureRecord(1, 0x01020304) + figureRecord(5, 7));
    LoadFigures(table, dir.path());
    EXPECT_EQ(table.at(1).Op, 0);
    EXPECT_EQ(table.at(1).StarNumber, 89937);
    EXPECT_EQ(table.at(2).StarNumber, 0x01020304);
    EXPECT_EQ(table.at(3).Op, 5);
    EXPECT_EQ(table.at(4).Op, 0);
    EXPECT_EQ(table.at(4).StarNumber, 0);

    dir.write("ffigura", std::string());
    LoadFigures(table, dir.path());
    EXPECT_EQ(table.at(1).StarNumber, 0) << "a reload starts from an empty table";

    std::string full;
    for (std::uint32_t k = 1; k <= 931; ++k)
        full += figureRecord(1, k);
    dir.write("ffigura", full);
    LoadFigures(table, dir.path());
    EXPECT_EQ(table.at(931).StarNumber, 931);

    dir.write("ffigura", full + figureRecord(1, 932));
    try {
        LoadFigures(table, dir.path());
        FAIL() << "no error for 932 records";
    } catch (const RangeError& e) {
        EXPECT_EQ(e.file(), dir.file("ffigura"));
    }

    dir.write("ffigura", figureRecord(0, 11) + figureRecord(1, 12) + "\x01\x02");
    try {
        LoadFigures(table, dir.path());
        FAIL() << "no error for a partial record";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::ReadBeyondEnd);
        EXPECT_EQ(e.file(), dir.file("ffigura"));
    }
    EXPECT_EQ(table.at(2).StarNumber, 12);
}
