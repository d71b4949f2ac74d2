#pragma once
// Files replaced whole or not at all: the new content goes to a temporary file beside the old
// one, is flushed to the disk and renamed over it, so a failure at any step leaves the older
// file as it was and no half-written one.
#include "sky/Errors.h"

#include <functional>
#include <string>
#include <vector>

// A failed whole-file write: the message names what failed and why; `why` holds the reason
// and the advice alone.
class WriteFailure : public VelumbraError {
  public:
    WriteFailure(const std::string& failure, const SystemErrorText& why, const std::string& path)
        : VelumbraError(failure + ": " + why.words + ".", path,
                        why.advice + " El archivo anterior, si lo había, sigue como estaba."),
          why_(why) {}
    const SystemErrorText& why() const { return why_; }

  private:
    SystemErrorText why_;
};

// Writes `produce`'s file in place of `path`. `produce` writes the temporary file whose name it
// is given and returns false to cancel; `complete`, when given, looks at that file and says
// whether it was written to the end (a writer that cannot report its own failures). Returns
// false when cancelled; every failure raises a VelumbraError that names `path`, its message
// `failure` ("No se pudo escribir el PDF") followed by the reason.
bool WriteWholeFile(const std::string& path, const std::string& failure,
                    const std::function<bool(const std::string& temporary)>& produce,
                    const std::function<bool(const std::string& temporary)>& complete = {});
void WriteWholeFile(const std::string& path, const std::string& failure,
                    const std::vector<unsigned char>& bytes);

// Removes the temporaries that a killed program left beside `path` (older than ten minutes,
// so that a write still going on in another program keeps its own).
void RemoveStaleTemporaries(const std::string& path);
