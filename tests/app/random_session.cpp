#include "random_session.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstring>
#include <memory>

#include "app/common_dialog.h"
#include "app/formula_tab.h"
#include "app/section_choice.h"
#include "app/main_window.h"
#include "app/maker.h"
#include "app/tab_snapshot.h"
#include "report/page_builder.h"
#include "report_checks.h"

namespace random_session {

namespace {

constexpr qint64 kEventLoopBoundMs = 5000;  // the longest wait seen in 150,000 actions: 546 ms
constexpr qint64 kSlowActionMs = 1000;  // noted in the log

const calc::Formula kFormulas[] = {calc::Formula::EngineeringNews, calc::Formula::Hiley, calc::Formula::Danish,
                                   calc::Formula::Janbu};

bool sameFloat(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

QString names(const QStringList& list) { return list.join(QStringLiteral(", ")); }

}  // namespace

QString SessionFigures::summary() const
{
    QString out = QStringLiteral("%1 actions in %2 s; windows opened %3; keys typed %4, texts pasted %5\n")
                      .arg(actions)
                      .arg(elapsedMs / 1000.0, 0, 'f', 1)
                      .arg(windowsOpened)
                      .arg(keysTyped)
                      .arg(pastes);
    QStringList parts;
    for (const auto& [name, count] : byAction) parts << QStringLiteral("%1 %2").arg(name).arg(count);
    out += QStringLiteral("  actions: ") + names(parts) + QLatin1Char('\n');
    parts.clear();
    for (const auto& [name, count] : byWindow) parts << QStringLiteral("%1 %2").arg(name).arg(count);
    out += QStringLiteral("  in other windows: ") + names(parts) + QLatin1Char('\n');
    parts.clear();
    long total = 0;
    for (const auto& [name, count] : calculations) {
        parts << QStringLiteral("%1 %2").arg(name).arg(count);
        total += count;
    }
    out += QStringLiteral("  calculations %1: ").arg(total) + names(parts) + QLatin1Char('\n');
    parts.clear();
    for (const auto& [name, count] : boxes) parts << QStringLiteral("%1 %2").arg(name).arg(count);
    out += QStringLiteral("  message boxes: ") + names(parts) + QLatin1Char('\n');
    out += QStringLiteral("  printer dialogs %1: cancelled %2, PDF printed and read back %3, refused with the failure box %4\n")
               .arg(printDialogs)
               .arg(printsCancelled)
               .arg(pdfsRead)
               .arg(printsRefused);
    out += QStringLiteral("  longest action %1 ms, actions of a second or more %2, longest wait for the event loop %3 ms")
               .arg(longestActionMs)
               .arg(slowActions)
               .arg(longestEventLoopMs);
    return out;
}

RandomSession::RandomSession(const SessionOptions& options, ActionLog& log, Watchdog& watchdog)
    : options_(options), log_(log), watchdog_(watchdog), random_(options.seed),
      answers_(options.seed ^ 0x9E3779B97F4A7C15ULL)
{
    QLocale::setDefault(options_.locale);
    answerer_ = std::make_unique<ModalAnswerer>(answers_, log_, options_.outputFolder, options_.yesPercent);
    actors_ = makeWindowActors();
    // Windows share some boxes' words ("ไม่สามารถบันทึกไฟล์ได้"): the window
    // acting names a box first.
    answerer_->setBoxNamer([this](const BoxLook& look) {
        if (acting_)
            if (QString name = acting_->boxName(look); !name.isEmpty()) return name;
        for (const auto& actor : actors_)
            if (QString name = actor->boxName(look); !name.isEmpty()) return name;
        return QString();
    });
    answerer_->setCheckWhileModal([this] {
        for (const TabWatch& tab : tabs_)
            if (QString problem = tab.checkPairs(); !problem.isEmpty()) return problem;
        return QString();
    });
    previousOpener_ = app::setUrlOpener([this](const QUrl& url) {
        const bool opens = answers_.percent(50);
        log_.note(QStringLiteral("web page %1 %2").arg(url.toString(), opens ? "opened" : "not opened (no browser)"));
        return opens;
    });
    // The pile-file dialogs: the file the action chose, or, where no action
    // chose one (Ctrl+O or Ctrl+S typed among the Ctrl keys, saving before
    // leaving), mostly cancelled and now and then a new file to save into.
    previousAsker_ = app::setPathAsker([this](QWidget*, app::FileDialog dialog, const QString&) {
        const bool open = dialog == app::FileDialog::Open;
        QString path;
        if (std::optional<QString> chosen = answerer_->takeFileAnswer()) path = *chosen;
        else if (!open && answers_.percent(30)) path = QStringLiteral("%1/saved-%2.blowcount").arg(options_.outputFolder).arg(++files_);
        log_.note(QStringLiteral("%1 dialog: %2").arg(open ? "open" : "save", path.isEmpty() ? QStringLiteral("cancelled") : path));
        return path;
    });
    QGuiApplication::clipboard()->setText(QStringLiteral("probe"));
    clipboardWorks_ = QGuiApplication::clipboard()->text() == QStringLiteral("probe");
    openWindow();
}

RandomSession::~RandomSession()
{
    app::setUrlOpener(previousOpener_);
    app::setPathAsker(previousAsker_);
    tabs_.clear();
    window_.reset();
    answerer_.reset();
}

void RandomSession::openWindow()
{
    tabs_.clear();
    if (window_) window_.reset();
    window_ = std::make_unique<app::MainWindow>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get(), 2000)) log_.note(QStringLiteral("the main window did not become active"));
    for (const auto& actor : actors_) actor->reset();
    for (calc::Formula formula : kFormulas) tabs_.emplace_back(*window_, formula);
    calculations_.assign(tabs_.size(), {});
    printings_.assign(tabs_.size(), {});
    for (int tab = 0; tab < static_cast<int>(tabs_.size()); ++tab) connectTab(tab);
    ++figures_.windowsOpened;
    if (QString problem = checkTexts(); !problem.isEmpty()) fault(QStringLiteral("a new window: ") + problem);
}

