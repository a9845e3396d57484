#pragma once
// The number routines as they were written before their fast paths: a
// to_chars of the value in scientific form taken apart with strings, and a
// number text copied into a plain "d.ddd" string for from_chars. Kept, for the
// differential test only, as the reference the fast paths must match
// character for character.
#include <optional>
#include <string>
#include <string_view>

namespace calc::reference {

std::string numberText(float value, std::string_view decimalSeparator);
std::string numberText(double value, std::string_view decimalSeparator);
std::optional<float> textToNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace calc::reference
