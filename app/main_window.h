#pragma once
// Form2, the main window: the menu, SSTab1 with the four formula tabs and
// StatusBar1. It owns the tab states for as long as it lives.
//
// A calculation: field texts and check boxes → the tab's calculator (calc/)
// → an Outcome → result labels, check message and focus, print button; the
// Outcome's state replaces the tab state kept here. A print button →
// printRequested(formula) → a snapshot of the tab and its S → the printer
// dialog of CommonDialog1 → the report page to the chosen printer.
// An end button or the exit command → the leave-program confirmation →
// close() → the program ends with its last window. The web items and the
// tabs' logos open the maker's pages; เกี่ยวกับผลิตภัณฑ์ shows the About window.
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "app/menu_bar.h"
#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"
#include "calc/tab_texts.h"

class QTabWidget;

namespace app {

class CapacityWindow;
class CommonDialog;
class FormulaTab;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    FormulaTab* page(calc::Formula formula) const;
    QTabWidget* tabs() const { return tabs_; }
    const MenuActions& menuActions() const { return menu_; }
    CommonDialog& commonDialog() const { return *commonDialog_; }

    const calc::EngineeringNewsState& engineeringNewsState() const { return engineeringNews_; }
    const calc::HileyState& hileyState() const { return hiley_; }
    const calc::DanishState& danishState() const { return danish_; }
    const calc::JanbuState& janbuState() const { return janbu_; }
    // The S the tab's last calculation stored.
    float storedS(calc::Formula formula) const;

public slots:
    // Asks "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? "; Yes closes the window.
    void leaveProgram();
    // The tab's report, as the tab stands now, through the printer dialog.
    void printReport(calc::Formula formula);
    // The capacity check window, one at a time: opened, or raised when open.
    void showCapacityCheck();

signals:
    void printRequested(calc::Formula formula);
    void homePageRequested();

private:
    void addPage(FormulaTab* page);
    void connectMenu();

    calc::EngineeringNewsState engineeringNews_;
    calc::HileyState hiley_;
    calc::DanishState danish_;
    calc::JanbuState janbu_;

    MenuActions menu_;
    CommonDialog* commonDialog_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<FormulaTab*, 4> pages_{};
    QPointer<CapacityWindow> capacityWindow_;
};

}  // namespace app
