// The chart module that cannot be had: no file, a file that is no module, a
// module without the table. Each tools item then shows the check message
// "ไม่สามารถแสดงกราฟได้" with the reason, opens nothing, and the main window
// goes on calculating; once the module is there again, the same item opens
// its window. (The module loaded by the built program: the test
// app_check_charts, blowcount --check-charts; installed and moved:
// tests/install/install_test.sh.)
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/chart_loader.h"
#include "app/chart_windows.h"
#include "app/formula_tab.h"
#include "gui_fixture.h"
#include "report/page_painter.h"
#include "worked_examples.h"

using namespace testing_gui;

class ChartModuleTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        app::useChartModule(nullptr);
        app::setChartModuleFolders({folder_.path().toStdString()});
        QFile::remove(folder_.filePath(app::kChartModuleFile));
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window_.get() && w->isWindow() && w->isVisible()) w->close();
        boxes_.reset();
        window_.reset();
        app::setChartModuleFolders({});
        app::useChartModule(&app::chartWindows());
    }

    void unusable_module_tells_why_and_the_program_goes_on_data()
    {
        QTest::addColumn<QString>("source");    // copied in as the module
        QTest::addColumn<QByteArray>("bytes");  // or written as the module; neither: none
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("detail");  // in the box's last line
        QTest::newRow("missing") << QString() << QByteArray() << app::kChartModuleMissing << QString();
        QTest::newRow("not a module") << QString() << QByteArray(4096, 'x') << app::kChartModuleBroken
                                      << QStringLiteral("invalid ELF header");
        QTest::newRow("no table") << QStringLiteral(OTHER_MODULE) << QByteArray() << app::kChartModuleBroken
                                  << QStringLiteral(": no blowcount_chart_module");
    }
    void unusable_module_tells_why_and_the_program_goes_on()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(QString, detail);
        const QString module = folder_.filePath(app::kChartModuleFile);
        if (!source.isEmpty()) QVERIFY(QFile::copy(source, module));
        QFile written(module);
        if (!bytes.isEmpty()) QVERIFY(written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size());
        written.close();

        const app::MenuActions& menu = window_->menuActions();
        std::size_t boxes = 0;
        for (QAction* item : {menu.drivingchart, menu.capacitycheck, menu.drivingrecords}) {
            boxes_->answerNext(QMessageBox::Ok);
            item->trigger();
            ++boxes;
            QTRY_COMPARE(boxes_->seen().size(), boxes);
            const SeenBox& box = boxes_->seen().back();
            QCOMPARE(box.title, QStringLiteral("กรุณาตรวจสอบ"));
            const QStringList lines = box.text.split(QLatin1Char('\n'));
            QCOMPARE(lines.value(0), QStringLiteral("ไม่สามารถแสดงกราฟได้"));
            QCOMPARE(lines.value(1), reason);
            QCOMPARE(lines.size(), detail.isEmpty() ? 2 : 3);
            QVERIFY2(lines.value(2).contains(detail), qPrintable(lines.value(2)));
        }
        QVERIFY(!window_->findChild<QWidget*>(QStringLiteral("ChartWindow")));
        QVERIFY(!window_->findChild<QWidget*>(QStringLiteral("CapacityWindow")));
        QVERIFY(!window_->findChild<QWidget*>(QStringLiteral("RecordsWindow")));
        QVERIFY(!report::chartPainter());
        QVERIFY(app::chartModulePath().isEmpty());

        enterWorkedExample(window_.get(), calc::Formula::EngineeringNews);
        QVERIFY(window_->page(calc::Formula::EngineeringNews)->printButton()->isVisible());

        // The module back: the same item opens its window, no box.
        app::useChartModule(&app::chartWindows());
        window_->menuActions().capacitycheck->trigger();
        QVERIFY(window_->findChild<QWidget*>(QStringLiteral("CapacityWindow")));
        QVERIFY(report::chartPainter() == app::chartWindows().paintChart);
        QVERIFY(!boxes_->sawUnexpected());
    }

    void a_window_the_module_lacks_is_told()
    {
        app::useChartModule(&app::chartWindows());
        boxes_->answerNext(QMessageBox::Ok);
        QVERIFY(!app::openChartWindow(*window_, "records"));
        QTRY_COMPARE(boxes_->seen().size(), 1u);
        QCOMPARE(boxes_->seen().front().text, QStringLiteral("ไม่สามารถแสดงกราฟได้\n") + app::kChartWindowMissing
                                                  + QStringLiteral("\nrecords"));
        QVERIFY(!boxes_->sawUnexpected());
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
};

BLOWCOUNT_GUI_TEST_MAIN(ChartModuleTest)
#include "tst_chart_module.moc"
