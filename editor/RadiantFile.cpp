#include "editor/RadiantFile.h"

#include "sky/DataFile.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The old file's permissions, or for a new file those the user's mask gives (mkstemp's are
// private to the owner).
mode_t modeFor(bool hadFile, const struct stat& old) {
    if (hadFile)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The rename itself reaches the disk only with its folder.
void syncFolder(const fs::path& file) {
    const int dir = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace

RadiantFileRead ReadRadiantRecords(const std::string& path) {
    RadiantFileRead result;
    try {
        DataFile file(path);
        for (RecordBytes r; file.readRecord(r.data(), r.size());)
            result.records.push_back(r);
    } catch (const VelumbraError& e) {
        result.records.clear();
        result.error = ErrorText(e);
    }
    return result;
}

RadiantFileImage BuildRadiantFile(const std::vector<EditorRow>& rows, RadiantList mode) {
    RadiantFileImage image;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const EditorRow& row = rows[i];
        RecordBytes bytes{};
        Radiant original;
        if (row.origin)
            DecodeRadiant(row.origin->data(), original);
        if (row.origin && RecordToRow(original, mode) == row.cells) {
            bytes = *row.origin;
        } else {
            auto record = RowToRecord(row.cells, mode);
            if (auto* fault = std::get_if<FieldFault>(&record)) {
                image.fault = std::make_pair(static_cast<int>(i) + 1, *fault);
                image.bytes.clear();
                return image;
            }
            EncodeRadiant(std::get<Radiant>(record), bytes.data());
        }
        image.bytes.insert(image.bytes.end(), bytes.begin(), bytes.end());
    }
    return image;
}

SystemErrorText WriteFileAtomically(const std::string& path,
                                    const std::vector<unsigned char>& bytes) {
    std::error_code ec;
    // Through a link the file it points to is replaced, not the link.
    const fs::path target = fs::exists(path, ec) ? fs::canonical(path, ec) : fs::path(path);
    if (fs::exists(target, ec) && ::access(target.c_str(), W_OK) != 0) {
        // A file marked read-only says so; a read-only disk or any other cause in its words.
        if (errno != EACCES)
            return DescribeSystemError(errno);
        return {"el archivo está protegido contra escritura",
                "Quítele la protección contra escritura o use otra carpeta de datos."};
    }
    struct stat old {};
    const bool hadFile = ::stat(target.c_str(), &old) == 0;
    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return DescribeSystemError(errno);
    const bool written =
        writeAll(fd, bytes) && ::fchmod(fd, modeFor(hadFile, old)) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temp.c_str());
        return DescribeSystemError(error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        return DescribeSystemError(renameError);
    }
    syncFolder(target);
    return {};
}
