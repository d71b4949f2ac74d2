// fmaglim, the count tables of the limiting-magnitude areas; a loaded table is read back too.
#include "fuzz/FuzzInput.h"
#include "sky/LimitTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = WriteDataFile("fmaglim", data, size);
    LimitTable table;
    Expecting([&] {
        LoadLimits(table, dir);
        for (int area = 1; area <= kLimitAreas; ++area)
            for (int count : {0, 1, 15, 999})
                ReadLimit(table, area, count);
    });
    return 0;
}
