// The actions of a random session (random_session.h), each as a user makes
// it: with the mouse or the keyboard, on the tab that is showing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "app/formula_tab.h"
#include "app/main_window.h"
#include "random_session.h"
#include "tests/report/sample_tabs.h"

namespace random_session {

namespace {

QChar decimalSeparator() { return QLocale().decimalPoint().front(); }

bool digitsAndFullStopsOnly(const QString& text)
{
    for (QChar c : text)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))) return false;
    return true;
}

// True when the key filter must keep `text` out of a field: a character
// other than a digit, the full stop and the locale's decimal separator.
bool refusedByFilter(const QString& text)
{
    const QString separator = QLocale().decimalPoint();
    for (QChar c : text)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || separator == QString(c)))
            return true;
    return false;
}

bool printable(const QString& text)
{
    for (char32_t c : text.toUcs4())
        if (!QChar::isPrint(c)) return false;
    return true;
}

QString nameOf(const QWidget* widget)
{
    if (!widget) return QStringLiteral("nothing");
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
}

enum Action {
    TypeKey, TypeBurst, FocusField, Paste, TypeNumber, FillTab, ClickBox, Calculate, FormulaOrClose, Print, SwitchTab,
    End, CtrlP, CtrlC, MenuCommand, WebLink, ClickAnywhere, ContextMenu, OtherWindow,
};

const char* const kActionNames[] = {
    "key", "keys", "focus", "paste", "number", "fill", "box", "calculate", "formula/close", "print", "tab",
    "end", "Ctrl+P", "Ctrl+C", "menu", "web", "click", "context menu", "other window",
};

const std::vector<int> kWeights = {28, 6, 8, 9, 7, 8, 7, 9, 3, 4, 4, 2, 1, 1, 1, 1, 2, 2, 40};

}  // namespace

void RandomSession::act()
{
    const int action = random_.weighted(kWeights);
    ++figures_.byAction[QString::fromLatin1(kActionNames[action])];
    editing_ = false;
    QString problem;
    switch (static_cast<Action>(action)) {
    case TypeKey: problem = typeKeys(1); break;
    case TypeBurst: problem = typeKeys(random_.between(2, 12)); break;
    case FocusField: problem = focusField(); break;
    case Paste: problem = paste(); break;
    case TypeNumber: problem = typeNumber(); break;
    case FillTab: problem = fillTab(); break;
    case ClickBox: problem = clickBox(); break;
    case Calculate: problem = pressCalculate(); break;
    case FormulaOrClose: problem = pressFormulaOrClose(); break;
    case Print: problem = pressPrint(); break;
    case SwitchTab: problem = switchTab(); break;
    case End: problem = pressEnd(); break;
    case CtrlP: problem = shortcut(Qt::Key_P); break;
    case CtrlC: problem = shortcut(Qt::Key_C); break;
    case MenuCommand: problem = menuCommand(); break;
    case WebLink: problem = webLink(); break;
    case ClickAnywhere: problem = clickAnywhere(); break;
    case ContextMenu: problem = contextMenu(); break;
    case OtherWindow: problem = actInWindow(); break;
    }
    if (!problem.isEmpty()) fault(problem);
    if (QString after = checkAfterAction(editing_); !after.isEmpty()) fault(after);
}

void RandomSession::begin(const QString& what)
{
    log_.begin(index_, QStringLiteral("[%1 %2] %3").arg(window_->objectName(), current().name(), what));
}

QWidget* RandomSession::keyTarget() const
{
    QWidget* focus = window_->focusWidget();
    return focus && focus->isVisible() ? focus : window_.get();
}

void RandomSession::clickField(QLineEdit* field)
{
    const QPoint at(random_.below(field->width()), field->height() / 2);
    if (random_.percent(90)) QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, at);
    else QTest::mouseDClick(field, Qt::LeftButton, Qt::NoModifier, at);  // selects a word
}

void RandomSession::press(QPushButton* button)
{
    switch (random_.weighted({70, 15, 15})) {
    case 0: QTest::mouseClick(button, Qt::LeftButton); break;
    case 1:
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        break;
    default:
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        break;
    }
}

