#include "app/hiley_tab.h"

#include <QGroupBox>
#include <QLabel>

namespace app {

namespace {

constexpr int kLeft = 120, kWidth = 4335, kLine = 255, kTwoLines = 495;
constexpr int kPanelRight = 4455;  // labels of the panel end where the result lines end

LabelPlace panelLine(const char* name, int left, int top, int height = kLine)
{
    return {name, left, top, kPanelRight - left, height};
}

const std::vector<LabelPlace> kResults = {
    {"Label20", kLeft, 360, kWidth, kLine},      {"Label22", kLeft, 720, kWidth, kLine},
    {"Label18", kLeft, 1080, kWidth, kLine},     {"Label17", kLeft, 1440, kWidth, kLine},
    {"Label19", kLeft, 1800, kWidth, kLine},     {"Label21", kLeft, 2160, kWidth, kLine},
    {"Label23", kLeft, 2520, kWidth, kLine},     {"Label24", kLeft, 2880, kWidth, kLine},
    {"Label25", kLeft, 3240, kWidth, kTwoLines}, {"Label27", kLeft, 3840, kWidth, kTwoLines},
    {"Label28", kLeft, 4440, kWidth, kTwoLines},
};

const std::vector<LabelPlace> kPanel = {
    panelLine("Label29", 960, 240),  panelLine("Label31", 240, 600),
    panelLine("Label33", 120, 960),  panelLine("Label34", 120, 1200),
    panelLine("Label35", 120, 1440), panelLine("Label36", 120, 1680),
    panelLine("Label47", 600, 1920, kTwoLines),
    panelLine("Label37", 120, 2400), panelLine("Label38", 120, 2640),
    panelLine("Label46", 600, 2880, kTwoLines),
    panelLine("Label56", 120, 3360, kTwoLines),
    panelLine("Label39", 120, 3840), panelLine("Label40", 240, 4080),
    panelLine("Label41", 240, 4320), panelLine("Label42", 240, 4560),
    panelLine("Label43", 720, 4800), panelLine("Label44", 720, 5040),
    panelLine("Label45", 720, 5280),
};

}  // namespace

HileyTab::HileyTab(calc::HileyState& state, QWidget* parent)
    : FormulaTab(calc::Formula::Hiley, parent), state_(state)
{
    buildPileBoxes();
    buildCommon(1680, 2640, "Command5", "Command1", "Image6");
    addHint(1, "สอบถามจากผู้ผลิต");
    addHint(5, "ส.ป.ส. วัสดุรองหัวเสาเข็มคอรบเหล็ก : รองด้วยกระสอบป่านใช้ 0.25 , รองด้วยไม้อัดใช้ 0.40");
    addHint(6, "Falling Hammer = 1 , Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80 ");
    buildResultsFrame("Frame1", kResults, {}, "Command3");
    formulaPanel_ = buildFormulaPanel("Frame2", kPanel, "Command7", "Command4");
    auto* title = formulaPanel_->findChild<QLabel*>(QStringLiteral("Label29"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    setFocusOrder();
}

void HileyTab::onCalculate()
{
    resultsFrame()->show();
    formulaPanel_->hide();
    const calc::HileyInputs inputs{fieldTexts<9>(), pileBoxes(), decimalSeparator()};
    apply(calc::CalculateHiley(inputs, state_), state_);
}

}  // namespace app
