#include "editor/RadiantFile.h"

#include "sky/DataFile.h"
#include "sky/WholeFile.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {} // namespace

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
    try {
        RemoveStaleTemporaries(path);
        WriteWholeFile(path, "No se ha podido guardar el archivo", bytes);
        return {};
    } catch (const WriteFailure& e) {
        return e.why();
    }
}
