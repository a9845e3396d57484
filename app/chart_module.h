#pragma once
// The chart module, blowcount-charts.so: the windows that show charts (the
// driving chart, the capacity check, the driving records) and the chart
// drawing, with Qt Charts behind them. The program loads it on first use
// (app/chart_loader.h), so a session that never opens a chart never loads Qt
// Charts nor the OpenGL libraries it brings. The module uses the program's own code (the main
// window, the tabs, the printing): the program exports its symbols.
//
// A window is one entry of the module's table, named after its menu item.
// Another chart-bearing window: its source in the module's library
// (app/CMakeLists.txt) and one entry in app/chart_windows.cpp.
#include <cstddef>

#include "report/page_painter.h"

class QWidget;

namespace app {

class MainWindow;

// Opens the window for `main`, or brings the one already open to the front.
struct ChartWindowOpener {
    const char* name;
    QWidget* (*open)(MainWindow& main);
};

// Raised whenever the table or the windows' classes change shape.
inline constexpr int kChartModuleVersion = 1;

struct ChartModule {
    int version = kChartModuleVersion;
    report::ChartPainter paintChart = nullptr;  // set as the page painter's
    const ChartWindowOpener* windows = nullptr;
    std::size_t windowCount = 0;
};

inline constexpr const char* kChartModuleFile = "blowcount-charts.so";
inline constexpr const char* kChartModuleEntry = "blowcount_chart_module";
using ChartModuleEntry = const ChartModule* (*)();

}  // namespace app
