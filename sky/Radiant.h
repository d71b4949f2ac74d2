#pragma once
// Meteor-shower radiants: the 68-byte record shared by fradiante (IMO list) and fradter
// (Terentjeva list), the in-memory table of the records flagged for drawing, and the two rules
// every user of the table applies: activity on a date and the drifted position.
#include "sky/DataFile.h"
#include "sky/Errors.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Radiant {
    std::string Code; // up to 4 Windows-1252 bytes
    std::string Name; // up to 25
    std::int16_t StartDay = 0;
    std::int16_t EndDay = 0; // +365 when the period crosses the year end
    std::int16_t MaxDay = 0; // +365 when it falls before StartDay
    float RA = 0;
    float Dec = 0;
    float DriftRA = 0;
    float DriftDec = 0;
    std::int16_t DiamRA = 0;
    std::int16_t DiamDec = 0;
    float V = 0;
    float R = 0;
    std::int16_t Thz = 0;
    std::uint8_t DrawFlag = 0;
};

constexpr std::size_t kRadiantRecordSize = 68;
// The two radiant lists' files in the data folder.
inline constexpr const char* kImoRadiantFile = "fradiante";
inline constexpr const char* kTerentjevaRadiantFile = "fradter";
constexpr int kRadiantSlots = 301;

void DecodeRadiant(const unsigned char* bytes, Radiant& r);
void EncodeRadiant(const Radiant& r, unsigned char* bytes);

enum class RadiantKind { Imo, Terentjeva, None };
// Told by the second character of the code: a digit is Terentjeva, a capital letter IMO.
RadiantKind KindOf(const Radiant& r);

// The flagged records of both files, fradiante first, each in file order.
class RadiantTable {
  public:
    const Radiant& at(int index) const;
    int count() const { return count_; }
    // Index of the last loaded record, -1 when empty.
    int RadiantCount() const { return count_ - 1; }
    void clear() { count_ = 0; }
    // Appends a record; more than the table holds raises the range error naming the file.
    void append(const Radiant& r, const std::string& file);

  private:
    std::array<Radiant, kRadiantSlots> items_{};
    int count_ = 0;
};

// The line of a radiant in the drift and go-to lists: code and two blanks cut to 6, then the
// name, the whole cut to 31 characters.
std::string RadiantLine(const Radiant& r);

// Refuses a record that holds what no radiant can: a day outside 0..730, or a single field that
// is not a finite number between -kRadiantValueLimit and +kRadiantValueLimit. `record` counts
// from 1 and, with the path, names the record in the error.
constexpr float kRadiantValueLimit = 1000;
void CheckRadiant(const Radiant& r, const std::string& path, long long record);

// A radiant file read one record at a time, as stored, so a file of any size is read without
// holding it whole. A partial last record raises "Lectura más allá del final del archivo".
class RadiantReader {
  public:
    RadiantReader(const std::string& dataDir, const std::string& name);
    // The next record; false at the end of the file.
    bool next(Radiant& r);
    const std::string& path() const { return file_.path(); }
    // How many records next() has given, so the last one is record().
    long long record() const { return record_; }

  private:
    DataFile file_;
    long long record_ = 0;
};

// Rebuilds the table and the drift list lines from both files. Line i always belongs to
// record i, also when loading stops with an error part way. An error stops the file it
// happens in and goes to `report`; the next file is read when `report` returns, unless the
// table overflowed: that is told once, naming the file whose record did not fit.
void LoadRadiants(RadiantTable& table, std::vector<std::string>& driftLines,
                  const std::string& dataDir, const ErrorReport& report = RaiseError);

// Whether the radiant is active on the radiant date; activeDay is that date seen from the
// record (moved into the following year for a period that crosses the year end).
bool IsActive(const Radiant& r, int radiantDate, int& activeDay);

struct RadiantPosition {
    float ra;
    float dec;
};
// Position on activeDay: the drift moves it in whole degrees from the position at MaxDay.
RadiantPosition PositionAt(const Radiant& r, int activeDay);

struct ActiveRadiant {
    int index; // in the table
    int activeDay;
};
// The radiants of the lists shown (IMO, Terentjeva or both) active on the radiant date, in
// table order. A record of neither kind belongs to no list.
std::vector<ActiveRadiant> ActiveRadiants(const RadiantTable& table, int radiantDate, bool imo,
                                          bool terentjeva);
