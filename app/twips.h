#pragma once
// Window geometry is given in twips (1/1440 inch); the screen's logical
// resolution turns it into pixels (15 twips a pixel at 96 dpi).
#include <QRect>

namespace app {

double pixelsPerTwip();
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

}  // namespace app
