#pragma once
// The strict number reader of the editor's checks and of the save: leading blanks, an optional
// sign, digits (for a real also one point and decimals) and nothing else, whatever the locale.
#include <optional>
#include <string>

std::optional<long> ReadInteger(const std::string& text);
std::optional<double> ReadReal(const std::string& text);
