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
//
// Pile files (main_window_files.cpp): เปิด... reads a .blowcount file into
// the four tabs and starts each afresh with those texts; บันทึก and
// บันทึกเป็น... write the four tabs' texts and boxes through QSaveFile. With a
// file open the title names it and any edit marks the window modified;
// leaving a modified file asks whether to save it first. The file's driving
// records live in a RecordsStore beside the tabs, saved with them; their
// window is บันทึกการตอกเสาเข็ม... in the tools menu.
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>

#include "app/menu_bar.h"
#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"
#include "calc/pile_file.h"
#include "calc/tab_texts.h"

class QTabWidget;

namespace app {

class SectionTableWindow;
class CommonDialog;
class FormulaTab;
class RecordsStore;

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

    // The pile file open now, empty when none is.
    QString filePath() const { return filePath_; }
    // The driving records of the pile file, and the whole document as it
    // would be saved now (the tabs' texts and boxes, the records).
    RecordsStore& recordsStore() const { return *records_; }
    calc::PileDocument document() const;
    // Something the user would lose by leaving: a modified open file, or
    // records edited with no file open.
    bool hasUnsavedChanges() const;

public slots:
    // Asks "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? "; Yes closes the window.
    void leaveProgram();
    // The tab's report, as the tab stands now, through the printer dialog.
    void printReport(calc::Formula formula);
    // The capacity check window, one at a time: opened, or raised when open;
    // from the chart module (app/chart_loader.h), as the driving chart is.
    void showCapacityCheck();

    // Reads the pile file into the four tabs; on a bad file the message box
    // names the reason and nothing changes. False when nothing was opened.
    bool openFile(const QString& path);
    // The file dialog, then openFile(); after asking whether to save changes.
    void openWithDialog();
    // Writes the tabs to the open file, or asks for one as saveAs() does.
    bool save();
    bool saveAs();

signals:
    void printRequested(calc::Formula formula);
    void homePageRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addPage(FormulaTab* page);
    void connectMenu();

    bool saveTo(const QString& path);
    // True when the tabs may be replaced or left: nothing unsaved in an open
    // file, or the user saved or discarded it.
    bool mayDropChanges();
    void markModified();
    void setFile(const QString& path);
    void showRecentFiles(const QStringList& files);
    void openRecent(int index);
    void resetStates();
    QString startFolder() const;

    QString filePath_;
    bool loading_ = false;  // the tabs are being filled from a file
    calc::EngineeringNewsState engineeringNews_;
    calc::HileyState hiley_;
    calc::DanishState danish_;
    calc::JanbuState janbu_;

    MenuActions menu_;
    CommonDialog* commonDialog_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<FormulaTab*, 4> pages_{};
    QPointer<SectionTableWindow> sectionTable_;
    RecordsStore* records_ = nullptr;
};

}  // namespace app
