#include "app/records_output.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <optional>

#include "app/common_dialog.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/printer_state.h"
#include "app/records_store.h"
#include "app/records_window.h"
#include "app/report_printing.h"
#include "app/save_text.h"
#include "calc/pile_file.h"
#include "calc/record_csv_results.h"
#include "calc/records_csv.h"
#include "report/page_painter.h"
#include "report/record_sheet_page.h"
#include "report/records_summary_page.h"

namespace app {

namespace {

constexpr const char* kSaveFailure = "ไม่สามารถบันทึกไฟล์ได้";
constexpr const char* kReadFailure = "ไม่สามารถอ่านไฟล์ได้";

// A progress dialog over the window's work on `count` pages, shown when the
// work takes longer than half a second.
class PageProgressDialog {
public:
    PageProgressDialog(QWidget* owner, const QString& label, std::size_t count)
        : dialog_(label, QStringLiteral("ยกเลิก"), 0, static_cast<int>(count), owner)
    {
        dialog_.setObjectName(QStringLiteral("recordsprogress"));
        dialog_.setWindowTitle(QString::fromUtf8(kRecordsWindowTitle));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
        dialog_.setValue(0);
    }
    report::PageProgress callback()
    {
        return [this](std::size_t done) {
            dialog_.setValue(static_cast<int>(done));
            return !dialog_.wasCanceled();
        };
    }
    bool stopped() const { return dialog_.wasCanceled(); }

private:
    QProgressDialog dialog_;
};

QString docName(RecordsOutput::Pages which)
{
    switch (which) {
    case RecordsOutput::Pages::Summary: return QString::fromUtf8(report::kSummaryTitle);
    default: return QString::fromUtf8(report::kSheetTitle);
    }
}

QString pdfName(RecordsOutput::Pages which)
{
    return which == RecordsOutput::Pages::Summary ? QStringLiteral("สรุปผลการตอกเสาเข็ม.pdf")
                                                   : QStringLiteral("บันทึกการตอกเสาเข็ม.pdf");
}

QString importProblemsText(const calc::RecordsCsvImport& import)
{
    QStringList lines;
    lines << QStringLiteral("ไม่ได้นำเข้าข้อมูลใด เพราะพบปัญหา %1 รายการ:").arg(import.problemCount);
    for (const calc::CsvProblem& problem : import.problems) lines << QString::fromStdString(problem.thai);
    if (import.problemCount > import.problems.size())
        lines << QStringLiteral("และอีก %1 รายการ").arg(import.problemCount - import.problems.size());
    return lines.join(QLatin1Char('\n'));
}

// Why the records cannot go into a CSV: a control character, which no
// import takes back (the pile file refuses them alike).
std::optional<std::string> unwritableRecords(const std::vector<calc::PileRecord>& records)
{
    calc::PileDocument document;
    document.records = records;
    return calc::thaiUnsavableRecords(document);
}

bool askReplace(QWidget* owner, const std::vector<std::string>& marks)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kImportTitle),
                    QString::fromStdString(calc::thaiExistingMarksText(marks)) + QStringLiteral("\n\n")
                        + QString::fromUtf8(kReplaceQuestion),
                    QMessageBox::Yes | QMessageBox::Cancel, owner);
    box.setObjectName(QStringLiteral("replacemarks"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("แทนที่"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("ยกเลิก"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

// Prints on a print queue only when the print service says it can print now,
// and true only when it took the job.
bool printChecked(const std::vector<report::Page>& pages, QPrinter& printer, const report::PageProgress& progress)
{
    if (!printsToQueue(printer)) return report::printPages(pages, printer, progress);
    const QString queue = printer.printerName();
    if (queueState(queue) != QueueState::Ready) return false;
    if (!report::printPages(pages, printer, progress)) return false;
    return lastPrintRequestSucceeded() && queueState(queue) == QueueState::Ready;
}

}  // namespace

RecordsOutput::RecordsOutput(MainWindow& main, RecordsWindow& window) : QObject(&window), main_(main), window_(window) {}

std::string RecordsOutput::pileType() const
{
    const QString path = main_.filePath();
    return path.isEmpty() ? std::string("(ไฟล์ยังไม่ได้บันทึก)") : QFileInfo(path).completeBaseName().toStdString();
}

std::vector<report::Page> RecordsOutput::pages(Pages which) const
{
    const calc::PileDocument document = main_.document();
    const std::vector<calc::RecordCheck> checks = calc::checkRecords(document);
    if (which == Pages::Summary) return report::recordsSummaryPages(document, checks, pileType());
    std::vector<report::Page> out;
    if (which == Pages::SelectedSheet) {
        const int index = window_.currentRecord();
        if (index >= 0 && static_cast<std::size_t>(index) < document.records.size())
            out.push_back(report::recordSheetPage(document, static_cast<std::size_t>(index),
                                                  checks[static_cast<std::size_t>(index)], pileType()));
        return out;
    }
    out.reserve(document.records.size());
    for (std::size_t i = 0; i < document.records.size(); ++i)
        out.push_back(report::recordSheetPage(document, i, checks[i], pileType()));
    return out;
}

bool RecordsOutput::writePdf(Pages which, const QString& path)
{
    bool stopped = false;
    return writePdf(which, path, stopped);
}

bool RecordsOutput::writePdf(Pages which, const QString& path, bool& stopped)
{
    const std::vector<report::Page> out = pages(which);
    if (out.empty()) return false;
    PageProgressDialog progress(&window_, QStringLiteral("กำลังบันทึก PDF..."), out.size());
    const bool written = report::writePdf(out, path, progress.callback());
    stopped = progress.stopped();
    return written;
}

bool RecordsOutput::writeCsv(const QString& path) const
{
    const calc::PileDocument document = main_.document();
    if (unwritableRecords(document.records)) return false;
    const std::string csv = calc::checkedRecordsCsv(document, calc::checkRecords(document));
    return saveText(path, csv);
}

RecordsOutput::Import RecordsOutput::importCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showCheckMessage(&window_, QString::fromUtf8(kReadFailure));
        return Import::Refused;
    }
    const QByteArray bytes = file.readAll();
    RecordsStore& store = main_.recordsStore();
    const std::string separator = main_.document().decimalSeparator;
    const calc::RecordsCsvImport import =
        calc::readRecordsCsv(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), separator);
    if (!import.ok()) {
        showCheckMessage(&window_, importProblemsText(import));
        return Import::Refused;
    }
    if (import.records.empty()) return Import::Imported;
    const std::vector<std::string> taken = calc::existingMarks(store.records(), import.records);
    if (!taken.empty() && !askReplace(&window_, taken)) return Import::Cancelled;

    store.undoStack()->beginMacro(QString::fromUtf8(kImportTitle));
    for (const calc::PileRecord& record : import.records) {
        const std::vector<calc::PileRecord>& now = store.records();
        const auto at = std::find_if(now.begin(), now.end(), [&](const calc::PileRecord& r) { return r.mark == record.mark; });
        if (at != now.end()) store.editRecord(static_cast<int>(at - now.begin()), record);
        else store.addRecord(static_cast<int>(now.size()), record);
    }
    store.undoStack()->endMacro();
    return Import::Imported;
}

