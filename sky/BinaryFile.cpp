#include "sky/BinaryFile.h"

#include <cstring>

std::string DataPath(const std::string& dataDir, const std::string& name) {
    if (dataDir.empty())
        return name;
    return dataDir.back() == '/' ? dataDir + name : dataDir + "/" + name;
}

std::int16_t GetI16(const unsigned char* p) {
    return static_cast<std::int16_t>(GetU16(p));
}

std::uint16_t GetU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::int32_t GetI32(const unsigned char* p) {
    const std::uint32_t u = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                            (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

float GetF32(const unsigned char* p) {
    const std::uint32_t u = static_cast<std::uint32_t>(GetI32(p));
    float f;
    static_assert(sizeof f == sizeof u, "IEEE single expected");
    std::memcpy(&f, &u, sizeof f);
    return f;
}

void PutI16(unsigned char* p, std::int16_t v) {
    PutU16(p, static_cast<std::uint16_t>(v));
}

void PutU16(unsigned char* p, std::uint16_t v) {
    p[0] = static_cast<unsigned char>(v & 0xFF);
    p[1] = static_cast<unsigned char>(v >> 8);
}

void PutI32(unsigned char* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
}

void PutF32(unsigned char* p, float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, sizeof u);
    PutI32(p, static_cast<std::int32_t>(u));
}
