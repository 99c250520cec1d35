// The free numeric form of input: an optional sign, digits with an optional
// decimal point, an optional exponent introduced by E or D (either case) with
// an optional sign. Items on a line are separated by blanks, tabs or commas.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace kora {

// The whole text must be one number in free numeric form (no blanks inside).
std::optional<double> ParseFreeNumber(std::string_view item);
// The first item of the line, when it is a number; the rest of the line is ignored.
// A line holding no item at all gives nothing.
std::optional<double> ReadFirstNumber(std::string_view line);
// The first item of the line read as an integer (digits with an optional sign).
std::optional<int> ReadFirstInteger(std::string_view line);
// Items of a line, split at blanks, tabs and commas.
std::vector<std::string_view> SplitItems(std::string_view line);
// A dialog field read as a number; 0 when the text holds no number.
double ParseNumber(std::string_view text);
// Whether the line holds any item at all.
bool HasItem(std::string_view line);

}  // namespace kora
