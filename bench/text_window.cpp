// A second floor, for comparison only: the bare window with one label of
// Latin text, so that its first frame needs the font database and one font,
// as any window that shows text does. Watched and closed like the bare window.
#include <QApplication>
#include <QLabel>
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
    auto* label = new QLabel(QStringLiteral("Load Program..."), &window);
    label->move(88, 304);
    window.show();
    return application.exec();
}
