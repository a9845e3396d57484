#include "app/formula_tab.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringDecoder>

#include "app/caption_frame.h"
#include "app/check_pair.h"
#include "app/clickable_picture.h"
#include "app/icons.h"
#include "app/message_boxes.h"
#include "app/numeric_key_filter.h"
#include "app/section_choice.h"
#include "calc/formula_names.h"
#include "app/twips.h"
#include "app/wrap_label.h"

namespace app {

namespace {

// Placement of the controls every tab shares, in twips.
constexpr int kFieldLeft = 3240, kFieldWidth = 1095, kFieldHeight = 285, kRowStep = 360;
constexpr int kCaptionLeft = 240, kCaptionWidth = 2955;
constexpr int kBoxLeft[] = {240, 2400}, kBoxWidth[] = {2100, 1935}, kBoxTop[] = {840, 1200}, kBoxHeight = 285;
constexpr int kHintLeft = 4440, kHintSize = 255;
constexpr int kButtonTop = 5400, kButtonSize = 615, kFormulaLeft = 3360, kEndLeft = 4080, kEndTop = 5415, kEndHeight = 600;
constexpr int kFrameLeft = 4920, kFrameTop = 360, kFrameWidth = 4575, kFrameHeight = 5655;
constexpr int kPrintLeft = 3840, kPrintTop = 4920;
constexpr int kCloseLeft = 3960, kCloseTop = 5040, kCloseWidth = 495, kCloseHeight = 480;
constexpr int kLogoLeft = 120, kLogoTop = 5055, kLogoWidth = 2295, kLogoHeight = 975;
constexpr int kPageWidth = 9615, kPageHeight = 6150;
constexpr int kTwoLines = 495;

const QColor kCriterionRed(255, 0, 0);

QString qs(const char* utf8) { return QString::fromUtf8(utf8); }

// A field's text exactly as kept: QString::fromUtf8 would drop a byte-order
// mark at its start, and the text would not be the one saved.
QString exactText(const std::string& utf8)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

int iconSizeFor(int buttonTwips) { return twipsToPixels(buttonTwips) * 3 / 4; }

}  // namespace

FormulaTab::FormulaTab(calc::Formula formula, QWidget* parent)
    : QWidget(parent), texts_(calc::tabTexts(formula)), formula_(formula)
{
    setMinimumSize(twipsToPixels(kPageWidth), twipsToPixels(kPageHeight));
}

void FormulaTab::buildCommon(int firstRowTop, int calculateLeft, const char* calculateName, const char* endName,
                             const char* logoName)
{
    buildFields(firstRowTop);
    if (boxes_.size() == 4) {
        const int size = *calc::fieldIndex(calc::formulaInfo(formula_), "D");
        sectionChoice_ = new SectionChoice(this, boxes_[2], boxes_[3], field(size));
        connect(sectionChoice_, &SectionChoice::changed, this, &FormulaTab::inputsChanged);
    }
    calculateButton_ = addButton(this, calculateName, icons::calculate(iconSizeFor(kButtonSize)),
                                 QStringLiteral("คำนวณ"), calculateLeft, kButtonTop, kButtonSize, kButtonSize);
    connect(calculateButton_, &QPushButton::clicked, this, [this] { onCalculate(); });
    endButton_ = addButton(this, endName, icons::end(iconSizeFor(kButtonSize)), QStringLiteral("จบการคำนวณ"),
                           kEndLeft, kEndTop, kButtonSize, kEndHeight);
    connect(endButton_, &QPushButton::clicked, this, &FormulaTab::endRequested);

    auto* logo = new ClickablePicture(this);
    logo->setObjectName(qs(logoName));
    logo->setGeometry(twipsRect(kLogoLeft, kLogoTop, kLogoWidth, kLogoHeight));
    logo->setPixmap(icons::logo(logo->size()));
    logo->setToolTip(QStringLiteral("ดลิ๊กเพื่อเข้าสู่ Website"));
    connect(logo, &ClickablePicture::clicked, this, &FormulaTab::logoClicked);
}

void FormulaTab::buildFields(int firstRowTop)
{
    firstRowTop_ = firstRowTop;
    auto* filter = new NumericKeyFilter(this);
    fields_.resize(texts_.fieldLabels.size());
    for (std::size_t row = 0; row < texts_.rows.size(); ++row) {
        const int index = texts_.rows[row];
        const int top = firstRowTop + kRowStep * static_cast<int>(row);
        const calc::NamedText& caption = texts_.fieldLabels.at(static_cast<std::size_t>(index));
        auto* label = new QLabel(qs(caption.text), this);
        label->setObjectName(qs(caption.name));
        label->setGeometry(twipsRect(kCaptionLeft, top, kCaptionWidth, kFieldHeight));

        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromStdString(calc::fieldName(formula_, index)));
        field->setGeometry(twipsRect(kFieldLeft, top, kFieldWidth, kFieldHeight));
        field->setAttribute(Qt::WA_InputMethodEnabled, false);  // every typed key goes through the filter
        field->installEventFilter(filter);
        fields_[static_cast<std::size_t>(index)] = field;
        connect(field, &QLineEdit::textChanged, this, &FormulaTab::inputsChanged);
    }
}

