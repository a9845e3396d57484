#pragma once
// A long random session on the real main window: thousands of actions chosen
// from a seed (typed keys of every kind, pasted texts, check-box clicks,
// Calculate, Formula, Close, Print, tab switches, the end buttons, the menu's
// shortcuts and commands, the web links, clicks anywhere), the modal windows
// answered at random, and after every action (and inside every calculation and
// report) the checks of the window's behaviour. The first fault ends the
// session with a description, the seed and the last actions.
#include <QLocale>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "action_log.h"
#include "app/file_dialogs.h"
#include "app/web_page.h"
#include "modal_answerer.h"
#include "random_texts.h"
#include "report/page.h"
#include "session_random.h"
#include "tab_watch.h"
#include "window_actor.h"

class QLineEdit;
class QPushButton;

namespace app {
class MainWindow;
}

namespace random_session {

struct SessionOptions {
    std::uint64_t seed = 1;
    long actions = 2000;
    QLocale locale;
    QString outputFolder;  // where the printed PDF files go
    int yesPercent = 4;    // how often the leave-program question is answered Yes
};

struct SessionFigures {
    long actions = 0;
    std::map<QString, long> byAction;
    std::map<QString, long> boxes;         // by kind
    std::map<QString, long> calculations;  // by outcome
    long printDialogs = 0, printsCancelled = 0, pdfsRead = 0, printsRefused = 0;
    long windowsOpened = 0;
    std::map<QString, long> byWindow;  // actions by the window they acted in
    long keysTyped = 0, pastes = 0;
    long slowActions = 0;
    qint64 longestActionMs = 0, longestEventLoopMs = 0, elapsedMs = 0;

    QString summary() const;
};

class RandomSession : public QObject, private SessionHooks {
public:
    RandomSession(const SessionOptions& options, ActionLog& log, Watchdog& watchdog);
    ~RandomSession() override;

    // Runs the actions; the first fault found, or an empty text.
    QString run();
    const SessionFigures& figures() const { return figures_; }

private:
    struct Calculation {
        std::size_t mark = 0;  // the first modal window seen in it
        QStringList resultsBefore;
        bool printHiddenBefore = true;
        bool incomplete = false;
    };
    struct Printing {
        std::size_t mark = 0;
        std::optional<report::Page> page;
        QStringList screenBefore;
        float S = 0;
    };

    void openWindow();
    // SessionHooks
    void tabsReplaced() override;
    void calculatorBoxExpected() override { ++calculatorBoxesSeen_; }
    void printFailureExpected() override { ++printBoxesSeen_; }
    ActorContext context();
    QWidget* openWindowOf(const WindowActor& actor) const;
    // An action in another window: open it, switch to it, close it, or act in it.
    QString actInWindow();
    QString checkOtherWindows();
    void connectTab(int tab);
    TabWatch& current();

    // One random action and the checks after it; faults go to fault().
    void act();
    // Actions: each logs what it does and returns a fault or an empty text.
    QString typeKeys(int count);
    QString typeKey(QWidget* target, const TypedKey& key);
    QString focusField();
    QString paste();
    QString typeNumber();
    QString fillTab();
    QString clickBox();
    QString pressCalculate();
    QString pressFormulaOrClose();
    QString pressPrint();
    QString switchTab();
    QString pressEnd();
    QString shortcut(Qt::Key key);
    QString menuCommand();
    QString webLink();
    QString clickAnywhere();
    QString contextMenu();

    void clickField(QLineEdit* field);
    void press(QPushButton* button);
    void begin(const QString& what);
    QWidget* keyTarget() const;

    // Checks inside a calculation, a report and a box click.
    void calculationStarts(int tab);
    void calculationEnds(int tab);
    void printStarts(int tab);
    void printEnds(int tab);
    void boxClicked(int tab, int box, bool checked);

    // Checks after every action.
    QString checkAfterAction(bool editing);
    QString checkWindow(bool editing);
    QString checkTexts() const;
    qint64 eventLoopAnswerMs();
    void fault(const QString& text);

    SessionOptions options_;
    ActionLog& log_;
    bool sectionListClicked_ = false;  // the last action clicked a tab's section list
    Watchdog& watchdog_;
    SessionRandom random_;
    SessionRandom answers_;
    std::unique_ptr<ModalAnswerer> answerer_;
    std::unique_ptr<app::MainWindow> window_;
    std::vector<TabWatch> tabs_;
    std::vector<Calculation> calculations_;
    std::vector<Printing> printings_;
    QStringList faults_;
    long index_ = 0;
    int calculatorBoxesSeen_ = 0;  // calculator messages that came from a calculation, this action
    int printBoxesSeen_ = 0;       // print failure messages that came from a report, this action
    bool clipboardWorks_ = true;
    bool editing_ = false;  // this action may have changed field texts
    app::UrlOpener previousOpener_;
    app::PathAsker previousAsker_;
    SessionFigures figures_;
    std::vector<std::unique_ptr<WindowActor>> actors_;
    WindowActor* acting_ = nullptr;  // the window acting now, if another than the tabs
    long files_ = 0;
};

}  // namespace random_session
