#include "observation/VmdbExport.h"
#include "observation/VmdbImport.h"
#include "tests/support/ObservationFixtures.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The showers as the window would find them in the radiant lists.
ShowerLookup showersOf(const Observation& o) {
    return [o](const std::string& code, const CivilDate&) -> std::optional<ObservedShower> {
        for (const ObservedShower& s : o.showers)
            if (s.code == code)
                return s;
        return std::nullopt;
    };
}

std::vector<VmdbText> named(const VmdbTexts& t) {
    return {{"sesiones.csv", t.sessions}, {"tasas.csv", t.rates}, {"magnitudes.csv", t.magnitudes}};
}

TEST(VmdbExport, HeaderLinesAndOneLineOfEachWithADecimalPointInAnyLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const bool comma = std::setlocale(LC_NUMERIC, "es_ES.UTF-8") != nullptr;
    const VmdbTexts files = ExportVmdb(PerseidObservationFromMadrid());
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_TRUE(comma) << "the decimal-comma locale is missing: the point was not tested";

    const auto sessions = linesOf(files.sessions);
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0], "session id;observer id;actual observer name;latitude;longitude;"
                           "elevation;city;country");
    EXPECT_EQ(sessions[1], "17;PERLU;Lucía Pérez;40.4168;-3.7038;657;Madrid;España");

    // Three periods of three showers, the kappa Cygnids' 0 of the second included.
    const auto rates = linesOf(files.rates);
    ASSERT_EQ(rates.size(), 10u);
    EXPECT_EQ(rates[0], "rate id;user id;obs session id;start date;end date;ra;decl;teff;f;lm;"
                        "shower;method;number");
    EXPECT_EQ(rates[1], "170001;PERLU;17;2026-08-12 22:00:00;2026-08-12 23:00:00;300;45;0.95;1;"
                        "6.3;PER;C;18");
    EXPECT_EQ(rates[5], "170005;PERLU;17;2026-08-12 23:30:00;2026-08-13 00:30:00;310;50;1;1.05;"
                        "6.4;KCG;C;0");
    EXPECT_EQ(rates[7], "170007;PERLU;17;2026-08-13 01:00:00;2026-08-13 03:00:00;;;1.9;1;6.5;PER;"
                        "C;74");

    // Only the three counts with a distribution.
    const auto magnitudes = linesOf(files.magnitudes);
    ASSERT_EQ(magnitudes.size(), 4u);
    EXPECT_EQ(magnitudes[0], "magnitude id;user id;obs session id;shower;start date;end date;"
                             "mag n6;mag n5;mag n4;mag n3;mag n2;mag n1;mag 0;mag 1;mag 2;mag 3;"
                             "mag 4;mag 5;mag 6;mag 7");
    EXPECT_EQ(magnitudes[1], "170001;PERLU;17;PER;2026-08-12 22:00:00;2026-08-12 23:00:00;0;0;0;"
                             "0;1;0.5;1.5;2;3;4;3;2;1;0");
}

TEST(VmdbExport, IdsAreUniqueAndTheSameAtEveryExport) {
    Observation o = PerseidObservationFromMadrid();
    const VmdbTexts first = ExportVmdb(o);
    EXPECT_EQ(ExportVmdb(o).rates, first.rates);
    EXPECT_EQ(ExportVmdb(o).magnitudes, first.magnitudes);
    for (const std::string* text : {&first.rates, &first.magnitudes}) {
        std::set<std::string> ids;
        const auto lines = linesOf(*text);
        for (std::size_t i = 1; i < lines.size(); ++i)
            ids.insert(lines[i].substr(0, lines[i].find(';')));
        EXPECT_EQ(ids.size(), lines.size() - 1);
    }
    // Another stored observation never shares an id with this one.
    o.id = 18;
    EXPECT_EQ(linesOf(ExportVmdb(o).rates)[1].substr(0, 7), "180001;");
}

