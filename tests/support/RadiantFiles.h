#pragma once
// Every record of one radiant file, flagged or not, checked as the loader checks them.
#include "sky/Radiant.h"

#include <string>
#include <vector>

inline std::vector<Radiant> ReadRadiantFile(const std::string& dataDir, const std::string& name) {
    RadiantReader reader(dataDir, name);
    std::vector<Radiant> records;
    for (Radiant r; reader.next(r);) {
        CheckRadiant(r, reader.path(), reader.record());
        records.push_back(r);
    }
    return records;
}