QString RandomSession::typeKey(QWidget* target, const TypedKey& key)
{
    auto* field = qobject_cast<QLineEdit*>(target);
    const TabWatch* tab = nullptr;
    for (const TabWatch& w : tabs_)
        if (field && std::find(w.fields.begin(), w.fields.end(), field) != w.fields.end()) tab = &w;
    const QString before = field ? field->text() : QString();
    if (field) editing_ = true;  // keys may edit, undo, cut or paste

    if (key.named || key.isCtrlLetter()) QTest::keyClick(target, key.key, key.modifiers);
    else QTest::sendKeyEvent(QTest::Click, target, key.key, key.text, key.modifiers);
    ++figures_.keysTyped;

    if (!tab || !window_->isVisible()) return {};
    if (key.typesCharacters() && refusedByFilter(key.text) && field->text() != before)
        return QStringLiteral("the key %1 in %2 changed its text from \"%3\" to \"%4\"")
            .arg(key.describe(), field->objectName(), shown(before), shown(field->text()));
    if (key.isEnter()) {
        if (field->text() != before) return QStringLiteral("Enter changed the text of %1").arg(field->objectName());
        const auto row = std::find(tab->fieldsInRows.begin(), tab->fieldsInRows.end(), field) - tab->fieldsInRows.begin();
        const QWidget* next = static_cast<std::size_t>(row + 1) < tab->fieldsInRows.size()
                                  ? tab->fieldsInRows[static_cast<std::size_t>(row + 1)]
                                  : static_cast<QWidget*>(tab->calculate);
        if (window_->focusWidget() != next)
            return QStringLiteral("Enter in %1 moved the focus to %2, not %3")
                .arg(field->objectName(), nameOf(window_->focusWidget()), nameOf(next));
    }
    return {};
}

QString RandomSession::typeKeys(int count)
{
    std::vector<TypedKey> keys;
    QStringList described;
    for (int i = 0; i < count; ++i) {
        keys.push_back(randomKey(random_));
        described << keys.back().describe();
    }
    begin(QStringLiteral("type %1 into %2").arg(described.join(QLatin1Char(' ')), nameOf(keyTarget())));
    for (const TypedKey& key : keys) {
        // Keys typed into a section list may choose a section (Down, a
        // letter) or open the list (Space, F4).
        if (qobject_cast<QComboBox*>(keyTarget())) sectionListClicked_ = true;
        if (QString problem = typeKey(keyTarget(), key); !problem.isEmpty()) return problem;
        if (!window_->isVisible()) break;  // Ctrl+C answered Yes
        QWidget* popup = QApplication::activePopupWidget();
        if (auto* list = popup && popup->inherits("QComboBoxPrivateContainer") ? popup->findChild<QAbstractItemView*>() : nullptr) {
            const bool choose = random_.percent(50);
            log_.note(choose ? QStringLiteral("the list opened: the row under the cursor chosen with Enter")
                             : QStringLiteral("the list opened: closed with Esc"));
            QTest::keyClick(list, choose ? Qt::Key_Return : Qt::Key_Escape);
        }
    }
    return {};
}

