// fradiante, the IMO list.
#include "fuzz/RadiantUse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    UseRadiantFile("fradiante", "fradter", data, size);
    return 0;
}
