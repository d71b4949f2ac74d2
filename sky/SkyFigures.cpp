#include "sky/SkyFigures.h"

#include "sky/BinaryFile.h"
#include "sky/TextFile.h"

namespace {

// Runs a loader so that a broken table bound names the file it came from.
template <typename Load> void withFileName(const char* name, Load load) {
    try {
        load();
    } catch (const RangeError& e) {
        if (!e.file().empty())
            throw;
        throw RangeError(name);
    }
}

} // namespace

void LoadFigures(FigureTable& table, const std::string& dataDir) {
    table.clear();
    const char* name = "ffigura";
    std::size_t size = 0;
    const auto bytes = ReadFileCapped(DataPath(dataDir, name), name,
                                      (FigureTable::size() + 1) * kFigureRecordSize, size);
    const std::size_t whole = bytes.size() / kFigureRecordSize;
    withFileName(name, [&] {
        for (std::size_t k = 0; k < whole; ++k) {
            StrokePoint& p = table.at(static_cast<int>(k) + 1);
            p.Op = bytes[k * kFigureRecordSize];
            p.StarNumber = GetI32(bytes.data() + k * kFigureRecordSize + 1);
        }
    });
    if (bytes.size() % kFigureRecordSize != 0)
        throw InOutError(InOutError::ReadBeyondEnd, name);
}

namespace {

template <typename Table>
void loadLabels(Table& table, const std::string& dataDir, const char* name, std::size_t width,
                std::size_t raColumn, std::size_t decColumn, bool zoneByLine) {
    table.clear();
    TextFile file(DataPath(dataDir, name), name);
    for (int k = 1; k <= Table::size(); ++k) {
        const std::string line = file.readLine(width);
        SkyLabel& label = table.at(k);
        if (!zoneByLine)
            label.Text = Columns(line, 1, 3);
        else
            label.Text = k <= 9 ? Columns(line, 2, 1) : Columns(line, 1, 2);
        label.RA = ParseInt16(Columns(line, raColumn, 3), name);
        label.Dec = ParseInt16(Columns(line, decColumn, 3), name);
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
    const char* name = "ftriangulo";
    TextFile file(DataPath(dataDir, name), name);
    int k = 1;
    withFileName(name, [&] {
        while (!file.atEnd()) {
            const std::string line = file.readLine(8);
            if (line.size() <= 1)
                continue;
            const std::int32_t op = ParseInt32(Columns(line, 1, 1), name);
            StrokePoint& p = table.at(k);
            p.Op = static_cast<std::uint8_t>(op);
            p.StarNumber = ParseInt32(Columns(line, 3, 6), name);
            ++k;
        }
    });
}
