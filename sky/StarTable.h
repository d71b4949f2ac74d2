#pragma once
#include "sky/FixedTable.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

// One star of festrella, 17 bytes on disk. `loaded` and `place` are not stored: `loaded` tells
// a star read from the file from an empty slot of a short catalogue, so empty slots are never
// drawn or marked; `place` is the record number the star was read from, where its mark is
// written back whatever its stored FilePos says.
struct Star {
    std::int32_t StarNumber = 0;
    std::int32_t RA = 0;  // hundredths of an arc second
    std::int32_t Dec = 0; // hundredths of an arc second, signed
    std::int16_t Mag = 0; // magnitude x 100
    std::uint8_t LabelMark = 0;
    std::uint16_t FilePos = 0; // zero-based record number inside festrella, as stored
    bool loaded = false;
    int place = 0;
};

constexpr std::size_t kStarRecordSize = 17;
constexpr int kStarSlots = 15925;
constexpr double kHundredthArcsecToDeg = 2.777777777777778e-06;

void DecodeStar(const unsigned char* bytes, Star& star);
void EncodeStar(const Star& star, unsigned char* bytes);

// Slots 1..15925, sorted by StarNumber after loading.
class StarTable {
  public:
    Star& at(int slot) { return slots_.at(slot); }
    const Star& at(int slot) const { return slots_.at(slot); }
    // Number of records read from the file.
    int count() const { return count_; }
    void setCount(int n) { count_ = n; }
    void clear();

  private:
    FixedTable<Star, kStarSlots> slots_;
    int count_ = 0;
};

// Reads festrella into the table (read-only open, so a write-protected catalogue still loads).
void LoadStars(StarTable& table, const std::string& dataDir);
// Quicksort of slots lo..hi by StarNumber; the start-up sort is (1, 15925).
void SortStars(StarTable& table, int lo = 1, int hi = kStarSlots);
// Slot of a star number, 0 when absent (or when the match is an empty slot).
int FindStar(const StarTable& table, std::int32_t number);
// Writes `size` bytes at `offset` of an open file; false when the write fails. Tests pass one
// that fails part way.
using RecordWrite =
    std::function<bool(std::FILE* file, long offset, const unsigned char* bytes, std::size_t size)>;
bool WriteRecordBytes(std::FILE* file, long offset, const unsigned char* bytes, std::size_t size);

// Writes the slot's record back into festrella at the place it was read from, changing only
// those 17 bytes. A file that no longer holds this star there is left alone. When the write
// fails, the record's old bytes are written back before the error is raised.
void WriteStar(const StarTable& table, int slot, const std::string& dataDir,
               const RecordWrite& write = WriteRecordBytes);
// Flips bit 0 of the slot's label mark and writes the record (WriteStar). When that fails the
// mark is read again from the file, so memory shows what the file holds (the old mark when the
// file cannot be read), and the error is raised.
void ToggleMark(StarTable& table, int slot, const std::string& dataDir,
                const RecordWrite& write = WriteRecordBytes);
// Gives the slot's label mark the value `mark` and writes the record, with ToggleMark's rule
// after a failed write.
void SetMark(StarTable& table, int slot, std::uint8_t mark, const std::string& dataDir,
             const RecordWrite& write = WriteRecordBytes);
