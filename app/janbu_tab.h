#pragma once
// Tab 3, "Janbu's Formular": seven fields, the pile pairs, the results frame
// Frame5 and the formula panel Frame6 in the same place. Calculate shows the
// results frame but leaves an open formula panel open above it.
#include "app/formula_tab.h"
#include "calc/janbu.h"

namespace app {

class JanbuTab : public FormulaTab {
    Q_OBJECT
public:
    JanbuTab(calc::JanbuState& state, QWidget* parent = nullptr);

protected:
    void onCalculate() override;

private:
    calc::JanbuState& state_;
};

}  // namespace app
