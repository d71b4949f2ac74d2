#include "observation/ObservationDraft.h"
#include "tests/support/ObservationFixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The window's texts of a stored night read back as that night: times across midnight, a
// shower not watched in one period, halved magnitudes.
TEST(ObservationDraft, AStoredNightReadsBackFromItsTexts) {
    Observation night = PerseidObservationFromMadrid();
    night.periods[2].counts.erase(night.periods[2].counts.begin() + 1);
    night.periods[0].counts[0].magnitudes->at(3) = 2.5;
    night.periods[1].endUt += 30; // seconds
    const ObservationDraft draft = DraftOf(night);
    EXPECT_EQ(draft.periods[1].start, "23:30");
    EXPECT_EQ(draft.periods[1].end, "00:30:30");
    EXPECT_EQ(draft.periods[2].counts.count("KCG"), 0u);
    const DraftReading reading = ReadDraft(draft);
    EXPECT_TRUE(reading.faults.empty()) << reading.faults.front().message;
    EXPECT_EQ(reading.observation, night);
}

// Each text that does not read is refused naming its period and field, and the typed text.
TEST(ObservationDraft, ATextThatDoesNotReadIsNamedByRowAndField) {
    const struct {
        std::function<void(ObservationDraft&)> type;
        int row;
        ObservationField field;
        const char* said;
    } cases[] = {
        {[](ObservationDraft& d) { d.periods[0].start = "25:00"; }, 1, ObservationField::Start,
         "Periodo 1, inicio: «25:00»"},
        {[](ObservationDraft& d) { d.periods[1].teff = "una hora"; }, 2, ObservationField::Teff,
         "Periodo 2, Teff: «una hora»"},
        {[](ObservationDraft& d) { d.periods[0].f = "120%"; }, 1, ObservationField::F,
         "Periodo 1, F: «120%»"},
        {[](ObservationDraft& d) { d.periods[2].lm = "6,5"; }, 3, ObservationField::Lm,
         "Periodo 3, magnitud límite: «6,5»"},
        {[](ObservationDraft& d) { d.periods[0].dec = "+45º"; }, 1, ObservationField::FieldDec,
         "Periodo 1, Dec del campo: «+45º»"},
        {[](ObservationDraft& d) { d.periods[1].counts["PER"] = "2.5"; }, 2,
         ObservationField::Count, "Periodo 2, PER"},
        {[](ObservationDraft& d) { d.periods[1].counts["SPO"] = "-1"; }, 2, ObservationField::Count,
         "Periodo 2, SPO"},
        {[](ObservationDraft& d) { d.periods[0].magnitudes["PER"][5] = "0.3"; }, 1,
         ObservationField::Magnitude, "Periodo 1, PER, magnitud -1"},
        {[](ObservationDraft& d) { d.periods[0].counts["KCG"] = " "; }, 1, ObservationField::Count,
         "Periodo 1, KCG: hay magnitudes"},
        {[](ObservationDraft& d) { d.latitude = "40,4"; }, 0, ObservationField::Latitude,
         "Latitud del lugar: «40,4»"},
        {[](ObservationDraft& d) { d.elevation = "mucha"; }, 0, ObservationField::Elevation,
         "Altitud del lugar: «mucha»"},
        // Read, then refused by the checks.
        {[](ObservationDraft& d) { d.periods[2].teff = "2.5"; }, 3, ObservationField::Teff,
         "Periodo 3, Teff"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        ObservationDraft draft = DraftOf(PerseidObservationFromMadrid());
        c.type(draft);
        const std::vector<ObservationFault> faults = ReadDraft(draft).faults;
        ASSERT_EQ(faults.size(), 1u);
        EXPECT_EQ(faults[0].row, c.row);
        EXPECT_EQ(faults[0].field, c.field);
        EXPECT_EQ(faults[0].message.rfind(c.said, 0), 0u) << faults[0].message;
    }
}

} // namespace
