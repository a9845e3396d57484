#include "app/main_window.h"

#include <QAction>
#include <QTabWidget>
#include <utility>

#include "app/about_window.h"
#include "app/chart_loader.h"
#include "app/section_table_window.h"
#include "app/common_dialog.h"
#include "app/danish_tab.h"
#include "app/engineering_news_tab.h"
#include "app/hiley_tab.h"
#include "app/icons.h"
#include "app/janbu_tab.h"
#include "app/maker.h"
#include "app/message_boxes.h"
#include "app/recent_files.h"
#include "app/records_store.h"
#include "app/report_printing.h"
#include "app/status_bar.h"
#include "app/tab_snapshot.h"
#include "app/web_page.h"

namespace app {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(maker::kProductName));
    setWindowIcon(icons::windowIcon());

    commonDialog_ = new CommonDialog(this);
    records_ = new RecordsStore(this);
    connect(records_, &RecordsStore::changed, this, &MainWindow::markModified);
    menu_ = buildMenuBar(this);
    connectMenu();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    setCentralWidget(tabs_);
    addPage(new EngineeringNewsTab(engineeringNews_));
    addPage(new HileyTab(hiley_));
    addPage(new DanishTab(danish_));
    addPage(new JanbuTab(janbu_));
    tabs_->setCurrentIndex(0);

    buildStatusBar(this);

    // Load: the initial field texts, in this order.
    for (calc::Formula formula : {calc::Formula::Hiley, calc::Formula::EngineeringNews, calc::Formula::Danish,
                                  calc::Formula::Janbu})
        page(formula)->writeInitialTexts();
    for (FormulaTab* p : pages_) connect(p, &FormulaTab::inputsChanged, this, &MainWindow::markModified);
    showRecentFiles(recentFiles());

    connect(this, &MainWindow::printRequested, this, &MainWindow::printReport);
    connect(this, &MainWindow::homePageRequested, this, [this] { openWebPage(this, WebPage::Home); });

    setFixedSize(sizeHint());
}

void MainWindow::connectMenu()
{
    connect(menu_.setprint, &QAction::triggered, this, [this] { commonDialog_->showPrinterSetUp(this); });
    connect(menu_.exitme, &QAction::triggered, this, &MainWindow::leaveProgram);
    connect(menu_.capacitycheck, &QAction::triggered, this, &MainWindow::showCapacityCheck);
    connect(menu_.sectiontable, &QAction::triggered, this, [this] {
        if (!sectionTable_) sectionTable_ = new SectionTableWindow(this);
        sectionTable_->show();
        sectionTable_->raise();
        sectionTable_->activateWindow();
    });
    connect(menu_.drivingchart, &QAction::triggered, this, [this] { openChartWindow(*this, "drivingchart"); });
    connect(menu_.drivingrecords, &QAction::triggered, this, [this] { openChartWindow(*this, "drivingrecords"); });
    connect(menu_.fileopen, &QAction::triggered, this, &MainWindow::openWithDialog);
    connect(menu_.filesave, &QAction::triggered, this, &MainWindow::save);
    connect(menu_.filesaveas, &QAction::triggered, this, &MainWindow::saveAs);
    for (std::size_t i = 0; i < menu_.recent.size(); ++i)
        connect(menu_.recent[i], &QAction::triggered, this, [this, i] { openRecent(static_cast<int>(i)); });
    const std::pair<QAction*, WebPage> links[] = {
        {menu_.quelmara, WebPage::Home},          {menu_.club, WebPage::ProductFamily},
        {menu_.crose, WebPage::ProductFamily},    {menu_.shop, WebPage::Shopping},
        {menu_.download, WebPage::Software},      {menu_.educate, WebPage::ProductFamily},
    };
    for (const auto& [action, webPage] : links)
        connect(action, &QAction::triggered, this, [this, webPage] { openWebPage(this, webPage); });
    connect(menu_.product, &QAction::triggered, this, [] { showAboutWindow(); });
}

void MainWindow::showCapacityCheck() { openChartWindow(*this, "capacitycheck"); }

FormulaTab* MainWindow::page(calc::Formula formula) const { return pages_.at(static_cast<std::size_t>(formula)); }

void MainWindow::addPage(FormulaTab* page)
{
    pages_.at(static_cast<std::size_t>(page->formula())) = page;
    tabs_->addTab(page, QString::fromUtf8(calc::tabTexts(page->formula()).caption));
    const calc::Formula formula = page->formula();
    connect(page, &FormulaTab::printRequested, this, [this, formula] { emit printRequested(formula); });
    connect(page, &FormulaTab::endRequested, this, &MainWindow::leaveProgram);
    connect(page, &FormulaTab::logoClicked, this, &MainWindow::homePageRequested);
}

float MainWindow::storedS(calc::Formula formula) const
{
    switch (formula) {
    case calc::Formula::EngineeringNews: return engineeringNews_.S;
    case calc::Formula::Hiley: return hiley_.S;
    case calc::Formula::Danish: return danish_.S;
    case calc::Formula::Janbu: return janbu_.S;
    }
    return 0;
}

void MainWindow::printReport(calc::Formula formula)
{
    app::printReport(this, *commonDialog_, snapshotOf(*page(formula), storedS(formula)));
}

void MainWindow::leaveProgram()
{
    // A modified file: the close asks whether to save it, in place of the
    // confirmation (its Cancel keeps the program open).
    if (hasUnsavedChanges()) close();
    else if (confirmLeaving(this)) close();
}

}  // namespace app
