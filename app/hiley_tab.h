#pragma once
// Tab 1, "Heiley's Formular": nine fields (the pile size on the top row), the
// pile pairs, the results frame Frame1 and the formula panel Frame2 in the
// same place, swapped by Formula (Command4) and Close (Command7).
#include "app/formula_tab.h"
#include "calc/hiley.h"

namespace app {

class HileyTab : public FormulaTab {
    Q_OBJECT
public:
    HileyTab(calc::HileyState& state, QWidget* parent = nullptr);

protected:
    void onCalculate() override;

private:
    calc::HileyState& state_;
    QGroupBox* formulaPanel_ = nullptr;
};

}  // namespace app
