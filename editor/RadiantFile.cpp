#include "editor/RadiantFile.h"

#include "sky/WholeFile.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A radiant list holds a few hundred records; a file beyond this is not one.
constexpr std::uintmax_t kMaxFileBytes = 1u << 20;

std::string quoted(const std::string& path) {
    return "«" + path + "»";
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
    try {
        RemoveStaleTemporaries(path);
        WriteWholeFile(path, "No se ha podido guardar el archivo", bytes);
        return {};
    } catch (const WriteFailure& e) {
        return e.reason();
    }
}
