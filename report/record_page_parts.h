#pragma once
// What the record sheet and the records' summary share: the signature boxes,
// cell texts cut to their column, and the lines that name the pile type and
// the criterion.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/pile_file.h"
#include "calc/record_check.h"
#include "report/page.h"

namespace report {

// A box at (x, y), `width` × kSignatureBoxHeight twips: the role on top, then
// the lines to sign, to print the name and to date.
void addSignatureBox(Page& page, int x, int y, int width, const std::string& role, int size);
inline constexpr int kSignatureBoxHeight = 1250;

// How many letters a line shows: Thai vowels and tone marks written above or
// below a letter take no room of their own.
std::size_t shownLength(std::string_view utf8);

// The text when it shows at most `letters` letters; else its first letters
// and "…" in `letters` in all.
std::string cutToLength(const std::string& utf8, std::size_t letters);

// The text split at blanks into lines of at most `letters` letters (a word
// longer than a line is cut); at most `maxLines` lines, the last one ending
// in "…" when text is left over.
std::vector<std::string> wrapText(const std::string& utf8, std::size_t letters, std::size_t maxLines);

// "สูตรที่เข้มที่สุด" or the formula's short name, for the acceptance setting's name.
std::string acceptanceFormulaText(const std::string& formula);

}  // namespace report
