// The floor: a bare Qt Widgets program that shows one empty window, the size
// of the splash window at 96 dots per inch, watched by the same observer as
// the start-up probe. It closes the window after the first frame, and so ends.
#include <QWidget>

#include "bench/first_paint_observer.h"

int main(int argc, char* argv[])
{
    return bench::showFloor(argc, argv, [] {
        auto window = std::make_unique<QWidget>();
        window->resize(593, 377);
        return window;
    });
}
