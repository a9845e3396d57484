#include "app/icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "app/pile_drawing.h"

namespace app::icons {

namespace {

using Drawing = std::function<void(QPainter&, const QRectF&)>;

QPixmap paint(QSize size, const Drawing& draw)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QPixmap square(int size, const Drawing& draw)
{
    return paint(QSize(size, size), [&](QPainter& p, const QRectF& r) {
        p.scale(r.width() / 32.0, r.height() / 32.0);  // every icon is drawn on a 32 × 32 grid
        draw(p, QRectF(0, 0, 32, 32));
    });
}

const QColor kOutline(40, 48, 64);

}  // namespace

QPixmap calculate(int size)
{
    return square(size, [](QPainter& p, const QRectF&) {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(214, 222, 232));
        p.drawRoundedRect(QRectF(5, 2, 22, 28), 3, 3);
        p.setBrush(QColor(48, 96, 64));
        p.drawRect(QRectF(8, 5, 16, 6));
        p.setPen(QPen(QColor(170, 240, 170), 1.4));
        p.drawLine(QPointF(15, 8), QPointF(22, 8));
        p.setPen(QPen(kOutline, 0.8));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) {
                const bool equals = row == 2 && col == 2;
                p.setBrush(equals ? QColor(240, 140, 40) : QColor(255, 255, 255));
                p.drawRect(QRectF(8 + col * 6, 14 + row * 5, 4, 3.5));
            }
    });
}

QPixmap formula(int size)
{
    return square(size, [](QPainter& p, const QRectF&) {
        QPainterPath sheet;
        sheet.moveTo(6, 2);
        sheet.lineTo(21, 2);
        sheet.lineTo(27, 8);
        sheet.lineTo(27, 30);
        sheet.lineTo(6, 30);
        sheet.closeSubpath();
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(sheet);
        p.drawLine(QPointF(21, 2), QPointF(21, 8));
        p.drawLine(QPointF(21, 8), QPointF(27, 8));
        QFont serif(QStringLiteral("Serif"));
        serif.setItalic(true);
        serif.setBold(true);
        serif.setPixelSize(13);
        p.setFont(serif);
        p.setPen(QColor(20, 60, 170));
        p.drawText(QRectF(6, 8, 21, 14), Qt::AlignCenter, QStringLiteral("fx"));
        p.setPen(QPen(QColor(120, 130, 150), 1.2));
        p.drawLine(QPointF(10, 24), QPointF(23, 24));
        p.drawLine(QPointF(10, 27), QPointF(19, 27));
    });
}

QPixmap print(int size)
{
    return square(size, [](QPainter& p, const QRectF&) {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 160, 175));
        p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
        p.setBrush(QColor(80, 200, 90));
        p.drawEllipse(QPointF(25, 15), 1.3, 1.3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 19, 16, 11));
        p.setPen(QPen(QColor(90, 100, 120), 1));
        for (int y : {22, 25, 28}) p.drawLine(QPointF(10, y), QPointF(22, y));
    });
}

QPixmap end(int size)
{
    return square(size, [](QPainter& p, const QRectF&) {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(4, 3, 14, 26));  // door frame
        QPolygonF door{QPointF(4, 3), QPointF(13, 6), QPointF(13, 31), QPointF(4, 29)};
        p.setBrush(QColor(150, 90, 40));
        p.drawPolygon(door);
        p.setBrush(QColor(250, 210, 80));
        p.drawEllipse(QPointF(11, 17), 1.2, 1.2);
        QPolygonF arrow{QPointF(16, 13), QPointF(23, 13), QPointF(23, 9), QPointF(30, 16),
                        QPointF(23, 23), QPointF(23, 19), QPointF(16, 19)};
        p.setBrush(QColor(210, 40, 40));
        p.drawPolygon(arrow);
    });
}

QPixmap close(int size)
{
    return square(size, [](QPainter& p, const QRectF&) {
        p.setPen(QPen(QColor(120, 20, 20), 1.2));
        p.setBrush(QColor(215, 45, 45));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
    });
}

QPixmap hint(int size)
{
    return square(size, [](QPainter& p, const QRectF&) {
        p.setPen(QPen(QColor(20, 60, 140), 1.5));
        p.setBrush(QColor(60, 120, 215));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        QFont font(QStringLiteral("Sans"));
        font.setBold(true);
        font.setPixelSize(22);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QPixmap pileGlyph(int size)
{
    return square(size, [](QPainter& p, const QRectF& r) { drawPileRig(p, r, true); });
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(pileGlyph(size));
    return icon;
}

}  // namespace app::icons
