#include "sky/LabelMarks.h"

int WriteLabelMarks(StarTable& table, const std::vector<int>& slots, std::uint8_t mark,
                    const std::string& dataDir) {
    int written = 0;
    for (int slot : slots) {
        Star& star = table.at(slot);
        // Any non-zero byte already shows the label.
        if ((star.LabelMark != 0) == (mark != 0))
            continue;
        const std::uint8_t before = star.LabelMark;
        star.LabelMark = mark;
        try {
            WriteStar(table, slot, dataDir);
        } catch (const VelumbraError& e) {
            star.LabelMark = before;
            throw MarkRunStopped(e, written);
        }
        ++written;
    }
    return written;
}
