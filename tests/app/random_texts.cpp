#include "random_texts.h"

#include <QKeySequence>
#include <QList>
#include <QStringList>

namespace random_session {

namespace {

// Thai: consonants, vowels and tone marks, Thai digits.
QChar thaiCharacter(SessionRandom& random)
{
    switch (random.below(4)) {
    case 0: return QChar(0x0E01 + random.below(0x2E));        // ก .. ฮ
    case 1: return QChar(0x0E30 + random.below(0x0B));        // ะ .. ฺ
    case 2: return QChar(0x0E40 + random.below(0x0F));        // เ .. ๎
    default: return QChar(0x0E50 + random.below(10));         // ๐ .. ๙
    }
}

// Characters that look like digits, signs or blanks but are none of the eleven.
const QList<char16_t> kLookalikes = {
    0xFF10, 0xFF15, 0xFF0E,  // full-width 0, 5, full stop
    0x0660, 0x0663, 0x066B,  // Arabic-Indic 0, 3, decimal separator
    0x00B2, 0x00BD, 0x2212,  // superscript two, one half, minus sign
    0x00A0, 0x2009, 0x200B,  // no-break space, thin space, zero-width space
    0x202E, 0xFEFF, 0x0301,  // right-to-left override, byte-order mark, combining acute
    0x00B7, 0x2024, 0x3002,  // middle dot, one-dot leader, ideographic full stop
};

QString lookalike(SessionRandom& random)
{
    if (random.percent(10)) return QStringLiteral("\U0001F600");  // an emoji: two UTF-16 units
    return QString(QChar(kLookalikes[random.below(static_cast<int>(kLookalikes.size()))]));
}

QChar asciiLetter(SessionRandom& random)
{
    const char c = static_cast<char>('a' + random.below(26));
    return random.percent(30) ? QChar(c).toUpper() : QChar(c);
}

Qt::Key keyOfAscii(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return static_cast<Qt::Key>(Qt::Key_0 + (u - '0'));
    if (u >= 'a' && u <= 'z') return static_cast<Qt::Key>(Qt::Key_A + (u - 'a'));
    if (u >= 'A' && u <= 'Z') return static_cast<Qt::Key>(Qt::Key_A + (u - 'A'));
    switch (u) {
    case '.': return Qt::Key_Period;
    case ',': return Qt::Key_Comma;
    case '-': return Qt::Key_Minus;
    case '+': return Qt::Key_Plus;
    case ' ': return Qt::Key_Space;
    case '/': return Qt::Key_Slash;
    case '*': return Qt::Key_Asterisk;
    case '%': return Qt::Key_Percent;
    case '#': return Qt::Key_NumberSign;
    case '(': return Qt::Key_ParenLeft;
    case ')': return Qt::Key_ParenRight;
    case '\'': return Qt::Key_Apostrophe;
    case '"': return Qt::Key_QuoteDbl;
    case ';': return Qt::Key_Semicolon;
    case ':': return Qt::Key_Colon;
    case '=': return Qt::Key_Equal;
    case '_': return Qt::Key_Underscore;
    default: return Qt::Key_unknown;
    }
}

TypedKey namedKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    TypedKey typed;
    typed.key = key;
    typed.modifiers = modifiers;
    typed.named = true;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: typed.text = QStringLiteral("\r"); break;
    case Qt::Key_Escape: typed.text = QString(QChar(27)); break;
    case Qt::Key_Backspace: typed.text = QStringLiteral("\b"); break;
    case Qt::Key_Tab: typed.text = QStringLiteral("\t"); break;
    default: break;
    }
    return typed;
}

TypedKey textKey(const QString& text)
{
    TypedKey typed;
    typed.text = text;
    typed.key = text.size() == 1 ? keyOfAscii(text[0]) : Qt::Key_unknown;
    return typed;
}

const QString kSymbols = QStringLiteral("-+ eE/*%#()'\";:=_");

QString digits(SessionRandom& random, int count)
{
    QString s;
    s.reserve(count);
    for (int i = 0; i < count; ++i) s += QChar('0' + random.below(10));
    return s;
}

