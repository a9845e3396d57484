#include "report/snapshot.h"

#include <algorithm>
#include <utility>

namespace report {

const std::string& TabSnapshot::text(const std::string& name) const
{
    static const std::string empty;
    auto it = texts.find(name);
    return it == texts.end() ? empty : it->second;
}

bool TabSnapshot::checked(const std::string& name) const
{
    auto it = checks.find(name);
    return it != checks.end() && it->second;
}

TabSnapshot snapshotAfterCalculation(calc::Formula formula,
                                     const std::vector<std::string>& fieldTexts,
                                     const calc::PileBoxes& boxes,
                                     const std::vector<std::string>& resultLines,
                                     float S,
                                     std::string decimalSeparator)
{
    const calc::TabTexts& tabTexts = calc::tabTexts(formula);
    TabSnapshot tab;
    tab.formula = formula;
    tab.S = S;
    tab.decimalSeparator = std::move(decimalSeparator);

    for (const calc::NamedText& label : tabTexts.fieldLabels) tab.texts[label.name] = label.text;
    for (const calc::NamedText& label : tabTexts.fixedLabels) tab.texts[label.name] = label.text;
    for (std::size_t i = 0; i < std::min(fieldTexts.size(), tabTexts.fieldLabels.size()); ++i)
        tab.texts[calc::fieldName(formula, static_cast<int>(i))] = fieldTexts[i];
    for (std::size_t i = 0; i < std::min(resultLines.size(), tabTexts.resultLabels.size()); ++i)
        tab.texts[tabTexts.resultLabels[i]] = resultLines[i];

    if (tabTexts.boxes.size() == 4) {
        const bool states[] = {boxes.reinforced, boxes.prestressed, boxes.square, boxes.round};
        for (std::size_t i = 0; i < 4; ++i) tab.checks[tabTexts.boxes[i].name] = states[i];
        tab.section = boxes.section;
    }
    return tab;
}

}  // namespace report
