#include "tests/print/pdf_letters.h"

#include <algorithm>

namespace print_jobs {

namespace {

// The letters that Thai fonts draw with shifted or shortened glyphs at
// U+F700-U+F71A, in that order.
QChar unshifted(QChar c)
{
    static const char16_t kThai[] = {
        0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B,
        0x0E4C, 0x0E0D, 0x0E31, 0x0E4D, 0x0E47, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E38, 0x0E39, 0x0E3A,
    };
    const char16_t u = c.unicode();
    return u >= 0xF700 && u <= 0xF71A ? QChar(kThai[u - 0xF700]) : c;
}

}  // namespace

QString letters(const QString& text)
{
    QString result;
    for (QChar c : text.normalized(QString::NormalizationForm_KC)) {
        c = unshifted(c);
        if (!c.isSpace()) result += c;
    }
    std::sort(result.begin(), result.end());
    return result;
}

QString latin(const QString& text)
{
    QString result;
    for (QChar c : text.normalized(QString::NormalizationForm_KC))
        if (c.unicode() > ' ' && c.unicode() < 0x7F) result += c;
    return result;
}

}  // namespace print_jobs
