#pragma once
// The binary data files: where they are, and the little-endian fields of their records.
#include <cstdint>
#include <string>

// Path of a data file: the data directory and its bare name.
std::string DataPath(const std::string& dataDir, const std::string& name);

// Little-endian field access within a record.
std::int16_t GetI16(const unsigned char* p);
std::uint16_t GetU16(const unsigned char* p);
std::int32_t GetI32(const unsigned char* p);
float GetF32(const unsigned char* p);
void PutI16(unsigned char* p, std::int16_t v);
void PutU16(unsigned char* p, std::uint16_t v);
void PutI32(unsigned char* p, std::int32_t v);
void PutF32(unsigned char* p, float v);
