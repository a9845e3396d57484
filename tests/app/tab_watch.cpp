#include "tab_watch.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/formula_tab.h"
#include "app/section_choice.h"
#include "calc/formula_names.h"
#include "app/main_window.h"

namespace random_session {

namespace {

struct Names {
    const char* calculate;
    const char* end;
    const char* logo;
    const char* print;
    const char* resultsFrame;
    const char* formula;  // nullptr: the tab has no formula panel
    const char* close;
    const char* panel;
    int dropField;
};

Names namesOf(calc::Formula formula)
{
    switch (formula) {
    case calc::Formula::EngineeringNews: return {"Command8", "Command2", "Image1", "Command6", "Frame3", nullptr, nullptr, nullptr, 2};
    case calc::Formula::Hiley: return {"Command5", "Command1", "Image6", "Command3", "Frame1", "Command4", "Command7", "Frame2", 3};
    case calc::Formula::Danish: return {"Command11", "Command9", "Image9", "Command12", "Frame4", nullptr, nullptr, nullptr, 4};
    case calc::Formula::Janbu: return {"Command10", "Command13", "Image12", "Command14", "Frame5", "Command15", "Command16", "Frame6", 4};
    }
    return {};
}

template <typename T = QWidget>
T* named(const QWidget* root, const char* name)
{
    if (!name) return nullptr;
    T* found = root->findChild<T*>(QString::fromUtf8(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

QString joined(const QStringList& texts) { return QLatin1Char('[') + texts.join(QStringLiteral("] [")) + QLatin1Char(']'); }

}  // namespace

TabWatch::TabWatch(app::MainWindow& window, calc::Formula formula_) : formula(formula_), page(window.page(formula_))
{
    const calc::TabTexts& texts = calc::tabTexts(formula);
    for (std::size_t i = 0; i < texts.fieldLabels.size(); ++i)
        fields.push_back(named<QLineEdit>(page, calc::fieldName(formula, static_cast<int>(i)).c_str()));
    for (int index : texts.rows) fieldsInRows.push_back(fields.at(static_cast<std::size_t>(index)));
    for (const char* label : texts.resultLabels) results.push_back(named<QLabel>(page, label));
    for (const calc::NamedText& box : texts.boxes) boxes.push_back(named<QCheckBox>(page, box.name));
    const Names names = namesOf(formula);
    calculate = named<QPushButton>(page, names.calculate);
    print = named<QPushButton>(page, names.print);
    formulaButton = named<QPushButton>(page, names.formula);
    close = named<QPushButton>(page, names.close);
    end = named<QPushButton>(page, names.end);
    logo = named(page, names.logo);
    resultsFrame = named<QGroupBox>(page, names.resultsFrame);
    panel = named<QGroupBox>(page, names.panel);
    dropField = names.dropField;

    resultTexts = currentResults();
    fieldTexts = currentFields();
    checked = currentChecks();
    section = currentSection();
}

std::optional<calc::PileSection> TabWatch::currentSection() const
{
    return page->sectionChoice() ? page->sectionChoice()->section() : std::nullopt;
}

QString TabWatch::name() const { return QString::fromUtf8(calc::tabTexts(formula).caption); }

QStringList TabWatch::currentResults() const
{
    QStringList texts;
    for (const QLabel* label : results) texts << label->text();
    return texts;
}

QStringList TabWatch::currentFields() const
{
    QStringList texts;
    for (const QLineEdit* field : fields) texts << field->text();
    return texts;
}

std::vector<bool> TabWatch::currentChecks() const
{
    std::vector<bool> states;
    for (const QCheckBox* box : boxes) states.push_back(box->isChecked());
    return states;
}

QStringList TabWatch::screen() const
{
    QStringList shown;
    for (const QLabel* label : page->findChildren<QLabel*>()) shown << label->objectName() + QLatin1Char('=') + label->text();
    for (const QLineEdit* field : page->findChildren<QLineEdit*>()) shown << field->objectName() + QLatin1Char('=') + field->text();
    for (const QCheckBox* box : page->findChildren<QCheckBox*>()) shown << box->objectName() + (box->isChecked() ? "+" : "-");
    for (const QGroupBox* frame : page->findChildren<QGroupBox*>()) shown << frame->objectName() + (frame->isHidden() ? "-" : "+");
    shown << print->objectName() + (print->isHidden() ? "-" : "+");
    return shown;
}

bool TabWatch::incompleteInput() const
{
    const bool sectionInUse = currentSection().has_value();
    const QLineEdit* size = sectionInUse ? fields.at(static_cast<std::size_t>(
                                               *calc::fieldIndex(calc::formulaInfo(formula), "D")))
                                         : nullptr;
    for (const QLineEdit* field : fields)
        if (field->text().isEmpty() && field != size) return true;
    for (std::size_t pair = 0; pair + 1 < boxes.size(); pair += 2)
        if (!boxes[pair]->isChecked() && !boxes[pair + 1]->isChecked() && !(pair == 2 && sectionInUse)) return true;
    return false;
}

QString TabWatch::checkPairs() const
{
    for (std::size_t pair = 0; pair + 1 < boxes.size(); pair += 2)
        if (boxes[pair]->isChecked() && boxes[pair + 1]->isChecked())
            return QStringLiteral("%1 and %2 are both checked").arg(boxes[pair]->objectName(), boxes[pair + 1]->objectName());
    return {};
}

QString TabWatch::checkButtonsAndFrames() const
{
    if (print->isHidden() == everOk)
        return everOk ? QStringLiteral("%1 hidden after a calculation had shown it").arg(print->objectName())
                      : QStringLiteral("%1 shown though no calculation has ended with S >= 0").arg(print->objectName());
    if (resultsFrame->isHidden() == resultsShown)
        return QStringLiteral("%1 is %2").arg(resultsFrame->objectName(), resultsShown ? "hidden" : "shown");
    if (panel && panel->isHidden() == panelShown)
        return QStringLiteral("%1 is %2").arg(panel->objectName(), panelShown ? "hidden" : "shown");
    return {};
}

QString TabWatch::checkResults() const
{
    const QStringList now = currentResults();
    if (now != resultTexts)
        return QStringLiteral("result lines changed without a calculation: %1 became %2").arg(joined(resultTexts), joined(now));
    return {};
}

QString TabWatch::checkBoxes() const
{
    if (currentChecks() != checked) return QStringLiteral("a check box changed without a click on it");
    return {};
}

QString TabWatch::checkFields() const
{
    const QStringList now = currentFields();
    for (qsizetype i = 0; i < now.size(); ++i)
        if (now[i] != fieldTexts[i])
            return QStringLiteral("%1 changed without typing or pasting").arg(fields[static_cast<std::size_t>(i)]->objectName());
    return {};
}

}  // namespace random_session