void RandomSession::tabsReplaced()
{
    for (TabWatch& w : tabs_) {
        w.everOk = !w.print->isHidden();
        w.resultsShown = !w.resultsFrame->isHidden();
        w.panelShown = w.panel && !w.panel->isHidden();
        w.resultTexts = w.currentResults();
        w.fieldTexts = w.currentFields();
        w.checked = w.currentChecks();
        w.section = w.currentSection();
    }
}

void RandomSession::connectTab(int tab)
{
    TabWatch& w = tabs_[static_cast<std::size_t>(tab)];
    // Connected after the window's own handlers, so that the clicked() handlers
    // here run once the calculation or the report is over.
    connect(w.calculate, &QPushButton::pressed, this, [this, tab] { calculationStarts(tab); });
    connect(w.calculate, &QPushButton::clicked, this, [this, tab] { calculationEnds(tab); });
    connect(w.print, &QPushButton::pressed, this, [this, tab] { printStarts(tab); });
    connect(w.print, &QPushButton::clicked, this, [this, tab] { printEnds(tab); });
    if (w.formulaButton)
        connect(w.formulaButton, &QPushButton::clicked, this, [this, tab] {
            tabs_[static_cast<std::size_t>(tab)].resultsShown = false;
            tabs_[static_cast<std::size_t>(tab)].panelShown = true;
        });
    if (w.close)
        connect(w.close, &QPushButton::clicked, this, [this, tab] {
            tabs_[static_cast<std::size_t>(tab)].resultsShown = true;
            tabs_[static_cast<std::size_t>(tab)].panelShown = false;
        });
    for (int box = 0; box < static_cast<int>(w.boxes.size()); ++box)
        connect(w.boxes[static_cast<std::size_t>(box)], &QCheckBox::clicked, this,
                [this, tab, box](bool checked) { boxClicked(tab, box, checked); });
}

TabWatch& RandomSession::current() { return tabs_.at(static_cast<std::size_t>(window_->tabs()->currentIndex())); }

void RandomSession::fault(const QString& text)
{
    faults_ << text;
    log_.note(QStringLiteral("FAULT: ") + text);
}

QString RandomSession::run()
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (index_ = 1; index_ <= options_.actions && faults_.isEmpty(); ++index_) {
        answerer_->clearSeen();
        calculatorBoxesSeen_ = 0;
        printBoxesSeen_ = 0;
        QElapsedTimer took;
        took.start();
        act();
        const qint64 ms = took.elapsed();
        if (ms >= kSlowActionMs) {
            log_.note(QStringLiteral("took %1 ms").arg(ms));
            ++figures_.slowActions;
        }
        figures_.longestActionMs = std::max(figures_.longestActionMs, ms);
        ++figures_.actions;
        watchdog_.tick();
    }
    figures_.elapsedMs = elapsed.elapsed();
    return faults_.isEmpty() ? QString() : faults_.first();
}

