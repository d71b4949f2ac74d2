#pragma once
// Reading and writing the binary data files: fixed-size little-endian records, read whole
// (the files are small) with a cap so that an oversized file is never read in full.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Path of a data file: the data directory and its bare name.
std::string DataPath(const std::string& dataDir, const std::string& name);

// Reads at most maxBytes of the file. Raises "File not found" when it cannot be opened.
// `size` receives the whole file size.
std::vector<unsigned char> ReadFileCapped(const std::string& path, const std::string& name,
                                          std::size_t maxBytes, std::size_t& size);

// Little-endian field access within a record.
std::int16_t GetI16(const unsigned char* p);
std::uint16_t GetU16(const unsigned char* p);
std::int32_t GetI32(const unsigned char* p);
float GetF32(const unsigned char* p);
void PutI16(unsigned char* p, std::int16_t v);
void PutU16(unsigned char* p, std::uint16_t v);
void PutI32(unsigned char* p, std::int32_t v);
void PutF32(unsigned char* p, float v);
