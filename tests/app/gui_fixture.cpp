#include "gui_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QGroupBox>
#include <QTabWidget>

#include "app/formula_tab.h"

namespace testing_gui {

BoxAnswerer::BoxAnswerer(app::MainWindow* window) : window_(window)
{
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::poll);
    timer_.start();
}

bool BoxAnswerer::sawUnexpected() const
{
    return std::any_of(seen_.begin(), seen_.end(), [](const SeenBox& box) { return !box.expected; });
}

void BoxAnswerer::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    SeenBox record{box->windowTitle(), box->text(), box->icon(), box->standardButtons(), {}, !answers_.empty()};
    if (window_) {
        for (auto* frame : window_->tabs()->currentWidget()->findChildren<QGroupBox*>())
            if (frame->isVisible()) record.visibleFrames << frame->objectName();
    }
    seen_.push_back(record);
    if (answers_.empty()) {
        box->reject();
        return;
    }
    QAbstractButton* button = box->button(answers_.front());
    answers_.pop_front();
    if (button) button->click();
    else box->reject();
}

DialogAnswerer::DialogAnswerer()
{
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &DialogAnswerer::poll);
    timer_.start();
}

void DialogAnswerer::poll()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || qobject_cast<QMessageBox*>(dialog) || !dialog->isVisible() || dialog == answered_) return;
    answered_ = dialog;
    titles_ << dialog->windowTitle();
    if (answers_.empty()) {
        unexpected_ = true;
        dialog->reject();
        return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(*dialog);
}

std::unique_ptr<app::MainWindow> openMainWindow()
{
    auto window = std::make_unique<app::MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("main window did not become active");
    return window;
}

void typeInto(QWidget* field, const QString& keys)
{
    for (QChar c : keys) {
        if (c.unicode() < 0x80) QTest::keyClick(field, static_cast<char>(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void fillTab(app::MainWindow* window, calc::Formula formula, const QStringList& texts, const QStringList& boxes)
{
    app::FormulaTab* page = window->page(formula);
    window->tabs()->setCurrentWidget(page);
    for (int i = 0; i < texts.size(); ++i) {
        page->field(i)->clear();
        typeInto(page->field(i), texts[i]);
    }
    for (const QString& name : boxes) {
        auto* box = find<QCheckBox>(page, name);
        if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton);
    }
}

void calculate(app::MainWindow* window, calc::Formula formula)
{
    window->tabs()->setCurrentWidget(window->page(formula));
    QTest::mouseClick(window->page(formula)->calculateButton(), Qt::LeftButton);
}

void useLocale(const QLocale& locale)
{
    QLocale::setDefault(locale);
}

}  // namespace testing_gui
