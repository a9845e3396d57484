// A second floor, for comparison only: the bare window with one label of
// Latin text, so that its first frame needs the font database and one font,
// as any window that shows text does. Watched and closed like the bare window.
#include <QLabel>
#include <QWidget>

#include "bench/first_paint_observer.h"

int main(int argc, char* argv[])
{
    return bench::showFloor(argc, argv, [] {
        auto window = std::make_unique<QWidget>();
        window->resize(593, 377);
        auto* label = new QLabel(QStringLiteral("Load Program..."), window.get());
        label->move(88, 304);
        return window;
    });
}
