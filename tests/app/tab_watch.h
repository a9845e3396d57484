#pragma once
// One formula tab of the main window as a random session watches it: its
// controls found by objectName, and what the session expects of them from
// what has happened so far (print button, frames, boxes, result lines, field
// texts). The checks return a description of the first thing that differs,
// or an empty text.
#include <QStringList>
#include <optional>
#include <vector>

#include "calc/pile.h"
#include "calc/tab_texts.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace app {
class FormulaTab;
class MainWindow;
}  // namespace app

namespace random_session {

struct TabWatch {
    TabWatch(app::MainWindow& window, calc::Formula formula);

    calc::Formula formula;
    app::FormulaTab* page = nullptr;
    std::vector<QLineEdit*> fields;        // by index
    std::vector<QLineEdit*> fieldsInRows;  // top to bottom
    std::vector<QLabel*> results;          // result labels, top to bottom
    std::vector<QCheckBox*> boxes;         // RC, prestressed, square, round; none on Engineering News
    QPushButton* calculate = nullptr;
    QPushButton* print = nullptr;
    QPushButton* formulaButton = nullptr;  // Hiley and Janbu only
    QPushButton* close = nullptr;          // Hiley and Janbu only
    QPushButton* end = nullptr;
    QWidget* logo = nullptr;
    QWidget* resultsFrame = nullptr;
    QWidget* panel = nullptr;              // Hiley and Janbu only
    int dropField = 0;                     // the drop-height field's index

    // Expected state.
    bool everOk = false;  // a calculation has ended with S >= 0: the print button shows
    bool resultsShown = false;
    bool panelShown = false;
    QStringList resultTexts;
    QStringList fieldTexts;
    std::vector<bool> checked;
    std::optional<calc::PileSection> section;  // chosen in the tab's section list

    QStringList currentResults() const;
    QStringList currentFields() const;
    std::vector<bool> currentChecks() const;
    std::optional<calc::PileSection> currentSection() const;
    // Every label, field, box and frame of the tab, for "nothing changed".
    QStringList screen() const;
    // An empty field (D aside while a section is in use), or a pair with no
    // box checked (the section counting for square and round).
    bool incompleteInput() const;

    QString checkPairs() const;  // both boxes of a pair checked
    QString checkButtonsAndFrames() const;
    QString checkResults() const;
    QString checkBoxes() const;
    QString checkFields() const;
    QString name() const;
};

}  // namespace random_session