TEST(VmdbImport, AnExportReadBackIsTheSameObservation) {
    Observation o = PerseidObservationFromMadrid();
    o.site.name = "Madrid; \"Casa de Campo\"";
    const auto back = ImportVmdb(named(ExportVmdb(o)), showersOf(o));
    ASSERT_EQ(back.size(), 1u);
    // The files carry neither the store's id nor the local time: the offset comes from Madrid's
    // longitude, 0 hours.
    Observation expected = o;
    expected.id = 0;
    expected.utcOffset = 0;
    EXPECT_TRUE(back[0] == expected);
    EXPECT_EQ(back[0].site.name, o.site.name);
    EXPECT_EQ(back[0].periods.size(), 3u);

    // A night watched only after midnight UT is still the night of the 12th.
    o.periods.erase(o.periods.begin(), o.periods.begin() + 2);
    const auto morning = ImportVmdb(named(ExportVmdb(o)), showersOf(o));
    ASSERT_EQ(morning.size(), 1u);
    EXPECT_TRUE(morning[0].evening == o.evening);
    EXPECT_TRUE(morning[0].morning == o.morning);
}

TEST(VmdbImport, ColumnsInAnyOrderAndCaseWithOthersBesideThem) {
    const Observation o = PerseidObservationFromMadrid();
    const VmdbTexts files = ExportVmdb(o);
    // Each line's fields reversed, the header in capitals, an unknown column second, Windows
    // line ends and a byte order mark.
    auto shuffle = [](const std::string& text) {
        std::string out = "\xEF\xBB\xBF";
        bool header = true;
        for (const std::string& line : linesOf(text)) {
            std::vector<std::string> fields;
            std::istringstream in(line);
            for (std::string f; std::getline(in, f, ';');)
                fields.push_back(f);
            if (line.back() == ';')
                fields.emplace_back();
            std::string reversed;
            for (auto f = fields.rbegin(); f != fields.rend(); ++f) {
                std::string field = *f;
                if (header)
                    for (char& c : field)
                        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                reversed += (reversed.empty() ? "" : ";") + field;
                if (f == fields.rbegin())
                    reversed += header ? ";COMMENTS" : ";visto";
            }
            out += reversed + "\r\n";
            header = false;
        }
        return out;
    };
    const std::vector<VmdbText> texts{{"m.csv", shuffle(files.magnitudes)},
                                      {"s.csv", shuffle(files.sessions)},
                                      {"t.csv", shuffle(files.rates)}};
    const auto back = ImportVmdb(texts, showersOf(o));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_TRUE(back[0].periods == o.periods);
    EXPECT_TRUE(back[0].site == o.site);
}

// The exported files with one field replaced: file 0 sessions, 1 rates, 2 magnitudes.
std::vector<VmdbText> withField(std::size_t file, std::size_t line, std::size_t column,
                                const std::string& value) {
    std::vector<VmdbText> texts = named(ExportVmdb(PerseidObservationFromMadrid()));
    auto lines = linesOf(texts[file].text);
    std::vector<std::string> fields;
    std::istringstream in(lines.at(line - 1));
    for (std::string f; std::getline(in, f, ';');)
        fields.push_back(f);
    fields.at(column - 1) = value;
    std::string joined;
    for (const std::string& f : fields)
        joined += (joined.empty() ? "" : ";") + f;
    lines[line - 1] = joined;
    texts[file].text.clear();
    for (const std::string& l : lines)
        texts[file].text += l + "\n";
    return texts;
}

