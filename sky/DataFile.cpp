#include "sky/DataFile.h"

#include "sky/Errors.h"

#include <filesystem>
#include <system_error>

namespace {

// Refuses before opening what is not a regular file: a folder reads as an error only later,
// and opening a pipe would wait for a writer forever.
void checkRegularFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        throw InOutError(InOutError::FileNotFound, path);
    if (ec || status.type() != std::filesystem::file_type::regular)
        throw InOutError(InOutError::AccessDenied, path);
}

std::FILE* openForReading(const std::string& path) {
    checkRegularFile(path);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw InOutError(InOutError::AccessDenied, path);
    return f;
}

} // namespace

DataFile::DataFile(const std::string& path)
    : path_(path), file_(openForReading(path), &std::fclose) {}

void DataFile::checkRead() {
    if (std::ferror(file_.get()))
        throw InOutError(InOutError::DiskRead, path_);
}

int DataFile::get() {
    const int c = std::fgetc(file_.get());
    if (c == EOF)
        checkRead();
    return c;
}

int DataFile::peek() {
    const int c = get();
    if (c != EOF)
        std::ungetc(c, file_.get());
    return c;
}

bool DataFile::readRecord(unsigned char* bytes, std::size_t size) {
    const std::size_t got = std::fread(bytes, 1, size, file_.get());
    if (got == size)
        return true;
    checkRead();
    if (got != 0)
        throw InOutError(InOutError::ReadBeyondEnd, path_);
    return false;
}