const QStringList kPastes = {
    "", " ", "   ", ".", ",", "..", ",,", ".,", ",.", "1.2.3", "1,2,3", "1,000.5", "1.000,5", "1 000",
    "12 ", " 12", "-5", "+5", "\u22125", "5-", "1e5", "1E39", "1e-50", "3.4e38", "0x10", "0b11", "inf", "-inf",
    "INF", "Infinity", "nan", "NaN", "-nan", "1.#INF", "1.#QNAN", "nan(0x1)", "\u0E51\u0E52\u0E53",
    "\u0E55.\u0E55", "\u0661\u0662\u0663", "\uFF11\uFF12\uFF13", "\u00B2", "\u00BD",
    "\u0E2B\u0E49\u0E32\u0E2A\u0E34\u0E1A", "30 \u0E15\u0E31\u0E19", "\t5", "5\n", "5\r\n6", "\r", "\n",
    "\x01", "\x1b[31m", "\u200B5", "5\u00A0", "\u202E12", "\U0001F600", "0", "00000", "0.0", "0,0", "-0", "0.",
    ".5", "5.", ",5", "5,", "000.000", "0.000000000000000000000000000000000000000000001",
    "340282366920938463463374607431768211456", "340282346638528859811704183484516925440",
    "179769313486231570000000000000000000000000000000000000000000000000000000000000000000000000000000",
    "99999999999999999999999999999999999999999", "1" + QString(39, '0'), "1" + QString(39, '0') + ".5",
    "30\t40", "Qa=30", "\"30\"", "30;", "(30)", "30%", "$30", "30 t", "๓๐", "3O", "l0", "O.5",
};

QString fragmentPool(SessionRandom& random, QChar separator)
{
    switch (random.below(9)) {
    case 0: return digits(random, random.between(1, 3));
    case 1: return QString(separator);
    case 2: return random.percent(50) ? QStringLiteral(".") : QStringLiteral(",");
    case 3: return QString(QChar(' '));
    case 4: return QString(asciiLetter(random));
    case 5: return QString(thaiCharacter(random));
    case 6: return QString(QChar(random.percent(20) ? 0 : random.between(1, 31)));
    case 7: return lookalike(random);
    default: return QString(kSymbols[random.below(static_cast<int>(kSymbols.size()))]);
    }
}

}  // namespace

QString TypedKey::describe() const
{
    QString name;
    if (modifiers.testFlag(Qt::ControlModifier)) name += QStringLiteral("Ctrl+");
    if (modifiers.testFlag(Qt::AltModifier)) name += QStringLiteral("Alt+");
    if (modifiers.testFlag(Qt::ShiftModifier)) name += QStringLiteral("Shift+");
    if (named || isCtrlLetter()) {
        const QString keyName = QKeySequence(key).toString();
        return name + (keyName.isEmpty() ? QStringLiteral("key %1").arg(int(key)) : keyName);
    }
    return name + QLatin1Char('\'') + shown(text) + QLatin1Char('\'');
}

bool TypedKey::isCtrlLetter() const
{
    return modifiers.testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool TypedKey::typesCharacters() const
{
    if (named) return key == Qt::Key_Escape && modifiers == Qt::NoModifier;
    if (text.isEmpty() || modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::AltModifier)) return false;
    for (char32_t c : text.toUcs4())
        if (!QChar::isPrint(c)) return false;
    return true;
}

bool TypedKey::isEnter() const
{
    return named && (key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

TypedKey characterKey(QChar c) { return textKey(QString(c)); }

TypedKey randomKey(SessionRandom& random, bool ctrlLetters)
{
    const std::vector<int> weights = {
        26,  // digit
        7,   // full stop
        4,   // comma
        7,   // ASCII letter
        7,   // sign, blank, other ASCII symbol
        6,   // Thai
        4,   // look-alike of a digit, sign or blank
        2,   // a control character as text
        2,   // several characters in one key event
        6,   // Return or keypad Enter
        3,   // Escape
        6,   // Backspace or Delete
        5,   // cursor keys
        3,   // Tab, Shift+Tab
        2,   // keys that type nothing: F-keys, Insert, Page Up/Down
        ctrlLetters ? 6 : 0,  // Ctrl+letter
        1,   // Alt+letter, Alt+digit
        1,   // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down
    };
    switch (random.weighted(weights)) {
    case 0: return textKey(QString(QChar('0' + random.below(10))));
    case 1: return textKey(QStringLiteral("."));
    case 2: return textKey(QStringLiteral(","));
    case 3: return textKey(QString(asciiLetter(random)));
    case 4: return textKey(QString(kSymbols[random.below(static_cast<int>(kSymbols.size()))]));
    case 5: return textKey(QString(thaiCharacter(random)));
    case 6: return textKey(lookalike(random));
    case 7: return textKey(QString(QChar(random.between(1, 31))));
    case 8: {
        static const QStringList several = {"12", "1a", "..", "\u0E512", "5.", "-1", " 7", "0,5"};
        return textKey(random.pick(std::vector<QString>(several.begin(), several.end())));
    }
    case 9: return namedKey(random.percent(75) ? Qt::Key_Return : Qt::Key_Enter);
    case 10: return namedKey(Qt::Key_Escape);
    case 11: return namedKey(random.percent(70) ? Qt::Key_Backspace : Qt::Key_Delete);
    case 12: {
        static const std::vector<Qt::Key> cursor = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                                    Qt::Key_Up, Qt::Key_Down};
        return namedKey(random.pick(cursor), random.percent(20) ? Qt::ShiftModifier : Qt::NoModifier);
    }
    case 13: return random.percent(70) ? namedKey(Qt::Key_Tab) : namedKey(Qt::Key_Backtab, Qt::ShiftModifier);
    case 14: {
        static const std::vector<Qt::Key> quiet = {Qt::Key_F1, Qt::Key_F5, Qt::Key_F10, Qt::Key_Insert,
                                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Menu};
        return namedKey(random.pick(quiet));
    }
    case 15: return namedKey(static_cast<Qt::Key>(Qt::Key_A + random.below(26)), Qt::ControlModifier);
    case 16: {
        TypedKey alt = random.percent(50) ? textKey(QString(asciiLetter(random))) : textKey(QString(QChar('0' + random.below(10))));
        alt.modifiers = Qt::AltModifier;
        return alt;
    }
    default: {
        static const std::vector<Qt::Key> switching = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_PageDown, Qt::Key_PageUp};
        const Qt::Key key = random.pick(switching);
        return namedKey(key, key == Qt::Key_Backtab ? (Qt::ControlModifier | Qt::ShiftModifier) : Qt::ControlModifier);
    }
    }
}

