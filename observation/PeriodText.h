#pragma once
// A period's times and cloud factor as the observer types them in the window's grid.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

using NightSpan = std::pair<std::int64_t, std::int64_t>; // UT, as NightWindow gives it

// "HH:MM" or "HH:MM:SS" in UT is that time inside the night, so that a period crossing
// midnight needs no date; the full "YYYY-MM-DD HH:MM[:SS]" is taken as written.
std::optional<std::int64_t> ReadPeriodTime(const std::string& text, NightSpan night);
// What reads back as the same instant: the time of day alone inside the night.
std::string PeriodTimeText(std::int64_t ut, NightSpan night);

// The cloud factor typed as F ("1.25") or as the part of the field under clouds ("20%"), which
// gives F to three decimals.
std::optional<double> ReadCloudFactor(const std::string& text);
