#include "sky/Errors.h"

namespace {
const char* inOutMessage(InOutError::Code code) {
    switch (code) {
    case InOutError::FileNotFound:
        return "File not found";
    case InOutError::AccessDenied:
        return "Access denied";
    case InOutError::ReadBeyondEnd:
        return "Read beyond end of file";
    case InOutError::DiskWrite:
        return "Disk write error";
    }
    return "I/O error";
}
} // namespace

InOutError::InOutError(Code code, const std::string& file)
    : VelumbraError(inOutMessage(code), file), code_(code) {}
