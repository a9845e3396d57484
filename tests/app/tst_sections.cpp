// Pile sections in the window: the section list of a pile tab against its
// square and round boxes and its D field, a calculation with a section, and
// the section table from the tools menu, which stores good rows only.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/formula_tab.h"
#include "app/menu_bar.h"
#include "app/section_catalogue.h"
#include "app/section_choice.h"
#include "app/section_table_window.h"
#include "calc/pile_file.h"
#include "gui_fixture.h"

using namespace testing_gui;
using calc::Formula;

class SectionsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        app::SectionCatalogue::instance().setUserRows({});
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
    }
    void cleanup()
    {
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        boxes_.reset();
        window_.reset();
    }

    // Choosing a section clears both boxes and shows its size in D, read-only;
    // the tab calculates with its area; ticking a box gives D back.
    void sectionBoxesAndDAreExclusive()
    {
        fillTab(window_.get(), Formula::Hiley, {"12", "25", "5", "60", "5", "0.25", "0.8", "4", "30"},
                {"Check8", "Check6"});
        app::FormulaTab* hiley = window_->page(Formula::Hiley);
        auto* combo = find<QComboBox>(hiley, "SectionCombo");
        const int i26 = combo->findText(QStringLiteral("ไอ 26×26  (489 ตร.ซม.)"));
        QVERIFY(i26 > 0);
        combo->setCurrentIndex(i26);
        emit combo->activated(i26);
        QVERIFY(!find<QCheckBox>(hiley, "Check6")->isChecked());
        QVERIFY(find<QCheckBox>(hiley, "Check8")->isChecked());
        QCOMPARE(hiley->field(8)->text(), QStringLiteral("26×26"));
        QVERIFY(hiley->field(8)->isReadOnly());

        calculate(window_.get(), Formula::Hiley);
        QCOMPARE(find<QLabel>(hiley, "Label20")->text(), QStringLiteral("พื้นที่หน้าตัดเสาเข็ม =  489  ตร.ซม."));
        QCOMPARE(find<QLabel>(hiley, "Label22")->text(), QStringLiteral("น้ำหนักเสาเข็ม =  1.408  ตัน"));
        QVERIFY(hiley->printButton()->isVisible());

        QTest::mouseClick(find<QCheckBox>(hiley, "Check5"), Qt::LeftButton);
        QVERIFY(!hiley->sectionChoice()->section());
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(hiley->field(8)->text(), QStringLiteral("30"));
        QVERIFY(!hiley->field(8)->isReadOnly());
    }

    // A file's section, unknown to this catalogue, opens with its own area;
    // the size text it left in D is not given back as D when a box is ticked.
    void fileSectionOpensWithItsArea()
    {
        calc::PileDocument document = calc::initialDocument(".");
        document.tab(Formula::Janbu).texts = {"24×24", "12", "15", "3", "30", "4", "200"};
        document.tab(Formula::Janbu).boxes = {false, true, false, false, calc::PileSection{"ไอ X", "ไอ X", "24×24", "420.5"}};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("i.blowcount"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(calc::writePileFile(document)));
        file.close();
        QVERIFY(window_->openFile(path));

        app::FormulaTab* janbu = window_->page(Formula::Janbu);
        QCOMPARE(find<QComboBox>(janbu, "SectionCombo")->currentText(), QStringLiteral("ไอ X  (420.5 ตร.ซม.)"));
        QVERIFY(janbu->field(0)->isReadOnly());
        calculate(window_.get(), Formula::Janbu);
        QCOMPARE(find<QLabel>(janbu, "Label87")->text(), QStringLiteral("พื้นที่หน้าตัดเสาเข็ม =  420.5  ตร.ซม."));
        QTest::mouseClick(find<QCheckBox>(janbu, "Check11"), Qt::LeftButton);
        QCOMPARE(janbu->field(0)->text(), QString());
    }

    // A bad row gets its reason and is not stored; a good one reaches the tabs.
    void tableStoresGoodRowsOnly()
    {
        window_->menuActions().sectiontable->trigger();
        auto* table = find<app::SectionTableWindow>(window_.get(), "SectionTable");
        QVERIFY(table->isVisible());
        QCOMPARE(table->windowTitle(), QStringLiteral("ตารางหน้าตัดเสาเข็ม"));
        find<QLineEdit>(table, "SectionName")->setText(QStringLiteral("สปันโรงงาน"));
        find<QComboBox>(table, "SectionShape")->setCurrentIndex(1);
        find<QLineEdit>(table, "SectionFirst")->setText(QStringLiteral("40"));
        find<QLineEdit>(table, "SectionSecond")->setText(QStringLiteral("20"));
        QTest::mouseClick(find<QPushButton>(table, "SectionAdd"), Qt::LeftButton);
        QCOMPARE(find<QLabel>(table, "SectionMessage")->text(),
                 QStringLiteral("ผนังต้องหนาน้อยกว่าครึ่งหนึ่งของเส้นผ่านศูนย์กลาง"));
        QVERIFY(app::SectionCatalogue::instance().userRows().empty());

        find<QLineEdit>(table, "SectionSecond")->setText(QStringLiteral("6.5"));
        QTest::mouseClick(find<QPushButton>(table, "SectionAdd"), Qt::LeftButton);
        QCOMPARE(find<QLabel>(table, "SectionMessage")->text(), QString());
        QCOMPARE(app::SectionCatalogue::instance().userRows().size(), std::size_t(1));
        auto* combo = find<QComboBox>(window_->page(Formula::Janbu), "SectionCombo");
        QVERIFY(combo->findText(QStringLiteral("สปันโรงงาน  (684.08 ตร.ซม.)")) > 0);

        // The same name again is refused; deleting the row takes it from the tabs.
        QTest::mouseClick(find<QPushButton>(table, "SectionAdd"), Qt::LeftButton);
        QCOMPARE(find<QLabel>(table, "SectionMessage")->text(), QStringLiteral("มีหน้าตัดชื่อนี้อยู่แล้ว"));
        auto* rows = find<QTableWidget>(table, "SectionRows");
        rows->selectRow(rows->rowCount() - 1);
        QTest::mouseClick(find<QPushButton>(table, "SectionDelete"), Qt::LeftButton);
        QVERIFY(app::SectionCatalogue::instance().userRows().empty());
        QCOMPARE(combo->findText(QStringLiteral("สปันโรงงาน  (684.08 ตร.ซม.)")), -1);
    }

private:
    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
};

// The settings (the user's sections) go to a folder of the test's own.
int main(int argc, char* argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    testing_gui::useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    app::useInterfaceFont();
    SectionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sections.moc"
