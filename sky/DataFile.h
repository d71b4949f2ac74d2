#pragma once
// A data file open for reading, byte by byte or in fixed-size records. Every failure becomes
// the program's input/output error naming the file: a missing file, a folder or other
// non-regular file in its place, a read error of the disk, a record cut short.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

class DataFile {
  public:
    explicit DataFile(const std::string& path);
    const std::string& path() const { return path_; }
    // The next byte, or EOF at the end of the file.
    int get();
    // The next byte without consuming it, or EOF.
    int peek();
    // Fills `bytes` with the next record; false at the end of the file. A partial last record
    // raises "Lectura más allá del final del archivo".
    bool readRecord(unsigned char* bytes, std::size_t size);

  private:
    void checkRead();
    std::string path_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};
