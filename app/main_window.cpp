#include "app/main_window.h"

#include <QAction>
#include <QTabWidget>

#include "app/danish_tab.h"
#include "app/engineering_news_tab.h"
#include "app/hiley_tab.h"
#include "app/icons.h"
#include "app/janbu_tab.h"
#include "app/maker.h"
#include "app/message_boxes.h"
#include "app/status_bar.h"

namespace app {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(maker::kProductName));
    setWindowIcon(icons::windowIcon());

    menu_ = buildMenuBar(this);
    connect(menu_.exitme, &QAction::triggered, this, &MainWindow::leaveProgram);

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

    setFixedSize(sizeHint());
}

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

void MainWindow::leaveProgram()
{
    if (confirmLeaving(this)) close();
}

}  // namespace app
