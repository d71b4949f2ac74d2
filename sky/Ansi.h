#pragma once
// Windows-1252, the code page of the names in the radiant files, to and from UTF-8 (what the
// widgets hand over). Every byte has a character, so a name read and written back keeps its bytes.
#include <optional>
#include <string>

std::string AnsiToUtf8(const std::string& ansi);

// The Windows-1252 bytes of a UTF-8 text; nothing when a character has no byte there (or the
// text is not UTF-8). `bad` receives the first such character, as UTF-8.
std::optional<std::string> Utf8ToAnsi(const std::string& utf8, std::string* bad = nullptr);
