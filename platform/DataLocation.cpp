#include "platform/DataLocation.h"

#include "sky/Errors.h"
#include "sky/WholeFile.h"

#include <fstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool holdsData(const fs::path& dir) {
    std::error_code ec;
    for (const char* name : kDataFiles)
        if (!fs::is_regular_file(dir / name, ec))
            return false;
    return true;
}

// A working directory with some of the files is the user's data, damaged or incomplete: its
// faults are reported file by file instead of silently showing another copy.
bool holdsSomeData(const fs::path& dir) {
    std::error_code ec;
    for (const char* name : kDataFiles)
        if (fs::exists(fs::symlink_status(dir / name, ec)))
            return true;
    return false;
}

// Written whole or not at all, so an interrupted copy never leaves a short file that later
// starts would take for the real one.
void copyMissing(const fs::path& from, const fs::path& to, const char* name) {
    std::error_code ec;
    const fs::path copy = to / name;
    if (fs::is_directory(copy, ec))
        throw VelumbraError("En lugar del archivo de datos hay una carpeta con su nombre.",
                            copy.string(), "Mueva o cambie el nombre de esa carpeta.");
    if (fs::exists(fs::symlink_status(copy, ec)) || !fs::is_regular_file(from / name, ec))
        return;
    std::ifstream in(from / name, std::ios::binary);
    std::vector<unsigned char> bytes(fs::file_size(from / name, ec));
    if (ec ||
        !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw VelumbraError("No se puede leer el archivo de datos instalado.",
                            (from / name).string(), "Instale Velumbra de nuevo.");
    RemoveStaleTemporaries(copy.string());
    WriteWholeFile(copy.string(), "No se pudo copiar el archivo de datos", bytes);
}

std::string fileList() {
    std::string list;
    for (const char* name : kDataFiles)
        list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

} // namespace

DataLocation LocateData(const DataPlaces& places) {
    if (holdsSomeData(places.working))
        return {places.working, {}};
    std::error_code ec;
    if (fs::is_directory(places.installed, ec)) {
        fs::create_directories(places.user, ec);
        if (ec)
            return {{},
                    "No se puede crear la carpeta de datos " + places.user.string() +
                        ".\nCompruebe que puede escribir en ella y vuelva a abrir Velumbra."};
        try {
            for (const char* name : kDataFiles)
                copyMissing(places.installed, places.user, name);
            copyMissing(places.installed, places.user, kLogoFile);
        } catch (const VelumbraError& e) {
            return {{},
                    "No se pudo copiar los datos de Velumbra en " + places.user.string() + ".\n" +
                        ErrorText(e)};
        }
    }
    if (holdsData(places.user))
        return {places.user, {}};
    return {{},
            "No se encuentran los archivos de datos de Velumbra (" + fileList() +
                ").\nSe han buscado en:\n  " + places.working.string() + "\n  " +
                places.user.string() + "\n  " + places.installed.string() +
                "\nInstale Velumbra de nuevo o copie esos archivos en una de estas carpetas."};
}
