#pragma once
// The key filter of every input field: control characters pass, otherwise
// only the digits and the decimal point; Enter moves the focus on to the next
// control of the tab's focus order and is itself dropped. Pasted text and
// text the program writes are not filtered.
#include <QObject>
#include <QString>

namespace app {

class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit NumericKeyFilter(QObject* parent = nullptr);
    // A filter that also lets through each character of `alsoAccepted` (the
    // separators of a list of numbers).
    NumericKeyFilter(QObject* parent, const QString& alsoAccepted);

    // Whether a typed text gets through: the characters "0123456789.", and
    // also the locale's decimal separator where it is not the full stop, so
    // that decimals can be typed at all in such a locale.
    static bool accepts(const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString alsoAccepted_;
};

}  // namespace app
