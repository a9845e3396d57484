// Calculate on each tab: the results frame first, then the check message and
// the focus, the result lines written exactly, the print button shown by a
// non-negative set and never hidden again; the formula panels; the tab state.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

#include "app/formula_tab.h"
#include "gui_fixture.h"

using namespace testing_gui;
using calc::Formula;

// Field texts by index and the boxes to tick.
struct Example {
    QStringList texts;
    QStringList boxes;
};
Q_DECLARE_METATYPE(Example)
namespace {

const QString kSetPrefix = "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  ";
const QString kTenBlows = "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก";
const QString kTenBlowsEnd = "10 ครั้งสุดท้าย ต้องไม่เกิน  ";
const QString kBlows = "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม." + blanks(19) + "(1 ฟุต) ต้องไม่น้อยกว่า  ";
const QString kIncomplete = "คุณป้อนข้อมูลไม่ครบ";
const QString kNegative = "ค่าที่ได้ติดลบ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน";

QString dropTooHigh(const QString& limit)
{
    return "ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า " + limit + "  ซม. ควรลดลงมาอีก";
}

// The worked examples, one per tab.
const Example kEngineeringNews{{"30", "3", "100", "0.9", "4"}, {}};
const Example kHiley{{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {"Check8", "Check6"}};
const Example kDanish{{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {"Check4", "Check2"}};
const Example kJanbu{{"30", "20", "30", "5", "80", "4", "200"}, {"Check9", "Check11"}};

const Example& workedExample(Formula formula)
{
    switch (formula) {
    case Formula::EngineeringNews: return kEngineeringNews;
    case Formula::Hiley: return kHiley;
    case Formula::Danish: return kDanish;
    case Formula::Janbu: return kJanbu;
    }
    return kEngineeringNews;
}

// The worked example with one field changed.
Example changed(Formula formula, int index, const QString& text)
{
    Example example = workedExample(formula);
    example.texts[index] = text;
    return example;
}

QStringList labelTexts(const QWidget* frame, const QStringList& names)
{
    QStringList texts;
    for (const QString& name : names) texts << find<QLabel>(frame, name)->text();
    return texts;
}

}  // namespace

class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
    }
    void cleanup()
    {
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        boxes_.reset();
        window_.reset();
    }

