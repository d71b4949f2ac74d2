// festrella: load, sort, look stars up, and mark the last slot.
#include "fuzz/FuzzInput.h"
#include "sky/StarTable.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = WriteDataFile("festrella", data, size);
    auto table = std::make_unique<StarTable>();
    Expecting([&] { LoadStars(*table, dir); });
    SortStars(*table);
    // A spread of lookups is enough to walk the search; all 15925 would slow each input tenfold.
    for (int slot = 1; slot <= kStarSlots; slot += 97)
        FindStar(*table, table->at(slot).StarNumber);
    if (table->count() > 0)
        Expecting([&] { ToggleMark(*table, kStarSlots, dir); });
    return 0;
}
