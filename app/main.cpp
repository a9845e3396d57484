// blowcount: the splash window, then the main window; the program ends when
// its last window closes. blowcount --check-charts checks the chart module
// instead (app/chart_loader.h), offscreen unless a platform is named.
#include <QApplication>
#include <cstring>

#include "app/chart_loader.h"
#include "app/maker.h"
#include "app/start.h"

int main(int argc, char* argv[])
{
    const bool checkCharts = argc == 2 && std::strcmp(argv[1], "--check-charts") == 0;
    if (checkCharts && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(app::maker::kProgramName));
    // Ties the windows to the installed desktop entry, its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BLOWCOUNT_APP_ID));
    if (checkCharts) return app::checkChartModule();
    app::start();
    return application.exec();
}
