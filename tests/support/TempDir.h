#pragma once
#include <string>
#include <vector>

// A fresh directory under the system temp dir, removed with everything in it at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    void write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> read(const std::string& name) const;
    // Whether a whole-file write left a temporary of its own here.
    bool holdsTemporaries() const;
    // Copies the named files from another directory.
    void copyFrom(const std::string& dir, const std::vector<std::string>& names) const;

  private:
    std::string path_;
};
