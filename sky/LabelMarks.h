#pragma once
// Setting or clearing the magnitude-label mark of many stars, each written back on its own
// as a click would.
#include "sky/Errors.h"
#include "sky/StarTable.h"

#include <vector>

// The run stopped at a write that failed; `written` marks were on disk before it.
class MarkRunStopped : public VelumbraError {
  public:
    MarkRunStopped(const VelumbraError& cause, int written)
        : VelumbraError(cause.what(), cause.file(), cause.advice()), written_(written) {}
    int written() const { return written_; }

  private:
    int written_;
};

// Gives each slot's LabelMark the value `mark`, writing only the records that change. The star
// whose write fails keeps the mark the file holds and the run stops there. Returns the number
// of records written.
int WriteLabelMarks(StarTable& table, const std::vector<int>& slots, std::uint8_t mark,
                    const std::string& dataDir, const RecordWrite& write = WriteRecordBytes);
