#include "app/pile_drawing.h"

#include <QPainter>

namespace app {

void drawPileRig(QPainter& p, const QRectF& a, bool compact)
{
    const auto x = [&](qreal f) { return a.left() + f * a.width(); };
    const auto y = [&](qreal f) { return a.top() + f * a.height(); };
    const QColor outline(40, 40, 48);
    const qreal pen = compact ? a.width() / 32.0 : 1.2;
    p.save();
    p.setPen(QPen(outline, pen));

    // ground, with the pile's buried part shown through it
    p.setBrush(QColor(150, 105, 60));
    p.drawRect(QRectF(x(0.02), y(0.80), a.width() * 0.96, a.height() * 0.18));
    p.setBrush(QColor(120, 80, 45));
    p.drawRect(QRectF(x(0.40), y(0.80), a.width() * 0.20, a.height() * 0.14));

    if (!compact) {
        // leader mast with its lattice, and the hoisting cable
        p.setBrush(QColor(70, 80, 95));
        p.drawRect(QRectF(x(0.69), y(0.04), a.width() * 0.07, a.height() * 0.76));
        p.setPen(QPen(QColor(200, 205, 215), 1));
        for (qreal f = 0.08; f < 0.78; f += 0.06)
            p.drawLine(QPointF(x(0.69), y(f)), QPointF(x(0.76), y(f + 0.06)));
        p.setPen(QPen(outline, pen));
        p.drawLine(QPointF(x(0.50), y(0.04)), QPointF(x(0.72), y(0.04)));
        p.drawLine(QPointF(x(0.50), y(0.04)), QPointF(x(0.50), y(0.10)));
    }

    // pile above ground
    p.setBrush(QColor(190, 192, 196));
    p.drawRect(QRectF(x(0.40), y(0.42), a.width() * 0.20, a.height() * 0.38));
    // cushion and drop hammer
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(x(0.37), y(0.38), a.width() * 0.26, a.height() * 0.04));
    p.setBrush(QColor(235, 130, 30));
    p.drawRect(QRectF(x(0.32), y(0.10), a.width() * 0.36, a.height() * 0.20));
    // the blow: short strokes between hammer and cushion
    p.setPen(QPen(QColor(220, 30, 30), pen * 1.2));
    p.drawLine(QPointF(x(0.22), y(0.34)), QPointF(x(0.32), y(0.34)));
    p.drawLine(QPointF(x(0.68), y(0.34)), QPointF(x(0.78), y(0.34)));
    p.restore();
}

}  // namespace app
