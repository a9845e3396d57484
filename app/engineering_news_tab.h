#pragma once
// Tab 0, "Engineering News Formular": five fields, no check boxes; the
// formula's lines stand in the lower half of the results frame Frame3.
#include "app/formula_tab.h"
#include "calc/engineering_news.h"

namespace app {

class EngineeringNewsTab : public FormulaTab {
    Q_OBJECT
public:
    EngineeringNewsTab(calc::EngineeringNewsState& state, QWidget* parent = nullptr);

protected:
    void onCalculate() override;

private:
    calc::EngineeringNewsState& state_;
};

}  // namespace app
