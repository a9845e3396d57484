// The capacity check window: one at a time from the tools menu, following the
// tabs and its own inputs as they change, the record's message beside the
// record, each tab's message in its row, the bearing graph and the page.
// With BLOWCOUNT_CAPACITY_PICTURES=DIR it also leaves the window's picture and
// the page as a PDF in DIR, for a person to look at.
#include <QAction>
#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QValueAxis>

#include "app/capacity_window.h"
#include "app/common_dialog.h"
#include "app/formula_tab.h"
#include "app/menu_bar.h"
#include "calc/capacity.h"
#include "calc/messages.h"
#include "gui_fixture.h"
#include "report/page_painter.h"

using namespace testing_gui;
using calc::Formula;

class CapacityTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        fillTab(window_.get(), Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {});
        fillTab(window_.get(), Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"},
                {"Check8", "Check6"});
        fillTab(window_.get(), Formula::Danish, {"30", "12", "40", "3", "100", "0.8", "5", "200"},
                {"Check4", "Check2"});
        fillTab(window_.get(), Formula::Janbu, {"30", "20", "30", "5", "80", "4", "200"}, {"Check9", "Check11"});
    }
    void cleanup()
    {
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        boxes_.reset();
        window_.reset();
    }

    void oneWindowFromTheToolsMenu()
    {
        QAction* item = window_->menuActions().capacitycheck;
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("ตรวจสอบกำลังรับน้ำหนักจากผลการตอก..."));
        QCOMPARE(window_->findChild<QAction*>("tools")->text(), QStringLiteral("เครื่องมือ"));
        item->trigger();
        item->trigger();
        const auto windows = window_->findChildren<app::CapacityWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.front()->isVisible());
        QVERIFY(!windows.front()->isModal());
        QCOMPARE(windows.front()->objectName(), QStringLiteral("CapacityWindow"));
    }

    void followsTheRecordAndTheTabs()
    {
        app::CapacityWindow* w = open();
        auto* value = find<QLineEdit>(w, "recordvalue");
        auto* message = find<QLabel>(w, "recordmessage");
        QCOMPARE(message->text(), QString::fromUtf8(calc::kRecordNotPositive));  // nothing typed yet
        QVERIFY(find<QLabel>(w, "capacityqu(0)")->text().isEmpty());

        typeInto(value, "2.14");
        QVERIFY(message->text().isEmpty());
        QCOMPARE(find<QLabel>(w, "capacityqu(0)")->text(), QStringLiteral("120"));
        QCOMPARE(find<QLabel>(w, "capacitysafe(0)")->text(), QStringLiteral("30"));
        QCOMPARE(find<QLabel>(w, "capacityrequired(0)")->text(), QStringLiteral("30"));
        QCOMPARE(find<QLabel>(w, "capacityverdict(0)")->text(), QStringLiteral("ผ่าน"));
        for (int i = 0; i < 4; ++i) QVERIFY(!find<QLabel>(w, QStringLiteral("capacityverdict(%1)").arg(i))->text().isEmpty());

        // The tab's Qa typed anew: the verdict follows without a click.
        auto* qa = window_->page(Formula::EngineeringNews)->field(0);
        qa->setText("31");
        QCOMPARE(find<QLabel>(w, "capacityrequired(0)")->text(), QStringLiteral("31"));
        QCOMPARE(find<QLabel>(w, "capacityverdict(0)")->text(), QStringLiteral("ไม่ผ่าน"));

        // The same record as 140 blows per 30 cm.
        find<QRadioButton>(w, "recordblows30")->click();
        QVERIFY(find<QRadioButton>(w, "recordblows30")->isChecked());
        QVERIFY(!find<QRadioButton>(w, "recordset10")->isChecked());
        value->clear();
        typeInto(value, "140");  // S = 0.2143 cm against 0.214
        QCOMPARE(find<QLabel>(w, "capacityqu(0)")->text(), QStringLiteral("119.99"));

        // The key filter of the tabs: a minus sign never gets in.
        typeInto(value, "-");
        QCOMPARE(value->text(), QStringLiteral("140"));
        value->setText("0");
        QCOMPARE(message->text(), QString::fromUtf8(calc::kRecordNotPositive));
        QVERIFY(find<QLabel>(w, "capacityqu(0)")->text().isEmpty());
        QVERIFY(boxes_->seen().empty());  // live: no message box
    }

    void tabMessagesInTheirRows()
    {
        app::CapacityWindow* w = open();
        typeInto(find<QLineEdit>(w, "recordvalue"), "2");
        // 250 cm is too high a drop for a 3 t hammer on the Engineering News tab.
        typeInto(find<QLineEdit>(w, "recordheight"), "250");
        auto* row = find<QLabel>(w, "capacitymessage(0)");
        QVERIFY(row->isVisible());
        QCOMPARE(row->text(), QString::fromStdString(calc::messages::dropTooHigh(240, ".")));
        QVERIFY(!find<QLabel>(w, "capacityqu(0)")->isVisible());
        window_->page(Formula::Hiley)->field(2)->clear();
        QCOMPARE(find<QLabel>(w, "capacitymessage(1)")->text(), QString::fromUtf8(calc::messages::kIncomplete));

        const QString dir = qEnvironmentVariable("BLOWCOUNT_CAPACITY_PICTURES");
        if (!dir.isEmpty()) {
            w->grab().save(dir + "/capacity_messages.png");
            QVERIFY(report::writePdf(report::capacityPage(w->study()), dir + "/capacity_messages.pdf"));
        }
    }

    void bearingGraphAndPage()
    {
        app::CapacityWindow* w = open();
        typeInto(find<QLineEdit>(w, "recordvalue"), "1.8");
        typeInto(find<QLineEdit>(w, "recordheight"), "80");
        QChart* chart = find<QChartView>(w, "capacitychart")->chart();
        QVERIFY(chart);
        const auto axes = chart->axes();
        QCOMPARE(axes.size(), 2);
        QStringList titles;
        for (QAbstractAxis* axis : axes) titles << axis->titleText();
        QVERIFY(titles.contains(QStringLiteral("จำนวนครั้งในการตอกต่อระยะ 30 ซม. (ครั้ง)")));
        QVERIFY(titles.contains(QStringLiteral("น้ำหนักปลอดภัยที่พิสูจน์ได้ (ตัน)")));
        auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
        // 1 to 200, widened to round ticks.
        QVERIFY(x->min() <= 1 && x->min() >= 0);
        QVERIFY(x->max() >= 200 && x->max() < 250);
        // Four formulas, two required loads (30 t and 40 t), each one line named
        // after the formulas that share it, the record's points at 166.7 blows.
        const report::Chart data = report::bearingChart(w->study(), {0, 0, 1000, 1000});
        QCOMPARE(data.series.size(), std::size_t{7});
        QCOMPARE(data.series[4].name, std::string("Qa Engineering News, Janbu"));
        QCOMPARE(data.series[5].name, std::string("Qa Hiley, Danish"));
        QCOMPARE(data.series[5].points.front()->y, 40.0);
        QVERIFY(data.series[4].colour != data.series[5].colour);
        QCOMPARE(data.series.back().points.size(), std::size_t{4});
        QCOMPARE(data.series.back().points.front()->x, 30 / (static_cast<double>(1.8f) / 10));

        // A range that ends below the record leaves its points out. The lines
        // follow at once; the graph once the event loop runs, a burst of
        // changes drawing it once.
        const auto shownMax = [&] {
            QChart* shown = find<QChartView>(w, "capacitychart")->chart();
            return qobject_cast<QValueAxis*>(shown->axes(Qt::Horizontal).front())->max();
        };
        QCoreApplication::processEvents();
        find<QSpinBox>(w, "blowsto")->setValue(150);
        find<QSpinBox>(w, "blowsto")->setValue(120);
        QVERIFY(shownMax() >= 200);
        QCoreApplication::processEvents();
        const double max = shownMax();
        QVERIFY(max >= 120 && max < 200);
        QCOMPARE(report::bearingChart(w->study(), {0, 0, 1000, 1000}).series.size(), std::size_t{6});

        const QString dir = qEnvironmentVariable("BLOWCOUNT_CAPACITY_PICTURES");
        if (!dir.isEmpty()) {
            find<QSpinBox>(w, "blowsto")->setValue(200);
            w->grab().save(dir + "/capacity_window.png");
            QVERIFY(report::writePdf(report::capacityPage(w->study()), dir + "/capacity_page.pdf"));
        }
    }

    // Print goes through the printer dialog of the tabs' reports; บันทึกเป็น PDF...
    // asks for a file name. Both give the one-page report of what is shown.
    void printAndSaveThePage()
    {
        app::CapacityWindow* w = open();
        typeInto(find<QLineEdit>(w, "recordvalue"), "1.8");
        typeInto(find<QLineEdit>(w, "recordheight"), "80");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        DialogAnswerer dialogs;
        const QString printed = dir.filePath("printed.pdf");
        window_->commonDialog().printer().setOutputFileName(printed);
        dialogs.answerNext([](QDialog& dialog) { dialog.accept(); });
        QTest::mouseClick(find<QPushButton>(w, "capacityprint"), Qt::LeftButton);

        const QString saved = dir.filePath("saved.pdf");
        dialogs.answerNext([saved](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            QVERIFY(files);
            files->selectFile(saved);
            dialog.accept();
        });
        QTest::mouseClick(find<QPushButton>(w, "capacitypdf"), Qt::LeftButton);
        QCOMPARE(dialogs.titles().size(), 2);
        QVERIFY(!dialogs.sawUnexpected());
        QVERIFY(boxes_->seen().empty());

        for (const QString& path : {printed, saved}) {
            QProcess text;
            text.start("pdftotext", {"-layout", path, "-"});
            QVERIFY(text.waitForFinished(10000));
            const QString out = QString::fromUtf8(text.readAllStandardOutput());
            QVERIFY2(out.contains("Qu = 97.32"), qPrintable(path + ": " + out));
            QVERIFY(out.contains("Qu/FS = 24.33"));
            QVERIFY(out.contains("(Bearing Graph)"));  // the chart is on the page
            QProcess info;
            info.start("pdfinfo", {path});
            QVERIFY(info.waitForFinished(10000));
            QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));
        }
    }

private:
    app::CapacityWindow* open()
    {
        window_->menuActions().capacitycheck->trigger();
        auto* w = window_->findChild<app::CapacityWindow*>();
        if (w && !QTest::qWaitForWindowExposed(w)) qWarning("the capacity window was not shown");
        return w;
    }

    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
};

BLOWCOUNT_GUI_TEST_MAIN(CapacityTest)
#include "tst_capacity.moc"
