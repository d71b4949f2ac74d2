#include "editor/RadiantFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A radiant list holds a few hundred records; a file beyond this is not one.
constexpr std::uintmax_t kMaxFileBytes = 1u << 20;

std::string quoted(const std::string& path) {
    return "«" + path + "»";
}

std::string reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "no hay permiso para escribir en su carpeta";
    case EROFS:
        return "la carpeta está en un disco de solo lectura";
    case ENOENT:
    case ENOTDIR:
        return "su carpeta ya no existe";
    case ENOSPC:
    case EDQUOT:
        return "el disco está lleno";
    default:
        return "error del sistema número " + std::to_string(error);
    }
}

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
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) {
        result.error = "No se encuentra el archivo de radiantes " + quoted(path) +
                       ". Compruebe que está en la carpeta de datos del programa.";
        return result;
    }
    if (size > kMaxFileBytes || size % kRadiantRecordSize != 0) {
        const std::string why = size > kMaxFileBytes
                                    ? "es demasiado grande para una lista de radiantes"
                                    : "su último registro está incompleto";
        result.error = "El archivo de radiantes " + quoted(path) + " está dañado: " + why +
                       ". No se ha cargado, para no sobrescribirlo; restáurelo desde una copia.";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<RecordBytes> records(static_cast<std::size_t>(size / kRadiantRecordSize));
    for (RecordBytes& r : records)
        in.read(reinterpret_cast<char*>(r.data()), static_cast<std::streamsize>(r.size()));
    if (!in) {
        result.error = "No se puede leer el archivo de radiantes " + quoted(path) +
                       ". Compruebe sus permisos.";
        return result;
    }
    result.records = std::move(records);
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

std::string WriteFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::error_code ec;
    // Through a link the file it points to is replaced, not the link.
    const fs::path target = fs::exists(path, ec) ? fs::canonical(path, ec) : fs::path(path);
    if (fs::exists(target, ec) && ::access(target.c_str(), W_OK) != 0)
        return "el archivo está protegido contra escritura";
    struct stat old {};
    const bool hadFile = ::stat(target.c_str(), &old) == 0;
    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return reason(errno);
    const bool written =
        writeAll(fd, bytes) && ::fchmod(fd, modeFor(hadFile, old)) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        return reason(written ? errno : writeError);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        return reason(renameError);
    }
    syncFolder(target);
    return {};
}
