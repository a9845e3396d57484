// The floor: a bare Qt Widgets program that shows one empty window, the size
// of the splash window at 96 dots per inch, watched by the same observer as
// the start-up probe. It closes the window after the first frame, and so ends.
#include <QApplication>
#include <QWidget>

#include "bench/first_paint_observer.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    bench::FirstPaintObserver observer([](QWidget& window, qint64 ns) {
        bench::writeMark("window-painted", ns);
        window.close();
    });
    application.installEventFilter(&observer);

    QWidget window;
    window.resize(593, 377);
    window.show();
    return application.exec();
}