TEST(VmdbImport, ABadLineNamesItsFileLineAndColumnAndNothingIsImported) {
    struct Bad {
        const char* what;
        std::vector<VmdbText> files;
        const char* says;
    };
    auto without = [](std::size_t file) {
        auto t = named(ExportVmdb(PerseidObservationFromMadrid()));
        t.erase(t.begin() + static_cast<std::ptrdiff_t>(file));
        return t;
    };
    const std::vector<Bad> cases{
        {"Teff not a number", withField(1, 3, 8, "abc"),
         "Archivo «tasas.csv», línea 3, columna 8 (teff): «abc» no es un número escrito con "
         "punto decimal."},
        {"a decimal comma", withField(1, 2, 10, "6,3"),
         "línea 2, columna 10 (lm): «6,3» no es un número"},
        {"a fractional count", withField(1, 4, 13, "2.5"),
         "línea 4, columna 13 (number): «2.5» no es un número entero de meteoros"},
        {"a bad time", withField(1, 2, 4, "2026-08-32 22:00:00"),
         "línea 2, columna 4 (start date): «2026-08-32 22:00:00» no es una fecha y hora UT"},
        {"an unknown session", withField(1, 6, 3, "99"),
         "línea 6, columna 3 (obs session id): la sesión 99 no está en el archivo de sesiones "
         "«sesiones.csv»"},
        {"a quarter meteor", withField(2, 3, 16, "0.25"),
         "Archivo «magnitudes.csv», línea 3, columna 16 (mag 3): «0.25» no es un número entero "
         "o medio"},
        {"a distribution without its rate line", withField(2, 2, 4, "ETA"),
         "Archivo «magnitudes.csv», línea 2, columna 4 (shower): no hay en «tasas.csv» una "
         "línea de la lluvia ETA"},
        {"Teff longer than its period", withField(1, 2, 8, "1.5"),
         "Archivo «tasas.csv», línea 2, columna 8 (teff): Periodo 1, Teff: 1.5 h es más que la "
         "duración del periodo (1 h)."},
        {"LM beyond 8", withField(1, 5, 10, "8.5"),
         "Archivo «tasas.csv», línea 5, columna 10 (lm): Periodo 2, magnitud límite: 8.5"},
        {"a latitude beyond the pole", withField(0, 2, 4, "95"),
         "Archivo «sesiones.csv», línea 2, columna 4 (latitude): Latitud del lugar: 95"},
        {"a missing column", withField(1, 1, 9, "factor"),
         "Archivo «tasas.csv», línea 1: falta la columna «f»."},
        {"a shower twice in a period", withField(1, 3, 11, "PER"),
         "línea 3, columna 11 (shower): la lluvia PER ya tiene una línea de este periodo."},
        {"no rates file", without(1), "Falta el archivo de tasas"},
    };
    for (const Bad& c : cases) {
        try {
            ImportVmdb(c.files);
            ADD_FAILURE() << c.what << ": imported";
        } catch (const VmdbError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.says), std::string::npos) << c.what << ": " << message;
        }
    }
}

TEST(VmdbFiles, WrittenIntoAFolderAndReadBack) {
    TempDir dir;
    const Observation o = PerseidObservationFromMadrid();
    ASSERT_EQ(WriteVmdbFiles(dir.path(), o), "");
    const VmdbTexts names = VmdbFileNames(o);
    EXPECT_EQ(names.rates, "2026-08-12_17_tasas.csv");
    const auto back =
        ReadVmdbFiles({dir.file(names.sessions), dir.file(names.rates), dir.file(names.magnitudes)},
                      showersOf(o));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_TRUE(back[0].periods == o.periods);

    // An observation that fails its checks writes nothing.
    Observation bad = o;
    bad.id = 40;
    bad.periods[0].lm = 9;
    EXPECT_EQ(WriteVmdbFiles(dir.path(), bad)
                  .rfind("La observación no se puede exportar: "
                         "Periodo 1, magnitud límite: 9",
                         0),
              0u);
    EXPECT_THROW(ReadVmdbFiles({dir.file(VmdbFileNames(bad).rates)}), VmdbError);

    // A folder where the rates go: the box names it on a line of its own and what was written.
    TempDir blocked;
    std::filesystem::create_directory(blocked.file(names.rates));
    const std::string failure = WriteVmdbFiles(blocked.path(), o);
    EXPECT_EQ(failure.substr(failure.find('\n') + 1, failure.rfind('\n') - failure.find('\n') - 1),
              blocked.file(names.rates))
        << failure;
    EXPECT_NE(failure.find("Ya se escribieron " + names.sessions), std::string::npos) << failure;
    try {
        ReadVmdbFiles({blocked.file("ninguno.csv")});
        ADD_FAILURE() << "a missing file was read";
    } catch (const VmdbError& e) {
        EXPECT_NE(std::string(e.what()).find("\n" + blocked.file("ninguno.csv") + "\n"),
                  std::string::npos)
            << e.what();
    }
}

} // namespace