QString RandomSession::focusField()
{
    TabWatch& w = current();
    QLineEdit* field = w.fields[static_cast<std::size_t>(random_.below(static_cast<int>(w.fields.size())))];
    if (random_.percent(70)) {
        begin(QStringLiteral("click into ") + field->objectName());
        clickField(field);
        if (window_->focusWidget() != field)
            return QStringLiteral("a click into %1 left the focus on %2").arg(field->objectName(), nameOf(window_->focusWidget()));
        return {};
    }
    const bool back = random_.percent(30);
    begin(QStringLiteral("%1 from %2").arg(back ? "Shift+Tab" : "Tab", nameOf(keyTarget())));
    QTest::keyClick(keyTarget(), back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    return {};
}

QString RandomSession::paste()
{
    TabWatch& w = current();
    QLineEdit* field = w.fields[static_cast<std::size_t>(random_.below(static_cast<int>(w.fields.size())))];
    const QString text = randomPaste(random_, decimalSeparator());
    const int where = random_.below(10);
    const bool shiftInsert = random_.percent(15);
    begin(QStringLiteral("paste \"%1\" into %2%3%4")
              .arg(shown(text), field->objectName(), where < 5 ? QStringLiteral(" over all of it") : QString(),
                   shiftInsert ? QStringLiteral(" with Shift+Insert") : QString()));
    clickField(field);
    if (where < 5) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    else if (where < 7) QTest::keyClick(field, Qt::Key_End);
    const bool replacesAll = field->selectedText() == field->text();
    ++figures_.pastes;
    editing_ = true;
    if (clipboardWorks_) {
        QGuiApplication::clipboard()->setText(text);
        if (shiftInsert) QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        else QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        field->insert(text);
    }
    // D stands read-only while a section is in use.
    if (replacesAll && !field->isReadOnly() && !text.isEmpty() && printable(text) && text.size() <= field->maxLength() && field->text() != text)
        return QStringLiteral("pasting \"%1\" over the whole of %2 gave \"%3\"").arg(shown(text), field->objectName(), shown(field->text()));
    return {};
}

QString RandomSession::typeNumber()
{
    TabWatch& w = current();
    QLineEdit* field = w.fields[static_cast<std::size_t>(random_.below(static_cast<int>(w.fields.size())))];
    const QString number = plausibleNumber(random_, decimalSeparator());
    begin(QStringLiteral("type the number %1 over %2").arg(number, field->objectName()));
    editing_ = true;
    clickField(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : number)
        if (QString problem = typeKey(field, characterKey(c)); !problem.isEmpty()) return problem;
    if (digitsAndFullStopsOnly(number) && !field->isReadOnly() && field->text() != number)
        return QStringLiteral("typing %1 over %2 gave \"%3\"").arg(number, field->objectName(), shown(field->text()));
    return {};
}

QString RandomSession::fillTab()
{
    TabWatch& w = current();
    const report::TabSnapshot sample = report::samples::ofFormula(w.formula);
    const QChar separator = decimalSeparator();
    QStringList values;
    for (std::size_t i = 0; i < w.fields.size(); ++i) {
        QString value = QString::fromStdString(sample.text(calc::fieldName(w.formula, static_cast<int>(i))));
        switch (random_.weighted({45, 35, 15, 5})) {
        case 0: break;
        case 1: {
            static const std::vector<double> factors = {0.1, 0.5, 0.8, 1.25, 1.5, 2, 3, 10};
            value = QString::number(value.toDouble() * random_.pick(factors), 'f', random_.below(3));
            break;
        }
        case 2: value = plausibleNumber(random_, QLatin1Char('.')); break;
        default: value.clear(); break;
        }
        values << value.replace(QLatin1Char('.'), separator);
    }
    // Each pair: one box of the two (mostly), or the checked one unchecked, or left.
    std::vector<int> pairChoices;
    for (std::size_t pair = 0; pair + 1 < w.boxes.size(); pair += 2) pairChoices.push_back(random_.weighted({42, 42, 8, 8}));
    const bool calculate = random_.percent(75);
    begin(QStringLiteral("fill in %1%2").arg(values.join(QStringLiteral(" | ")), calculate ? " and calculate" : ""));
    editing_ = true;

    for (std::size_t i = 0; i < w.fields.size(); ++i) {
        QLineEdit* field = w.fields[i];
        clickField(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (values[static_cast<qsizetype>(i)].isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
        for (QChar c : values[static_cast<qsizetype>(i)])
            if (QString problem = typeKey(field, characterKey(c)); !problem.isEmpty()) return problem;
    }
    for (std::size_t pair = 0; pair < pairChoices.size(); ++pair) {
        QCheckBox* first = w.boxes[2 * pair];
        QCheckBox* second = w.boxes[2 * pair + 1];
        QCheckBox* target = nullptr;
        switch (pairChoices[pair]) {
        case 0: target = first->isChecked() ? nullptr : first; break;
        case 1: target = second->isChecked() ? nullptr : second; break;
        case 2: target = first->isChecked() ? first : second->isChecked() ? second : nullptr; break;
        default: break;
        }
        if (target) QTest::mouseClick(target, Qt::LeftButton);
    }
    if (calculate) press(w.calculate);
    return {};
}

QString RandomSession::clickBox()
{
    TabWatch& w = current();
    if (w.boxes.empty()) return typeKeys(1);
    QCheckBox* box = w.boxes[static_cast<std::size_t>(random_.below(static_cast<int>(w.boxes.size())))];
    const bool space = random_.percent(25);
    begin(QStringLiteral("%1 %2 (%3)").arg(space ? "Space on" : "click", box->objectName(), box->isChecked() ? "checked" : "unchecked"));
    if (space) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    } else {
        QTest::mouseClick(box, Qt::LeftButton);
    }
    return {};
}

QString RandomSession::pressCalculate()
{
    TabWatch& w = current();
    begin(QStringLiteral("Calculate ") + w.calculate->objectName());
    press(w.calculate);
    return {};
}

QString RandomSession::pressFormulaOrClose()
{
    TabWatch& w = current();
    if (!w.formulaButton) return pressCalculate();
    QPushButton* button = w.close->isVisible() && random_.percent(60) ? w.close : w.formulaButton;
    begin(QStringLiteral("%1 %2").arg(button == w.close ? "Close" : "Formula", button->objectName()));
    press(button);
    return {};
}

QString RandomSession::pressPrint()
{
    TabWatch& w = current();
    if (!w.print->isVisible()) {
        if (w.close && w.close->isVisible()) return pressFormulaOrClose();
        return fillTab();
    }
    begin(QStringLiteral("Print ") + w.print->objectName());
    press(w.print);
    return {};
}

QString RandomSession::switchTab()
{
    QTabWidget* tabs = window_->tabs();
    if (random_.percent(70)) {
        const int to = (tabs->currentIndex() + random_.between(1, tabs->count() - 1)) % tabs->count();
        begin(QStringLiteral("click the tab \"%1\"").arg(tabs->tabText(to)));
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(to).center());
        if (tabs->currentIndex() != to) return QStringLiteral("a click on the tab \"%1\" did not show it").arg(tabs->tabText(to));
        return {};
    }
    static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_Tab, Qt::ControlModifier},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_PageDown, Qt::ControlModifier},
        {Qt::Key_PageUp, Qt::ControlModifier},
    };
    const auto& [key, modifiers] = random_.pick(keys);
    begin(QStringLiteral("%1 on %2").arg(QKeySequence(key | modifiers).toString(), nameOf(keyTarget())));
    QTest::keyClick(keyTarget(), key, modifiers);
    return {};
}

