#include "app/chart_windows.h"

#include <iterator>

#include "app/capacity_window.h"
#include "app/chart_window.h"
#include "app/main_window.h"
#include "app/records_window.h"
#include "report/chart_drawing.h"

namespace app {

namespace {

QWidget* openDrivingChart(MainWindow& main) { return showChartWindow(main); }

QWidget* openCapacityCheck(MainWindow& main)
{
    auto* window = main.findChild<CapacityWindow*>(QStringLiteral("CapacityWindow"), Qt::FindDirectChildrenOnly);
    if (!window) {
        std::vector<FormulaTab*> tabs;
        for (calc::Formula formula : {calc::Formula::EngineeringNews, calc::Formula::Hiley, calc::Formula::Danish,
                                      calc::Formula::Janbu})
            tabs.push_back(main.page(formula));
        window = new CapacityWindow(std::move(tabs), main.commonDialog(), &main);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* openDrivingRecords(MainWindow& main) { return showRecordsWindow(main); }

// Named after the tools menu's items.
constexpr ChartWindowOpener kWindows[] = {
    {"drivingchart", &openDrivingChart},
    {"capacitycheck", &openCapacityCheck},
    {"drivingrecords", &openDrivingRecords},
};

}  // namespace

const ChartModule& chartWindows()
{
    static const ChartModule module{kChartModuleVersion, &report::paintChart, kWindows, std::size(kWindows)};
    return module;
}

}  // namespace app