void RecordsOutput::print(Pages which)
{
    const std::vector<report::Page> out = pages(which);
    if (out.empty()) return;  // no record to print a sheet of
    CommonDialog& dialog = main_.commonDialog();
    if (!dialog.showPrinter(&window_)) return;
    dialog.printer().setDocName(QStringLiteral("Blow Count - ") + docName(which));
    PageProgressDialog progress(&window_, QStringLiteral("กำลังพิมพ์..."), out.size());
    const bool printed = printChecked(out, dialog.printer(), progress.callback());
    if (!printed && !progress.stopped()) showCheckMessage(&window_, QString::fromUtf8(kPrintFailure));
}

void RecordsOutput::savePdf(Pages which)
{
    if (which == Pages::SelectedSheet && window_.currentRecord() < 0) return;
    if (which == Pages::AllSheets && main_.recordsStore().records().empty()) return;
    const QString path =
        QFileDialog::getSaveFileName(&window_, QStringLiteral("บันทึกเป็น PDF"), pdfName(which), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    bool stopped = false;
    if (!writePdf(which, path, stopped) && !stopped)
        showCheckMessage(&window_, QString::fromUtf8(kSaveFailure));
}

void RecordsOutput::exportCsv()
{
    const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("ส่งออก CSV"),
                                                      QStringLiteral("บันทึกการตอกเสาเข็ม.csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    const std::optional<std::string> reason = unwritableRecords(main_.recordsStore().records());
    if (!writeCsv(path))
        showCheckMessage(&window_, QString::fromUtf8(kSaveFailure)
                                       + (reason ? QStringLiteral("\n") + QString::fromStdString(*reason) : QString()));
}

void RecordsOutput::askImport()
{
    const QString path = QFileDialog::getOpenFileName(&window_, QString::fromUtf8(kImportTitle), QString(),
                                                      QStringLiteral("CSV (*.csv);;ทุกไฟล์ (*)"));
    if (!path.isEmpty()) importCsv(path);
}

QWidget* RecordsOutput::buttons()
{
    auto* row = new QWidget(&window_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto menuButton = [&](const QString& text, const char* name, void (RecordsOutput::*run)(Pages)) {
        auto* button = new QPushButton(text, row);
        button->setObjectName(QString::fromUtf8(name));
        auto* menu = new QMenu(button);
        const std::array<std::pair<const char*, Pages>, 3> items{{{"บันทึกของเสาเข็มที่เลือก", Pages::SelectedSheet},
                                                                  {"บันทึกของเสาเข็มทุกต้น", Pages::AllSheets},
                                                                  {"สรุปผลการตอกเสาเข็ม", Pages::Summary}}};
        const std::array<const char*, 3> names{"sheet", "sheets", "summary"};
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* action = menu->addAction(QString::fromUtf8(items[i].first));
            action->setObjectName(QString::fromUtf8(name) + QString::fromUtf8(names[i]));
            const Pages which = items[i].second;
            connect(action, &QAction::triggered, this, [this, run, which] { (this->*run)(which); });
        }
        // A sheet needs a record chosen, the sheets a record at all.
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            const QList<QAction*> actions = menu->actions();
            actions[0]->setEnabled(window_.currentRecord() >= 0);
            actions[1]->setEnabled(!main_.recordsStore().records().empty());
        });
        button->setMenu(menu);
        layout->addWidget(button);
    };
    menuButton(QStringLiteral("พิมพ์..."), "recordsprint", &RecordsOutput::print);
    menuButton(QStringLiteral("บันทึกเป็น PDF..."), "recordspdf", &RecordsOutput::savePdf);
    auto* exportButton = new QPushButton(QStringLiteral("ส่งออก CSV..."), row);
    exportButton->setObjectName(QStringLiteral("recordscsvexport"));
    auto* importButton = new QPushButton(QStringLiteral("นำเข้า CSV..."), row);
    importButton->setObjectName(QStringLiteral("recordscsvimport"));
    connect(exportButton, &QPushButton::clicked, this, &RecordsOutput::exportCsv);
    connect(importButton, &QPushButton::clicked, this, &RecordsOutput::askImport);
    layout->addWidget(exportButton);
    layout->addWidget(importButton);
    layout->addStretch(1);
    return row;
}

QWidget* addRecordsOutput(MainWindow& main, RecordsWindow& window)
{
    auto* output = new RecordsOutput(main, window);
    output->setObjectName(QStringLiteral("recordsoutput"));
    return output->buttons();
}

}  // namespace app
