// festrella: load, sort, look every star up, and mark the last slot.
#include "fuzz/FuzzInput.h"
#include "sky/StarTable.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = WriteDataFile("festrella", data, size);
    auto table = std::make_unique<StarTable>();
    Expecting([&] { LoadStars(*table, dir); });
    SortStars(*table);
    for (int slot = 1; slot <= kStarSlots; ++slot)
        FindStar(*table, table->at(slot).StarNumber);
    if (table->count() > 0)
        Expecting([&] { ToggleMark(*table, kStarSlots, dir); });
    return 0;
}
