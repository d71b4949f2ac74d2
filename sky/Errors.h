#pragma once
// The program's standard errors: raised by the file, table and number code, caught once at the
// event-handler boundary and shown in a message box. Message texts are those users of the
// original toolkit know.
#include <stdexcept>
#include <string>

class VelumbraError : public std::runtime_error {
  public:
    VelumbraError(const std::string& message, std::string file)
        : std::runtime_error(message), file_(std::move(file)) {}
    // The data file the error concerns, empty when none.
    const std::string& file() const { return file_; }

  private:
    std::string file_;
};

class InOutError : public VelumbraError {
  public:
    enum Code { FileNotFound = 2, AccessDenied = 5, ReadBeyondEnd = 100, DiskWrite = 101 };
    InOutError(Code code, const std::string& file);
    Code code() const { return code_; }

  private:
    Code code_;
};

class RangeError : public VelumbraError {
  public:
    explicit RangeError(const std::string& file = {}) : VelumbraError("Range check error", file) {}
};

class ConvertError : public VelumbraError {
  public:
    explicit ConvertError(const std::string& text, const std::string& file = {})
        : VelumbraError("'" + text + "' is not a valid integer value", file) {}
};

class InvalidFloatError : public VelumbraError {
  public:
    InvalidFloatError() : VelumbraError("Invalid floating point operation", {}) {}
};

class DivisionByZeroError : public VelumbraError {
  public:
    DivisionByZeroError() : VelumbraError("Floating point division by zero", {}) {}
};