// ---- checks inside a calculation, a report and a box click ----

void RandomSession::calculationStarts(int tab)
{
    const TabWatch& w = tabs_[static_cast<std::size_t>(tab)];
    Calculation& c = calculations_[static_cast<std::size_t>(tab)];
    c.mark = answerer_->seen().size();
    c.resultsBefore = w.currentResults();
    c.printHiddenBefore = w.print->isHidden();
    c.incomplete = w.incompleteInput();
}

void RandomSession::calculationEnds(int tab)
{
    TabWatch& w = tabs_[static_cast<std::size_t>(tab)];
    const Calculation& c = calculations_[static_cast<std::size_t>(tab)];
    const std::vector<ModalSeen>& seen = answerer_->seen();
    w.resultsShown = true;
    if (w.formula == calc::Formula::Hiley) w.panelShown = false;

    const std::size_t boxes = seen.size() - std::min(c.mark, seen.size());
    if (boxes > 1) fault(QStringLiteral("one calculation brought up %1 modal windows").arg(boxes));
    std::optional<BoxKind> kind;
    if (boxes >= 1) {
        const ModalSeen& box = seen[c.mark];
        if (box.type != ModalSeen::Type::Box || !isCalculatorMessage(box.kind))
            fault(QStringLiteral("a calculation brought up \"%1\", not a calculator message").arg(box.look.text + box.title));
        else {
            kind = box.kind;
            ++calculatorBoxesSeen_;
        }
    }
    ++figures_.calculations[kind ? QString::fromLatin1(kindName(*kind)) : QStringLiteral("S >= 0")];

    const QStringList now = w.currentResults();
    const bool allWritten = std::none_of(now.begin(), now.end(), [](const QString& t) { return t.isEmpty(); });
    if (c.incomplete != (kind == BoxKind::Incomplete))
        fault(c.incomplete ? QStringLiteral("incomplete input (an empty field or pair) was not reported as incomplete")
                           : QStringLiteral("complete input was reported as incomplete"));
    if (!kind) {
        if (!allWritten) fault(QStringLiteral("a calculation that ended with S >= 0 left a result line empty"));
        if (w.print->isHidden()) fault(QStringLiteral("a calculation that ended with S >= 0 did not show %1").arg(w.print->objectName()));
        w.everOk = true;
    } else {
        if (*kind == BoxKind::Negative) {
            if (!allWritten) fault(QStringLiteral("a negative set left a result line empty"));
        } else if (now != c.resultsBefore) {
            fault(QStringLiteral("a calculation refused with \"%1\" changed the result lines").arg(QString::fromLatin1(kindName(*kind))));
        }
        if (w.print->isHidden() != c.printHiddenBefore)
            fault(QStringLiteral("a calculation ending in \"%1\" changed %2").arg(QString::fromLatin1(kindName(*kind)), w.print->objectName()));
        std::optional<int> focus;
        if (*kind == BoxKind::Incomplete) focus = 0;
        if (*kind == BoxKind::DropTooHigh || *kind == BoxKind::Negative) focus = w.dropField;
        if (focus && window_->focusWidget() != w.fields[static_cast<std::size_t>(*focus)])
            fault(QStringLiteral("after \"%1\" the focus is on %2, not %3")
                      .arg(QString::fromLatin1(kindName(*kind)),
                           window_->focusWidget() ? window_->focusWidget()->objectName() : QStringLiteral("nothing"),
                           w.fields[static_cast<std::size_t>(*focus)]->objectName()));
    }
    w.resultTexts = now;
}

void RandomSession::printStarts(int tab)
{
    const TabWatch& w = tabs_[static_cast<std::size_t>(tab)];
    Printing& p = printings_[static_cast<std::size_t>(tab)];
    p.mark = answerer_->seen().size();
    p.S = window_->storedS(w.formula);
    p.page = report::buildPage(app::snapshotOf(*w.page, p.S));
    p.screenBefore = w.screen();
    if (p.page)
        if (QString problem = checkPageLines(*p.page, w.formula); !problem.isEmpty()) fault(problem);
}

