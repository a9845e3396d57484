#include "app/janbu_tab.h"

#include <QGroupBox>

namespace app {

namespace {

constexpr int kLeft = 120, kWidth = 4335, kLine = 255, kTwoLines = 495;
constexpr int kPanelRight = 4455;

LabelPlace panelLine(const char* name, int left, int top, int height = kLine)
{
    return {name, left, top, kPanelRight - left, height};
}

const std::vector<LabelPlace> kResults = {
    {"Label87", kLeft, 360, kWidth, kLine},      {"Label88", kLeft, 720, kWidth, kLine},
    {"Label89", kLeft, 1080, kWidth, kLine},     {"Label90", kLeft, 1440, kWidth, kLine},
    {"Label91", kLeft, 1800, kWidth, kLine},     {"Label92", kLeft, 2160, kWidth, kLine},
    {"Label93", kLeft, 2520, kWidth, kLine},     {"Label94", kLeft, 2880, kWidth, kLine},
    {"Label95", kLeft, 3240, kWidth, kTwoLines}, {"Label96", kLeft, 3840, kWidth, kTwoLines},
    {"Label97", kLeft, 4440, kWidth, kTwoLines},
};

const std::vector<LabelPlace> kPanel = {
    panelLine("Label99", 960, 240),   panelLine("Label100", 480, 600), panelLine("Label104", 480, 960),
    panelLine("Label106", 480, 1320), panelLine("Label101", 120, 1680), panelLine("Label102", 120, 2040),
    panelLine("Label103", 120, 2400), panelLine("Label105", 120, 2760), panelLine("Label110", 120, 3120),
    panelLine("Label112", 120, 3480), panelLine("Label107", 120, 3840),
    panelLine("Label98", 120, 4200, kTwoLines),
};

}  // namespace

JanbuTab::JanbuTab(calc::JanbuState& state, QWidget* parent)
    : FormulaTab(calc::Formula::Janbu, parent), state_(state)
{
    buildPileBoxes();
    buildCommon(1680, 2640, "Command10", "Command13", "Image12");
    addHint(2, "สอบถามจากผู้ผลิต");
    addHint(6, "แนะนำใช้ E=200");
    buildResultsFrame("Frame5", kResults, {}, "Command14");
    buildFormulaPanel("Frame6", kPanel, "Command16", "Command15");
    setFocusOrder();
}

void JanbuTab::onCalculate()
{
    resultsFrame()->show();
    const calc::JanbuInputs inputs{fieldTexts<7>(), pileBoxes(), decimalSeparator()};
    apply(calc::CalculateJanbu(inputs, state_), state_);
}

}  // namespace app
