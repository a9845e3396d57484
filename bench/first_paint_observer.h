#pragma once
// Watches a Qt Widgets program from outside, as an application event filter:
// it changes nothing in what the program does, it only notes when each
// top-level window has finished its first frame. Shared by the start-up probe
// and the bare window, so that both are timed by the same instrument.
#include <QObject>
#include <QSet>
#include <functional>
#include <memory>

class QWidget;

namespace bench {

// Nanoseconds on CLOCK_MONOTONIC, the clock the start-up driver starts from.
qint64 monotonicNs();

// The processor time the program has used so far, all its threads, in ns.
qint64 processCpuNs();

// "mark NAME NS CPU_NS" on standard output, flushed at once: the moment on
// CLOCK_MONOTONIC, and the processor time used up to the moment of writing.
void writeMark(const char* name, qint64 ns);

class FirstPaintObserver : public QObject {
public:
    // Called once per top-level window, right after its first frame: the
    // paint events of the window and of its children and the flush to the
    // screen have all returned, and the event loop is back.
    using Painted = std::function<void(QWidget& window, qint64 ns)>;

    explicit FirstPaintObserver(Painted painted, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Painted painted_;
    QSet<const QObject*> seen_;
};

// The floors' main(): the application, an observer that writes the
// "window-painted" mark after the first frame and closes the window, and the
// window `makeWindow` builds, shown.
int showFloor(int argc, char* argv[], const std::function<std::unique_ptr<QWidget>()>& makeWindow);

}  // namespace bench
