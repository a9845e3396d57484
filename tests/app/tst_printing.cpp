// Printing from the window: the snapshot a print button takes, the report
// through a real printer dialog into a PDF read back with poppler, a cancel,
// a report that cannot be printed, and the choices CommonDialog1 keeps.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/common_dialog.h"
#include "app/formula_tab.h"
#include "app/report_printing.h"
#include "app/tab_snapshot.h"
#include "gui_fixture.h"
#include "report/page_builder.h"
#include "report/report_font.h"
#include "tests/report/expected_pages.h"
#include "tests/report/pdf_tools.h"
#include "tests/report/sample_tabs.h"

using namespace testing_gui;
using calc::Formula;

namespace {

constexpr double kTolerance = 1.0;  // points

std::vector<report::Line> expectedPage(Formula formula)
{
    switch (formula) {
    case Formula::EngineeringNews: return report::expected::engineeringNewsPage();
    case Formula::Hiley: return report::expected::hileyPage();
    case Formula::Danish: return report::expected::danishPage();
    case Formula::Janbu: return report::expected::janbuPage();
    }
    return {};
}

// Thai fonts draw some marks with shifted glyphs in U+F700-U+F71A, which a
// PDF names; a PDF also gives a cluster's marks in glyph order.
QChar unshifted(QChar c)
{
    static const char16_t kThai[] = {
        0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B,
        0x0E4C, 0x0E0D, 0x0E31, 0x0E4D, 0x0E47, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E38, 0x0E39, 0x0E3A,
    };
    const char16_t u = c.unicode();
    return u >= 0xF700 && u <= 0xF71A ? QChar(kThai[u - 0xF700]) : c;
}

// The letters of a text, blanks left out, sorted.
QString letters(const QString& text)
{
    QString result;
    for (QChar c : text.normalized(QString::NormalizationForm_KC))
        if (!(c = unshifted(c)).isSpace()) result += c;
    std::sort(result.begin(), result.end());
    return result;
}

// The ASCII letters, digits and signs of a text, in order.
QString latin(const QString& text)
{
    QString result;
    for (QChar c : text.normalized(QString::NormalizationForm_KC))
        if (c.unicode() > ' ' && c.unicode() < 0x80) result += c;
    return result;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        dialogs_ = std::make_unique<DialogAnswerer>();
    }
    void cleanup()
    {
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        QVERIFY2(!dialogs_->sawUnexpected(), "a dialog nobody expected");
        dialogs_.reset();
        boxes_.reset();
        window_.reset();
    }

