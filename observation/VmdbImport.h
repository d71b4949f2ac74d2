#pragma once
// Observations read from a set of VMDB files, made by Velumbra, by hand or by another program:
// columns found by name in any order and case, extra columns ignored, each file told by its
// columns. Either every observation of the files comes back sound, or none and the reason.
#include "observation/Observation.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct VmdbText {
    std::string name; // as the messages name the file
    std::string text;
};

// A bad line, in Spanish, naming the file, the line and the column.
class VmdbError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The name, radiant and speed of a shower watched on the night of `evening`, which the files do
// not carry; without an answer a shower keeps only its code.
using ShowerLookup =
    std::function<std::optional<ObservedShower>(const std::string& code, const CivilDate& evening)>;

// One observation per session, in the sessions file's order, never stored (id 0). The files do
// not carry the local time: the UTC offset is taken from the longitude in whole hours, and the
// night is the one, noon to noon, of the first period. Throws VmdbError.
std::vector<Observation> ImportVmdb(const std::vector<VmdbText>& files,
                                    const ShowerLookup& lookup = {});

// The same from files on disk; an unreadable file is a VmdbError too.
std::vector<Observation> ReadVmdbFiles(const std::vector<std::string>& paths,
                                       const ShowerLookup& lookup = {});
