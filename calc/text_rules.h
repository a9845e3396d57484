#pragma once
// What a text must be to be kept in a pile file: well-formed UTF-8 without
// control characters.
#include <string_view>

namespace calc {

// A byte below 0x20 (tab, line ends included) or DEL.
bool holdsControlCharacter(std::string_view text);

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or code
// points beyond U+10FFFF).
bool isUtf8(std::string_view text);

}  // namespace calc
