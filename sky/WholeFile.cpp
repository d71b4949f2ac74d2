#include "sky/WholeFile.h"

#include "sky/Errors.h"

#include <cerrno>
#include <chrono>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Temporaries are hidden and carry the program's mark, so a later start can tell its own.
constexpr const char* kMark = ".velumbra-";

std::string temporaryPattern(const fs::path& target) {
    return (target.parent_path() / ("." + target.filename().string() + kMark + "XXXXXX")).string();
}

[[noreturn]] void fail(const std::string& path, const std::string& failure, int error) {
    throw WriteFailure(failure, DescribeSystemError(error), path);
}

bool writeAll(int fd, const unsigned char* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The old file's permissions, or for a new file those the user's mask gives (mkstemp's are
// private to the owner).
mode_t modeFor(const fs::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The data reach the disk before the rename makes them the file; a failure here is the one a
// full or failing disk gives after the writes themselves seemed to succeed.
int flushToDisk(const std::string& file, mode_t mode) {
    const int fd = ::open(file.c_str(), O_RDWR);
    if (fd < 0)
        return errno;
    const int error = ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0 ? 0 : errno;
    return ::close(fd) == 0 || error != 0 ? error : errno;
}

void syncFolder(const fs::path& file) {
    const int dir = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace

bool WriteWholeFile(const std::string& path, const std::string& failure,
                    const std::function<bool(const std::string& temporary)>& produce,
                    const std::function<bool(const std::string& temporary)>& complete) {
    std::error_code ec;
    // Through a link the file it points to is replaced, not the link.
    const fs::path target = fs::exists(path, ec) ? fs::canonical(path, ec) : fs::path(path);
    if (fs::is_directory(target, ec))
        fail(path, failure, EISDIR);
    if (fs::exists(target, ec) && ::access(target.c_str(), W_OK) != 0) {
        if (errno != EACCES && errno != EPERM)
            fail(path, failure, errno);
        throw WriteFailure(failure,
                           {"el archivo está protegido contra escritura",
                            "Quítele la protección o guárdelo con otro nombre."},
                           path);
    }
    std::string temporary = temporaryPattern(target);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        fail(path, failure, errno);
    ::close(fd);
    const auto discard = [&temporary] { ::unlink(temporary.c_str()); };
    try {
        if (!produce(temporary)) {
            discard();
            return false;
        }
    } catch (...) {
        discard();
        throw;
    }
    if (complete && !complete(temporary)) {
        discard();
        fail(path, failure, EIO);
    }
    if (const int error = flushToDisk(temporary, modeFor(target)); error != 0) {
        discard();
        fail(path, failure, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        discard();
        fail(path, failure, error);
    }
    syncFolder(target);
    return true;
}

void WriteWholeFile(const std::string& path, const std::string& failure,
                    const std::vector<unsigned char>& bytes) {
    WriteWholeFile(path, failure, [&](const std::string& temporary) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC);
        if (fd < 0)
            fail(path, failure, errno);
        const bool written = writeAll(fd, bytes.data(), bytes.size());
        const int error = errno;
        if (::close(fd) != 0 || !written)
            fail(path, failure, written ? errno : error);
        return true;
    });
}

void RemoveStaleTemporaries(const std::string& path) {
    const fs::path target(path);
    const std::string prefix = "." + target.filename().string() + kMark;
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        // A write still going on, in this program or another, is never that old.
        const auto age = fs::file_time_type::clock::now() - fs::last_write_time(it->path(), ec);
        if (!ec && age > std::chrono::minutes(10))
            fs::remove(it->path(), ec);
    }
}
