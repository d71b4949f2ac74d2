#pragma once
// A radiant file as the program uses it: loaded into the table, then every record asked what
// the chart, the go-to list and the drift panel ask of it on every day of the year.
#include "fuzz/FuzzInput.h"
#include "geometry/Calendar.h"
#include "geometry/Numbers.h"
#include "sky/Radiant.h"
#include "tests/support/RadiantFiles.h"

inline void UseRadiantFile(const std::string& name, const std::string& other,
                           const std::uint8_t* data, std::size_t size) {
    WriteDataFile(other, nullptr, 0);
    const std::string& dir = WriteDataFile(name, data, size);
    RadiantTable table;
    std::vector<std::string> lines;
    LoadRadiants(table, lines, dir, [](const VelumbraError&) {});
    for (int i = 0; i <= table.RadiantCount(); ++i) {
        const Radiant& r = table.at(i);
        Round(r.RA);
        Round(r.Dec);
        for (int n = r.StartDay; n <= r.EndDay; ++n) {
            int day = 0;
            int month = 0;
            DayToDate(n, day, month);
        }
        for (int date = 1; date <= 365; ++date) {
            int activeDay = 0;
            if (!IsActive(r, date, activeDay))
                continue;
            const RadiantPosition p = PositionAt(r, activeDay);
            Round(p.ra);
            Round(p.dec);
        }
    }
    Expecting([&] { ReadRadiantFile(dir, name); });
}
