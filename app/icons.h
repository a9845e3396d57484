#pragma once
// The program's pictures, drawn here with QPainter: the square button icons,
// the hint icon, the small status-bar picture, the window icon, the maker's
// logo and the splash picture. Sizes are in device-independent pixels.
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace app::icons {

QPixmap calculate(int size);
QPixmap formula(int size);
QPixmap print(int size);
QPixmap end(int size);
QPixmap close(int size);
QPixmap hint(int size);
QPixmap pileGlyph(int size);
QIcon windowIcon();

QPixmap logo(QSize size);

// The program's icon for the desktop: the logo's left square, its blue
// ground and the panel with the pile rig, `size` pixels square, drawn on
// any painter (a pixmap, an SVG generator) from its top-left corner.
void drawProgramIcon(QPainter& painter, qreal size);
QPixmap programIcon(int size);
QPixmap splashPicture(QSize size);

}  // namespace app::icons
