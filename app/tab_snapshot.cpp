#include "app/tab_snapshot.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "app/formula_tab.h"

namespace app {

report::TabSnapshot snapshotOf(const FormulaTab& page, float S)
{
    report::TabSnapshot tab;
    tab.formula = page.formula();
    tab.S = S;
    tab.decimalSeparator = QLocale().decimalPoint().toStdString();
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (!label->objectName().isEmpty()) tab.texts[label->objectName().toStdString()] = label->text().toStdString();
    for (const QLineEdit* field : page.findChildren<QLineEdit*>())
        if (!field->objectName().isEmpty()) tab.texts[field->objectName().toStdString()] = field->text().toStdString();
    for (const QCheckBox* box : page.findChildren<QCheckBox*>())
        if (!box->objectName().isEmpty()) tab.checks[box->objectName().toStdString()] = box->isChecked();
    tab.section = page.pileBoxes().section;
    return tab;
}

}  // namespace app