    void formulas_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("print");
        QTest::newRow("Engineering News") << Formula::EngineeringNews << "Command6";
        QTest::newRow("Hiley") << Formula::Hiley << "Command3";
        QTest::newRow("Danish") << Formula::Danish << "Command12";
        QTest::newRow("Janbu") << Formula::Janbu << "Command14";
    }

    // What the window shows after a worked example makes the report's page.
    void snapshot_of_the_window_makes_the_report_data() { formulas_data(); }
    void snapshot_of_the_window_makes_the_report()
    {
        QFETCH(Formula, formula);
        enterWorkedExample(formula);
        const std::optional<report::Page> page =
            report::buildPage(app::snapshotOf(*window_->page(formula), window_->storedS(formula)));
        QVERIFY(page);
        const std::vector<report::Line> expected = expectedPage(formula);
        QCOMPARE(page->lines.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(page->lines[i] == expected[i], expected[i].text.c_str());
    }

    // An edited field prints its new text beside the results it did not make.
    void snapshot_reads_the_fields_as_they_stand()
    {
        enterWorkedExample(Formula::EngineeringNews);
        auto* qa = find<QLineEdit>(window_.get(), "Text2(0)");
        qa->clear();
        typeInto(qa, "45");
        const report::TabSnapshot tab = app::snapshotOf(*window_->page(Formula::EngineeringNews), 0.21400006f);
        QCOMPARE(tab.text("Text2(0)"), std::string("45"));
        QCOMPARE(tab.text("Label30"), std::string("Ultimate Bearing Capacity (Qu) = 120  ตัน"));
        QCOMPARE(tab.decimalSeparator, std::string("."));
    }

    void print_button_prints_the_page_into_the_chosen_file_data() { formulas_data(); }
    void print_button_prints_the_page_into_the_chosen_file()
    {
        QFETCH(Formula, formula);
        QFETCH(QString, print);
        enterWorkedExample(formula);
        const QStringList before = screen(formula);
        const QString path = dir_.filePath(QString("report-%1.pdf").arg(static_cast<int>(formula)));
        printer().setOutputFileName(path);
        dialogs_->answerNext([](QDialog& dialog) { dialog.accept(); });
        QTest::mouseClick(find<QPushButton>(window_.get(), print), Qt::LeftButton);

        QCOMPARE(dialogs_->titles().size(), 1);
        QVERIFY(boxes_->seen().empty());
        QCOMPARE(screen(formula), before);
        QVERIFY(find(window_.get(), print)->isVisible());
        checkPdf(path, expectedPage(formula), printer().pageLayout().paintRect(QPageLayout::Point).topLeft());
    }

    void cancel_prints_nothing_and_changes_nothing()
    {
        enterWorkedExample(Formula::Hiley);
        const QStringList before = screen(Formula::Hiley);
        const QString path = dir_.filePath("cancelled.pdf");
        printer().setOutputFileName(path);
        dialogs_->answerNext([](QDialog& dialog) { dialog.reject(); });
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command3"), Qt::LeftButton);
        QCOMPARE(dialogs_->titles().size(), 1);
        QVERIFY(!QFile::exists(path));
        QVERIFY(boxes_->seen().empty());
        QCOMPARE(screen(Formula::Hiley), before);
        QVERIFY(find(window_.get(), "Command3")->isVisible());
    }

    // The folder of the chosen file goes away after the dialog: nothing is
    // written, a check message says so, the tab stays as it was.
    void unwritable_output_gives_the_failure_box()
    {
        enterWorkedExample(Formula::Danish);
        const QStringList before = screen(Formula::Danish);
        const float S = window_->storedS(Formula::Danish);
        const QString folder = dir_.filePath("gone");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/report.pdf";
        printer().setOutputFileName(path);
        dialogs_->answerNext([folder](QDialog& dialog) {
            dialog.accept();
            QDir(folder).removeRecursively();
        });
        boxes_->answerNext(QMessageBox::Ok);
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command12"), Qt::LeftButton);
        checkFailureBox();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(screen(Formula::Danish), before);
        QCOMPARE(window_->storedS(Formula::Danish), S);
        QVERIFY(find(window_.get(), "Command12")->isVisible());
    }

    // A set of 0 leaves no blow count to print: the whole report is refused
    // after the dialog, and no file is begun.
    void report_without_a_blow_count_is_refused()
    {
        const QString path = dir_.filePath("zero.pdf");
        printer().setOutputFileName(path);
        dialogs_->answerNext([](QDialog& dialog) { dialog.accept(); });
        boxes_->answerNext(QMessageBox::Ok);
        app::printReport(window_.get(), window_->commonDialog(), app::snapshotOf(*window_->page(Formula::Janbu), 0.0f));
        QCOMPARE(dialogs_->titles().size(), 1);
        checkFailureBox();
        QVERIFY(!QFile::exists(path));
    }

    // The set-up chooses the output; the next report's dialog comes in the
    // set-up form with that choice, and so does the one after it.
    void set_up_choices_stay_for_the_reports()
    {
        const QString path = dir_.filePath("chosen.pdf");
        dialogs_->answerNext([path](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>("printers");
            QVERIFY(printers);
            printers->setCurrentIndex(printers->count() - 1);  // print to file (PDF)
            auto* file = dialog.findChild<QLineEdit*>("filename");
            QVERIFY(file);
            file->setText(path);
            dialog.accept();
        });
        window_->menuActions().setprint->trigger();
        QCOMPARE(printer().outputFileName(), path);

        enterWorkedExample(Formula::Janbu);
        for (int round = 0; round < 2; ++round) {
            dialogs_->answerNext([](QDialog& dialog) { dialog.accept(); });
            QTest::mouseClick(find<QPushButton>(window_.get(), "Command14"), Qt::LeftButton);
            QVERIFY(QFile::exists(path));
            checkPdf(path, expectedPage(Formula::Janbu), printer().pageLayout().paintRect(QPageLayout::Point).topLeft());
            QVERIFY(QFile::remove(path));
        }
        QCOMPARE(dialogs_->titles(), QStringList({"ตั้งค่าเครื่องพิมพ์", "ตั้งค่าเครื่องพิมพ์", "ตั้งค่าเครื่องพิมพ์"}));
        QVERIFY(boxes_->seen().empty());
    }

    void set_up_cancelled_changes_nothing()
    {
        const QString path = dir_.filePath("kept.pdf");
        printer().setOutputFileName(path);
        printer().setPageSize(QPageSize(QPageSize::Letter));
        printer().setPageOrientation(QPageLayout::Landscape);
        const QPageLayout layout = printer().pageLayout();
        window_->tabs()->setCurrentIndex(2);
        dialogs_->answerNext([](QDialog& dialog) {
            auto* file = dialog.findChild<QLineEdit*>("filename");
            if (file) file->setText("/elsewhere.pdf");
            dialog.reject();
        });
        window_->menuActions().setprint->trigger();
        QCOMPARE(dialogs_->titles(), QStringList({"ตั้งค่าเครื่องพิมพ์"}));
        QCOMPARE(printer().outputFileName(), path);
        QVERIFY(printer().pageLayout().isEquivalentTo(layout));
        QCOMPARE(window_->tabs()->currentIndex(), 2);
        QVERIFY(boxes_->seen().empty());
    }

    void print_form_until_the_set_up()
    {
        enterWorkedExample(Formula::EngineeringNews);
        dialogs_->answerNext([](QDialog& dialog) { dialog.reject(); });
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command6"), Qt::LeftButton);
        QCOMPARE(dialogs_->titles().size(), 1);
        QCOMPARE(window_->commonDialog().form(), app::CommonDialog::Form::Print);
        QCOMPARE(window_->findChild<app::CommonDialog*>("CommonDialog1"), &window_->commonDialog());
        QVERIFY(dialogs_->titles().value(0) != "ตั้งค่าเครื่องพิมพ์");
    }

private:
    QPrinter& printer() { return window_->commonDialog().printer(); }

    void enterWorkedExample(Formula formula)
    {
        const report::TabSnapshot sample = report::samples::ofFormula(formula);
        QStringList texts;
        for (std::size_t i = 0; i < calc::tabTexts(formula).fieldLabels.size(); ++i)
            texts << QString::fromStdString(sample.text(calc::fieldName(formula, static_cast<int>(i))));
        QStringList ticked;
        for (const auto& [name, checked] : sample.checks)
            if (checked) ticked << QString::fromStdString(name);
        fillTab(window_.get(), formula, texts, ticked);
        calculate(window_.get(), formula);
        QVERIFY(boxes_->seen().empty());
        QCOMPARE(window_->storedS(formula), sample.S);
    }

    // Everything the tab shows that a report could disturb.
    QStringList screen(Formula formula) const
    {
        QStringList shown{QString::number(window_->tabs()->currentIndex())};
        app::FormulaTab* page = window_->page(formula);
        for (auto* label : page->findChildren<QLabel*>()) shown << label->objectName() + "=" + label->text();
        for (auto* field : page->findChildren<QLineEdit*>()) shown << field->objectName() + "=" + field->text();
        for (auto* box : page->findChildren<QCheckBox*>()) shown << box->objectName() + (box->isChecked() ? "+" : "-");
        for (auto* frame : page->findChildren<QGroupBox*>()) shown << frame->objectName() + (frame->isVisible() ? "+" : "-");
        return shown;
    }

    void checkFailureBox()
    {
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        const SeenBox& box = boxes_->seen().front();
        QCOMPARE(box.text, QString("ไม่สามารถพิมพ์รายงานได้"));
        QCOMPARE(box.title, QString("กรุณาตรวจสอบ"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // One A4 page with every line of `lines` where its twips put it, counted
    // from `origin`, the printable area's corner in points, and nothing else;
    // the report font embedded.
    static void checkPdf(const QString& path, const std::vector<report::Line>& lines, QPointF origin)
    {
        const auto info = report::pdf::pagesAndSize(path);
        QVERIFY2(info, "pdfinfo failed");
        QCOMPARE(info->first, QString("1"));
        QCOMPARE(info->second, QString("595 x 842 pts (A4)"));

        const auto words = report::pdf::words(path);
        QVERIFY2(words, "pdftotext failed");
        std::size_t placed = 0;
        for (const report::Line& line : lines) {
            const double top = origin.y() + line.y / 20.0;
            std::vector<report::pdf::Word> row;
            for (const auto& word : *words)
                if (std::abs(word.yMin - top) < kTolerance) row.push_back(word);
            std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
            const QString expected = QString::fromStdString(line.text);
            QVERIFY2(!row.empty(), qPrintable("nothing at Y " + QString::number(line.y) + ": " + expected));
            placed += row.size();
            if (!expected.startsWith(' ')) QVERIFY(std::abs(row.front().xMin - (origin.x() + line.x / 20.0)) < kTolerance);
            QString text;
            for (const auto& word : row) text += word.text;
            QCOMPARE(letters(text), letters(expected));
            QCOMPARE(latin(text), latin(expected));
        }
        QCOMPARE(placed, words->size());

        const auto fonts = report::pdf::fonts(path);
        QVERIFY2(fonts, "pdffonts failed");
        const QString family = report::reportFont()->family.remove(' ');
        bool thai = false;
        for (const auto& font : *fonts) {
            QVERIFY(font.embedded);
            thai = thai || font.name.startsWith(family);
        }
        QVERIFY(thai);
    }

    QTemporaryDir dir_;
    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
    std::unique_ptr<DialogAnswerer> dialogs_;
};

BLOWCOUNT_GUI_TEST_MAIN(PrintingTest)
#include "tst_printing.moc"
