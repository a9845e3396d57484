#pragma once
// The table of the chart module's windows (app/chart_module.h), built into
// the module, and into the tests, which open the windows without loading it.
#include "app/chart_module.h"

namespace app {

const ChartModule& chartWindows();

}  // namespace app
