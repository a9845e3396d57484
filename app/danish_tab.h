#pragma once
// Tab 2, "Danish's Formular": eight fields, the pile pairs; the formula's
// lines stand in the lower half of the results frame Frame4.
#include "app/formula_tab.h"
#include "calc/danish.h"

namespace app {

class DanishTab : public FormulaTab {
    Q_OBJECT
public:
    DanishTab(calc::DanishState& state, QWidget* parent = nullptr);

protected:
    void onCalculate() override;

private:
    calc::DanishState& state_;
};

}  // namespace app
