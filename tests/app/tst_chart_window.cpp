// The driving chart window: opened once from the tools menu, its table the
// tabs' own calculations as they stand, following every change to a tab or
// to its inputs, keeping the last table on a range it cannot use, and the
// hammer list's key filter; CSV and PDF written through save files.
#include <QAction>
#include <QAreaSeries>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include "app/common_dialog.h"
#include <QTableView>
#include <QTemporaryDir>
#include <QXYSeries>

#include "app/chart_window.h"
#include "app/formula_tab.h"
#include "calc/formula_names.h"
#include "gui_fixture.h"

using namespace testing_gui;

class ChartWindowTest : public QObject {
    Q_OBJECT

private:
    app::ChartWindow* open()
    {
        window_->menuActions().drivingchart->trigger();
        auto* chart = window_->findChild<app::ChartWindow*>(QStringLiteral("ChartWindow"));
        if (chart) QCoreApplication::processEvents();
        return chart;
    }
    QString cell(app::ChartWindow* chart, int row, int column)
    {
        const QAbstractItemModel* model = find<QTableView>(chart, "charttable")->model();
        return model->data(model->index(row, column)).toString();
    }
    int rows(app::ChartWindow* chart) { return find<QTableView>(chart, "charttable")->model()->rowCount(); }
    void settle() { QTest::qWait(20); }

    std::unique_ptr<app::MainWindow> window_;

private slots:
    void init()
    {
        window_ = openMainWindow();
        fillTab(window_.get(), calc::Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {});
        fillTab(window_.get(), calc::Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"},
                {"Check8", "Check6"});
    }
    void cleanup() { window_.reset(); }

