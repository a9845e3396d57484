// A report printed from its print button through a real print service:
// run by tests/print/with_cups.sh, which starts a private cupsd with a queue
// that keeps every job's PDF as Qt sent it. The printer dialog starts on
// "print to file"; the queue is picked in it, as a user would.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>

#include "app/common_dialog.h"
#include "app/printer_state.h"
#include "gui_fixture.h"
#include "report_pdf_check.h"
#include "tests/print/print_jobs.h"
#include "worked_examples.h"

using namespace testing_gui;
using namespace std::chrono_literals;
using calc::Formula;

namespace {

// Runs a CUPS administration command on the test service; false when it fails.
bool administer(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) return false;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

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

    // Each state as CUPS reports it, and back to ready once mended.
    void queue_state_follows_the_queue()
    {
        using app::QueueState;
        const QString queue = print_jobs::testPrinter();
        QCOMPARE(app::queueState(queue), QueueState::Ready);
        QCOMPARE(app::queueState(queue + "-gone"), QueueState::Missing);
        QCOMPARE(app::queueState(QString()), QueueState::Missing);

        QVERIFY(administer("cupsreject", {queue}));
        QCOMPARE(app::queueState(queue), QueueState::NotAccepting);
        QVERIFY(administer("cupsaccept", {queue}));
        QCOMPARE(app::queueState(queue), QueueState::Ready);

        QVERIFY(administer("cupsdisable", {queue}));
        QCOMPARE(app::queueState(queue), QueueState::Stopped);
        QVERIFY(administer("cupsenable", {queue}));
        QCOMPARE(app::queueState(queue), QueueState::Ready);
    }

    // The queue goes wrong after the dialog chose it and before the job is
    // sent: the report says it cannot be printed, and nothing is printed.
    void queue_fault_is_a_print_failure_data()
    {
        const QString queue = print_jobs::testPrinter();
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("faultArguments");
        QTest::addColumn<QString>("mend");
        QTest::addColumn<QStringList>("mendArguments");
        QTest::newRow("rejecting jobs") << "cupsreject" << QStringList{queue} << "cupsaccept" << QStringList{queue};
        QTest::newRow("stopped") << "cupsdisable" << QStringList{queue} << "cupsenable" << QStringList{queue};
        QTest::newRow("removed") << "lpadmin" << QStringList{"-x", queue} << "lpadmin"
                                 << QStringList{"-p", queue, "-E", "-v", "keep:" + print_jobs::jobFolder(),
                                                "-o", "printer-is-shared=false"};
    }
    void queue_fault_is_a_print_failure()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, faultArguments);
        QFETCH(QString, mend);
        QFETCH(QStringList, mendArguments);
        auto window = openMainWindow();
        enterWorkedExample(window.get(), Formula::Hiley);

        BoxAnswerer boxes(window.get());
        boxes.answerNext(QMessageBox::Ok);
        DialogAnswerer dialogs;
        bool faulted = false;
        dialogs.answerNext([&](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>("printers");
            QVERIFY(printers);
            const int queue = printers->findText(print_jobs::testPrinter());
            QVERIFY(queue >= 0);
            printers->setCurrentIndex(queue);
            faulted = administer(fault, faultArguments);
            dialog.accept();
        });
        const QStringList before = print_jobs::keptJobs(print_jobs::jobFolder());
        QTest::mouseClick(find<QPushButton>(window.get(), "Command3"), Qt::LeftButton);
        const bool mended = administer(mend, mendArguments);
        QVERIFY2(faulted, qPrintable(fault + " failed"));
        QVERIFY2(mended, qPrintable(mend + " failed"));
        QCOMPARE(dialogs.titles().size(), 1);
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().text, QString::fromUtf8("ไม่สามารถพิมพ์รายงานได้"));
        QVERIFY2(!print_jobs::waitForNewJob(print_jobs::jobFolder(), before, 2s), "a job was printed");
        QCOMPARE(window->commonDialog().printer().printerName(), print_jobs::testPrinter());
    }
};

BLOWCOUNT_GUI_TEST_MAIN(CupsPrintTest)
#include "tst_cups_print.moc"
