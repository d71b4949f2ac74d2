// fradter, the Terentjeva list.
#include "fuzz/RadiantUse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    UseRadiantFile("fradter", "fradiante", data, size);
    return 0;
}
