#include "sky/StarTable.h"

#include "sky/BinaryFile.h"
#include "sky/DataFile.h"
#include "sky/Errors.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
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
    DataFile file(DataPath(dataDir, kStarFile));
    unsigned char record[kStarRecordSize];
    for (int place = 0; file.readRecord(record, sizeof record); ++place) {
        if (place == kStarSlots)
            throw RangeError(file.path());
        Star& s = table.at(place + 1);
        DecodeStar(record, s);
        s.loaded = true;
        s.place = place;
        table.setCount(place + 1);
    }
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

bool WriteRecordBytes(std::FILE* file, long offset, const unsigned char* bytes, std::size_t size) {
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fwrite(bytes, 1, size, file) == size &&
           std::fflush(file) == 0;
}

namespace {

using Record = std::array<unsigned char, kStarRecordSize>;
constexpr std::size_t kMarkOffset = 14;

// festrella opened to rewrite records in place. Unbuffered, so a failed write leaves nothing
// pending that a later seek or close could still write.
class Catalogue {
  public:
    explicit Catalogue(const std::string& path) : path_(path), file_(open(path), &std::fclose) {}
    std::FILE* get() const { return file_.get(); }

    // The record at `place`; one that does not lie wholly inside the file is refused, so a
    // write never grows the catalogue.
    Record read(int place) const {
        const long offset = offsetOf(place);
        Record r{};
        if (std::fseek(get(), 0, SEEK_END) != 0)
            throw InOutError(InOutError::DiskRead, path_);
        const long size = std::ftell(get());
        if (size < 0)
            throw InOutError(InOutError::DiskRead, path_);
        if (offset + static_cast<long>(kStarRecordSize) > size)
            throw InOutError(InOutError::ReadBeyondEnd, path_);
        if (std::fseek(get(), offset, SEEK_SET) != 0 ||
            std::fread(r.data(), 1, r.size(), get()) != r.size())
            throw InOutError(InOutError::DiskRead, path_);
        return r;
    }

    static long offsetOf(int place) { return static_cast<long>(place) * kStarRecordSize; }

  private:
    static std::FILE* open(const std::string& path) {
        std::FILE* f = std::fopen(path.c_str(), "r+b");
        if (!f) {
            std::error_code ec;
            throw InOutError(std::filesystem::exists(path, ec) ? InOutError::AccessDenied
                                                               : InOutError::FileNotFound,
                             path);
        }
        std::setvbuf(f, nullptr, _IONBF, 0);
        return f;
    }
    std::string path_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};

// The mark the file holds at `place` after a failed write, or `otherwise` when it cannot be read.
std::uint8_t markInFile(const std::string& dataDir, int place, std::uint8_t otherwise) {
    try {
        return Catalogue(DataPath(dataDir, kStarFile)).read(place)[kMarkOffset];
    } catch (const VelumbraError&) {
        return otherwise;
    }
}

bool sameStarApartFromTheMark(const Record& a, const Record& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (i != kMarkOffset && a[i] != b[i])
            return false;
    return true;
}

} // namespace

void WriteStar(const StarTable& table, int slot, const std::string& dataDir,
               const RecordWrite& write) {
    const Star& star = table.at(slot);
    const std::string path = DataPath(dataDir, kStarFile);
    Catalogue file(path);
    const Record old = file.read(star.place);
    Record now{};
    EncodeStar(star, now.data());
    if (!sameStarApartFromTheMark(old, now))
        throw VelumbraError("El catálogo de estrellas ha cambiado desde que se cargó", path,
                            "No se ha escrito la marca. Vuelva a arrancar Velumbra para leer el "
                            "catálogo de nuevo.");
    const long offset = Catalogue::offsetOf(star.place);
    if (write(file.get(), offset, now.data(), now.size()))
        return;
    // Part of the record may have reached the disk; put the old bytes back.
    std::clearerr(file.get());
    write(file.get(), offset, old.data(), old.size());
    throw InOutError(InOutError::DiskWrite, path);
}

void SetMark(StarTable& table, int slot, std::uint8_t mark, const std::string& dataDir,
             const RecordWrite& write) {
    Star& star = table.at(slot);
    const std::uint8_t before = star.LabelMark;
    star.LabelMark = mark;
    try {
        WriteStar(table, slot, dataDir, write);
    } catch (const InOutError& e) {
        star.LabelMark = before;
        if (e.code() == InOutError::DiskWrite)
            star.LabelMark = markInFile(dataDir, star.place, before);
        throw;
    } catch (const VelumbraError&) {
        star.LabelMark = before;
        throw;
    }
}

void ToggleMark(StarTable& table, int slot, const std::string& dataDir, const RecordWrite& write) {
    SetMark(table, slot, table.at(slot).LabelMark ^ 1, dataDir, write);
}
