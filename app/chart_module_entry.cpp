// blowcount-charts.so's one entry, which the program looks up by name.
#include "app/chart_module.h"
#include "app/chart_windows.h"

extern "C" __attribute__((visibility("default"))) const app::ChartModule* blowcount_chart_module()
{
    [[maybe_unused]] constexpr app::ChartModuleEntry checked = &blowcount_chart_module;
    return &app::chartWindows();
}
