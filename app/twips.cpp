#include "app/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace app {

namespace {

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

double pixelsPerTwip() { return logicalDpi() / 1440.0; }

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip()));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace app
