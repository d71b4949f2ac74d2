#pragma once
// Reads a radiant file one record at a time, as it is on disk, flagged or not: for the listings,
// which print what is stored and never hold the whole file.
#include "sky/Radiant.h"

#include <fstream>
#include <string>

class RadiantReader {
  public:
    // Opens DataDir/name; a missing or unreadable file raises the input/output error.
    RadiantReader(const std::string& dataDir, const std::string& name);

    // The next whole record; false at the end of the file or at a final partial record.
    bool next(Radiant& r);
    // Whether the file ends in a partial record (known once next() has returned false).
    bool torn() const { return torn_; }
    const std::string& name() const { return name_; }

  private:
    std::string name_;
    std::ifstream in_;
    bool torn_ = false;
};
