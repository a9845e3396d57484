#include "app/numeric_key_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QWidget>

namespace app {

namespace {

constexpr char16_t kLastControlCode = 26;  // Ctrl+Z; Backspace 8, Tab 9, Enter 13 below it
constexpr char16_t kEnter = 13;

bool isAcceptedCharacter(QChar c)
{
    static const QString kAccepted = QStringLiteral("0123456789.");
    return kAccepted.contains(c) || QLocale().decimalPoint() == QString(c);
}

void moveFocusOn(QObject* field)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &tab);
}

}  // namespace

NumericKeyFilter::NumericKeyFilter(QObject* parent) : QObject(parent) {}

NumericKeyFilter::NumericKeyFilter(QObject* parent, const QString& alsoAccepted)
    : QObject(parent), alsoAccepted_(alsoAccepted)
{
}

bool NumericKeyFilter::accepts(const QString& typed)
{
    for (QChar c : typed)
        if (!isAcceptedCharacter(c)) return false;
    return true;
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // The menu's Ctrl+C (leave the program) wins over the field's copy.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_C)) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl with a letter types the control characters 1 to 26, whatever text
    // the platform attaches to the event.
    if (key->modifiers().testFlag(Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
        return false;
    const QString typed = key->text();
    // Keys that type no character (arrows, Delete, function keys) are not
    // typed characters and go to the field as they are.
    if (typed.isEmpty() || key->key() == Qt::Key_Delete) return false;

    const char16_t code = typed.front().unicode();
    if (typed.size() == 1 && code <= kLastControlCode) {
        if (code != kEnter) return false;
        moveFocusOn(watched);
        return true;
    }
    for (QChar c : typed)
        if (!isAcceptedCharacter(c) && !alsoAccepted_.contains(c)) return true;
    return false;
}

}  // namespace app
