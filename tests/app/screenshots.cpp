// Takes pictures of the windows for a person to look at (not a test):
//   xvfb-run -s "-screen 0 1280x800x24" build/tests/app/blowcount-screenshots OUTDIR
// The splash at several ticks, every tab before and after its worked example,
// the About window, the printer dialog in its set-up form, and the Danish
// report printed from its print button into OUTDIR/danish-report.pdf, the
// main menu with its file items and recent files, and the pile files' boxes.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/about_window.h"
#include "app/capacity_window.h"
#include "app/chart_loader.h"
#include "app/chart_window.h"
#include "app/chart_windows.h"
#include "app/common_dialog.h"
#include "app/file_dialogs.h"
#include "app/formula_tab.h"
#include "app/interface_font.h"
#include "app/main_window.h"
#include "app/records_window.h"
#include "app/splash_window.h"
#include "calc/pile_file.h"

namespace {

QString outDir;

void save(QWidget* widget, const QString& name)
{
    widget->grab().save(outDir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void answerBoxesLater()
{
    QTimer::singleShot(50, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            save(box, QStringLiteral("message"));
            box->button(box->standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::No)->click();
        }
    });
}

// Pictures the next modal dialog, then accepts it.
void acceptDialogLater(const QString& name)
{
    QTimer::singleShot(200, [name] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            save(dialog, name);
            dialog->accept();
        }
    });
}

// Pictures the next message box as `name`, then presses `button`.
void answerBoxLater(const QString& name, QMessageBox::StandardButton button)
{
    QTimer::singleShot(100, [name, button] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            save(box, name);
            box->button(button)->click();
        }
    });
}

void fill(app::MainWindow& window, calc::Formula formula, const QStringList& texts, const QStringList& boxes)
{
    app::FormulaTab* page = window.page(formula);
    window.tabs()->setCurrentWidget(page);
    for (int i = 0; i < texts.size(); ++i) {
        page->field(i)->clear();
        QTest::keyClicks(page->field(i), texts[i]);
    }
    for (const QString& box : boxes) page->findChild<QCheckBox*>(box)->click();
}

}  // namespace