void FormulaTab::writeInitialTexts()
{
    const QString separator = QLocale().decimalPoint();
    for (const auto& [index, text] : texts_.defaults)
        field(index)->setText(qs(text).replace(QLatin1Char('.'), separator));
}

void FormulaTab::buildPileBoxes()
{
    for (std::size_t i = 0; i < texts_.boxes.size(); ++i) {
        auto* box = new QCheckBox(qs(texts_.boxes[i].text), this);
        box->setObjectName(qs(texts_.boxes[i].name));
        box->setGeometry(twipsRect(kBoxLeft[i % 2], kBoxTop[i / 2], kBoxWidth[i % 2], kBoxHeight));
        boxes_.push_back(box);
        connect(box, &QCheckBox::toggled, this, &FormulaTab::inputsChanged);
    }
    makeExclusivePair(boxes_.at(0), boxes_.at(1));
    makeExclusivePair(boxes_.at(2), boxes_.at(3));
}

void FormulaTab::addHint(int fieldIndex, const char* toolTip)
{
    const auto row = std::find(texts_.rows.begin(), texts_.rows.end(), fieldIndex) - texts_.rows.begin();
    auto* hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("Hint") + field(fieldIndex)->objectName());
    const int top = firstRowTop_ + kRowStep * static_cast<int>(row) + (kFieldHeight - kHintSize) / 2;
    hint->setGeometry(twipsRect(kHintLeft, top, kHintSize, kHintSize));
    hint->setPixmap(icons::hint(hint->width()));
    hint->setToolTip(qs(toolTip));
}

QLabel* FormulaTab::addFrameLabel(QWidget* frame, const LabelPlace& place, const QString& text)
{
    QLabel* label = place.height >= kTwoLines ? new WrapLabel(frame) : new QLabel(frame);
    label->setObjectName(qs(place.name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
    label->setText(text);
    return label;
}

QGroupBox* FormulaTab::buildResultsFrame(const char* name, const std::vector<LabelPlace>& results,
                                         const std::vector<LabelPlace>& fixed, const char* printName)
{
    resultsFrame_ = new CaptionFrame(QStringLiteral("ผลการคำนวณ"), this);
    resultsFrame_->setObjectName(qs(name));
    resultsFrame_->setGeometry(twipsRect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));
    for (const LabelPlace& place : results) resultLabels_.push_back(addFrameLabel(resultsFrame_, place, {}));
    // The last two result lines, ten blows and blows per 30 cm, are the criterion.
    for (std::size_t i = resultLabels_.size() - 2; i < resultLabels_.size(); ++i) {
        QPalette palette = resultLabels_[i]->palette();
        palette.setColor(QPalette::WindowText, kCriterionRed);
        resultLabels_[i]->setPalette(palette);
    }
    for (const LabelPlace& place : fixed) addFrameLabel(resultsFrame_, place, qs(calc::fixedCaption(formula_, place.name)));

    printButton_ = addButton(resultsFrame_, printName, icons::print(iconSizeFor(kButtonSize)), QStringLiteral("พิมพ์"),
                             kPrintLeft, kPrintTop, kButtonSize, kButtonSize);
    printButton_->hide();
    connect(printButton_, &QPushButton::clicked, this, &FormulaTab::printRequested);
    resultsFrame_->hide();
    return resultsFrame_;
}

QGroupBox* FormulaTab::buildFormulaPanel(const char* name, const std::vector<LabelPlace>& fixed, const char* closeName,
                                         const char* formulaName)
{
    auto* panel = new CaptionFrame(QStringLiteral("สูตร"), this);
    panel->setObjectName(qs(name));
    panel->setGeometry(twipsRect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));
    for (const LabelPlace& place : fixed) addFrameLabel(panel, place, qs(calc::fixedCaption(formula_, place.name)));
    closeButton_ = addButton(panel, closeName, icons::close(iconSizeFor(kCloseWidth)), QStringLiteral("ปิดหน้านี้"),
                             kCloseLeft, kCloseTop, kCloseWidth, kCloseHeight);
    connect(closeButton_, &QPushButton::clicked, this, [this, panel] {
        panel->hide();
        resultsFrame_->show();
    });
    formulaButton_ = addButton(this, formulaName, icons::formula(iconSizeFor(kButtonSize)), QStringLiteral("สูตร"),
                               kFormulaLeft, kButtonTop, kButtonSize, kButtonSize);
    connect(formulaButton_, &QPushButton::clicked, this, [this, panel] {
        resultsFrame_->hide();
        panel->show();
    });
    panel->hide();
    formulaPanel_ = panel;
    return panel;
}

