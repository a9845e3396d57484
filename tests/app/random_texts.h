#pragma once
// What a random session types and pastes: keys of every kind (digits, full
// stop, comma, letters, Thai, minus, blank, Enter, Escape, Backspace, arrows,
// Ctrl+letters, characters no keyboard filter expects), texts to paste (long
// ones, Thai, control characters, digit strings far beyond the float range,
// separators, words a spreadsheet or a chat message could carry) and numbers
// an engineer would type.
#include <QChar>
#include <QString>
#include <Qt>

#include "session_random.h"

namespace random_session {

struct TypedKey {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString text;         // the text the key event carries
    bool named = false;   // sent as a named key, QTest making up its text

    // What the log shows: "'ก'", "Ctrl+V", "Return".
    QString describe() const;
    bool isCtrlLetter() const;
    // A key whose text is one printable character (or more), or Escape: the
    // key filter must leave a field's text unchanged when one of them is not
    // a digit, the full stop or the locale's decimal separator.
    bool typesCharacters() const;
    bool isEnter() const;
};

// `ctrlLetters` includes Ctrl+C (leave the program) and Ctrl+P (printer set-up).
TypedKey randomKey(SessionRandom& random, bool ctrlLetters = true);

// A key that types `c`, as a keyboard with that character on it would.
TypedKey characterKey(QChar c);

// A text to paste; may be empty, and up to 40,000 characters long.
QString randomPaste(SessionRandom& random, QChar decimalSeparator);

// A number as an engineer types it: digits with at most one separator.
QString plausibleNumber(SessionRandom& random, QChar decimalSeparator);

// `text` for the log: at most `limit` characters, control characters escaped.
QString shown(const QString& text, int limit = 60);

}  // namespace random_session
