#pragma once
// A long run's progress shown to the user, who may cancel it; free of Qt types so the output
// code can report to it.
#include <string>

class Progress {
  public:
    virtual ~Progress() = default;
    // Shows `done` steps finished and names the one starting now; false once the user has
    // asked to cancel.
    virtual bool advance(int done, const std::string& next) = 0;
};
