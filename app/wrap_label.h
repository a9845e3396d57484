#pragma once
// A label of two lines. Its text wraps at word boundaries, and a long run of
// blanks ends a line: the result and formula texts carry such runs to put the
// rest of the sentence on the second line. The text itself is kept as set.
#include <QLabel>
#include <QStringList>

namespace app {

class WrapLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrapLabel(QWidget* parent = nullptr);

    // The lines the label shows for `text` in `font` at `width` pixels; the
    // blanks at a break stay at the end of the line before it.
    static QStringList lines(const QString& text, const QFont& font, qreal width);
    QStringList shownLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
