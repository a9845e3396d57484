#pragma once
// The records window's paper and CSV: print the selected record's sheet,
// every sheet or the summary (the printer dialog with the tabs' rules: a
// cancel prints nothing, a failure shows "ไม่สามารถพิมพ์รายงานได้"), the same
// as PDF without a printer, "ส่งออก CSV..." and "นำเข้า CSV...". Work that
// takes longer than half a second shows a progress dialog that can stop it;
// a stopped job prints or writes nothing.
#include <QObject>
#include <QString>
#include <vector>

#include "report/page.h"

class QWidget;

namespace app {

class MainWindow;
class RecordsWindow;

inline constexpr const char* kImportTitle = "นำเข้า CSV";
inline constexpr const char* kReplaceQuestion = "แทนที่บันทึกเดิมด้วยข้อมูลจากไฟล์ CSV หรือไม่";

class RecordsOutput : public QObject {
    Q_OBJECT
public:
    RecordsOutput(MainWindow& main, RecordsWindow& window);

    // The row of buttons the window shows under its table.
    QWidget* buttons();

    enum class Pages { SelectedSheet, AllSheets, Summary };
    // The pages as they stand; none for a sheet without a selected record.
    std::vector<report::Page> pages(Pages which) const;

    // The work behind the buttons, once a path is chosen. False when nothing
    // was written (a failure, or a stop in the progress dialog).
    bool writePdf(Pages which, const QString& path);
    bool writeCsv(const QString& path) const;

    // The records of the CSV at `path` into the file, as one undoable step;
    // the reasons they are not, in a message box. Marks already in the file
    // are replaced only when the user says so.
    enum class Import { Imported, Refused, Cancelled };
    Import importCsv(const QString& path);

    void print(Pages which);
    void savePdf(Pages which);
    void exportCsv();
    void askImport();

private:
    std::string pileType() const;
    bool writePdf(Pages which, const QString& path, bool& stopped);

    MainWindow& main_;
    RecordsWindow& window_;
};

// Adds the output's buttons to the window; the row to put in its layout.
QWidget* addRecordsOutput(MainWindow& main, RecordsWindow& window);

}  // namespace app
