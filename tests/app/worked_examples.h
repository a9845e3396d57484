#pragma once
// The worked examples of the four tabs, shared with the report tests
// (tests/report/sample_tabs.h): typed into the window, and the report pages
// they make, line by line.
#include <vector>

#include "calc/tab_texts.h"
#include "report/page.h"

namespace app {
class MainWindow;
}

namespace testing_gui {

// Types the example's field texts into the formula's tab, ticks its boxes
// and calculates; QtTest failures when a message box comes up or the tab
// stores another S.
void enterWorkedExample(app::MainWindow* window, calc::Formula formula);

std::vector<report::Line> workedExamplePage(calc::Formula formula);

}  // namespace testing_gui