    void opensOnceFromTheMenu()
    {
        QCOMPARE(window_->menuActions().drivingchart->text(), QStringLiteral("ตารางเกณฑ์การตอกตามระยะยก..."));
        QCOMPARE(window_->menuActions().drivingchart->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        const QList<QAction*> bar = window_->menuBar()->actions();
        QCOMPARE(bar.at(1)->objectName(), QStringLiteral("tools"));
        QCOMPARE(bar.at(1)->text(), QStringLiteral("เครื่องมือ"));
        app::ChartWindow* first = open();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(open(), first);
        QCOMPARE(window_->findChildren<app::ChartWindow*>().size(), 1);
    }

    // Every row is what the tab would show with h set to the row's text.
    void rowsAreTheTabsOwnCalculations()
    {
        app::ChartWindow* chart = open();
        QCOMPARE(rows(chart), 11);
        QCOMPARE(cell(chart, 5, 0), QStringLiteral("100"));
        QCOMPARE(cell(chart, 5, 1), QStringLiteral("2.14"));  // Engineering News, worked example
        QCOMPARE(cell(chart, 5, 2), QStringLiteral("140"));
        QCOMPARE(cell(chart, 5, 3), QStringLiteral("6.04"));  // Hiley
        QCOMPARE(cell(chart, 5, 4), QStringLiteral("50"));
        QCOMPARE(cell(chart, 0, 1), QStringLiteral("ติดลบ"));
        // Danish and Janbu tabs are incomplete: no columns, a line each.
        QCOMPARE(chart->findChild<QTableView*>("charttable")->model()->columnCount(), 1 + 2 * 2 + 2);
        const QString failures = find<QLabel>(chart, "chartfailures")->text();
        QVERIFY2(failures.contains(QStringLiteral("Danish's Formular: คุณป้อนข้อมูลไม่ครบ")), qPrintable(failures));
        for (const calc::ChartRow& row : chart->chart().rows) {
            calc::TabInputs single = window_->page(calc::Formula::Hiley)->inputs();
            single.texts[3] = row.h;
            const calc::TabOutcome expected = calc::calculateTab(single);
            QCOMPARE(row.cells[1].kind, expected.kind);
            if (expected.kind == calc::OutcomeKind::Ok)
                QVERIFY(expected.results->back().find("  " + row.cells[1].blows30 + "  ครั้ง") != std::string::npos);
        }
        // Under the table the workable drop heights of each formula with columns.
        QCOMPARE(find<QLabel>(chart, "chartworkable")->text(),
                 QStringLiteral("ระยะยกที่ใช้ได้ (Engineering News, ลูกตุ้ม 3 ตัน): 91.5 – 240 ซม.\n"
                                "ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 5 ตัน): 64.5 – 162 ซม."));
        // The chart: a series per formula with columns, named in the legend.
        QChart* drawn = find<QChartView>(chart, "chartview")->chart();
        QVERIFY(drawn);
        // Each formula's workable heights a bar beneath its lines.
        QVERIFY(qobject_cast<QAreaSeries*>(drawn->series().at(1)));
        QCOMPARE(drawn->series().at(2)->name(), QStringLiteral("Engineering News"));
    }

    void followsTheTabsAndItsInputs()
    {
        app::ChartWindow* chart = open();
        window_->page(calc::Formula::EngineeringNews)->field(1)->setText(QStringLiteral("5"));
        settle();
        calc::TabInputs single = window_->page(calc::Formula::EngineeringNews)->inputs();
        single.texts[2] = "100";
        const calc::TabOutcome expected = calc::calculateTab(single);
        QVERIFY(expected.results->back().find("  " + cell(chart, 5, 2).toStdString() + "  ครั้ง") != std::string::npos);
        QCOMPARE(cell(chart, 5, 2), QStringLiteral("16"));  // was 140 with W = 3

        find<QCheckBox>(chart, "formula1")->setChecked(false);
        settle();
        QCOMPARE(chart->findChild<QTableView*>("charttable")->model()->columnCount(), 1 + 2 + 2);

        find<QLineEdit>(chart, "heightstep")->setText(QStringLiteral("1"));
        settle();
        QCOMPARE(rows(chart), 101);

        // A range it cannot use: a message, and the last good table stays.
        find<QLineEdit>(chart, "heightto")->setText(QStringLiteral("20"));
        settle();
        QCOMPARE(find<QLabel>(chart, "chartmessage")->text(),
                 QStringLiteral("ระยะยกเริ่มต้นต้องไม่มากกว่าระยะยกสุดท้าย"));
        QCOMPARE(rows(chart), 101);
        find<QLineEdit>(chart, "heightto")->setText(QStringLiteral("60"));
        settle();
        QVERIFY(find<QLabel>(chart, "chartmessage")->text().isEmpty());
        QCOMPARE(rows(chart), 11);
    }

    void hammerListTakesBlanksAndSemicolons()
    {
        app::ChartWindow* chart = open();
        auto* hammers = find<QLineEdit>(chart, "hammers");
        typeInto(hammers, QStringLiteral("3 x5;0"));
        QCOMPARE(hammers->text(), QStringLiteral("3 5;0"));
        settle();
        QCOMPARE(rows(chart), 33);
        QCOMPARE(cell(chart, 11, 1), QStringLiteral("5"));
        QCOMPARE(cell(chart, 22, 2), QStringLiteral("ตรวจสอบข้อมูล"));  // a hammer of 0 is the row's fault
        const QStringList workable = find<QLabel>(chart, "chartworkable")->text().split(QLatin1Char('\n'));
        QCOMPARE(workable.size(), 6);
        QCOMPARE(workable[4], QStringLiteral("ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 5 ตัน): 64.5 – 162 ซม."));
        QCOMPARE(workable[5], QStringLiteral("ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 0 ตัน): ค่านี้ต้องมากกว่าศูนย์"));
        typeInto(find<QLineEdit>(chart, "heightfrom"), QStringLiteral(" ;"));
        QCOMPARE(find<QLineEdit>(chart, "heightfrom")->text(), QStringLiteral("50"));
    }

    // Through CommonDialog1 as the tabs print: cancel prints nothing, a file
    // that cannot be written gives the failure box, and the pages otherwise.
    void printsThroughThePrinterDialog()
    {
        app::ChartWindow* chart = open();
        QTemporaryDir dir;
        QPrinter& printer = window_->commonDialog().printer();
        DialogAnswerer dialogs;
        printer.setOutputFileName(dir.filePath("cancelled.pdf"));
        dialogs.answerNext([](QDialog& dialog) { dialog.reject(); });
        find<QPushButton>(chart, "chartprint")->click();
        QCOMPARE(dialogs.titles().size(), 1);
        QVERIFY(!QFile::exists(dir.filePath("cancelled.pdf")));

        printer.setOutputFileName(dir.filePath("chart.pdf"));
        dialogs.answerNext([](QDialog& dialog) { dialog.accept(); });
        find<QPushButton>(chart, "chartprint")->click();
        QVERIFY(QFile(dir.filePath("chart.pdf")).size() > 1000);

        BoxAnswerer boxes(window_.get());
        printer.setOutputFileName(dir.filePath("gone/chart.pdf"));
        dialogs.answerNext([](QDialog& dialog) { dialog.accept(); });
        boxes.answerNext(QMessageBox::Ok);
        find<QPushButton>(chart, "chartprint")->click();
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("ไม่สามารถพิมพ์รายงานได้"));
        QVERIFY(!dialogs.sawUnexpected());
    }

    void csvAndPdfWritten()
    {
        app::ChartWindow* chart = open();
        QTemporaryDir dir;
        QVERIFY(chart->writeCsv(dir.filePath("table.csv")));
        QFile csv(dir.filePath("table.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(bytes.count('\n'), 12);
        QVERIFY(bytes.contains("\r\n100,2.14,140,6.04,50,140,Engineering News\r\n"));
        QVERIFY(chart->writePdf(dir.filePath("table.pdf")));
        QVERIFY(QFile(dir.filePath("table.pdf")).size() > 1000);
        QVERIFY(!chart->writeCsv(dir.filePath("missing/table.csv")));
    }
};

BLOWCOUNT_GUI_TEST_MAIN(ChartWindowTest)
#include "tst_chart_window.moc"
