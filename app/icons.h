#pragma once
// The program's pictures, drawn here with QPainter: the square button icons,
// the hint icon, the small status-bar picture, the window icon, the maker's
// logo and the splash picture. Sizes are in device-independent pixels.
#include <QIcon>
#include <QPixmap>
#include <QSize>

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
QPixmap splashPicture(QSize size);

}  // namespace app::icons
