#pragma once
// The way back from number text to the value: a float read from a text of at
// most 7 significant digits comes back unchanged through number text and text
// to number (for the plain form) or the E form read as written.
#include <string_view>

namespace fuzz {

void checkFloatRoundTrip(float value, std::string_view separator);

}  // namespace fuzz