QPushButton* FormulaTab::addButton(QWidget* parent, const char* name, const QPixmap& icon, const QString& toolTip,
                                   int left, int top, int width, int height)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(qs(name));
    button->setGeometry(twipsRect(left, top, width, height));
    button->setIcon(QIcon(icon));
    button->setIconSize(icon.deviceIndependentSize().toSize());
    button->setToolTip(toolTip);
    button->setAutoDefault(true);  // Enter on a focused button presses it, as Space does
    return button;
}

void FormulaTab::setFocusOrder()
{
    std::vector<QWidget*> order(boxes_.begin(), boxes_.end());
    for (int index : texts_.rows) order.push_back(field(index));
    for (QWidget* button : {calculateButton_, formulaButton_, endButton_, printButton_, closeButton_})
        if (button) order.push_back(button);
    // The section list comes last, leaving the order of boxes, fields and buttons as it was.
    if (sectionChoice_) order.push_back(sectionChoice_->comboBox());
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void FormulaTab::setInputs(const std::vector<std::string>& texts, const calc::PileBoxes& boxes)
{
    // Dropped first, so that the D text given is not replaced by the one the section stood in for.
    if (sectionChoice_) sectionChoice_->setSection(std::nullopt);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(i < texts.size() ? exactText(texts[i]) : QString());
    if (boxes_.size() < 4) return;
    const bool ticked[] = {boxes.reinforced, boxes.prestressed, boxes.square, boxes.round};
    for (std::size_t i = 0; i < 4; ++i) boxes_[i]->setChecked(ticked[i]);
    if (sectionChoice_) sectionChoice_->setSection(boxes.section);
}

void FormulaTab::resetResults()
{
    for (QLabel* label : resultLabels_) label->clear();
    printButton_->hide();
    resultsFrame_->hide();
    if (formulaPanel_) formulaPanel_->hide();
}

std::string FormulaTab::fieldText(int index) const { return field(index)->text().toStdString(); }

calc::PileBoxes FormulaTab::pileBoxes() const
{
    if (boxes_.size() < 4) return {};
    return {boxes_[0]->isChecked(), boxes_[1]->isChecked(), boxes_[2]->isChecked(), boxes_[3]->isChecked(),
            sectionChoice_ ? sectionChoice_->section() : std::nullopt};
}

calc::TabInputs FormulaTab::inputs() const
{
    calc::TabInputs in;
    in.formula = formula_;
    for (std::size_t i = 0; i < fields_.size(); ++i) in.texts.push_back(fieldText(static_cast<int>(i)));
    in.boxes = pileBoxes();
    in.decimalSeparator = decimalSeparator();
    return in;
}

std::string FormulaTab::decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

void FormulaTab::applyOutcome(const std::optional<std::vector<std::string>>& results, bool printable,
                              const std::optional<std::string>& message, std::optional<int> focus)
{
    if (results)
        for (std::size_t i = 0; i < results->size() && i < resultLabels_.size(); ++i)
            resultLabels_[i]->setText(QString::fromStdString((*results)[i]));
    if (printable) printButton_->show();  // never hidden again
    if (message) showCheckMessage(window(), QString::fromStdString(*message));
    if (focus) field(*focus)->setFocus();
}

}  // namespace app
