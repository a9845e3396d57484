// A report printed from its print button through a real print service:
// run by tests/print/with_cups.sh, which starts a private cupsd with a queue
// that keeps every job's PDF as Qt sent it. The printer dialog starts on
// "print to file"; the queue is picked in it, as a user would.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "app/common_dialog.h"
#include "gui_fixture.h"
#include "report_pdf_check.h"
#include "tests/print/print_jobs.h"
#include "worked_examples.h"

using namespace testing_gui;
using namespace std::chrono_literals;
using calc::Formula;

class CupsPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (print_jobs::testPrinter().isEmpty() || print_jobs::jobFolder().isEmpty())
            QSKIP("run through tests/print/with_cups.sh JOBDIR -- tst_app_cups_print");
    }

    void print_button_prints_on_the_queue_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("print");
        QTest::newRow("Engineering News") << Formula::EngineeringNews << "Command6";
        QTest::newRow("Hiley") << Formula::Hiley << "Command3";
        QTest::newRow("Danish") << Formula::Danish << "Command12";
        QTest::newRow("Janbu") << Formula::Janbu << "Command14";
    }
    void print_button_prints_on_the_queue()
    {
        QFETCH(Formula, formula);
        QFETCH(QString, print);
        auto window = openMainWindow();
        enterWorkedExample(window.get(), formula);
        QPrinter& printer = window->commonDialog().printer();
        printer.setOutputFileName(QDir::temp().filePath("blowcount-not-this.pdf"));

        BoxAnswerer boxes(window.get());
        DialogAnswerer dialogs;
        dialogs.answerNext([](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>("printers");
            QVERIFY(printers);
            const int queue = printers->findText(print_jobs::testPrinter());
            QVERIFY(queue >= 0);
            printers->setCurrentIndex(queue);
            dialog.accept();
        });
        const QStringList before = print_jobs::keptJobs(print_jobs::jobFolder());
        QTest::mouseClick(find<QPushButton>(window.get(), print), Qt::LeftButton);
        QCOMPARE(dialogs.titles().size(), 1);
        QVERIFY(!dialogs.sawUnexpected());
        QVERIFY2(boxes.seen().empty(), "the report could not be printed");
        QCOMPARE(printer.printerName(), print_jobs::testPrinter());
        QVERIFY(printer.outputFileName().isEmpty());

        const std::optional<QString> job = print_jobs::waitForNewJob(print_jobs::jobFolder(), before, 20s);
        QVERIFY2(job, "no job kept within 20 s");
        QFile info(QString(*job).replace(".pdf", ".info"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(info.readAll())
                    .contains("\ntitle=Blow Count - " + QString::fromUtf8(calc::tabTexts(formula).caption) + "\n"));
        checkReportPdf(*job, workedExamplePage(formula), printer);
    }
};

BLOWCOUNT_GUI_TEST_MAIN(CupsPrintTest)
#include "tst_cups_print.moc"
