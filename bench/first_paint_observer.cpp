#include "bench/first_paint_observer.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace bench {

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

qint64 processCpuNs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<qint64>(used.tv_sec) * 1'000'000'000 + used.tv_nsec;
}

void writeMark(const char* name, qint64 ns)
{
    std::printf("mark %s %lld %lld\n", name, static_cast<long long>(ns), static_cast<long long>(processCpuNs()));
    std::fflush(stdout);
}

FirstPaintObserver::FirstPaintObserver(Painted painted, QObject* parent) : QObject(parent), painted_(std::move(painted))
{
}

bool FirstPaintObserver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow() || seen_.contains(widget)) return false;
    seen_.insert(widget);
    connect(widget, &QObject::destroyed, this, [this, widget] { seen_.remove(widget); });
    // The window's own paint event comes first; its children's and the flush
    // follow in the same pass. A queued call runs once that pass is over.
    QMetaObject::invokeMethod(
        this,
        [this, window = QPointer<QWidget>(widget)] {
            if (window) painted_(*window, monotonicNs());
        },
        Qt::QueuedConnection);
    return false;
}

int showFloor(int argc, char* argv[], const std::function<std::unique_ptr<QWidget>()>& makeWindow)
{
    QApplication application(argc, argv);
    FirstPaintObserver observer([](QWidget& window, qint64 ns) {
        writeMark("window-painted", ns);
        window.close();
    });
    application.installEventFilter(&observer);
    const std::unique_ptr<QWidget> window = makeWindow();
    window->show();
    return application.exec();
}

}  // namespace bench
