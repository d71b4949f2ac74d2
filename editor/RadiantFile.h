#pragma once
// A radiant file as the editor reads and writes it: whole records kept as their bytes, so that
// a row nobody changed goes back to the file exactly as it came.
#include "editor/RadiantRow.h"
#include "sky/Errors.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

using RecordBytes = std::array<unsigned char, kRadiantRecordSize>;

struct RadiantFileRead {
    std::vector<RecordBytes> records;
    std::string error; // Spanish, naming the file; empty when the file was read whole
};

// Every record of the file, read one at a time as every reader of the radiant files does, or
// none with the reason: a missing, unreadable or torn file gives no records at all, so it can
// never be saved over half read.
RadiantFileRead ReadRadiantRecords(const std::string& path);

// A grid row as the save sees it: its texts and the bytes it was read from, if any.
struct EditorRow {
    RadiantRow cells;
    std::optional<RecordBytes> origin;
};

struct RadiantFileImage {
    std::vector<unsigned char> bytes;
    // The first row that cannot become a record (numbered from 1), with its fault.
    std::optional<std::pair<int, FieldFault>> fault;
};

// The file of these rows: a row whose texts are still those of its bytes keeps the bytes, any
// other row is built from its texts after the checks of the mode.
RadiantFileImage BuildRadiantFile(const std::vector<EditorRow>& rows, RadiantList mode);

// Replaces the file by these bytes, whole or not at all (WriteWholeFile). Returns why it failed
// and what to do, in Spanish; empty words on success.
SystemErrorText WriteFileAtomically(const std::string& path,
                                    const std::vector<unsigned char>& bytes);
