#pragma once
// The fixed-column text files (fnombre, ftriangulo, fnumero): 8-bit lines ending in CR LF
// (a bare LF, or none on the last line, is accepted too).
#include "sky/DataFile.h"

#include <cstdint>
#include <string>

class TextFile {
  public:
    explicit TextFile(const std::string& path) : file_(path) {}
    // The first maxChars characters of the current line, then skips to the next line. At the
    // end of the file it gives the empty text, as reading past the last line does.
    std::string readLine(std::size_t maxChars);
    bool atEnd();

  private:
    DataFile file_;
};

// Characters from..from+count-1 (counted from 1), clipped to the text.
std::string Columns(const std::string& line, std::size_t from, std::size_t count);

// A decimal integer as the files hold it: leading blanks, an optional sign, digits, nothing
// after. Raises "'text' no es un número entero válido" otherwise, and beyond 32 bits.
std::int32_t ParseInt32(const std::string& text, const std::string& file);
// The same for a 16-bit field; a value that does not fit raises the range error.
std::int16_t ParseInt16(const std::string& text, const std::string& file);
