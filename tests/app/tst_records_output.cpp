// The records window's CSV and paper: export then import into an empty file
// gives back the same records; a bad CSV imports nothing and names its lines;
// marks already in the file are replaced only when the user says so, and the
// whole import undoes in one step; the summary printed turned, the sheet
// upright; a stop in the progress dialog writes nothing.
#include <QFile>
#include <QPdfWriter>
#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>
#include <QTemporaryDir>
#include <QUndoStack>

#include "app/common_dialog.h"
#include "app/records_output.h"
#include "app/records_store.h"
#include "app/records_window.h"
#include "calc/pile_file.h"
#include "gui_fixture.h"

using namespace testing_gui;
using calc::Formula;

namespace {

calc::PileDocument siteFile()
{
    using Texts = std::vector<std::string>;
    calc::PileDocument d;
    d.tab(Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0.9", "4"}, {}};
    d.tab(Formula::Danish) = calc::PileTab{Texts{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    d.records = {calc::PileRecord{"P-001", "A/1", "2026-05-04", "", "", "18.3", {"120", "160"}, {"1.91"}, "สมชาย", ""},
                 calc::PileRecord{"P-002", "A/2", "4 พ.ค.", "3.5", "80", "17", {}, {"1.92"}, "", "หัวเสาแตก, \"ต่อ\""},
                 calc::PileRecord{"P-003", "", "", "", "", "", {}, {}, "", ""}};
    return d;
}

// Pages and their sizes in points, as pdfinfo tells them.
QString pdfInfo(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("2"), path});
    info.waitForFinished();
    return QString::fromUtf8(info.readAllStandardOutput());
}

}  // namespace

class RecordsOutputTest : public QObject {
    Q_OBJECT

private:
    app::RecordsOutput* open()
    {
        window_->menuActions().drivingrecords->trigger();
        auto* records = window_->findChild<app::RecordsWindow*>(QStringLiteral("RecordsWindow"));
        return records ? records->findChild<app::RecordsOutput*>(QStringLiteral("recordsoutput")) : nullptr;
    }
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    void openDocument(const calc::PileDocument& d, const QString& name)
    {
        QVERIFY(window_->openFile(writeFile(name, QByteArray::fromStdString(calc::writePileFile(d)))));
    }
    const std::vector<calc::PileRecord>& records() { return window_->recordsStore().records(); }

    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
    QTemporaryDir dir_;

private slots:
    void init()
    {
        app::useChartModule(&app::chartWindows());  // the records window linked in
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
    }
    void cleanup()
    {
        boxes_.reset();
        window_.reset();
    }

    void exportThenImportIntoAnEmptyFileGivesTheSameRecords()
    {
        openDocument(siteFile(), QStringLiteral("site.blowcount"));
        app::RecordsOutput* output = open();
        QVERIFY(output);
        const QString csv = dir_.filePath(QStringLiteral("site.csv"));
        QVERIFY(output->writeCsv(csv));
        calc::PileDocument empty = siteFile();
        empty.records.clear();
        openDocument(empty, QStringLiteral("empty.blowcount"));
        QCOMPARE(output->importCsv(csv), app::RecordsOutput::Import::Imported);
        QVERIFY(records() == siteFile().records);
        QVERIFY(boxes_->seen().empty());
        // One step undoes the whole import.
        window_->recordsStore().undoStack()->undo();
        QVERIFY(records().empty());
    }

    // A control character no import would take back: nothing is written.
    void recordsWithAControlCharacterAreNotExported()
    {
        openDocument(siteFile(), QStringLiteral("control.blowcount"));
        app::RecordsOutput* output = open();
        calc::PileRecord typed = records()[1];
        typed.remarks = "ต่อ\x01";  // pasted into the form
        window_->recordsStore().editRecord(1, typed);
        const QString csv = dir_.filePath(QStringLiteral("control.csv"));
        QVERIFY(!output->writeCsv(csv));
        QVERIFY(!QFile::exists(csv));
    }

    void aBadCsvImportsNothingAndNamesItsLines()
    {
        openDocument(siteFile(), QStringLiteral("site.blowcount"));
        app::RecordsOutput* output = open();
        const QString bad = writeFile(QStringLiteral("bad.csv"),
                                      "mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks\n"
                                      "P-100,,,,,,,,,\nP-101,,,x,,,,,,\n,,,,,,,,,\n");
        QCOMPARE(output->importCsv(bad), app::RecordsOutput::Import::Refused);
        QVERIFY(records() == siteFile().records);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        const QString text = boxes_->seen().front().text;
        QVERIFY2(text.contains(QStringLiteral("2 รายการ")) && text.contains(QStringLiteral("บรรทัด 3"))
                     && text.contains(QStringLiteral("บรรทัด 4")) && !text.contains(QStringLiteral("บรรทัด 2")),
                 qPrintable(text));
        QVERIFY(!window_->isWindowModified());
    }

