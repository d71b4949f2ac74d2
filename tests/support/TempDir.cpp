#include "tests/support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path p = fs::temp_directory_path() / ("velumbra-test-" + std::to_string(rd()));
        if (fs::create_directory(p)) {
            path_ = p.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
}

void TempDir::write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    write(name, std::string(bytes.begin(), bytes.end()));
}

std::vector<unsigned char> TempDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempDir::copyFrom(const std::string& dir, const std::vector<std::string>& names) const {
    for (const auto& n : names)
        fs::copy_file(fs::path(dir) / n, file(n), fs::copy_options::overwrite_existing);
}

bool TempDir::holdsTemporaries() const {
    for (const auto& entry : fs::directory_iterator(path_))
        if (entry.path().filename().string().find(".velumbra-") != std::string::npos)
            return true;
    return false;
}
