#include "sky/LabelMarks.h"

int WriteLabelMarks(StarTable& table, const std::vector<int>& slots, std::uint8_t mark,
                    const std::string& dataDir, const RecordWrite& write) {
    int written = 0;
    for (int slot : slots) {
        const Star& star = table.at(slot);
        // Any non-zero byte already shows the label.
        if ((star.LabelMark != 0) == (mark != 0))
            continue;
        try {
            SetMark(table, slot, mark, dataDir, write);
        } catch (const VelumbraError& e) {
            // The mark read back from the file tells whether this record was written after all.
            throw MarkRunStopped(e, written + (star.LabelMark == mark ? 1 : 0));
        }
        ++written;
    }
    return written;
}
