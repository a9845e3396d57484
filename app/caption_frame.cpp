#include "app/caption_frame.h"

#include <QFontMetrics>
#include <QPainter>

namespace app {

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));

    const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace app
