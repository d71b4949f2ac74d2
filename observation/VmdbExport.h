#pragma once
// An observation as the three CSV files of the IMO's Visual Meteor Database: sessions, rates
// and magnitudes. Elevation is written in metres.
#include "observation/Observation.h"

#include <string>

struct VmdbTexts {
    std::string sessions;
    std::string rates;
    std::string magnitudes;
};

// The session's id: the observation's own, 1 for one never stored. A rate or magnitude line
// takes the session id times 10000 plus its place among the session's lines, so the ids are
// the same at every export of the same observation.
std::int64_t VmdbSessionId(const Observation& observation);

// One rate line per period and shower counted (counts of 0 too), one magnitude line per period
// and shower with a distribution. The observation must pass CheckObservation and have fewer
// than 10000 counts.
VmdbTexts ExportVmdb(const Observation& observation);

// The files' names: "2026-08-12_17_sesiones.csv", "..._tasas.csv", "..._magnitudes.csv".
VmdbTexts VmdbFileNames(const Observation& observation);

// Checks the observation and writes its three files into the folder, each whole or not at
// all. Returns the Spanish reason of a refusal or failure, empty on success.
std::string WriteVmdbFiles(const std::string& folder, const Observation& observation);