void RandomSession::printEnds(int tab)
{
    const TabWatch& w = tabs_[static_cast<std::size_t>(tab)];
    const Printing& p = printings_[static_cast<std::size_t>(tab)];
    const std::vector<ModalSeen>& seen = answerer_->seen();
    if (p.mark >= seen.size() || seen[p.mark].type != ModalSeen::Type::PrinterDialog) {
        fault(QStringLiteral("%1 brought up no printer dialog").arg(w.print->objectName()));
        return;
    }
    ++figures_.printDialogs;
    const ModalSeen& dialog = seen[p.mark];
    const std::size_t after = seen.size() - p.mark - 1;
    if (!dialog.accepted) {
        ++figures_.printsCancelled;
        if (after) fault(QStringLiteral("a cancelled report brought up another modal window"));
    } else if (!p.page || dialog.folderRemoved) {
        ++figures_.printsRefused;
        if (after != 1 || seen[p.mark + 1].kind != BoxKind::PrintFailure)
            fault(QStringLiteral("a report that could not be printed was not reported with the print failure message"));
        else
            ++printBoxesSeen_;
        if (QFile::exists(dialog.path)) fault(QStringLiteral("a report that could not be printed left a file"));
    } else {
        if (after) fault(QStringLiteral("a printed report brought up \"%1\"").arg(seen[p.mark + 1].look.text));
        if (!QFile::exists(dialog.path)) {
            fault(QStringLiteral("the report accepted for %1 wrote no file").arg(dialog.path));
        } else {
            const QString problem = checkPrintedPdf(dialog.path, *p.page, w.formula, window_->commonDialog().printer());
            if (!problem.isEmpty()) fault(problem);
            ++figures_.pdfsRead;
            QFile::remove(dialog.path);
        }
    }
    if (w.screen() != p.screenBefore) fault(QStringLiteral("printing changed what the tab shows"));
    if (!sameFloat(window_->storedS(w.formula), p.S)) fault(QStringLiteral("printing changed the stored S"));
}

void RandomSession::boxClicked(int tab, int box, bool checked)
{
    TabWatch& w = tabs_[static_cast<std::size_t>(tab)];
    const QCheckBox* clicked = w.boxes[static_cast<std::size_t>(box)];
    const QCheckBox* partner = w.boxes[static_cast<std::size_t>(box ^ 1)];
    if (clicked->isChecked() != checked)
        fault(QStringLiteral("%1 does not show the state its click gave it").arg(clicked->objectName()));
    if (checked && partner->isChecked())
        fault(QStringLiteral("checking %1 left %2 checked").arg(clicked->objectName(), partner->objectName()));
    if (!checked && partner->isChecked() != w.checked[static_cast<std::size_t>(box ^ 1)])
        fault(QStringLiteral("unchecking %1 changed %2").arg(clicked->objectName(), partner->objectName()));
    w.checked = w.currentChecks();
    // Ticking square or round drops a section in use and gives D back.
    if (w.currentSection() != w.section) {
        if (!checked || box < 2) fault(QStringLiteral("clicking %1 changed the section").arg(clicked->objectName()));
        w.section = w.currentSection();
        w.fieldTexts = w.currentFields();
    }
}

// ---- checks after every action ----