QString plausibleNumber(SessionRandom& random, QChar decimalSeparator)
{
    switch (random.below(6)) {
    case 0: return QString::number(random.below(10));
    case 1: return QString::number(random.between(1, 99));
    case 2: return QString::number(random.between(100, 999));
    case 3: return QString::number(random.below(10)) + decimalSeparator + digits(random, random.between(1, 3));
    case 4: return QString::number(random.between(1, 300)) + decimalSeparator + digits(random, random.between(1, 2));
    default: return random.percent(50) ? QString::number(random.between(1, 9)) + decimalSeparator
                                       : decimalSeparator + digits(random, random.between(1, 2));
    }
}

QString randomPaste(SessionRandom& random, QChar decimalSeparator)
{
    const QChar otherSeparator = decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    switch (random.weighted({33, 15, 5, 10, 5, 8, 17, 7})) {
    case 0: return kPastes[random.below(static_cast<int>(kPastes.size()))];
    case 1: return plausibleNumber(random, decimalSeparator);
    case 2: return plausibleNumber(random, otherSeparator);
    case 3: {  // far beyond the float range, with or without a separator
        QString huge = QString::number(random.between(1, 9)) + digits(random, random.between(38, 400));
        if (random.percent(40)) huge.insert(random.between(1, static_cast<int>(huge.size())), decimalSeparator);
        if (random.percent(10)) huge.prepend(QString(random.between(1, 20), QLatin1Char('0')));
        return huge;
    }
    case 4: return QStringLiteral("0") + decimalSeparator + QString(random.between(30, 60), QLatin1Char('0'))
                   + QString::number(random.between(1, 9));
    case 5: {  // long: up to 5,000 characters, now and then more than a field holds
        const QString unit = random.percent(50) ? plausibleNumber(random, decimalSeparator) : fragmentPool(random, decimalSeparator);
        const int length = random.percent(10) ? random.between(32000, 40000) : random.between(100, 5000);
        QString longText;
        longText.reserve(length + 8);
        while (longText.size() < length) longText += unit.isEmpty() ? QStringLiteral("9") : unit;
        return longText;
    }
    case 6: {
        QString mixed;
        const int parts = random.between(1, 20);
        for (int i = 0; i < parts; ++i) mixed += fragmentPool(random, decimalSeparator);
        return mixed;
    }
    default: {  // a number as a cell or a chat message carries it
        static const QStringList wrappers = {" %1 ", "%1\n", "%1\r\n", "%1\t", "\t%1", "%1 ตัน", "%1 cm", "Qa=%1",
                                             "\"%1\"", "%1;", "%1%1", "%1 %1", "=%1", "'%1"};
        const QString wrapper = wrappers[random.below(static_cast<int>(wrappers.size()))];
        return wrapper.arg(plausibleNumber(random, decimalSeparator));
    }
    }
}

QString shown(const QString& text, int limit)
{
    QString out;
    for (qsizetype i = 0; i < text.size() && out.size() < limit; ++i) {
        const QChar c = text[i];
        if (c.unicode() < 32 || c.unicode() == 127) out += QStringLiteral("\\x%1").arg(int(c.unicode()), 2, 16, QLatin1Char('0'));
        else out += c;
    }
    if (out.size() >= limit && text.size() > limit) out += QStringLiteral("… (%1 characters)").arg(text.size());
    return out;
}

}  // namespace random_session
