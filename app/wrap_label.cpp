#include "app/wrap_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

namespace app {

namespace {

// Runs of this many blanks or more end a line; shorter runs only space words.
constexpr int kBreakingRun = 8;

QStringList splitAfterLongBlankRuns(const QString& text)
{
    static const QRegularExpression run(QStringLiteral(" {%1,}(?=\\S)").arg(kBreakingRun));
    QStringList parts;
    qsizetype start = 0;
    for (auto it = run.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        parts << text.mid(start, m.capturedEnd() - start);
        start = m.capturedEnd();
    }
    parts << text.mid(start);
    return parts;
}

}  // namespace

WrapLabel::WrapLabel(QWidget* parent) : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList WrapLabel::lines(const QString& text, const QFont& font, qreal width)
{
    QStringList result;
    if (text.isEmpty()) return result;
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    for (const QString& part : splitAfterLongBlankRuns(text)) {
        QTextLayout layout(part, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            result << part.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return result;
}

QStringList WrapLabel::shownLines() const
{
    return lines(text(), font(), contentsRect().width());
}

void WrapLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRectF area = contentsRect();
    const qreal step = QFontMetricsF(font()).lineSpacing();
    qreal top = area.top();
    for (const QString& line : shownLines()) {
        painter.drawText(QRectF(area.left(), top, area.width(), step), Qt::AlignLeft | Qt::AlignTop, line);
        top += step;
    }
}

}  // namespace app
