// Printing from the window: the snapshot a print button takes, the report
// through a real printer dialog into a PDF file read back with poppler, a
// cancel, a report that cannot be printed, and the choices CommonDialog1
// keeps. (tst_cups_print.cpp prints through a print service.)
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/common_dialog.h"
#include "app/formula_tab.h"
#include "app/report_printing.h"
#include "app/tab_snapshot.h"
#include "gui_fixture.h"
#include "report/page_builder.h"
#include "report_pdf_check.h"
#include "worked_examples.h"

using namespace testing_gui;
using calc::Formula;

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        dialogs_ = std::make_unique<DialogAnswerer>();
    }
    void cleanup()
    {
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        QVERIFY2(!dialogs_->sawUnexpected(), "a dialog nobody expected");
        dialogs_.reset();
        boxes_.reset();
        window_.reset();
    }

    void formulas_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("print");
        QTest::newRow("Engineering News") << Formula::EngineeringNews << "Command6";
        QTest::newRow("Hiley") << Formula::Hiley << "Command3";
        QTest::newRow("Danish") << Formula::Danish << "Command12";
        QTest::newRow("Janbu") << Formula::Janbu << "Command14";
    }

    // What the window shows after a worked example makes the report's page.
    void snapshot_of_the_window_makes_the_report_data() { formulas_data(); }
    void snapshot_of_the_window_makes_the_report()
    {
        QFETCH(Formula, formula);
        enterWorkedExample(window_.get(), formula);
        const std::optional<report::Page> page =
            report::buildPage(app::snapshotOf(*window_->page(formula), window_->storedS(formula)));
        QVERIFY(page);
        const std::vector<report::Line> expected = workedExamplePage(formula);
        QCOMPARE(page->lines.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(page->lines[i] == expected[i], expected[i].text.c_str());
    }

    // An edited field prints its new text beside the results it did not make.
    void snapshot_reads_the_fields_as_they_stand()
    {
        enterWorkedExample(window_.get(), Formula::EngineeringNews);
        auto* qa = find<QLineEdit>(window_.get(), "Text2(0)");
        qa->clear();
        typeInto(qa, "45");
        const report::TabSnapshot tab = app::snapshotOf(*window_->page(Formula::EngineeringNews), 0.21400006f);
        QCOMPARE(tab.text("Text2(0)"), std::string("45"));
        QCOMPARE(tab.text("Label30"), std::string("Ultimate Bearing Capacity (Qu) = 120  ตัน"));
        QCOMPARE(tab.decimalSeparator, std::string("."));
    }

    void print_button_prints_the_page_into_the_chosen_file_data() { formulas_data(); }
    void print_button_prints_the_page_into_the_chosen_file()
    {
        QFETCH(Formula, formula);
        QFETCH(QString, print);
        enterWorkedExample(window_.get(), formula);
        const QStringList before = screen(formula);
        const QString path = dir_.filePath(QString("report-%1.pdf").arg(static_cast<int>(formula)));
        printer().setOutputFileName(path);
        dialogs_->answerNext([](QDialog& dialog) { dialog.accept(); });
        QTest::mouseClick(find<QPushButton>(window_.get(), print), Qt::LeftButton);

        QCOMPARE(dialogs_->titles().size(), 1);
        QVERIFY(dialogs_->titles()[0] != "ตั้งค่าเครื่องพิมพ์");  // the print form until a set-up
        QVERIFY(boxes_->seen().empty());
        QCOMPARE(screen(formula), before);
        QVERIFY(find(window_.get(), print)->isVisible());
        checkReportPdf(path, workedExamplePage(formula), printer());
    }

    void cancel_prints_nothing_and_changes_nothing()
    {
        enterWorkedExample(window_.get(), Formula::Hiley);
        const QStringList before = screen(Formula::Hiley);
        const QString path = dir_.filePath("cancelled.pdf");
        printer().setOutputFileName(path);
        dialogs_->answerNext([](QDialog& dialog) { dialog.reject(); });
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command3"), Qt::LeftButton);
        QCOMPARE(dialogs_->titles().size(), 1);
        QVERIFY(!QFile::exists(path));
        QVERIFY(boxes_->seen().empty());
        QCOMPARE(screen(Formula::Hiley), before);
        QVERIFY(find(window_.get(), "Command3")->isVisible());
    }

    // The folder of the chosen file goes away after the dialog: nothing is
    // written, a check message says so, the tab stays as it was.
    void unwritable_output_gives_the_failure_box()
    {
        enterWorkedExample(window_.get(), Formula::Danish);
        const QStringList before = screen(Formula::Danish);
        const float S = window_->storedS(Formula::Danish);
        const QString folder = dir_.filePath("gone");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/report.pdf";
        printer().setOutputFileName(path);
        dialogs_->answerNext([folder](QDialog& dialog) {
            dialog.accept();
            QDir(folder).removeRecursively();
        });
        boxes_->answerNext(QMessageBox::Ok);
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command12"), Qt::LeftButton);
        checkFailureBox();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(screen(Formula::Danish), before);
        QCOMPARE(window_->storedS(Formula::Danish), S);
        QVERIFY(find(window_.get(), "Command12")->isVisible());
    }

    // A set of 0 leaves no blow count to print: the whole report is refused
    // after the dialog, and no file is begun.
    void report_without_a_blow_count_is_refused()
    {
        const QString path = dir_.filePath("zero.pdf");
        printer().setOutputFileName(path);
        dialogs_->answerNext([](QDialog& dialog) { dialog.accept(); });
        boxes_->answerNext(QMessageBox::Ok);
        app::printReport(window_.get(), window_->commonDialog(), app::snapshotOf(*window_->page(Formula::Janbu), 0.0f));
        QCOMPARE(dialogs_->titles().size(), 1);
        checkFailureBox();
        QVERIFY(!QFile::exists(path));
    }

    // The set-up chooses the output; the next report's dialog comes in the
    // set-up form with that choice, and so does the one after it.
    void set_up_choices_stay_for_the_reports()
    {
        const QString path = dir_.filePath("chosen.pdf");
        dialogs_->answerNext([path](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>("printers");
            QVERIFY(printers);
            printers->setCurrentIndex(printers->count() - 1);  // print to file (PDF)
            auto* file = dialog.findChild<QLineEdit*>("filename");
            QVERIFY(file);
            file->setText(path);
            dialog.accept();
        });
        window_->menuActions().setprint->trigger();
        QCOMPARE(window_->findChild<app::CommonDialog*>("CommonDialog1"), &window_->commonDialog());
        QCOMPARE(printer().outputFileName(), path);

        enterWorkedExample(window_.get(), Formula::Janbu);
        for (int round = 0; round < 2; ++round) {
            dialogs_->answerNext([](QDialog& dialog) { dialog.accept(); });
            QTest::mouseClick(find<QPushButton>(window_.get(), "Command14"), Qt::LeftButton);
            QVERIFY(QFile::exists(path));
            checkReportPdf(path, workedExamplePage(Formula::Janbu), printer());
            QVERIFY(QFile::remove(path));
        }
        QCOMPARE(dialogs_->titles(), QStringList({"ตั้งค่าเครื่องพิมพ์", "ตั้งค่าเครื่องพิมพ์", "ตั้งค่าเครื่องพิมพ์"}));
        QVERIFY(boxes_->seen().empty());
    }

    void set_up_cancelled_changes_nothing()
    {
        const QString path = dir_.filePath("kept.pdf");
        printer().setOutputFileName(path);
        printer().setPageSize(QPageSize(QPageSize::Letter));
        printer().setPageOrientation(QPageLayout::Landscape);
        const QPageLayout layout = printer().pageLayout();
        window_->tabs()->setCurrentIndex(2);
        dialogs_->answerNext([](QDialog& dialog) {
            auto* file = dialog.findChild<QLineEdit*>("filename");
            if (file) file->setText("/elsewhere.pdf");
            dialog.reject();
        });
        window_->menuActions().setprint->trigger();
        QCOMPARE(dialogs_->titles(), QStringList({"ตั้งค่าเครื่องพิมพ์"}));
        QCOMPARE(printer().outputFileName(), path);
        QVERIFY(printer().pageLayout().isEquivalentTo(layout));
        QCOMPARE(window_->tabs()->currentIndex(), 2);
        QVERIFY(boxes_->seen().empty());
    }

private:
    QPrinter& printer() { return window_->commonDialog().printer(); }

    // Everything the tab shows that a report could disturb.
    QStringList screen(Formula formula) const
    {
        QStringList shown{QString::number(window_->tabs()->currentIndex())};
        app::FormulaTab* page = window_->page(formula);
        for (auto* label : page->findChildren<QLabel*>()) shown << label->objectName() + "=" + label->text();
        for (auto* field : page->findChildren<QLineEdit*>()) shown << field->objectName() + "=" + field->text();
        for (auto* box : page->findChildren<QCheckBox*>()) shown << box->objectName() + (box->isChecked() ? "+" : "-");
        for (auto* frame : page->findChildren<QGroupBox*>()) shown << frame->objectName() + (frame->isVisible() ? "+" : "-");
        return shown;
    }

    void checkFailureBox()
    {
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        const SeenBox& box = boxes_->seen().front();
        QCOMPARE(box.text, QString("ไม่สามารถพิมพ์รายงานได้"));
        QCOMPARE(box.title, QString("กรุณาตรวจสอบ"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    QTemporaryDir dir_;
    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
    std::unique_ptr<DialogAnswerer> dialogs_;
};

BLOWCOUNT_GUI_TEST_MAIN(PrintingTest)
#include "tst_printing.moc"