QString RandomSession::pressEnd()
{
    TabWatch& w = current();
    begin(QStringLiteral("End ") + w.end->objectName());
    press(w.end);
    return {};
}

QString RandomSession::shortcut(Qt::Key key)
{
    begin(QStringLiteral("%1 on %2").arg(QKeySequence(key | Qt::ControlModifier).toString(), nameOf(keyTarget())));
    QTest::keyClick(keyTarget(), key, Qt::ControlModifier);
    return {};
}

QString RandomSession::menuCommand()
{
    const app::MenuActions& menu = window_->menuActions();
    QAction* action = random_.percent(50) ? menu.exitme : menu.setprint;
    begin(QStringLiteral("menu ") + action->objectName());
    action->trigger();
    return {};
}

QString RandomSession::webLink()
{
    const app::MenuActions& menu = window_->menuActions();
    if (random_.percent(50)) {
        QWidget* logo = current().logo;
        begin(QStringLiteral("click the logo ") + logo->objectName());
        QTest::mouseClick(logo, Qt::LeftButton);
        return {};
    }
    const std::vector<QAction*> links = {menu.quelmara, menu.club, menu.crose, menu.shop, menu.download, menu.educate};
    QAction* link = random_.pick(links);
    begin(QStringLiteral("menu ") + link->objectName());
    link->trigger();
    return {};
}

QString RandomSession::clickAnywhere()
{
    app::FormulaTab* page = current().page;
    const QPoint at(random_.below(page->width()), random_.below(page->height()));
    QWidget* target = page->childAt(at);
    if (!target) target = page;
    begin(QStringLiteral("click at (%1, %2) on %3").arg(at.x()).arg(at.y()).arg(nameOf(target)));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(page, at));
    // The section list opened: a section chosen a few rows down, or the list closed.
    auto* combo = qobject_cast<QComboBox*>(target);
    sectionListClicked_ = combo != nullptr;
    if (combo && QApplication::activePopupWidget()) {
        const int down = random_.percent(50) ? random_.below(20) + 1 : 0;
        log_.note(down ? QStringLiteral("%1 rows down in the list, Enter").arg(down) : QStringLiteral("the list closed"));
        for (int i = 0; i < down; ++i) QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), down ? Qt::Key_Return : Qt::Key_Escape);
    }
    return {};
}

// The field's own menu (Undo, Redo, Cut, Copy, Paste, Delete, Select All):
// an item chosen, or the menu closed.
QString RandomSession::contextMenu()
{
    TabWatch& w = current();
    QLineEdit* field = w.fields[static_cast<std::size_t>(random_.below(static_cast<int>(w.fields.size())))];
    const QString text = randomPaste(random_, decimalSeparator());
    const QPoint at(random_.below(field->width()), field->height() / 2);
    editing_ = true;
    clickField(field);
    if (clipboardWorks_) QGuiApplication::clipboard()->setText(text);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        begin(QStringLiteral("right click on %1").arg(field->objectName()));
        return QStringLiteral("a right click on %1 brought up no menu").arg(field->objectName());
    }
    std::vector<QAction*> items;
    for (QAction* item : menu->actions())
        if (item->isEnabled() && !item->isSeparator() && !item->menu()) items.push_back(item);
    QAction* chosen = items.empty() || random_.percent(20) ? nullptr : random_.pick(items);
    begin(QStringLiteral("right click on %1, then %2%3")
              .arg(field->objectName(), chosen ? chosen->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0) : QStringLiteral("Esc"),
                   clipboardWorks_ ? QStringLiteral(" (clipboard \"%1\")").arg(shown(text)) : QString()));
    if (chosen) {
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    } else {
        QTest::keyClick(menu, Qt::Key_Escape);
    }
    if (menu == QApplication::activePopupWidget() && menu->isVisible()) return QStringLiteral("the field's menu stayed open");
    return {};
}

}  // namespace random_session
