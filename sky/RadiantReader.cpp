#include "sky/RadiantReader.h"

#include "sky/BinaryFile.h"
#include "sky/Errors.h"

RadiantReader::RadiantReader(const std::string& dataDir, const std::string& name)
    : name_(name), in_(DataPath(dataDir, name), std::ios::binary | std::ios::ate) {
    if (!in_)
        throw InOutError(InOutError::FileNotFound, name);
    // A directory or a device opens but has no size.
    if (in_.tellg() < 0)
        throw InOutError(InOutError::AccessDenied, name);
    in_.seekg(0);
}

bool RadiantReader::next(Radiant& r) {
    unsigned char bytes[kRadiantRecordSize];
    in_.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    const auto got = in_.gcount();
    if (in_.bad())
        throw InOutError(InOutError::AccessDenied, name_);
    if (got == static_cast<std::streamsize>(sizeof bytes)) {
        DecodeRadiant(bytes, r);
        return true;
    }
    torn_ = got > 0;
    return false;
}
