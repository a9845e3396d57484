// The driving records window: opened once from the tools menu over the open
// file's records, each row the record's check; edits update the row at once,
// undo and redo them, mark the file modified and are saved with it; a tab's
// change re-checks every record; opening another file shows its records.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <functional>

#include "app/formula_tab.h"
#include "app/records_model.h"
#include "app/records_store.h"
#include "app/records_window.h"
#include "calc/pile_file.h"
#include "gui_fixture.h"

using namespace testing_gui;
using calc::Formula;

namespace {

// The worked examples' tabs (strictest: Danish, 1.91 cm / 157 blows) and three records.
calc::PileDocument workedFile()
{
    using Texts = std::vector<std::string>;
    calc::PileDocument d;
    d.tab(Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0.9", "4"}, {}};
    d.tab(Formula::Hiley) = calc::PileTab{Texts{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {true, false, true, false}};
    d.tab(Formula::Danish) = calc::PileTab{Texts{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    d.tab(Formula::Janbu) = calc::PileTab{Texts{"30", "20", "30", "5", "80", "4", "200"}, {true, false, true, false}};
    d.records = {calc::PileRecord{"P-001", "A/1", "2026-05-04", "", "", "18.3", {"120", "160"}, {"1.91"}, "สมชาย", ""},
                 calc::PileRecord{"P-002", "A/2", "4 พ.ค.", "", "", "17", {}, {"1.92"}, "", "หัวเสาแตก"},
                 calc::PileRecord{"P-003", "A/3", "", "", "", "", {}, {}, "", ""}};
    return d;
}

}  // namespace

class RecordsWindowTest : public QObject {
    Q_OBJECT

private:
    app::RecordsWindow* open()
    {
        window_->menuActions().drivingrecords->trigger();
        return window_->findChild<app::RecordsWindow*>(QStringLiteral("RecordsWindow"));
    }
    QString cell(app::RecordsWindow* records, int row, int column)
    {
        const QAbstractItemModel* model = find<QTableView>(records, "recordstable")->model();
        return model->data(model->index(row, column)).toString();
    }
    QString writeFile(const QString& name, const calc::PileDocument& document)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(calc::writePileFile(document)));
        return path;
    }
    calc::PileDocument saved(const QString& path)
    {
        const calc::PileFileResult result = calc::loadPileFile(path.toStdString(), ".");
        return std::get<calc::PileDocument>(result);
    }

    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
    QTemporaryDir dir_;

private slots:
    void init()
    {
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
    }
    void cleanup()
    {
        QVERIFY(!boxes_->sawUnexpected());
        boxes_.reset();
        window_.reset();
    }

    void opensOnceFromTheMenu()
    {
        QAction* item = window_->menuActions().drivingrecords;
        QCOMPARE(item->text(), QStringLiteral("บันทึกการตอกเสาเข็ม..."));
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        app::RecordsWindow* first = open();
        QVERIFY(first && first->isVisible() && !first->isModal());
        QCOMPARE(open(), first);
        QCOMPARE(find<QTableView>(first, "recordstable")->model()->rowCount(), 0);
        QVERIFY(find<QLabel>(first, "recordcounts")->text().startsWith(QStringLiteral("เสาเข็ม 0 ต้น ")));
    }

    void rowsAreTheChecksAndEditsUpdateThemAtOnce()
    {
        const QString path = writeFile("site.blowcount", workedFile());
        QVERIFY(window_->openFile(path));
        app::RecordsWindow* records = open();
        QCOMPARE(cell(records, 0, calc::kStatusColumn), QStringLiteral("ผ่าน"));
        QCOMPARE(cell(records, 1, calc::kStatusColumn), QStringLiteral("ไม่ผ่าน ตอกต่อ"));
        QCOMPARE(cell(records, 2, calc::kStatusColumn), QStringLiteral("ข้อมูลไม่ครบ"));
        QCOMPARE(cell(records, 0, calc::kCriterionSetColumn), QStringLiteral("1.91"));
        QCOMPARE(cell(records, 0, calc::kDropColumn), QStringLiteral("(100)"));

        // Shown only the failing ones, the record being typed stays in view.
        auto* filter = find<QComboBox>(records, "statusfilter");
        filter->setCurrentIndex(filter->findData("fails"));
        QCOMPARE(find<QTableView>(records, "recordstable")->model()->rowCount(), 1);
        records->selectRecord(1);
        find<QLineEdit>(records, "recordsets")->setText("2.5 1.9");
        QCOMPARE(records->currentRecord(), 1);
        filter->setCurrentIndex(0);
        QCOMPARE(cell(records, 1, calc::kStatusColumn), QStringLiteral("ผ่าน"));
        QCOMPARE(cell(records, 1, calc::kLastSetColumn), QStringLiteral("1.9"));
        QVERIFY(window_->isWindowModified());

        // A mark already taken is told and not stored.
        find<QLineEdit>(records, "recordmark")->setText("P-001");
        QVERIFY(find<QLabel>(records, "markproblem")->isVisibleTo(records));
        QCOMPARE(window_->recordsStore().records()[1].mark, std::string("P-002"));

        // Undo and redo through the window's keys.
        QUndoStack* undo = window_->recordsStore().undoStack();
        QApplication::setActiveWindow(records);
        QCOMPARE(QApplication::activeWindow(), records);
        QTest::keyClick(find<QTableView>(records, "recordstable"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window_->recordsStore().records()[1].sets, std::vector<std::string>{"1.92"});
        QCOMPARE(cell(records, 1, calc::kStatusColumn), QStringLiteral("ไม่ผ่าน ตอกต่อ"));
        QCOMPARE(find<QLineEdit>(records, "recordsets")->text(), QStringLiteral("1.92"));
        QTest::keyClick(find<QTableView>(records, "recordstable"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window_->recordsStore().records()[1].sets, (std::vector<std::string>{"2.5", "1.9"}));
        QVERIFY(undo->canUndo());

        // Saved with the tabs, and read back exactly.
        QVERIFY(window_->save());
        calc::PileDocument expected = workedFile();
        expected.records[1].sets = {"2.5", "1.9"};
        QCOMPARE(saved(path).records, expected.records);
        QVERIFY(!window_->isWindowModified());
    }

    void addDuplicateDeleteAndUndo()
    {
        QVERIFY(window_->openFile(writeFile("add.blowcount", workedFile())));
        app::RecordsWindow* records = open();
        QTest::mouseClick(find<QPushButton>(records, "addrecord"), Qt::LeftButton);
        QCOMPARE(window_->recordsStore().records().back().mark, std::string("P-004"));
        QCOMPARE(records->currentRecord(), 3);
        records->selectRecord(0);
        QTest::mouseClick(find<QPushButton>(records, "duplicaterecord"), Qt::LeftButton);
        const auto& all = window_->recordsStore().records();
        QCOMPARE(all.size(), std::size_t(5));
        QCOMPARE(all[1].mark, std::string("P-005"));  // P-002 … P-004 taken
        QCOMPARE(all[1].sets, all[0].sets);
        QTest::mouseClick(find<QPushButton>(records, "deleterecord"), Qt::LeftButton);
        QCOMPARE(all.size(), std::size_t(4));
        for (int i = 0; i < 3; ++i) window_->recordsStore().undoStack()->undo();
        QCOMPARE(window_->recordsStore().records(), workedFile().records);
        QCOMPARE(find<QTableView>(records, "recordstable")->model()->rowCount(), 3);
    }

    // The view moves to the row after the one removed while the store holds
    // one record fewer: the record before the last, in file order or sorted.
    void deletingAnyRecordKeepsTheWindowUp()
    {
        const std::vector<std::tuple<int, Qt::SortOrder, int, std::string>> cases{
            {-1, Qt::AscendingOrder, 1, "P-003"},  // file order: P-002 deleted, P-003 follows
            {calc::kMarkColumn, Qt::AscendingOrder, 1, "P-003"},
            {calc::kMarkColumn, Qt::DescendingOrder, 2, "P-002"},  // P-003 first: P-002 follows
        };
        for (const auto& [column, order, deleted, shown] : cases) {
            QVERIFY(window_->openFile(writeFile("delete.blowcount", workedFile())));
            app::RecordsWindow* records = open();
            find<QTableView>(records, "recordstable")->sortByColumn(column, order);
            records->selectRecord(deleted);
            QTest::mouseClick(find<QPushButton>(records, "deleterecord"), Qt::LeftButton);
            QCOMPARE(window_->recordsStore().records().size(), std::size_t(2));
            QCOMPARE(find<QLineEdit>(records, "recordmark")->text(), QString::fromStdString(shown));
            window_->recordsStore().undoStack()->undo();
            QCOMPARE(window_->recordsStore().records(), workedFile().records);
        }
    }

    // A record the filter no longer shows, chosen again or after a tab's
    // change, leaves the form: what is typed there would go nowhere.
    void aRecordFilteredOutLeavesTheForm()
    {
        QVERIFY(window_->openFile(writeFile("filter.blowcount", workedFile())));
        app::RecordsWindow* records = open();
        auto* formula = find<QComboBox>(records, "acceptanceformula");
        formula->setCurrentIndex(formula->findData("hiley"));
        auto* filter = find<QComboBox>(records, "statusfilter");
        auto* mark = find<QLineEdit>(records, "recordmark");
        const std::vector<std::function<void()>> hideIt{
            [&] { filter->setCurrentIndex(filter->findData("fails")); },
            [&] {
                filter->setCurrentIndex(filter->findData("meets"));
                records->selectRecord(0);
                window_->page(Formula::Hiley)->field(0)->setText("");  // no criterion now
                QTest::qWait(20);
            }};
        for (const auto& hide : hideIt) {
            filter->setCurrentIndex(0);
            records->selectRecord(0);
            QCOMPARE(mark->text(), QStringLiteral("P-001"));
            hide();
            QCOMPARE(records->currentRecord(), -1);
            QVERIFY(mark->text().isEmpty() && !mark->isEnabled());
        }
    }

    void aTabChangeRechecksEveryRecord()
    {
        QVERIFY(window_->openFile(writeFile("tab.blowcount", workedFile())));
        app::RecordsWindow* records = open();
        // Hiley alone: 6.04 cm, so the second record meets.
        auto* formula = find<QComboBox>(records, "acceptanceformula");
        formula->setCurrentIndex(formula->findData("hiley"));
        QCOMPARE(cell(records, 1, calc::kStatusColumn), QStringLiteral("ผ่าน"));
        QCOMPARE(cell(records, 1, calc::kCriterionSetColumn), QStringLiteral("6.04"));
        // Hiley's Qa emptied: no criterion for any record.
        window_->page(Formula::Hiley)->field(0)->setText("");
        QTest::qWait(20);
        for (int row = 0; row < 3; ++row) QCOMPARE(cell(records, row, calc::kStatusColumn), QStringLiteral("ไม่มีเกณฑ์"));
        QVERIFY(window_->save());
        QCOMPARE(saved(window_->filePath()).acceptance.formula, std::string("hiley"));
    }

    void followsAnotherFileAndAsksBeforeLosingEdits()
    {
        QVERIFY(window_->openFile(writeFile("first.blowcount", workedFile())));
        app::RecordsWindow* records = open();
        records->selectRecord(2);
        find<QLineEdit>(records, "recordremarks")->setText("ตอกต่อพรุ่งนี้");
        // Cancel keeps the edit; Discard opens the other file and drops it.
        boxes_->answerNext(QMessageBox::Cancel);
        QVERIFY(!window_->close());
        calc::PileDocument other = workedFile();
        other.records.resize(1);
        other.records[0].mark = "B-7";
        const QString second = writeFile("second.blowcount", other);
        QVERIFY(window_->openFile(second));
        QCOMPARE(find<QTableView>(records, "recordstable")->model()->rowCount(), 1);
        QCOMPARE(cell(records, 0, calc::kMarkColumn), QStringLiteral("B-7"));
        QCOMPARE(find<QLineEdit>(records, "recordmark")->text(), QStringLiteral("B-7"));
        QVERIFY(!window_->recordsStore().undoStack()->canUndo());
    }

    void recordsTypedWithNoFileOpenAreAskedAbout()
    {
        app::RecordsWindow* records = open();
        QVERIFY(window_->close());  // nothing typed: no question
        window_->show();
        QTest::mouseClick(find<QPushButton>(records, "addrecord"), Qt::LeftButton);
        QCOMPARE(window_->recordsStore().records().front().mark, std::string("P-001"));
        boxes_->answerNext(QMessageBox::Cancel);
        QVERIFY(!window_->close());
        QCOMPARE(boxes_->seen().back().text, QStringLiteral("บันทึกการเปลี่ยนแปลงหรือไม่"));
        QCOMPARE(window_->recordsStore().records().size(), std::size_t(1));
    }
};

BLOWCOUNT_GUI_TEST_MAIN(RecordsWindowTest)
#include "tst_records.moc"