int main(int argc, char* argv[])
{
    // The recent files go to the pictures' folder, not the user's settings.
    qputenv("XDG_CONFIG_HOME", (argc > 1 ? QByteArray(argv[1]) : QByteArray(".")) + "/config");
    QApplication application(argc, argv);
    app::useInterfaceFont();
    app::useChartModule(&app::chartWindows());
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);

    app::SplashWindow splash({}, std::chrono::milliseconds(5));
    splash.show();
    for (int tick : {30, 50, 79, 85, 100}) {
        if (!QTest::qWaitFor([&] { return splash.ticks() >= tick; }, 5000)) return 1;
        save(&splash, QStringLiteral("splash-%1").arg(tick));
    }
    splash.hide();

    app::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const QStringList names = {"engineering-news", "hiley", "danish", "janbu"};
    for (int i = 0; i < 4; ++i) {
        window.tabs()->setCurrentIndex(i);
        save(&window, names[i] + QStringLiteral("-before"));
    }
    fill(window, calc::Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {});
    window.page(calc::Formula::EngineeringNews)->calculateButton()->click();
    save(&window, QStringLiteral("engineering-news-after"));

    fill(window, calc::Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {"Check8", "Check6"});
    window.page(calc::Formula::Hiley)->calculateButton()->click();
    save(&window, QStringLiteral("hiley-after"));
    window.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    save(&window, QStringLiteral("hiley-formula"));

    fill(window, calc::Formula::Danish, {"30", "12", "40", "3", "100", "0.8", "5", "200"}, {"Check4", "Check2"});
    window.page(calc::Formula::Danish)->calculateButton()->click();
    save(&window, QStringLiteral("danish-after"));
    window.commonDialog().printer().setOutputFileName(outDir + QStringLiteral("/danish-report.pdf"));
    QFile::remove(window.commonDialog().printer().outputFileName());
    acceptDialogLater(QStringLiteral("print-dialog"));
    window.findChild<QPushButton*>(QStringLiteral("Command12"))->click();
    QFile::remove(outDir + QStringLiteral("/set-up.pdf"));
    window.commonDialog().printer().setOutputFileName(outDir + QStringLiteral("/set-up.pdf"));
    acceptDialogLater(QStringLiteral("set-up-dialog"));
    window.menuActions().setprint->trigger();

    fill(window, calc::Formula::Janbu, {"30", "20", "30", "5", "80", "4", "200"}, {"Check9", "Check11"});
    window.page(calc::Formula::Janbu)->calculateButton()->click();
    save(&window, QStringLiteral("janbu-after"));
    window.findChild<QPushButton*>(QStringLiteral("Command15"))->click();
    save(&window, QStringLiteral("janbu-formula"));

    // The driving chart over the four worked examples: as it opens, with two
    // hammers, and with a range it cannot use; its printed pages as a PDF.
    window.menuActions().drivingchart->trigger();
    auto* chart = window.findChild<app::ChartWindow*>(QStringLiteral("ChartWindow"));
    if (!chart || !QTest::qWaitForWindowExposed(chart)) return 1;
    QTest::qWait(100);
    save(chart, QStringLiteral("driving-chart"));
    chart->writePdf(outDir + QStringLiteral("/driving-chart.pdf"));
    QTest::keyClicks(chart->findChild<QLineEdit*>(QStringLiteral("hammers")), QStringLiteral("3 5"));
    QTest::qWait(100);
    save(chart, QStringLiteral("driving-chart-hammers"));
    chart->findChild<QLineEdit*>(QStringLiteral("heightstep"))->setText(QStringLiteral("0"));
    QTest::qWait(100);
    save(chart, QStringLiteral("driving-chart-bad-range"));
    chart->close();

    // The capacity a driving record proves (1.8 cm over the last ten blows
    // at an 80 cm drop) against the four worked examples, and its report.
    window.menuActions().capacitycheck->trigger();
    auto* capacity = window.findChild<app::CapacityWindow*>(QStringLiteral("CapacityWindow"));
    if (!capacity || !QTest::qWaitForWindowExposed(capacity)) return 1;
    capacity->findChild<QLineEdit*>(QStringLiteral("recordheight"))->setText(QStringLiteral("80"));
    capacity->findChild<QLineEdit*>(QStringLiteral("recordvalue"))->setText(QStringLiteral("1.8"));
    QTest::qWait(100);
    save(capacity, QStringLiteral("capacity"));
    capacity->writePdf(outDir + QStringLiteral("/capacity.pdf"));
    capacity->close();

    // The chart module missing: the message in place of the driving chart.
    app::useChartModule(nullptr);
    app::setChartModuleFolders({(outDir + QStringLiteral("/no-such-folder")).toStdString()});
    answerBoxLater(QStringLiteral("chart-module-missing"), QMessageBox::Ok);
    window.menuActions().drivingchart->trigger();
    app::setChartModuleFolders({});
    app::useChartModule(&app::chartWindows());

    // Fifty driven piles against the worked examples: every status, both
    // flags, a record's penetration graph, then only the failing ones.
    {
        calc::PileDocument site = window.document();
        for (int i = 1; i <= 50; ++i) {
            calc::PileRecord r;
            r.mark = QStringLiteral("P-%1").arg(i, 3, 10, QLatin1Char('0')).toStdString();
            r.location = QStringLiteral("%1/%2").arg(QChar('A' + (i - 1) / 10)).arg((i - 1) % 10 + 1).toStdString();
            r.date = QStringLiteral("2026-05-%1").arg(4 + i / 12, 2, 10, QLatin1Char('0')).toStdString();
            r.depth = QString::number(17.5 + (i % 7) * 0.3, 'f', 2).toStdString();
            const int end = 120 + (i * 37) % 70;  // the last count
            for (int k = 10; k >= 0; --k) r.blows.push_back(std::to_string(std::max(2, end - k * k * (1 + i % 3))));
            r.sets = {QString::number(30.0 / end * 10 + 0.2, 'f', 2).toStdString(),
                      QString::number(300.0 / end, 'f', 2).toStdString()};
            r.inspector = i % 2 ? "สมชาย" : "วิภา";
            site.records.push_back(r);
        }
        site.records[3].sets.clear();                    // blows only
        site.records[7].sets.clear();
        site.records[7].blows.clear();                   // incomplete
        site.records[11].sets.push_back("0");            // refusal
        site.records[15].blows.push_back("400");         // overdriven
        site.records[19].hammer = "0";                   // no criterion
        site.records[23].sets.push_back("1..2");         // not a number
        site.records[27].drop = "80";
        site.records[31].remarks = "หัวเสาแตกเล็กน้อย";
        site.acceptance.project = "อาคารจอดรถ 5 ชั้น";
        site.acceptanceGiven = true;
        QFile file(outDir + QStringLiteral("/records.blowcount"));
        if (file.open(QIODevice::WriteOnly)) file.write(QByteArray::fromStdString(calc::writePileFile(site)));
        file.close();
        window.openFile(file.fileName());
        window.menuActions().drivingrecords->trigger();
        auto* records = window.findChild<app::RecordsWindow*>(QStringLiteral("RecordsWindow"));
        if (!records || !QTest::qWaitForWindowExposed(records)) return 1;
        records->selectRecord(15);
        QTest::qWait(150);
        save(records, QStringLiteral("records"));
        records->selectRecord(27);
        QTest::qWait(150);
        save(records, QStringLiteral("records-drop"));
        auto* filter = records->findChild<QComboBox*>(QStringLiteral("statusfilter"));
        filter->setCurrentIndex(2);
        QTest::qWait(150);
        save(records, QStringLiteral("records-fails"));
        records->close();
    }

    app::AboutWindow* about = app::showAboutWindow();
    if (!QTest::qWaitForWindowExposed(about)) return 1;
    save(about, QStringLiteral("about"));
    about->close();

    // The Hiley tab with an I-26 section, its report, and the section table.
    {
        fill(window, calc::Formula::Hiley, {"12", "25", "5", "60", "5", "0.25", "0.8", "4", "30"}, {});
        window.page(calc::Formula::Hiley)->findChild<QCheckBox*>(QStringLiteral("Check8"))->setChecked(true);
        auto* combo = window.page(calc::Formula::Hiley)->findChild<QComboBox*>(QStringLiteral("SectionCombo"));
        const int i26 = combo->findText(QStringLiteral("ไอ 26×26"), Qt::MatchStartsWith);
        combo->setCurrentIndex(i26);
        emit combo->activated(i26);
        window.page(calc::Formula::Hiley)->calculateButton()->click();
        save(&window, QStringLiteral("hiley-section"));
        combo->showPopup();
        QTest::qWait(100);
        save(combo->view()->window(), QStringLiteral("hiley-section-list"));
        combo->hidePopup();
        window.commonDialog().printer().setOutputFileName(outDir + QStringLiteral("/hiley-section-report.pdf"));
        QFile::remove(window.commonDialog().printer().outputFileName());
        acceptDialogLater(QStringLiteral("print-dialog-section"));
        window.page(calc::Formula::Hiley)->printButton()->click();
        window.menuActions().sectiontable->trigger();
        auto* table = window.findChild<QWidget*>(QStringLiteral("SectionTable"));
        if (!table || !QTest::qWaitForWindowExposed(table)) return 1;
        table->findChild<QLineEdit*>(QStringLiteral("SectionName"))->setText(QStringLiteral("สปัน 40"));
        table->findChild<QComboBox*>(QStringLiteral("SectionShape"))->setCurrentIndex(1);
        table->findChild<QLineEdit*>(QStringLiteral("SectionFirst"))->setText(QStringLiteral("40"));
        table->findChild<QLineEdit*>(QStringLiteral("SectionSecond"))->setText(QStringLiteral("25"));
        table->findChild<QPushButton*>(QStringLiteral("SectionAdd"))->click();
        QTest::qWait(100);
        save(table, QStringLiteral("section-table"));
        table->close();
    }

    // A negative set, to see the message box.
    fill(window, calc::Formula::EngineeringNews, {"30", "3", "50", "0.9", "4"}, {});
    answerBoxesLater();
    window.page(calc::Formula::EngineeringNews)->calculateButton()->click();
    save(&window, QStringLiteral("engineering-news-negative"));

    // Pile files: saved, the menu with the recent file, a bad file, a failing
    // save and the question on leaving.
    QString nextPath = outDir + QStringLiteral("/pile-a.blowcount");
    const app::PathAsker fileDialog =
        app::setPathAsker([&nextPath](QWidget*, app::FileDialog, const QString&) { return nextPath; });
    window.menuActions().filesaveas->trigger();
    auto* menu = window.findChild<QMenu*>(QStringLiteral("main"));
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    QTest::qWait(200);
    save(menu, QStringLiteral("menu-main"));
    menu->hide();
    QFile bad(outDir + QStringLiteral("/bad.blowcount"));
    if (bad.open(QIODevice::WriteOnly)) bad.write(R"({"format":"blowcount-pile","version":1,"tabs":{"hiley":{"fields":{"L2":5}}}})");
    bad.close();
    answerBoxLater(QStringLiteral("open-failure"), QMessageBox::Ok);
    window.openFile(bad.fileName());
    nextPath = outDir + QStringLiteral("/no-such-folder/pile-b.blowcount");
    answerBoxLater(QStringLiteral("save-failure"), QMessageBox::Ok);
    window.menuActions().filesaveas->trigger();
    // Opened again: each tab as at a fresh start with the saved texts.
    window.openFile(outDir + QStringLiteral("/pile-a.blowcount"));
    window.tabs()->setCurrentIndex(1);
    save(&window, QStringLiteral("hiley-opened"));
    window.tabs()->setCurrentIndex(3);
    save(&window, QStringLiteral("janbu-opened"));
    app::setPathAsker(fileDialog);
    QTimer::singleShot(300, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            save(dialog, QStringLiteral("open-dialog"));
            dialog->reject();
        }
    });
    window.menuActions().fileopen->trigger();
    window.page(calc::Formula::Janbu)->field(0)->setText(QStringLiteral("35"));
    answerBoxLater(QStringLiteral("save-changes"), QMessageBox::Discard);
    window.close();
    return 0;
}