    void marksAlreadyThereAreReplacedOnlyWhenChosen()
    {
        openDocument(siteFile(), QStringLiteral("site.blowcount"));
        app::RecordsOutput* output = open();
        const QString taken = writeFile(QStringLiteral("taken.csv"),
                                        "mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks\n"
                                        "P-002,B/9,,,,20,,1.5,,\nP-004,C/1,,,,,,,,\n");
        QCOMPARE(output->importCsv(taken), app::RecordsOutput::Import::Cancelled);  // no answer: cancelled
        QVERIFY(records() == siteFile().records);
        QVERIFY(boxes_->seen().back().text.contains(QStringLiteral("P-002")));
        QVERIFY(!boxes_->seen().back().text.contains(QStringLiteral("P-004")));

        boxes_->answerNext(QMessageBox::Yes);
        QCOMPARE(output->importCsv(taken), app::RecordsOutput::Import::Imported);
        QCOMPARE(records().size(), std::size_t(4));
        QCOMPARE(records()[1].location, std::string("B/9"));
        QCOMPARE(records()[3].mark, std::string("P-004"));
        QVERIFY(window_->isWindowModified());
    }

    // Through the printer dialog as the tabs print: cancel prints nothing, a
    // file that cannot be written gives the failure box, the summary turned.
    void printsThroughThePrinterDialog()
    {
        openDocument(siteFile(), QStringLiteral("site.blowcount"));
        open();
        auto* records = window_->findChild<app::RecordsWindow*>(QStringLiteral("RecordsWindow"));
        QAction* summary = records->findChild<QAction*>(QStringLiteral("recordsprintsummary"));
        QAction* sheet = records->findChild<QAction*>(QStringLiteral("recordsprintsheet"));
        QVERIFY(summary && sheet);
        QPrinter& printer = window_->commonDialog().printer();
        DialogAnswerer dialogs;
        printer.setOutputFileName(dir_.filePath(QStringLiteral("cancelled.pdf")));
        dialogs.answerNext([](QDialog& dialog) { dialog.reject(); });
        summary->trigger();
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("cancelled.pdf"))));

        printer.setOutputFileName(dir_.filePath(QStringLiteral("summary.pdf")));
        dialogs.answerNext([](QDialog& dialog) { dialog.accept(); });
        summary->trigger();
        printer.setOutputFileName(dir_.filePath(QStringLiteral("sheet.pdf")));
        dialogs.answerNext([](QDialog& dialog) { dialog.accept(); });
        sheet->trigger();
        const QString summaryInfo = pdfInfo(dir_.filePath(QStringLiteral("summary.pdf")));
        if (!summaryInfo.isEmpty()) {
            QVERIFY2(summaryInfo.contains(QStringLiteral("842 x 595 pts")), qPrintable(summaryInfo));
            QVERIFY(pdfInfo(dir_.filePath(QStringLiteral("sheet.pdf"))).contains(QStringLiteral("595 x 842 pts")));
        }

        printer.setOutputFileName(dir_.filePath(QStringLiteral("gone/summary.pdf")));
        dialogs.answerNext([](QDialog& dialog) { dialog.accept(); });
        boxes_->answerNext(QMessageBox::Ok);
        summary->trigger();
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen()[0].text, QStringLiteral("ไม่สามารถพิมพ์รายงานได้"));
        QVERIFY(!dialogs.sawUnexpected());
    }

    void aStopInTheProgressDialogWritesNothing()
    {
        calc::PileDocument many = siteFile();
        for (int i = 0; many.records.size() < 400; ++i) {
            calc::PileRecord r = many.records[static_cast<std::size_t>(i % 3)];
            r.mark = "Q-" + std::to_string(i);
            many.records.push_back(r);
        }
        openDocument(many, QStringLiteral("many.blowcount"));
        app::RecordsOutput* output = open();
        auto* records = window_->findChild<app::RecordsWindow*>(QStringLiteral("RecordsWindow"));
        bool shown = false;
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, this, [&] {
            auto* progress = records->findChild<QProgressDialog*>(QStringLiteral("recordsprogress"));
            if (progress && progress->isVisible()) {
                shown = true;
                progress->cancel();
            }
        });
        stopper.start(20);
        const QString path = dir_.filePath(QStringLiteral("stopped.pdf"));
        QVERIFY(!output->writePdf(app::RecordsOutput::Pages::AllSheets, path));
        QVERIFY(shown);
        QVERIFY(!QFile::exists(path));
        QVERIFY(boxes_->seen().empty());
    }
};

QTEST_MAIN(RecordsOutputTest)
#include "tst_records_output.moc"
