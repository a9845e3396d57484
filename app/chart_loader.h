#pragma once
// The program's side of the chart module (app/chart_module.h): found beside
// the program (the build tree), then in its library folder (installed, also
// after the installed tree was moved), loaded on the first chart asked for,
// and kept loaded.
#include <QString>
#include <filesystem>
#include <string_view>
#include <vector>

#include "app/chart_module.h"

class QWidget;

namespace app {

// The window named `name` in the module's table, opened for `main`. When the
// module cannot be had, or has no such window, the check message
// "ไม่สามารถแสดงกราฟได้" with the reason, and nullptr; the program goes on.
QWidget* openChartWindow(MainWindow& main, std::string_view name);

// The module's table, loading the module if need be, and setting its chart
// drawing as the page painter's. Nullptr, with the reason in Thai in
// `problem` (and the loader's own words on a further line), when it cannot.
const ChartModule* chartModule(QString* problem);

// The file the table came from; empty before it was loaded, or when it is
// built in.
QString chartModulePath();

// For tests: a table built into the program in place of the module (nullptr:
// the module again), and the folders to look for it in (none: the program's
// own, as above).
void useChartModule(const ChartModule* builtIn);
void setChartModuleFolders(std::vector<std::filesystem::path> folders);

// blowcount --check-charts: opens every window of the module, and draws a
// chart through the page painter, offscreen where there is no display; says
// on standard output what it opened, or on standard error why not. The
// program's exit status: 0 when all went well.
int checkChartModule();

inline constexpr const char* kChartFailure = "ไม่สามารถแสดงกราฟได้";
inline constexpr const char* kChartModuleMissing = "ไม่พบไฟล์ส่วนแสดงกราฟของโปรแกรม blowcount-charts.so  กรุณาติดตั้งโปรแกรมใหม่";
inline constexpr const char* kChartModuleBroken = "ไฟล์ส่วนแสดงกราฟของโปรแกรม blowcount-charts.so ใช้งานไม่ได้  กรุณาติดตั้งโปรแกรมใหม่";
inline constexpr const char* kChartWindowMissing = "ไฟล์ส่วนแสดงกราฟของโปรแกรม blowcount-charts.so ไม่มีหน้าต่างนี้  กรุณาติดตั้งโปรแกรมใหม่";

}  // namespace app
