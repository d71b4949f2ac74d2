#include "sky/StarTable.h"

#include "sky/BinaryFile.h"
#include "sky/Errors.h"

#include <algorithm>
#include <fstream>
#include <utility>

static_assert(kStarRecordSize == 4 + 4 + 4 + 2 + 1 + 2, "star record layout");

namespace {
const char* const kStarFile = "festrella";
}

void DecodeStar(const unsigned char* b, Star& s) {
    s.StarNumber = GetI32(b);
    s.RA = GetI32(b + 4);
    s.Dec = GetI32(b + 8);
    s.Mag = GetI16(b + 12);
    s.LabelMark = b[14];
    s.FilePos = GetU16(b + 15);
}

void EncodeStar(const Star& s, unsigned char* b) {
    PutI32(b, s.StarNumber);
    PutI32(b + 4, s.RA);
    PutI32(b + 8, s.Dec);
    PutI16(b + 12, s.Mag);
    b[14] = s.LabelMark;
    PutU16(b + 15, s.FilePos);
}

void StarTable::clear() {
    slots_.clear();
    count_ = 0;
}

void LoadStars(StarTable& table, const std::string& dataDir) {
    table.clear();
    std::size_t size = 0;
    // One record more than fits tells an oversized file apart without reading it all.
    const auto bytes = ReadFileCapped(DataPath(dataDir, kStarFile), kStarFile,
                                      (kStarSlots + 1) * kStarRecordSize, size);
    const std::size_t whole = bytes.size() / kStarRecordSize;
    const int toLoad = static_cast<int>(std::min<std::size_t>(whole, kStarSlots));
    for (int i = 0; i < toLoad; ++i) {
        Star& s = table.at(i + 1);
        DecodeStar(bytes.data() + static_cast<std::size_t>(i) * kStarRecordSize, s);
        s.loaded = true;
    }
    table.setCount(toLoad);
    if (whole > kStarSlots)
        throw RangeError(kStarFile);
    if (bytes.size() % kStarRecordSize != 0)
        throw InOutError(InOutError::ReadBeyondEnd, kStarFile);
}

void SortStars(StarTable& t, int lo, int hi) {
    // Recursing on the smaller side keeps the depth logarithmic on any input order.
    while (lo < hi) {
        int i = lo;
        int j = hi;
        const std::int32_t p = t.at(lo + (hi - lo) / 2).StarNumber;
        do {
            while (t.at(i).StarNumber < p)
                ++i;
            while (t.at(j).StarNumber > p)
                --j;
            if (i <= j) {
                std::swap(t.at(i), t.at(j));
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            if (j > lo)
                SortStars(t, lo, j);
            lo = i;
        } else {
            if (i < hi)
                SortStars(t, i, hi);
            hi = j;
        }
    }
}

int FindStar(const StarTable& t, std::int32_t number) {
    int lo = 1;
    int hi = kStarSlots;
    int found = 0;
    do {
        const int mid = lo + (hi - lo) / 2;
        const std::int32_t v = t.at(mid).StarNumber;
        if (number < v)
            hi = mid;
        if (number > v)
            lo = mid;
        if (number == v)
            found = mid;
    } while (hi - lo >= 10 && found == 0);
    for (int s = lo; s <= hi; ++s)
        if (t.at(s).StarNumber == number)
            found = s;
    return found != 0 && t.at(found).loaded ? found : 0;
}

void WriteStar(const StarTable& table, int slot, const std::string& dataDir) {
    const Star& star = table.at(slot);
    const std::string path = DataPath(dataDir, kStarFile);
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!f) {
        std::ifstream probe(path);
        throw InOutError(probe ? InOutError::AccessDenied : InOutError::FileNotFound, kStarFile);
    }
    f.seekg(0, std::ios::end);
    const auto size = static_cast<std::size_t>(f.tellg());
    const std::size_t offset = static_cast<std::size_t>(star.FilePos) * kStarRecordSize;
    // Writing past the end would grow the catalogue with a record nobody reads back in order.
    if (offset + kStarRecordSize > size)
        throw InOutError(InOutError::ReadBeyondEnd, kStarFile);
    unsigned char bytes[kStarRecordSize];
    EncodeStar(star, bytes);
    f.seekp(static_cast<std::streamoff>(offset));
    f.write(reinterpret_cast<const char*>(bytes), kStarRecordSize);
    f.flush();
    if (!f)
        throw InOutError(InOutError::DiskWrite, kStarFile);
}