QString RandomSession::checkAfterAction(bool editing)
{
    for (const QString& problem : answerer_->takeViolations()) fault(problem);
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
        fault(QStringLiteral("a modal window is still up after the action: ") + modal->windowTitle());
        modal->close();
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        fault(QStringLiteral("a pop-up is still open after the action: ") + QString::fromLatin1(popup->metaObject()->className()));
        popup->close();
    }
    const std::vector<ModalSeen>& seen = answerer_->seen();
    const bool yes = std::any_of(seen.begin(), seen.end(), [](const ModalSeen& m) { return m.yes; });
    // With unsaved changes, leaving asks whether to save them in place of the
    // leave-program question: Save (done) or Discard lets the window close.
    const bool dropped = std::any_of(seen.begin(), seen.end(), [](const ModalSeen& m) {
        return m.look.text == QStringLiteral("บันทึกการเปลี่ยนแปลงหรือไม่")
            && (m.button == QMessageBox::Save || m.button == QMessageBox::Discard);
    });
    for (const ModalSeen& m : seen)
        if (m.type == ModalSeen::Type::Box) ++figures_.boxes[QString::fromLatin1(kindName(m.kind))];
    if (yes && window_->isVisible()) {
        // Only when saving the changes first was cancelled or failed.
        if (!window_->hasUnsavedChanges()) return QStringLiteral("Yes to the leave-program question left the window open");
        log_.note(QStringLiteral("the window stays open: its changes were not saved"));
    } else if ((yes || dropped) && !window_->isVisible()) {
        log_.note(QStringLiteral("the window closed after Yes; a new one opens"));
        openWindow();
        return {};
    }
    if (!window_->isVisible()) return QStringLiteral("the main window closed without a Yes to the leave-program question");

    const auto count = [&seen](auto predicate) { return std::count_if(seen.begin(), seen.end(), predicate); };
    if (count([](const ModalSeen& m) { return m.type == ModalSeen::Type::Box && isCalculatorMessage(m.kind); }) != calculatorBoxesSeen_)
        return QStringLiteral("a calculator message came up outside a calculation");
    if (count([](const ModalSeen& m) { return m.kind == BoxKind::PrintFailure; }) != printBoxesSeen_)
        return QStringLiteral("the print failure message came up outside a report");

    if (QString problem = checkWindow(editing); !problem.isEmpty()) return problem;
    if (QString problem = checkOtherWindows(); !problem.isEmpty()) return problem;

    const qint64 answer = eventLoopAnswerMs();
    if (answer < 0) return QStringLiteral("the event loop did not run a zero timer within %1 ms").arg(kEventLoopBoundMs);
    figures_.longestEventLoopMs = std::max(figures_.longestEventLoopMs, answer);
    return {};
}

QString RandomSession::checkWindow(bool editing)
{
    for (TabWatch& w : tabs_) {
        // A section chosen or dropped in the tab's list (clicked or typed into)
        // clears square and round and puts its size in D, or gives D back.
        if (w.currentSection() != w.section) {
            const QWidget* list = w.page->sectionChoice()->comboBox();
            if (w.page->window()->focusWidget() != list && !sectionListClicked_)
                return w.name() + QStringLiteral(": the section changed without its list");
            if (w.currentSection() && (w.boxes[2]->isChecked() || w.boxes[3]->isChecked()))
                return w.name() + QStringLiteral(": a section was chosen beside a square or round box");
            w.section = w.currentSection();
            w.checked = w.currentChecks();
            w.fieldTexts = w.currentFields();
        }
        for (const QString& problem : {w.checkPairs(), w.checkButtonsAndFrames(), w.checkResults(), w.checkBoxes(),
                                       editing ? QString() : w.checkFields()})
            if (!problem.isEmpty()) return w.name() + QStringLiteral(": ") + problem;
        w.fieldTexts = w.currentFields();
    }
    sectionListClicked_ = false;
    return checkTexts();
}

QString RandomSession::checkTexts() const
{
    const QString product = QString::fromUtf8(app::maker::kProductName);
    const QString title = window_->filePath().isEmpty()
                              ? product
                              : QFileInfo(window_->filePath()).fileName() + QStringLiteral("[*] - ") + product;
    if (window_->windowTitle() != title)
        return QStringLiteral("the window title became \"%1\", not \"%2\"").arg(window_->windowTitle(), title);
    for (int i = 0; i < window_->tabs()->count(); ++i)
        if (showsInfOrNan(window_->tabs()->tabText(i))) return QStringLiteral("a tab caption shows inf or nan");
    // The other windows' labels are their actors' to check: some quote what
    // the user typed ("INF" pasted into a list of numbers).
    for (const QLabel* label : window_->findChildren<QLabel*>())
        if (label->window() == window_.get() && showsInfOrNan(label->text()))
            return QStringLiteral("%1 shows inf or nan: %2").arg(label->objectName(), label->text());
    return {};
}

qint64 RandomSession::eventLoopAnswerMs()
{
    QElapsedTimer waited;
    waited.start();
    auto fired = std::make_shared<bool>(false);  // outlives this call if the timer is late
    QTimer::singleShot(0, this, [fired] { *fired = true; });
    while (!*fired && waited.elapsed() < kEventLoopBoundMs) QCoreApplication::processEvents(QEventLoop::AllEvents);
    return *fired ? waited.elapsed() : -1;
}

}  // namespace random_session
