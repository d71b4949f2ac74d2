#include "platform/DataLocation.h"

#include <system_error>

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

// Copied under a temporary name and renamed, so an interrupted copy never leaves a short file
// that later starts would take for the real one.
bool copyMissing(const fs::path& from, const fs::path& to, const char* name) {
    std::error_code ec;
    if (fs::exists(to / name, ec) || !fs::is_regular_file(from / name, ec))
        return true;
    const fs::path partial = to / (std::string(".") + name + ".copia");
    fs::copy_file(from / name, partial, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(partial, to / name, ec);
    if (ec)
        fs::remove(partial, ec);
    return !ec;
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
        const char* failed = nullptr;
        for (const char* name : kDataFiles)
            if (!failed && !copyMissing(places.installed, places.user, name))
                failed = name;
        if (!failed && !copyMissing(places.installed, places.user, kLogoFile))
            failed = kLogoFile;
        if (failed)
            return {{},
                    "No se puede copiar " + (places.installed / failed).string() + " en " +
                        places.user.string() +
                        ".\nCompruebe que hay espacio libre y que puede escribir en esa carpeta, "
                        "y vuelva a abrir Velumbra."};
    }
    if (holdsData(places.user))
        return {places.user, {}};
    return {{},
            "No se encuentran los archivos de datos de Velumbra (" + fileList() +
                ").\nSe han buscado en:\n  " + places.working.string() + "\n  " +
                places.user.string() + "\n  " + places.installed.string() +
                "\nInstale Velumbra de nuevo o copie esos archivos en una de estas carpetas."};
}
