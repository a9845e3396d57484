// The large pictures: the maker's logo and the splash picture.
#include <QGuiApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "app/icons.h"
#include "app/interface_font.h"
#include "app/maker.h"
#include "app/pile_drawing.h"

namespace app::icons {

namespace {

QPixmap canvas(QSize size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QFont sized(QFont font, qreal pixels, bool bold)
{
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setBold(bold);
    return font;
}

// Draws `text` in `font`, made smaller where needed to fit `box`.
void drawFitted(QPainter& p, const QRectF& box, QFont font, const QString& text)
{
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    // Drawn at its baseline rather than into the box: a box makes Qt lay the
    // text out in lines, which loads the Thai line breaker's dictionary
    // before the splash's first frame.
    const QFontMetricsF m(font);
    p.drawText(QPointF(box.left(), box.top() + (box.height() - m.height()) / 2 + m.ascent()), text);
}

// The logo's dark blue ground over `r`, and the light panel with the pile
// rig at its left end, as high as `r` allows; returns the panel.
QRectF drawLogoGround(QPainter& p, const QRectF& r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(30, 70, 140));
    sky.setColorAt(1, QColor(10, 30, 80));
    p.setPen(QPen(QColor(10, 20, 50), 1));
    p.setBrush(sky);
    p.drawRoundedRect(r, 6, 6);

    const qreal h = r.height();
    QRectF glyph(r.left() + h * 0.12, r.top() + h * 0.12, h * 0.76, h * 0.76);
    p.setBrush(QColor(230, 236, 245));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(glyph, 4, 4);
    drawPileRig(p, glyph.adjusted(3, 3, -3, -3), true);
    return glyph;
}

}  // namespace

void drawProgramIcon(QPainter& p, qreal size)
{
    // Drawn as the logo's left square at the logo's own height on the tabs
    // (975 twips, 65 pixels), then scaled.
    constexpr qreal kLogoHeight = 65;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kLogoHeight, size / kLogoHeight);
    drawLogoGround(p, QRectF(0.5, 0.5, kLogoHeight - 1.0, kLogoHeight - 1.0));
    p.restore();
}

QPixmap programIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    drawProgramIcon(p, size);
    return pixmap;
}

QPixmap logo(QSize size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const QRectF glyph = drawLogoGround(p, r);
    const qreal h = r.height();

    const QRectF text(glyph.right() + h * 0.12, r.top(), r.right() - glyph.right() - h * 0.18, h);
    const QFont base = interfaceFont();
    p.setPen(Qt::white);
    drawFitted(p, QRectF(text.left(), r.top() + h * 0.12, text.width(), h * 0.42), sized(base, h * 0.30, true),
               QString::fromUtf8(maker::kSiteName));
    p.setPen(QColor(255, 190, 110));
    drawFitted(p, QRectF(text.left(), r.top() + h * 0.52, text.width(), h * 0.34), sized(base, h * 0.19, false),
               QStringLiteral("Vostraleen"));
    return pixmap;
}

QPixmap splashPicture(QSize size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(120, 175, 230));
    sky.setColorAt(1, QColor(225, 238, 250));
    p.fillRect(r, sky);

    const qreal h = r.height();
    drawPileRig(p, QRectF(r.left() + h * 0.08, r.top() + h * 0.06, h * 0.7, h * 0.92), false);

    const QFont base = interfaceFont();
    const QRectF text(r.left() + h * 0.9, r.top() + h * 0.08, r.width() - h * 0.98, h * 0.84);
    p.setPen(QColor(15, 40, 95));
    drawFitted(p, QRectF(text.left(), text.top(), text.width(), h * 0.26), sized(base, h * 0.19, true),
               QStringLiteral("Blow Count"));
    p.setPen(QColor(40, 60, 110));
    drawFitted(p, QRectF(text.left(), text.top() + h * 0.27, text.width(), h * 0.14), sized(base, h * 0.085, false),
               QString::fromUtf8(maker::kProductName));
    p.setPen(QColor(20, 20, 30));
    drawFitted(p, QRectF(text.left(), text.top() + h * 0.46, text.width(), h * 0.14), sized(base, h * 0.08, false),
               QStringLiteral("โปรแกรมคำนวณเกณฑ์การตอกเสาเข็มคอนกรีต"));
    p.setPen(QColor(150, 60, 10));
    drawFitted(p, QRectF(text.left(), text.top() + h * 0.62, text.width(), h * 0.12), sized(base, h * 0.065, false),
               QStringLiteral("Engineering News  •  Hiley  •  Danish  •  Janbu"));
    return pixmap;
}

}  // namespace app::icons
