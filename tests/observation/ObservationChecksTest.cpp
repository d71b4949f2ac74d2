#include "observation/ObservationChecks.h"
#include "tests/support/ObservationFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using Field = ObservationField;
constexpr std::int64_t kHour = 3600;

struct BadInput {
    const char* what;
    std::function<void(Observation&)> spoil;
    int row;
    Field field;
    const char* says; // part of the message
};

TEST(ObservationChecks, EachBadInputIsRefusedNamingItsRowAndField) {
    ASSERT_TRUE(CheckObservation(PerseidObservationFromMadrid()).empty());
    const std::vector<BadInput> cases{
        {"end before start", [](Observation& o) { o.periods[1].endUt = o.periods[1].startUt - 60; },
         2, Field::End, "Periodo 2, fin: 2026-08-12 23:29:00 UT no es posterior al inicio"},
        {"end equal to start", [](Observation& o) { o.periods[0].endUt = o.periods[0].startUt; }, 1,
         Field::End, "no es posterior"},
        {"Teff longer than the period", [](Observation& o) { o.periods[0].teff = 1.01; }, 1,
         Field::Teff, "Periodo 1, Teff: 1.01 h es más que la duración del periodo (1 h)"},
        {"Teff of 0", [](Observation& o) { o.periods[2].teff = 0; }, 3, Field::Teff,
         "Periodo 3, Teff: el tiempo efectivo debe ser mayor que 0"},
        {"a period of more than 7 hours",
         [](Observation& o) {
             o.periods[2].startUt -= 4 * kHour;
             o.periods[2].endUt += kHour + 60;
         },
         3, Field::End, "dura 7.02 h, más de 7 horas. Divídalo"},
        {"LM above 8", [](Observation& o) { o.periods[1].lm = 8.1; }, 2, Field::Lm,
         "Periodo 2, magnitud límite: 8.1 está fuera de 0 a 8"},
        {"LM below 0", [](Observation& o) { o.periods[1].lm = -0.5; }, 2, Field::Lm,
         "fuera de 0 a 8"},
        {"F below 1", [](Observation& o) { o.periods[0].f = 0.95; }, 1, Field::F,
         "Periodo 1, F: 0.95 es menor que 1"},
        {"a negative count", [](Observation& o) { o.periods[2].counts[1].number = -2; }, 3,
         Field::Count, "Periodo 3, KCG: el número de meteoros (-2) es negativo"},
        {"a magnitude count neither whole nor half",
         [](Observation& o) { (*o.periods[0].counts[0].magnitudes)[8] = 1.25; }, 1,
         Field::Magnitude, "Periodo 1, PER, magnitud +2: 1.25 no es un número entero o medio"},
        {"a negative magnitude count",
         [](Observation& o) { (*o.periods[0].counts[0].magnitudes)[0] = -1; }, 1, Field::Magnitude,
         "magnitud -6: -1 no es"},
        {"latitude out of range", [](Observation& o) { o.site.latitude = 90.5; }, 0,
         Field::Latitude, "Latitud del lugar: 90.5 está fuera de -90 a 90"},
        {"longitude out of range", [](Observation& o) { o.site.longitude = -180.5; }, 0,
         Field::Longitude, "Longitud del lugar: -180.5 está fuera de -180 a 180"},
        {"latitude not a number", [](Observation& o) { o.site.latitude = std::nan(""); }, 0,
         Field::Latitude, "Latitud"},
        // Local noon of the 12th is 10:00 UT at UTC+2; of the 13th, 10:00 UT on the 13th.
        {"a period before the night's noon",
         [](Observation& o) {
             o.periods[0].startUt = MidnightUt({2026, 8, 12}) + 9 * kHour + 59 * 60;
             o.periods[0].endUt = o.periods[0].startUt + kHour;
         },
         1, Field::Start, "Periodo 1, inicio: 2026-08-12 09:59:00 UT es anterior al mediodía"},
        {"a period past the next noon",
         [](Observation& o) {
             o.periods[2].endUt = MidnightUt({2026, 8, 13}) + 10 * kHour + 60;
             o.periods[2].startUt = o.periods[2].endUt - 2 * kHour;
         },
         3, Field::End, "posterior al mediodía que cierra la noche (2026-08-13 10:00:00 UT)"},
        {"a night whose dates do not follow",
         [](Observation& o) {
             o.morning = {2026, 8, 14};
         },
         0, Field::Night, "la segunda fecha debe ser el día siguiente"},
        {"a count of a shower not watched",
         [](Observation& o) { o.periods[1].counts[1].code = "ETA"; }, 2, Field::Count,
         "ETA: la lluvia no está entre las observadas"},
    };
    for (const BadInput& c : cases) {
        Observation o = PerseidObservationFromMadrid();
        c.spoil(o);
        const auto faults = CheckObservation(o);
        ASSERT_EQ(faults.size(), 1u) << c.what;
        EXPECT_EQ(faults[0].row, c.row) << c.what;
        EXPECT_EQ(faults[0].field, c.field) << c.what;
        EXPECT_NE(faults[0].message.find(c.says), std::string::npos)
            << c.what << ": " << faults[0].message;
    }
}

TEST(ObservationChecks, TypedCountsAreWholeAndMagnitudeCountsWholeOrHalf) {
    struct Typed {
        const char* text;
        std::optional<int> count;
        std::optional<double> magnitude;
    };
    const std::vector<Typed> cases{
        {"0", 0, 0.0},
        {" 12 ", 12, 12.0},
        {"2.5", std::nullopt, 2.5},
        {"0.5", std::nullopt, 0.5},
        {"1.25", std::nullopt, std::nullopt},
        {"-1", std::nullopt, std::nullopt},
        {"-0.5", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"3,5", std::nullopt, std::nullopt},
        {"x", std::nullopt, std::nullopt},
    };
    for (const Typed& t : cases) {
        EXPECT_EQ(ReadCount(t.text), t.count) << t.text;
        EXPECT_EQ(ReadMagnitudeCount(t.text), t.magnitude) << t.text;
        EXPECT_EQ(CheckCountText(4, "PER", t.text).has_value(), !t.count) << t.text;
    }
    const auto fault = CheckMagnitudeText(2, "PER", 3, "1.3");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->row, 2);
    EXPECT_EQ(fault->magnitude, 3);
    EXPECT_EQ(fault->message, "Periodo 2, PER, magnitud +3: \"1.3\" no es un número entero o "
                              "medio de meteoros. Escriba 0, 0.5, 1, 1.5...");
    EXPECT_EQ(CheckCountText(4, "SPO", "2.5")->message,
              "Periodo 4, SPO: \"2.5\" no es un número de meteoros. Escriba un número entero, 0 "
              "o más.");
}

TEST(ObservationChecks, ADistributionThatDiffersFromTheCountCanStillBeKept) {
    Observation o = PerseidObservationFromMadrid();
    o.periods[0].counts[0].number = 25;
    EXPECT_TRUE(CheckObservation(o).empty());
    EXPECT_EQ(MagnitudeTotal(*o.periods[0].counts[0].magnitudes), 18);
}

TEST(ObservationChecks, CloudPercentageBecomesF) {
    const std::vector<std::pair<double, std::optional<double>>> cases{
        {0, 1.0}, {20, 1.25}, {50, 2.0}, {75, 4.0}, {100, std::nullopt}, {-5, std::nullopt}};
    for (const auto& [percent, f] : cases) {
        const auto got = CloudFactor(percent);
        ASSERT_EQ(got.has_value(), f.has_value()) << percent;
        EXPECT_DOUBLE_EQ(got.value_or(0), f.value_or(0)) << percent;
    }
}

} // namespace
