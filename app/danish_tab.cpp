#include "app/danish_tab.h"

#include <QGroupBox>

namespace app {

namespace {

constexpr int kLeft = 120, kWidth = 4335, kLine = 255, kTwoLines = 495;

const std::vector<LabelPlace> kResults = {
    {"Label64", kLeft, 240, kWidth, kLine},      {"Label65", kLeft, 600, kWidth, kLine},
    {"Label66", kLeft, 960, kWidth, kLine},      {"Label67", kLeft, 1320, kWidth, kLine},
    {"Label68", kLeft, 1680, kWidth, kTwoLines}, {"Label69", kLeft, 2280, kWidth, kTwoLines},
    {"Label70", kLeft, 2880, kWidth, kTwoLines},
};

const std::vector<LabelPlace> kFormulaLines = {
    {"Label71", kLeft, 3480, kWidth, kLine},      {"Label72", kLeft, 3720, kWidth, kLine},
    {"Label77", kLeft, 3960, kWidth, kLine},      {"Label75", kLeft, 4200, kWidth, kLine},
    {"Label73", kLeft, 4440, kWidth, kTwoLines}, {"Label74", kLeft, 4920, 2175, kLine},
    {"Label78", kLeft, 5160, kWidth, kLine},      {"Label79", kLeft, 5400, kWidth, kLine},
};

}  // namespace

DanishTab::DanishTab(calc::DanishState& state, QWidget* parent)
    : FormulaTab(calc::Formula::Danish, parent), state_(state)
{
    buildPileBoxes();
    buildCommon(1680, 3360, "Command11", "Command9", "Image9");
    addHint(2, "สอบถามจากผู้ผลิต");
    addHint(5, "Falling Hammer = 1 , Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80 ");
    addHint(7, "แนะนำใช้ E=200");
    buildResultsFrame("Frame4", kResults, kFormulaLines, "Command12");
    setFocusOrder();
}

void DanishTab::onCalculate()
{
    resultsFrame()->show();
    const calc::DanishInputs inputs{fieldTexts<8>(), pileBoxes(), decimalSeparator()};
    apply(calc::CalculateDanish(inputs, state_), state_);
}

}  // namespace app