    void worked_examples_fill_the_labels_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Engineering News, Qa 30 W 3 h 100")
            << Formula::EngineeringNews << QStringList{"Label1", "Label5", "Label30", "Label32", "Label48", "Label49"}
            << QStringList{"น้ำหนักลูกตุ้ม = 3  ตัน", "ระยะยกลูกตุ้มสูงจากหัวเสา = 100  ซม.",
                           "Ultimate Bearing Capacity (Qu) = 120  ตัน", kSetPrefix + "0.214  ซม.",
                           kTenBlows + blanks(16) + kTenBlowsEnd + "2.14  ซม.", kBlows + "140  ครั้ง"};
        QTest::newRow("Hiley, square RC pile D 30")
            << Formula::Hiley
            << QStringList{"Label20", "Label22", "Label18", "Label17", "Label19", "Label21",
                           "Label23", "Label24", "Label25", "Label27", "Label28"}
            << QStringList{"พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม.", "น้ำหนักเสาเข็ม =  2.592  ตัน",
                           "Ultimate Bearing Capacity (Qu) = 160  ตัน", "Efficiency Factor (e) =  0.68",
                           "ค่าการยุบตัวของวัสดุรองหัวเสาเข็ม (C1) =  0.016  ซม.",
                           "ค่าการยุบตัวของเสาเข็มคอนกรีต (C2) =  1.536  ซม.",
                           "ค่าการยุบตัวของดินรอบเสาเข็มและใต้เสาเข็ม (C3) =  0.64  ซม.", "C=C1+C2+C3 =  2.192  ซม.",
                           kSetPrefix + "0.604  ซม.", kTenBlows + blanks(16) + kTenBlowsEnd + "6.04  ซม.",
                           kBlows + "50  ครั้ง"};
        QTest::newRow("Danish, square RC pile D 30")
            << Formula::Danish << QStringList{"Label64", "Label65", "Label66", "Label67", "Label68", "Label69", "Label70"}
            << QStringList{"พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม.", "น้ำหนักเสาเข็ม =  2.592  ตัน",
                           "Ultimate Bearing Capacity (Qu) = 200  ตัน", "Elastic of Modulus (E) =  200",
                           kSetPrefix + "0.306  ซม.", kTenBlows + blanks(18) + kTenBlowsEnd + "3.06  ซม.",
                           kBlows + "98  ครั้ง"};
        QTest::newRow("Janbu, square RC pile D 30")
            << Formula::Janbu
            << QStringList{"Label87", "Label88", "Label89", "Label90", "Label91", "Label92",
                           "Label93", "Label94", "Label95", "Label96", "Label97"}
            << QStringList{"พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม.", "น้ำหนักเสาเข็ม =  4.32  ตัน",
                           "Ultimate Bearing Capacity (Qu) = 120  ตัน", "Elastic of Modulus (E) =  200",
                           "จากสูตร... S = (W*h) / (Qu*Ku)  ", "Ku = Cd [ 1 + (1+Ld / Cd)^1/2]",
                           "Ld = (W*h*L) / (A*E*S^2)", "Cd=  0.8796", kSetPrefix + "1.228  ซม.",
                           kTenBlows + blanks(18) + kTenBlowsEnd + "12.28  ซม.", kBlows + "24  ครั้ง"};
    }
    void worked_examples_fill_the_labels()
    {
        QFETCH(Formula, formula);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, expected);
        app::FormulaTab* page = window_->page(formula);
        QVERIFY(!page->printButton()->isVisibleTo(page));
        const Example& example = workedExample(formula);
        fillTab(window_.get(), formula, example.texts, example.boxes);
        calculate(window_.get(), formula);
        QVERIFY(boxes_->seen().empty());
        QCOMPARE(labelTexts(page, labels), expected);
        QVERIFY(page->resultsFrame()->isVisible());
        QVERIFY(page->printButton()->isVisible());
    }

    void empty_fields_show_the_frame_then_the_incomplete_box_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Engineering News") << Formula::EngineeringNews << "Frame3" << "Text2(0)";
        QTest::newRow("Hiley") << Formula::Hiley << "Frame1" << "Text16(0)";
        QTest::newRow("Danish") << Formula::Danish << "Frame4" << "Text15(0)";
        QTest::newRow("Janbu") << Formula::Janbu << "Frame5" << "Text19(0)";
    }
    void empty_fields_show_the_frame_then_the_incomplete_box()
    {
        QFETCH(Formula, formula);
        QFETCH(QString, frame);
        QFETCH(QString, focus);
        app::FormulaTab* page = window_->page(formula);
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), formula);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        const SeenBox& box = boxes_->seen().front();
        QCOMPARE(box.title, QString("กรุณาตรวจสอบ"));
        QCOMPARE(box.text, kIncomplete);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY2(box.visibleFrames.contains(frame), "the results frame shows before the box");
        QCOMPARE(focusedName(window_.get()), focus);
        for (auto* label : find<QGroupBox>(page, frame)->findChildren<QLabel*>())
            if (label->palette().color(QPalette::WindowText) == QColor(255, 0, 0)) QVERIFY(label->text().isEmpty());
        QVERIFY(!page->printButton()->isVisible());
    }

    void full_fields_without_a_section_box_are_incomplete()
    {
        Example example = kHiley;
        example.boxes = {"Check8"};
        fillTab(window_.get(), Formula::Hiley, example.texts, example.boxes);
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), Formula::Hiley);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().front().text, kIncomplete);
        QCOMPARE(focusedName(window_.get()), QString("Text16(0)"));
    }

    // After a good calculation: a stop at the drop-height check leaves the
    // lines and the print button; a negative set rewrites the lines and
    // leaves the print button.
    void later_stops_and_negatives_keep_the_print_button_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<int>("heightField");
        QTest::addColumn<Example>("tooHigh");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<Example>("negative");
        QTest::addColumn<QStringList>("criterion");  // set, ten blows, blows per 30 cm labels
        QTest::addColumn<QString>("negativeSet");
        QTest::newRow("Engineering News") << Formula::EngineeringNews << 2 << Example{{"30", "5", "150", "0.9", "4"}, {}}
                                          << "144" << changed(Formula::EngineeringNews, 2, "50")
                                          << QStringList{"Label32", "Label48", "Label49"} << "-1.036";
        QTest::newRow("Hiley") << Formula::Hiley << 3 << Example{{"12", "40", "3", "300", "5", "0.25", "0.8", "4", "30"}, kHiley.boxes}
                               << "270" << changed(Formula::Hiley, 3, "20")
                               << QStringList{"Label25", "Label27", "Label28"} << "-0.756";
        QTest::newRow("Danish") << Formula::Danish << 4 << Example{{"25", "12", "40", "3", "100", "0.8", "5", "200"}, {"Check4", "Check1"}}
                                << "74" << Example{{"30", "12", "40", "1", "30", "0.8", "5", "200"}, {"Check4", "Check2"}}
                                << QStringList{"Label68", "Label69", "Label70"} << "-0.163";
        QTest::newRow("Janbu") << Formula::Janbu << 4 << changed(Formula::Janbu, 4, "100") << "81"
                               << Example{{"30", "20", "30", "3", "50", "4", "200"}, kJanbu.boxes}
                               << QStringList{"Label95", "Label96", "Label97"} << "-0.02";
    }
    void later_stops_and_negatives_keep_the_print_button()
    {
        QFETCH(Formula, formula);
        QFETCH(int, heightField);
        QFETCH(Example, tooHigh);
        QFETCH(QString, limit);
        QFETCH(Example, negative);
        QFETCH(QStringList, criterion);
        QFETCH(QString, negativeSet);
        app::FormulaTab* page = window_->page(formula);
        const QString heightName = page->field(heightField)->objectName();
        fillTab(window_.get(), formula, workedExample(formula).texts, workedExample(formula).boxes);
        calculate(window_.get(), formula);
        const QStringList good = labelTexts(page, criterion);
        QVERIFY(page->printButton()->isVisible());

        fillTab(window_.get(), formula, tooHigh.texts, tooHigh.boxes);
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), formula);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().back().text, dropTooHigh(limit));
        QCOMPARE(focusedName(window_.get()), heightName);
        QCOMPARE(labelTexts(page, criterion), good);
        QVERIFY(page->printButton()->isVisible());

        fillTab(window_.get(), formula, negative.texts, negative.boxes);
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), formula);
        QCOMPARE(boxes_->seen().size(), std::size_t(2));
        QCOMPARE(boxes_->seen().back().text, kNegative);
        QCOMPARE(boxes_->seen().back().icon, QMessageBox::Question);
        QCOMPARE(focusedName(window_.get()), heightName);
        QCOMPARE(find<QLabel>(page, criterion[0])->text(), kSetPrefix + negativeSet + "  ซม.");
        QVERIFY(page->printButton()->isVisible());
    }

    void a_first_negative_set_leaves_the_print_button_hidden()
    {
        fillTab(window_.get(), Formula::Danish, {"30", "12", "40", "1", "30", "0.8", "5", "200"}, kDanish.boxes);
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), Formula::Danish);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(find<QLabel>(window_.get(), "Label70")->text(), kBlows + "-184  ครั้ง");
        QVERIFY(!window_->page(Formula::Danish)->printButton()->isVisible());
    }

    void bad_input_gets_a_message_and_no_nan_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<Example>("example");
        QTest::newRow("two decimal points") << Formula::Hiley << changed(Formula::Hiley, 2, "1.2.3");
        QTest::newRow("lone decimal point") << Formula::Janbu << changed(Formula::Janbu, 0, ".");
        QTest::newRow("zero hammer weight") << Formula::EngineeringNews << changed(Formula::EngineeringNews, 1, "0");
        QTest::newRow("zero factor of safety") << Formula::Danish << changed(Formula::Danish, 6, "0");
        QTest::newRow("zero modulus") << Formula::Janbu << changed(Formula::Janbu, 6, "0");
        QTest::newRow("zero pile size, low drop") << Formula::Hiley << Example{{"12", "40", "5", "10", "5", "0.25", "0.8", "4", "0"}, kHiley.boxes};
        QTest::newRow("a set of exactly zero") << Formula::EngineeringNews << Example{{"1", "2.54", "1", "1", "1"}, {}};
        QTest::newRow("huge values") << Formula::Danish << changed(Formula::Danish, 1, "99999999999999999999999999999999999999");
    }
    void bad_input_gets_a_message_and_no_nan()
    {
        QFETCH(Formula, formula);
        QFETCH(Example, example);
        fillTab(window_.get(), formula, example.texts, example.boxes);
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), formula);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().front().title, QString("กรุณาตรวจสอบ"));
        QVERIFY(!boxes_->seen().front().text.isEmpty());
        QVERIFY(qobject_cast<QLineEdit*>(window_->focusWidget()));
        for (auto* label : window_->page(formula)->findChildren<QLabel*>()) {
            QVERIFY2(!label->text().contains("nan", Qt::CaseInsensitive), qPrintable(label->text()));
            QVERIFY2(!label->text().contains("inf", Qt::CaseInsensitive), qPrintable(label->text()));
        }
    }

    void comma_locale_reads_and_writes_commas()
    {
        window_.reset();
        useLocale(QLocale(QLocale::German, QLocale::Germany));
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        fillTab(window_.get(), Formula::Hiley, {"12", "40", "5", "100", "5", "0,25", "0,8", "4", "30"}, kHiley.boxes);
        calculate(window_.get(), Formula::Hiley);
        QVERIFY(boxes_->seen().empty());
        QCOMPARE(find<QLabel>(window_.get(), "Label25")->text(), kSetPrefix + "0,604  ซม.");
        QCOMPARE(find<QLabel>(window_.get(), "Label27")->text(), kTenBlows + blanks(16) + kTenBlowsEnd + "6,04  ซม.");
        QCOMPARE(window_->hileyState().S, 0.604f);
    }

    void the_tab_state_lives_in_the_window()
    {
        fillTab(window_.get(), Formula::Janbu, kJanbu.texts, kJanbu.boxes);
        calculate(window_.get(), Formula::Janbu);
        QCOMPARE(window_->janbuState().S, 1.228f);
        QCOMPARE(window_->janbuState().A, 900.0f);
        fillTab(window_.get(), Formula::EngineeringNews, kEngineeringNews.texts, {});
        calculate(window_.get(), Formula::EngineeringNews);
        QVERIFY(qAbs(window_->engineeringNewsState().S - 0.2140001f) < 1e-4f);
        QCOMPARE(window_->janbuState().S, 1.228f);  // another tab's calculation leaves it
        QCOMPARE(window_->hileyState().S, 0.0f);
        QCOMPARE(window_->danishState().S, 0.0f);
    }

    void print_buttons_ask_for_their_report()
    {
        QSignalSpy spy(window_.get(), &app::MainWindow::printRequested);
        fillTab(window_.get(), Formula::Danish, kDanish.texts, kDanish.boxes);
        calculate(window_.get(), Formula::Danish);
        DialogAnswerer dialogs;
        dialogs.answerNext([](QDialog& dialog) { dialog.reject(); });
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command12"), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<Formula>(), Formula::Danish);
        QCOMPARE(dialogs.titles().size(), 1);  // the printer dialog, answered Cancel
    }

    void hiley_formula_and_close_swap_the_frames()
    {
        auto* results = find<QGroupBox>(window_.get(), "Frame1");
        auto* panel = find<QGroupBox>(window_.get(), "Frame2");
        window_->tabs()->setCurrentIndex(1);
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command4"), Qt::LeftButton);
        QVERIFY(panel->isVisible() && !results->isVisible());
        QTest::mouseClick(find<QPushButton>(panel, "Command7"), Qt::LeftButton);
        QVERIFY(!panel->isVisible() && results->isVisible());  // shown even before any calculation
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command4"), Qt::LeftButton);
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), Formula::Hiley);
        QVERIFY(!panel->isVisible() && results->isVisible());  // Calculate closes the panel
        QVERIFY(!boxes_->seen().front().visibleFrames.contains("Frame2"));
    }

    void janbu_calculate_leaves_an_open_panel_on_top()
    {
        auto* results = find<QGroupBox>(window_.get(), "Frame5");
        auto* panel = find<QGroupBox>(window_.get(), "Frame6");
        window_->tabs()->setCurrentIndex(3);
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command15"), Qt::LeftButton);
        QVERIFY(panel->isVisible() && !results->isVisible());
        fillTab(window_.get(), Formula::Janbu, kJanbu.texts, kJanbu.boxes);
        calculate(window_.get(), Formula::Janbu);
        QVERIFY(panel->isVisible() && results->isVisible());
        QWidget* page = window_->page(Formula::Janbu);
        QWidget* onTop = page->childAt(panel->geometry().center());
        QVERIFY(onTop == panel || panel->isAncestorOf(onTop));
        QTest::mouseClick(find<QPushButton>(panel, "Command16"), Qt::LeftButton);
        QVERIFY(!panel->isVisible() && results->isVisible());
        QCOMPARE(find<QLabel>(results, "Label94")->text(), QString("Cd=  0.8796"));
    }

private:
    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
};

BLOWCOUNT_GUI_TEST_MAIN(CalculateTest)
#include "tst_calculate.moc"
