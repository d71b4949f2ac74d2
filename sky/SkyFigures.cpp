#include "sky/SkyFigures.h"

#include "sky/BinaryFile.h"
#include "sky/DataFile.h"
#include "sky/TextFile.h"

namespace {

// Runs a loader so that a broken table bound names the file it came from.
template <typename Load> void withFileName(const std::string& path, Load load) {
    try {
        load();
    } catch (const RangeError& e) {
        if (!e.file().empty())
            throw;
        throw RangeError(path);
    }
}

} // namespace

void LoadFigures(FigureTable& table, const std::string& dataDir) {
    table.clear();
    DataFile file(DataPath(dataDir, "ffigura"));
    unsigned char record[kFigureRecordSize];
    withFileName(file.path(), [&] {
        for (int k = 1; file.readRecord(record, sizeof record); ++k) {
            StrokePoint& p = table.at(k);
            p.Op = record[0];
            p.StarNumber = GetI32(record + 1);
        }
    });
}

namespace {

template <typename Table>
void loadLabels(Table& table, const std::string& dataDir, const char* name, std::size_t width,
                std::size_t raColumn, std::size_t decColumn, bool zoneByLine) {
    table.clear();
    const std::string path = DataPath(dataDir, name);
    TextFile file(path);
    for (int k = 1; k <= Table::size(); ++k) {
        const std::string line = file.readLine(width);
        SkyLabel& label = table.at(k);
        if (!zoneByLine)
            label.Text = Columns(line, 1, 3);
        else
            label.Text = k <= 9 ? Columns(line, 2, 1) : Columns(line, 1, 2);
        label.RA = ParseInt16(Columns(line, raColumn, 3), path);
        label.Dec = ParseInt16(Columns(line, decColumn, 3), path);
    }
}

} // namespace

void LoadNames(NameTable& table, const std::string& dataDir) {
    loadLabels(table, dataDir, "fnombre", 12, 5, 9, false);
}

void LoadNumbers(NumberTable& table, const std::string& dataDir) {
    loadLabels(table, dataDir, "fnumero", 10, 4, 8, true);
}

void LoadTriangles(TriangleTable& table, const std::string& dataDir) {
    table.clear();
    const std::string path = DataPath(dataDir, "ftriangulo");
    TextFile file(path);
    int k = 1;
    withFileName(path, [&] {
        while (!file.atEnd()) {
            const std::string line = file.readLine(8);
            if (line.size() <= 1)
                continue;
            const std::int32_t op = ParseInt32(Columns(line, 1, 1), path);
            StrokePoint& p = table.at(k);
            p.Op = static_cast<std::uint8_t>(op);
            p.StarNumber = ParseInt32(Columns(line, 3, 6), path);
            ++k;
        }
    });
}
