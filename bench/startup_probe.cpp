// The start-up probe: blowcount's own main() sequence on the same `app`
// library, with an observer installed on the application before app::start().
// On standard output: the splash's first frame, the splash timer's last tick
// (when its timer event arrives) and the main window's first frame after it.
// The probe closes the main window after its first frame, so the run ends by
// itself, as when the user leaves at once. With --until-splash it ends right
// after the splash's first frame instead (for profiling the start alone).
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

#include "app/maker.h"
#include "app/start.h"
#include "bench/first_paint_observer.h"

namespace {

// Notes the arrival of each timer event of the splash's Timer1.
class TickWatcher : public QObject {
public:
    qint64 lastTickNs = 0;
    int ticks = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && watched->objectName() == QLatin1String("Timer1")) {
            lastTickNs = bench::monotonicNs();
            ++ticks;
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(app::maker::kProgramName));

    const bool untilSplash = application.arguments().contains(QStringLiteral("--until-splash"));
    TickWatcher ticks;
    bench::FirstPaintObserver observer([&ticks, untilSplash](QWidget& window, qint64 ns) {
        if (window.objectName() == QLatin1String("Form1")) {
            bench::writeMark("splash-painted", ns);
            if (untilSplash) QCoreApplication::exit(0);
        } else if (window.objectName() == QLatin1String("Form2")) {
            bench::writeMark("last-tick", ticks.lastTickNs);
            bench::writeMark("main-painted", ns);
            std::printf("ticks %d\n", ticks.ticks);
            std::fflush(stdout);
            window.close();
        }
    });
    application.installEventFilter(&ticks);
    application.installEventFilter(&observer);

    app::start();
    return application.exec();
}
