#include "sky/Radiant.h"

#include "sky/BinaryFile.h"
#include "sky/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>

static_assert(kRadiantRecordSize == 5 + 26 + 2 * 3 + 4 * 4 + 2 * 2 + 4 * 2 + 2 + 1,
              "radiant record layout");

namespace {

std::string getShortString(const unsigned char* p, std::size_t capacity) {
    const std::size_t length = std::min<std::size_t>(p[0], capacity);
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

void putShortString(unsigned char* p, const std::string& s, std::size_t capacity) {
    const std::size_t length = std::min(s.size(), capacity);
    std::fill(p, p + capacity + 1, 0);
    p[0] = static_cast<unsigned char>(length);
    std::copy(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(length), p + 1);
}

const char* const kRadiantFiles[] = {kImoRadiantFile, kTerentjevaRadiantFile};

} // namespace

void DecodeRadiant(const unsigned char* b, Radiant& r) {
    r.Code = getShortString(b, 4);
    r.Name = getShortString(b + 5, 25);
    r.StartDay = GetI16(b + 31);
    r.EndDay = GetI16(b + 33);
    r.MaxDay = GetI16(b + 35);
    r.RA = GetF32(b + 37);
    r.Dec = GetF32(b + 41);
    r.DriftRA = GetF32(b + 45);
    r.DriftDec = GetF32(b + 49);
    r.DiamRA = GetI16(b + 53);
    r.DiamDec = GetI16(b + 55);
    r.V = GetF32(b + 57);
    r.R = GetF32(b + 61);
    r.Thz = GetI16(b + 65);
    r.DrawFlag = b[67];
}

void EncodeRadiant(const Radiant& r, unsigned char* b) {
    putShortString(b, r.Code, 4);
    putShortString(b + 5, r.Name, 25);
    PutI16(b + 31, r.StartDay);
    PutI16(b + 33, r.EndDay);
    PutI16(b + 35, r.MaxDay);
    PutF32(b + 37, r.RA);
    PutF32(b + 41, r.Dec);
    PutF32(b + 45, r.DriftRA);
    PutF32(b + 49, r.DriftDec);
    PutI16(b + 53, r.DiamRA);
    PutI16(b + 55, r.DiamDec);
    PutF32(b + 57, r.V);
    PutF32(b + 61, r.R);
    PutI16(b + 65, r.Thz);
    b[67] = r.DrawFlag;
}

RadiantKind KindOf(const Radiant& r) {
    if (r.Code.size() < 2)
        return RadiantKind::None;
    const char c = r.Code[1];
    if (c >= '0' && c <= '9')
        return RadiantKind::Terentjeva;
    if (c >= 'A' && c <= 'Z')
        return RadiantKind::Imo;
    return RadiantKind::None;
}

const Radiant& RadiantTable::at(int index) const {
    if (index < 0 || index >= count_)
        throw RangeError();
    return items_[static_cast<std::size_t>(index)];
}

void RadiantTable::append(const Radiant& r, const std::string& file) {
    if (count_ >= kRadiantSlots)
        throw RangeError(file);
    items_[static_cast<std::size_t>(count_++)] = r;
}

std::string RadiantLine(const Radiant& r) {
    return ((r.Code + "  ").substr(0, 6) + r.Name).substr(0, 31);
}

namespace {

std::string valueText(float v) {
    if (std::isnan(v))
        return "NaN (no es un número)";
    if (std::isinf(v))
        return v > 0 ? "+infinito" : "-infinito";
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}

void checkDay(std::int16_t day, const char* field, const std::string& path, long long record) {
    if (day < 0 || day > 730)
        throw DamagedRecordError(path, record, field, std::to_string(day), "entre 0 y 730");
}

void checkValue(float v, const char* field, const std::string& path, long long record) {
    if (!(std::fabs(v) <= kRadiantValueLimit))
        throw DamagedRecordError(path, record, field, valueText(v),
                                 "entre -" + valueText(kRadiantValueLimit) + " y " +
                                     valueText(kRadiantValueLimit));
}

} // namespace

void CheckRadiant(const Radiant& r, const std::string& path, long long record) {
    checkDay(r.StartDay, "Inicio", path, record);
    checkDay(r.EndDay, "Fin", path, record);
    checkDay(r.MaxDay, "Máximo", path, record);
    checkValue(r.RA, "A.R.", path, record);
    checkValue(r.Dec, "Dec", path, record);
    checkValue(r.DriftRA, "Deriva A.R.", path, record);
    checkValue(r.DriftDec, "Deriva Dec", path, record);
    checkValue(r.V, "V", path, record);
    checkValue(r.R, "R", path, record);
}

RadiantReader::RadiantReader(const std::string& dataDir, const std::string& name)
    : file_(DataPath(dataDir, name)) {}

bool RadiantReader::next(Radiant& r) {
    unsigned char record[kRadiantRecordSize];
    if (!file_.readRecord(record, sizeof record))
        return false;
    DecodeRadiant(record, r);
    ++record_;
    return true;
}

void LoadRadiants(RadiantTable& table, std::vector<std::string>& driftLines,
                  const std::string& dataDir, const ErrorReport& report) {
    table.clear();
    driftLines.clear();
    // Once the table has overflowed, a file read after could only overflow it again, and the
    // error would name that file instead of the one that filled the table.
    bool overflowed = false;
    for (const char* name : kRadiantFiles) {
        if (overflowed)
            break;
        try {
            RadiantReader reader(dataDir, name);
            for (Radiant r; reader.next(r);) {
                CheckRadiant(r, reader.path(), reader.record());
                if (r.DrawFlag == 0)
                    continue;
                table.append(r, reader.path());
                driftLines.push_back(RadiantLine(r));
            }
        } catch (const RangeError& e) {
            overflowed = true;
            report(e);
        } catch (const VelumbraError& e) {
            report(e);
        }
    }
}

bool IsActive(const Radiant& r, int radiantDate, int& activeDay) {
    activeDay = radiantDate;
    if (r.EndDay > 365 && activeDay < r.StartDay)
        activeDay += 365;
    return r.StartDay <= activeDay && activeDay <= r.EndDay && r.DrawFlag != 0;
}

RadiantPosition PositionAt(const Radiant& r, int activeDay) {
    // A day count times a single is exact in a double: the extended product rounds alike, at a
    // cost every shown radiant of every redraw paid.
    const int d = activeDay - r.MaxDay;
    const double dra = static_cast<double>(d) * r.DriftRA;
    const double ddec = static_cast<double>(d) * r.DriftDec;
    return {r.RA + static_cast<float>(std::nearbyint(dra)),
            r.Dec + static_cast<float>(std::nearbyint(ddec))};
}

std::vector<ActiveRadiant> ActiveRadiants(const RadiantTable& table, int radiantDate, bool imo,
                                          bool terentjeva) {
    std::vector<ActiveRadiant> active;
    for (int i = 0; i < table.count(); ++i) {
        const Radiant& r = table.at(i);
        const RadiantKind kind = KindOf(r);
        const bool listed =
            (kind == RadiantKind::Imo && imo) || (kind == RadiantKind::Terentjeva && terentjeva);
        int activeDay = 0;
        if (listed && IsActive(r, radiantDate, activeDay))
            active.push_back({i, activeDay});
    }
    return active;
}
