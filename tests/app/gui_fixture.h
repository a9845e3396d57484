#pragma once
// Shared pieces of the window tests: a main that runs headless with a pinned
// locale and the interface font, recorders that answer message boxes and the
// other modal dialogs (the printer dialogs) as a user would (and close, and
// report, any that nobody expected), and finders by objectName.
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "app/chart_loader.h"
#include "app/chart_windows.h"
#include "app/interface_font.h"
#include "app/main_window.h"

Q_DECLARE_METATYPE(calc::Formula)

namespace testing_gui {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QStringList visibleFrames;  // frames of the current tab visible while the box was up
    bool expected = true;
};

// Watches for modal boxes while it lives and answers each with the next
// queued button; a box with no answer queued is recorded as unexpected and
// closed, so that a test fails instead of hanging.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(app::MainWindow* window = nullptr);
    void answerNext(QMessageBox::StandardButton button) { answers_.push_back(button); }
    const std::vector<SeenBox>& seen() const { return seen_; }
    bool sawUnexpected() const;

private:
    void poll();

    QPointer<app::MainWindow> window_;
    std::deque<QMessageBox::StandardButton> answers_;
    std::vector<SeenBox> seen_;
    QTimer timer_;
};

// Watches for modal dialogs other than message boxes while it lives and hands
// each to the next queued answer, which accepts or rejects it; a dialog with
// no answer queued is recorded as unexpected and rejected.
class DialogAnswerer : public QObject {
public:
    using Answer = std::function<void(QDialog&)>;
    DialogAnswerer();
    void answerNext(Answer answer) { answers_.push_back(std::move(answer)); }
    // The window titles of the dialogs seen, in order.
    const QStringList& titles() const { return titles_; }
    bool sawUnexpected() const { return unexpected_; }

private:
    void poll();

    std::deque<Answer> answers_;
    QStringList titles_;
    QPointer<QDialog> answered_;
    bool unexpected_ = false;
    QTimer timer_;
};

// A shown, active main window that deletes itself.
std::unique_ptr<app::MainWindow> openMainWindow();

template <typename T = QWidget>
T* find(const QWidget* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found) qFatal("no control named %s", qPrintable(name));
    return found;
}

// The objectName of the control that has (or, once the window is active
// again after a message box, will have) the keyboard focus.
inline QString focusedName(const QWidget* window)
{
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
}

// Types `keys` into the field as key clicks, so that the key filter sees them.
void typeInto(QWidget* field, const QString& keys);

// Shows the formula's tab, types `texts` into its fields by index (replacing
// what they held) and ticks the named boxes.
void fillTab(app::MainWindow* window, calc::Formula formula, const QStringList& texts, const QStringList& boxes);

// Clicks the tab's Calculate button.
void calculate(app::MainWindow* window, calc::Formula formula);

// A run of n blanks.
inline QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

// Pins the locale the tests read and write numbers in.
void useLocale(const QLocale& locale);

}  // namespace testing_gui

// Runs the test class headless (unless a platform is chosen), in the US
// English locale and with the program's interface font.
#define BLOWCOUNT_GUI_TEST_MAIN(TestClass)                                       \
    int main(int argc, char* argv[])                                             \
    {                                                                            \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                      \
            qputenv("QT_QPA_PLATFORM", "offscreen");                             \
        QApplication application(argc, argv);                                    \
        testing_gui::useLocale(QLocale(QLocale::English, QLocale::UnitedStates)); \
        app::useInterfaceFont();                                                 \
        app::useChartModule(&app::chartWindows());                               \
        TestClass test;                                                          \
        return QTest::qExec(&test, argc, argv);                                  \
    }
