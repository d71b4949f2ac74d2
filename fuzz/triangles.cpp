// ftriangulo, fixed-column text.
#include "fuzz/FuzzInput.h"
#include "sky/SkyFigures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = WriteDataFile("ftriangulo", data, size);
    TriangleTable table;
    Expecting([&] { LoadTriangles(table, dir); });
    return 0;
}
