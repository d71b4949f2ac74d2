#pragma once
// What every fuzz target shares: the input written as a data file into a private folder, and
// the rule that only the program's own errors may leave a loader.
#include "sky/Errors.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the input as the named data file and gives the folder that holds it.
const std::string& WriteDataFile(const std::string& name, const std::uint8_t* data,
                                 std::size_t size);

// Runs a load; the program's errors are expected answers to bad input, anything else escapes
// to the fuzzer as a crash.
template <typename Load> void Expecting(Load load) {
    try {
        load();
    } catch (const VelumbraError&) {
    }
}
