// ffigura, binary stroke records.
#include "fuzz/FuzzInput.h"
#include "sky/SkyFigures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = WriteDataFile("ffigura", data, size);
    FigureTable table;
    Expecting([&] { LoadFigures(table, dir); });
    return 0;
}
