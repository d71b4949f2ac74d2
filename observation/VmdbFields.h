#pragma once
// The fields of one line of a VMDB file: separated by semicolons, a field holding a semicolon
// or a double quote written between double quotes with its quotes doubled.
#include <optional>
#include <string>
#include <vector>

// The fields of a line, each without its surrounding blanks; nothing for a quote left open.
std::optional<std::vector<std::string>> SplitVmdbLine(const std::string& line);

// A text as a field; line breaks, which no reader would take inside a line, become blanks.
std::string VmdbField(const std::string& text);

// A line of fields, ended by a line feed.
std::string JoinVmdbLine(const std::vector<std::string>& fields);
