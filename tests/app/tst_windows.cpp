// The main window's furniture: title, tabs, menu, status bar, the places,
// captions and tool tips of the controls, initial visibility, captions that
// fit their boxes in the interface font, and leaving the program.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

#include "app/formula_tab.h"
#include "app/wrap_label.h"
#include "gui_fixture.h"

using namespace testing_gui;
using calc::Formula;

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
    }
    void cleanup()
    {
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        boxes_.reset();
        window_.reset();
    }

    void title_tabs_and_status_bar()
    {
        QCOMPARE(window_->objectName(), QString("Form2"));
        QCOMPARE(window_->windowTitle(), QString("Quelmara Vostraleen Blow Count"));
        QTabWidget* tabs = find<QTabWidget>(window_.get(), "SSTab1");
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->currentIndex(), 0);
        const QStringList captions = {"Engineering News Formular", "Heiley's Formular", "Danish's Formular", "Janbu's Formular"};
        for (int i = 0; i < 4; ++i) QCOMPARE(tabs->tabText(i), captions[i]);

        auto* bar = find<QStatusBar>(window_.get(), "StatusBar1");
        const QList<QLabel*> panels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(panels.size(), 3);
        QCOMPARE(panels[0]->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QCOMPARE(panels[1]->text(), QString("Quelmara Vostraleen Blow Count"));
        QCOMPARE(panels[1]->toolTip(), QString("Quelmara Vostraleen Blow Count"));
        QVERIFY(!panels[2]->pixmap().isNull());
        QVERIFY(panels[2]->text().isEmpty());
    }

    void menu_items_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("printer set-up") << "main" << "setprint" << "ตั้งค่าเครื่องพิมพ์" << QKeySequence("Ctrl+P");
        QTest::newRow("leave") << "main" << "exitme" << "ออกจากโปรแกรม" << QKeySequence("Ctrl+C");
        QTest::newRow("driving chart") << "tools" << "drivingchart" << "ตารางเกณฑ์การตอกตามระยะยก..."
                                       << QKeySequence("Ctrl+T");
        QTest::newRow("capacity check") << "tools" << "capacitycheck" << "ตรวจสอบกำลังรับน้ำหนักจากผลการตอก..."
                                        << QKeySequence();
        QTest::newRow("driving records") << "tools" << "drivingrecords" << "บันทึกการตอกเสาเข็ม..."
                                         << QKeySequence("Ctrl+R");
        QTest::newRow("home page") << "web" << "quelmara" << "Quelmara" << QKeySequence();
        QTest::newRow("club") << "web" << "club" << "Vostraleen Club" << QKeySequence();
        QTest::newRow("courses") << "web" << "crose" << "อบรม-สัมนา" << QKeySequence();
        QTest::newRow("shop") << "web" << "shop" << "เลือกซื้อสินค้า" << QKeySequence();
        QTest::newRow("download") << "web" << "download" << "ดาวน์โหลด" << QKeySequence();
        QTest::newRow("articles") << "web" << "educate" << "บทความ-ความรู้" << QKeySequence();
        QTest::newRow("about") << "about" << "product" << "เกี่ยวกับผลิตภัณฑ์" << QKeySequence();
    }
    void menu_items()
    {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        const QList<QAction*> bar = window_->menuBar()->actions();
        const QStringList titles = {"หลัก", "เครื่องมือ", "On The Web", "เกี่ยวกับ..."};
        QCOMPARE(bar.size(), titles.size());
        for (int i = 0; i < titles.size(); ++i) QCOMPARE(bar[i]->text(), titles[i]);
        auto* owner = find<QMenu>(window_.get(), menu);
        QAction* action = owner->findChild<QAction*>(item);
        if (!action)
            for (QAction* a : owner->actions())
                if (a->objectName() == item) action = a;
        QVERIFY(action);
        QVERIFY(owner->actions().contains(action));
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
    }

    void controls_sit_at_their_twips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Hiley size field, top row") << "Text16(8)" << QRect(3240, 1680, 1095, 285);
        QTest::newRow("Janbu modulus field") << "Text19(6)" << QRect(3240, 3840, 1095, 285);
        QTest::newRow("prestressed box") << "Check7" << QRect(2400, 840, 0, 0);
        QTest::newRow("caption label") << "Label26" << QRect(240, 1680, 0, 0);
        QTest::newRow("Calculate, Hiley") << "Command5" << QRect(2640, 5400, 615, 615);
        QTest::newRow("Formula, Janbu") << "Command15" << QRect(3360, 5400, 615, 615);
        QTest::newRow("End, Engineering News") << "Command2" << QRect(4080, 5415, 615, 600);
        QTest::newRow("results frame") << "Frame1" << QRect(4920, 360, 4575, 5655);
        QTest::newRow("print in its frame") << "Command3" << QRect(3840, 4920, 615, 615);
        QTest::newRow("close in its panel") << "Command7" << QRect(3960, 5040, 495, 480);
        QTest::newRow("logo") << "Image9" << QRect(120, 5055, 2295, 975);
        QTest::newRow("two-line result") << "Label27" << QRect(120, 3840, 4335, 495);
        QTest::newRow("panel title") << "Label29" << QRect(960, 240, 0, 0);
        QTest::newRow("narrow Danish line") << "Label74" << QRect(120, 4920, 2175, 255);
        QTest::newRow("hint beside Text16(1)") << "HintText16(1)" << QRect(4440, 2415, 255, 255);
    }
    void controls_sit_at_their_twips()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        if (window_->screen()->logicalDotsPerInchY() != 96) QSKIP("the table is for 96 dpi");
        const QRect at = find(window_.get(), name)->geometry();
        QCOMPARE(at.topLeft(), twips.topLeft() / 15);
        if (!twips.size().isEmpty()) QCOMPARE(at.size(), twips.size() / 15);
    }

    void captions_and_tool_tips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        for (const char* calculate : {"Command8", "Command5", "Command11", "Command10"})
            QTest::newRow(calculate) << calculate << "คำนวณ";
        for (const char* formula : {"Command4", "Command15"}) QTest::newRow(formula) << formula << "สูตร";
        for (const char* end : {"Command2", "Command1", "Command9", "Command13"}) QTest::newRow(end) << end << "จบการคำนวณ";
        for (const char* print : {"Command6", "Command3", "Command12", "Command14"}) QTest::newRow(print) << print << "พิมพ์";
        for (const char* close : {"Command7", "Command16"}) QTest::newRow(close) << close << "ปิดหน้านี้";
        for (const char* logo : {"Image1", "Image6", "Image9", "Image12"})
            QTest::newRow(logo) << logo << "ดลิ๊กเพื่อเข้าสู่ Website";
        QTest::newRow("hint C") << "HintText2(3)" << "กำหนดเป็น 0.9 สำหรับลูกตุ้มชนิดปล่อย Drop Hammer";
        QTest::newRow("hint Hiley Qa") << "HintText16(1)" << "สอบถามจากผู้ผลิต";
        QTest::newRow("hint r") << "HintText16(5)"
                                << "ส.ป.ส. วัสดุรองหัวเสาเข็มคอรบเหล็ก : รองด้วยกระสอบป่านใช้ 0.25 , รองด้วยไม้อัดใช้ 0.40";
        QTest::newRow("hint Z") << "HintText16(6)" << "Falling Hammer = 1 , Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80 ";
        QTest::newRow("hint Danish Qa") << "HintText15(2)" << "สอบถามจากผู้ผลิต";
        QTest::newRow("hint Danish e") << "HintText15(5)" << "Falling Hammer = 1 , Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80 ";
        QTest::newRow("hint Danish E") << "HintText15(7)" << "แนะนำใช้ E=200";
        QTest::newRow("hint Janbu Qa") << "HintText19(2)" << "สอบถามจากผู้ผลิต";
        QTest::newRow("hint Janbu E") << "HintText19(6)" << "แนะนำใช้ E=200";
    }
    void captions_and_tool_tips()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QWidget* control = find(window_.get(), name);
        QCOMPARE(control->toolTip(), toolTip);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY(button->text().isEmpty());
            QVERIFY(!button->icon().isNull());
        }
    }

    void frames_and_panels_start_hidden_with_their_captions()
    {
        for (const char* frame : {"Frame3", "Frame1", "Frame4", "Frame5"}) {
            QCOMPARE(find<QGroupBox>(window_.get(), frame)->title(), QString("ผลการคำนวณ"));
            QVERIFY(!find(window_.get(), frame)->isVisibleTo(window_.get()));
        }
        for (const char* panel : {"Frame2", "Frame6"}) {
            QCOMPARE(find<QGroupBox>(window_.get(), panel)->title(), QString("สูตร"));
            QVERIFY(!find(window_.get(), panel)->isVisibleTo(window_.get()));
        }
        for (const char* print : {"Command6", "Command3", "Command12", "Command14"})
            QVERIFY(!find(window_.get(), print)->isVisibleTo(find(window_.get(), print)->parentWidget()));
        for (auto* box : window_->findChildren<QCheckBox*>()) QVERIFY(!box->isChecked());
        QVERIFY(find<QLabel>(window_.get(), "Label29")->font().bold());
        QCOMPARE(find<QLabel>(window_.get(), "Label46")->text(),
                 "Falling Hammer = 1" + blanks(37) + "Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80 ");
        QCOMPARE(find<QLabel>(window_.get(), "Label54")->text(),
                 "S = ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย" + blanks(9) + "(ซม.)");
    }

    void criterion_lines_are_red()
    {
        const QColor red(255, 0, 0);
        for (const char* name : {"Label48", "Label49", "Label27", "Label28", "Label69", "Label70", "Label96", "Label97"})
            QCOMPARE(find(window_.get(), name)->palette().color(QPalette::WindowText), red);
        for (const char* name : {"Label32", "Label25", "Label68", "Label95", "Label50"})
            QVERIFY(find(window_.get(), name)->palette().color(QPalette::WindowText) != red);
    }

    // Every caption whole in its box, with the worked examples' results in place.
    void every_caption_fits_its_box()
    {
        fillTab(window_.get(), Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {"Check7", "Check5"});
        calculate(window_.get(), Formula::Hiley);
        fillTab(window_.get(), Formula::Danish, {"30", "12", "40", "3", "100", "0.8", "5", "200"}, {"Check3", "Check1"});
        calculate(window_.get(), Formula::Danish);
        fillTab(window_.get(), Formula::Janbu, {"40", "18", "60", "5", "100", "4", "200"}, {"Check10", "Check12"});
        calculate(window_.get(), Formula::Janbu);
        fillTab(window_.get(), Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {});
        calculate(window_.get(), Formula::EngineeringNews);
        QVERIFY(boxes_->seen().empty());

        int checked = 0;
        for (auto* label : window_->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            const QFontMetricsF metrics(label->font());
            if (auto* wrap = qobject_cast<app::WrapLabel*>(label)) {
                const qsizetype lines = wrap->shownLines().size();
                QVERIFY2(lines <= 2, qPrintable(label->objectName()));
                QVERIFY2(lines * metrics.lineSpacing() <= label->height() + 1, qPrintable(label->objectName()));
            } else {
                QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->objectName() + ": " + label->text()));
                QVERIFY2(metrics.height() <= label->height() + 1, qPrintable(label->objectName()));
            }
            ++checked;
        }
        QVERIFY(checked >= 110);  // every caption, result line and formula line
        for (auto* box : window_->findChildren<QCheckBox*>())
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->objectName()));
    }

    void two_line_labels_break_at_their_blank_runs_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QString tenBlows = "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก";
        const QString blows = "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.";
        QTest::newRow("Label48") << Formula::EngineeringNews << "Label48" << tenBlows << "10 ครั้งสุดท้าย ต้องไม่เกิน  2.14  ซม.";
        QTest::newRow("Label49") << Formula::EngineeringNews << "Label49" << blows << "(1 ฟุต) ต้องไม่น้อยกว่า  140  ครั้ง";
        QTest::newRow("Label54") << Formula::EngineeringNews << "Label54"
                                 << "S = ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย" << "(ซม.)";
        QTest::newRow("Label27") << Formula::Hiley << "Label27" << tenBlows << "10 ครั้งสุดท้าย ต้องไม่เกิน  6.04  ซม.";
        QTest::newRow("Label28") << Formula::Hiley << "Label28" << blows << "(1 ฟุต) ต้องไม่น้อยกว่า  50  ครั้ง";
        QTest::newRow("Label46") << Formula::Hiley << "Label46" << "Falling Hammer = 1" << "Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80";
        QTest::newRow("Label69") << Formula::Danish << "Label69" << tenBlows << "10 ครั้งสุดท้าย ต้องไม่เกิน  3.06  ซม.";
        QTest::newRow("Label97") << Formula::Janbu << "Label97" << blows << "(1 ฟุต) ต้องไม่น้อยกว่า  24  ครั้ง";
    }
    void two_line_labels_break_at_their_blank_runs()
    {
        QFETCH(Formula, formula);
        QFETCH(QString, name);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QStringList examples[] = {{"30", "3", "100", "0.9", "4"},
                                        {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"},
                                        {"30", "12", "40", "3", "100", "0.8", "5", "200"},
                                        {"30", "20", "30", "5", "80", "4", "200"}};
        const QStringList pile = formula == Formula::Hiley    ? QStringList{"Check8", "Check6"}
                                 : formula == Formula::Danish ? QStringList{"Check4", "Check2"}
                                 : formula == Formula::Janbu  ? QStringList{"Check9", "Check11"}
                                                              : QStringList{};
        fillTab(window_.get(), formula, examples[static_cast<int>(formula)], pile);
        calculate(window_.get(), formula);
        const QStringList lines = find<app::WrapLabel>(window_.get(), name)->shownLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].trimmed(), first);
        QCOMPARE(lines[1].trimmed(), second);
    }

    void end_answered_no_changes_nothing_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("Command1") << "Command1";
        QTest::newRow("exitme") << "exitme";
    }
    void end_answered_no_changes_nothing()
    {
        QFETCH(QString, trigger);
        fillTab(window_.get(), Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {"Check8", "Check6"});
        calculate(window_.get(), Formula::Hiley);
        const QString result = find<QLabel>(window_.get(), "Label28")->text();
        boxes_->answerNext(QMessageBox::No);
        if (trigger == "exitme") window_->menuActions().exitme->trigger();
        else QTest::mouseClick(find<QPushButton>(window_.get(), trigger), Qt::LeftButton);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        const SeenBox& box = boxes_->seen().front();
        QCOMPARE(box.title, QString("ยืนยัน"));
        QCOMPARE(box.text, QString("คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? "));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->tabs()->currentIndex(), 1);
        QCOMPARE(find<QLabel>(window_.get(), "Label28")->text(), result);
        QCOMPARE(find<QLineEdit>(window_.get(), "Text16(8)")->text(), QString("30"));
        QVERIFY(find(window_.get(), "Frame1")->isVisible());
        QVERIFY(find(window_.get(), "Command3")->isVisible());
        QVERIFY(find<QCheckBox>(window_.get(), "Check8")->isChecked());
    }

    void end_answered_yes_closes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("Command2") << 0 << "Command2";
        QTest::newRow("Command1") << 1 << "Command1";
        QTest::newRow("Command9") << 2 << "Command9";
        QTest::newRow("Command13") << 3 << "Command13";
        QTest::newRow("exitme") << 0 << "exitme";
        QTest::newRow("Ctrl+C in a field") << 1 << "Ctrl+C";
    }
    void end_answered_yes_closes()
    {
        QFETCH(int, tab);
        QFETCH(QString, trigger);
        window_->tabs()->setCurrentIndex(tab);
        boxes_->answerNext(QMessageBox::Yes);
        if (trigger == "exitme") {
            window_->menuActions().exitme->trigger();
        } else if (trigger == "Ctrl+C") {
            auto* field = find<QLineEdit>(window_.get(), "Text16(6)");
            field->setFocus();
            QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        } else {
            QTest::mouseClick(find<QPushButton>(window_.get(), trigger), Qt::LeftButton);
        }
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().front().title, QString("ยืนยัน"));
        QVERIFY(!window_->isVisible());
    }

    void close_box_closes_without_asking()
    {
        QVERIFY(window_->close());
        QVERIFY(!window_->isVisible());
        QVERIFY(boxes_->seen().empty());
    }

private:
    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
};

BLOWCOUNT_GUI_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
