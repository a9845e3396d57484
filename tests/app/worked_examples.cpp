#include "worked_examples.h"

#include "gui_fixture.h"
#include "tests/report/expected_pages.h"
#include "tests/report/sample_tabs.h"

namespace testing_gui {

void enterWorkedExample(app::MainWindow* window, calc::Formula formula)
{
    const report::TabSnapshot sample = report::samples::ofFormula(formula);
    QStringList texts;
    for (std::size_t i = 0; i < calc::tabTexts(formula).fieldLabels.size(); ++i)
        texts << QString::fromStdString(sample.text(calc::fieldName(formula, static_cast<int>(i))));
    QStringList ticked;
    for (const auto& [name, checked] : sample.checks)
        if (checked) ticked << QString::fromStdString(name);
    BoxAnswerer boxes;
    fillTab(window, formula, texts, ticked);
    calculate(window, formula);
    QVERIFY2(boxes.seen().empty(), "a message box after the worked example");
    QCOMPARE(window->storedS(formula), sample.S);
}

std::vector<report::Line> workedExamplePage(calc::Formula formula)
{
    switch (formula) {
    case calc::Formula::EngineeringNews: return report::expected::engineeringNewsPage();
    case calc::Formula::Hiley: return report::expected::hileyPage();
    case calc::Formula::Danish: return report::expected::danishPage();
    case calc::Formula::Janbu: return report::expected::janbuPage();
    }
    return {};
}

}  // namespace testing_gui
