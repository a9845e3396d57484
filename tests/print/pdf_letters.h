#pragma once
// What of a line's text a PDF gives back, in a form that compares whole.
#include <QString>

namespace print_jobs {

// The letters of a text without blanks, sorted: a PDF gives the marks of a
// Thai cluster in the order of their glyphs, some Thai marks and letters as
// their shifted glyphs (U+F700-U+F71A), sara am as its two parts and "ffi" as
// one ligature. All of these are brought back to plain letters first.
QString letters(const QString& text);

// The printable ASCII characters of a text, blanks left out, in order.
QString latin(const QString& text);

}  // namespace print_jobs
