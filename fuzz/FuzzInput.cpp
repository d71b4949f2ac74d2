#include "fuzz/FuzzInput.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

// A folder of its own for each fuzzing process, removed when the process ends.
class Folder {
  public:
    Folder() {
        std::string pattern = "/tmp/velumbra-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a folder for the fuzz input");
        path_ = pattern;
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace

const std::string& WriteDataFile(const std::string& name, const std::uint8_t* data,
                                 std::size_t size) {
    static const Folder folder;
    std::ofstream(folder.path() + "/" + name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return folder.path();
}
