#pragma once
// The common furniture of a formula tab, built from the tab's fixed texts:
// the field column with its caption labels, the two check-box pairs, the hint
// icons, the square picture buttons, the results frame and the logo. A
// subclass places its frames' labels and runs its calculator; the outcome is
// applied here (labels, message box, focus, print button).
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/outcome.h"
#include "calc/pile.h"
#include "calc/tab_calculation.h"
#include "calc/tab_texts.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class SectionChoice;

// A label's place inside a frame, in twips; the caption comes from the tab texts.
struct LabelPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;  // 495 makes a two-line label
};

class FormulaTab : public QWidget {
    Q_OBJECT
public:
    calc::Formula formula() const { return formula_; }
    QLineEdit* field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    QPushButton* calculateButton() const { return calculateButton_; }
    QPushButton* printButton() const { return printButton_; }
    QGroupBox* resultsFrame() const { return resultsFrame_; }
    // The section choice of a pile tab; nullptr on the Engineering News tab.
    SectionChoice* sectionChoice() const { return sectionChoice_; }

    // The initial field texts; a decimal is written with the locale's separator.
    void writeInitialTexts();

    // The field texts as they stand, the boxes and the locale's separator:
    // what a click on Calculate would read now.
    calc::TabInputs inputs() const;
    calc::PileBoxes pileBoxes() const;

    // Puts the texts (by field index; missing ones empty) into the fields and
    // ticks the boxes as given, clearing the others; chooses the section or none.
    void setInputs(const std::vector<std::string>& texts, const calc::PileBoxes& boxes);
    // Back to the look of a fresh start: the results frame and the formula
    // panel hidden, their result lines empty, the print button hidden. (The
    // tab state is the main window's to reset.)
    void resetResults();

signals:
    // A field's text changed (typed, pasted or set) or a box was ticked or cleared.
    void inputsChanged();
    void printRequested();
    void endRequested();
    void logoClicked();

protected:
    FormulaTab(calc::Formula formula, QWidget* parent);

    // A click on Calculate: show the frame, run the calculator, apply().
    virtual void onCalculate() = 0;

    // Builds the controls every tab has; `firstRowTop` is the top of the
    // field column's first row, `calculateLeft` the Calculate button's left.
    void buildCommon(int firstRowTop, int calculateLeft, const char* calculateName, const char* endName,
                     const char* logoName);
    void buildPileBoxes();
    void addHint(int fieldIndex, const char* toolTip);
    QGroupBox* buildResultsFrame(const char* name, const std::vector<LabelPlace>& results,
                                 const std::vector<LabelPlace>& fixed, const char* printName);
    // The formula panel in the results frame's place, its close button and
    // the tab's Formula button, which swap the two.
    QGroupBox* buildFormulaPanel(const char* name, const std::vector<LabelPlace>& fixed, const char* closeName,
                                 const char* formulaName);
    // Focus order: boxes, fields top to bottom, Calculate, then the other buttons.
    void setFocusOrder();

    template <std::size_t N>
    std::array<std::string, N> fieldTexts() const
    {
        std::array<std::string, N> texts;
        for (std::size_t i = 0; i < N; ++i) texts[i] = fieldText(static_cast<int>(i));
        return texts;
    }
    static std::string decimalSeparator();

    template <typename State>
    void apply(const calc::Outcome<State>& outcome, State& state)
    {
        state = outcome.state;
        applyOutcome(outcome.results, outcome.printable, outcome.message, outcome.focus);
    }

private:
    QPushButton* addButton(QWidget* parent, const char* name, const QPixmap& icon, const QString& toolTip,
                           int left, int top, int width, int height);
    std::string fieldText(int index) const;
    void applyOutcome(const std::optional<std::vector<std::string>>& results, bool printable,
                      const std::optional<std::string>& message, std::optional<int> focus);
    QLabel* addFrameLabel(QWidget* frame, const LabelPlace& place, const QString& text);
    void buildFields(int firstRowTop);

    const calc::TabTexts& texts_;
    calc::Formula formula_;
    int firstRowTop_ = 0;
    std::vector<QLineEdit*> fields_;
    std::vector<QCheckBox*> boxes_;  // RC, prestressed, square, round
    SectionChoice* sectionChoice_ = nullptr;
    std::vector<QLabel*> resultLabels_;
    QGroupBox* resultsFrame_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* endButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* formulaButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QGroupBox* formulaPanel_ = nullptr;
};

}  // namespace app
