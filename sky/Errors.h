#pragma once
// The program's standard errors: raised by the file, table and number code, caught once at the
// event-handler boundary and shown in a message box. Every text is Spanish: what went wrong,
// the data file's full path, and what the user can do about it.
#include <functional>
#include <stdexcept>
#include <string>

class VelumbraError : public std::runtime_error {
  public:
    VelumbraError(const std::string& message, std::string file, std::string advice = {})
        : std::runtime_error(message), file_(std::move(file)), advice_(std::move(advice)) {}
    // Full path of the data file the error concerns, empty when none.
    const std::string& file() const { return file_; }
    // What the user can do, empty when nothing helps.
    const std::string& advice() const { return advice_; }

  private:
    std::string file_;
    std::string advice_;
};

// The text of the error box: the message, the file's path on the second line, then the advice.
std::string ErrorText(const VelumbraError& e);

// Where a routine that goes on after a failure hands each error, from inside its handler;
// RaiseError stops at the first.
using ErrorReport = std::function<void(const VelumbraError&)>;
[[noreturn]] void RaiseError(const VelumbraError& e);

class InOutError : public VelumbraError {
  public:
    enum Code {
        FileNotFound = 2,
        AccessDenied = 5,
        DiskRead = 30,
        ReadBeyondEnd = 100,
        DiskWrite = 101
    };
    InOutError(Code code, const std::string& file);
    Code code() const { return code_; }

  private:
    Code code_;
};

class RangeError : public VelumbraError {
  public:
    explicit RangeError(const std::string& file = {});
};

class ConvertError : public VelumbraError {
  public:
    explicit ConvertError(const std::string& text, const std::string& file = {});
};

// A record whose field holds what no radiant or star can: refused whole when the file is read.
class DamagedRecordError : public VelumbraError {
  public:
    DamagedRecordError(const std::string& file, long long record, const std::string& field,
                       const std::string& value, const std::string& allowed);
};

class InvalidFloatError : public VelumbraError {
  public:
    InvalidFloatError() : VelumbraError("Operación de coma flotante no válida", {}) {}
};

// What a failed system call's error number means for a file, in Spanish words in any locale,
// and what the user can do about it.
struct SystemErrorText {
    std::string words;
    std::string advice;
};
SystemErrorText DescribeSystemError(int error);
