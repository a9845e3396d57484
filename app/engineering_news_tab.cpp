#include "app/engineering_news_tab.h"

#include <QGroupBox>

namespace app {

namespace {

constexpr int kLeft = 120, kWidth = 4335, kLine = 255, kTwoLines = 495;

const std::vector<LabelPlace> kResults = {
    {"Label1", kLeft, 360, kWidth, kLine},       {"Label5", kLeft, 720, kWidth, kLine},
    {"Label30", kLeft, 1080, kWidth, kLine},     {"Label32", kLeft, 1440, kWidth, kTwoLines},
    {"Label48", kLeft, 2040, kWidth, kTwoLines}, {"Label49", kLeft, 2640, kWidth, kTwoLines},
};

const std::vector<LabelPlace> kFormulaLines = {
    {"Label7", kLeft, 3360, kWidth, kLine},  {"Label50", kLeft, 3600, kWidth, kLine},
    {"Label51", kLeft, 3960, kWidth, kLine}, {"Label52", kLeft, 4200, kWidth, kLine},
    {"Label53", kLeft, 4440, kWidth, kLine}, {"Label54", kLeft, 4680, kWidth, kTwoLines},
    {"Label55", kLeft, 5160, kWidth, kLine},
};

}  // namespace

EngineeringNewsTab::EngineeringNewsTab(calc::EngineeringNewsState& state, QWidget* parent)
    : FormulaTab(calc::Formula::EngineeringNews, parent), state_(state)
{
    buildCommon(1680, 3360, "Command8", "Command2", "Image1");
    addHint(3, "กำหนดเป็น 0.9 สำหรับลูกตุ้มชนิดปล่อย Drop Hammer");
    buildResultsFrame("Frame3", kResults, kFormulaLines, "Command6");
    setFocusOrder();
}

void EngineeringNewsTab::onCalculate()
{
    resultsFrame()->show();
    const calc::EngineeringNewsInputs inputs{fieldTexts<5>(), decimalSeparator()};
    apply(calc::CalculateEngineeringNews(inputs, state_), state_);
}

}  // namespace app
