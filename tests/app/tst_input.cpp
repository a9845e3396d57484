// The key filter of the fields, Enter through each tab's focus order, the
// exclusive check-box pairs, and the comma locale.
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/formula_tab.h"
#include "gui_fixture.h"

using namespace testing_gui;

class InputTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        window_ = openMainWindow();
    }
    void cleanup() { window_.reset(); }

    void typed_keys_pass_the_filter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits and full stop") << "Text16(8)" << "12.5" << "12.5";
        QTest::newRow("minus, blank and letter dropped") << "Text16(8)" << "1-2 a" << "12";
        QTest::newRow("comma dropped where the locale uses the full stop") << "Text2(0)" << "3,5" << "35";
        QTest::newRow("Thai letters dropped") << "Text15(3)" << "ก3ข" << "3";
        QTest::newRow("several full stops pass key by key") << "Text19(0)" << "1.2.3" << "1.2.3";
        QTest::newRow("other signs dropped") << "Text19(4)" << "+7e*/%9" << "79";
    }
    void typed_keys_pass_the_filter()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        auto* edit = find<QLineEdit>(window_.get(), field);
        edit->clear();
        typeInto(edit, keys);
        QCOMPARE(edit->text(), expected);
    }

    void control_keys_keep_their_meaning()
    {
        auto* edit = find<QLineEdit>(window_.get(), "Text16(0)");
        typeInto(edit, "123");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("12"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QString("12"));
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QString("2"));
    }

    void pasted_text_is_not_filtered()
    {
        auto* edit = find<QLineEdit>(window_.get(), "Text2(1)");
        QGuiApplication::clipboard()->setText("1a-");
        if (QGuiApplication::clipboard()->text() != "1a-") QSKIP("no clipboard on this platform");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString("1a-"));
    }

    void enter_walks_the_focus_order_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Engineering News") << 0 << QStringList{"Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Text2(4)", "Command8"};
        QTest::newRow("Hiley, size on top") << 1 << QStringList{"Text16(8)", "Text16(0)", "Text16(1)", "Text16(2)", "Text16(3)",
                                                   "Text16(4)", "Text16(5)", "Text16(6)", "Text16(7)", "Command5"};
        QTest::newRow("Danish") << 2 << QStringList{"Text15(0)", "Text15(1)", "Text15(2)", "Text15(3)", "Text15(4)",
                                       "Text15(5)", "Text15(6)", "Text15(7)", "Command11"};
        QTest::newRow("Janbu") << 3 << QStringList{"Text19(0)", "Text19(1)", "Text19(2)", "Text19(3)", "Text19(4)",
                                      "Text19(5)", "Text19(6)", "Command10"};
    }
    void enter_walks_the_focus_order()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, order);
        window_->tabs()->setCurrentIndex(tab);
        auto* first = find<QLineEdit>(window_.get(), order.first());
        first->setFocus();
        QCOMPARE(QApplication::focusWidget(), first);
        for (qsizetype i = 1; i < order.size(); ++i) {
            auto* from = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(from);
            const QString before = from->text();
            QTest::keyClick(from, Qt::Key_Return);
            QCOMPARE(from->text(), before);  // Enter itself is dropped
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }

    void enter_on_the_calculate_button_calculates()
    {
        BoxAnswerer boxes(window_.get());
        boxes.answerNext(QMessageBox::Ok);
        auto* calculate = find<QPushButton>(window_.get(), "Command8");
        calculate->setFocus();
        QTest::keyClick(calculate, Qt::Key_Return);
        QVERIFY(find(window_.get(), "Frame3")->isVisible());
        QCOMPARE(boxes.seen().size(), std::size_t(1));
    }

    void pair_transitions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("aBefore");
        QTest::addColumn<bool>("bBefore");
        QTest::addColumn<bool>("aAfter");
        QTest::addColumn<bool>("bAfter");
        const QList<QPair<QString, QString>> pairs = {{"Check8", "Check7"}, {"Check7", "Check8"}, {"Check6", "Check5"},
                                                      {"Check5", "Check6"}, {"Check4", "Check3"}, {"Check2", "Check1"},
                                                      {"Check1", "Check2"}, {"Check9", "Check10"}, {"Check12", "Check11"}};
        for (const auto& [a, b] : pairs) {
            QTest::addRow("%s: neither, click it", qPrintable(a)) << a << b << false << false << true << false;
            QTest::addRow("%s: itself checked, click it", qPrintable(a)) << a << b << true << false << false << false;
            QTest::addRow("%s: partner %s checked, click it", qPrintable(a), qPrintable(b))
                << a << b << false << true << true << false;
        }
    }
    void pair_transitions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, aBefore);
        QFETCH(bool, bBefore);
        QFETCH(bool, aAfter);
        QFETCH(bool, bAfter);
        auto* boxA = find<QCheckBox>(window_.get(), a);
        auto* boxB = find<QCheckBox>(window_.get(), b);
        window_->tabs()->setCurrentWidget(boxA->parentWidget());
        if (aBefore) QTest::mouseClick(boxA, Qt::LeftButton);
        if (bBefore) QTest::mouseClick(boxB, Qt::LeftButton);
        QCOMPARE(boxA->isChecked(), aBefore);
        QCOMPARE(boxB->isChecked(), bBefore);
        QTest::mouseClick(boxA, Qt::LeftButton);
        QCOMPARE(boxA->isChecked(), aAfter);
        QCOMPARE(boxB->isChecked(), bAfter);
    }

    void comma_locale_defaults_and_keys()
    {
        window_.reset();
        useLocale(QLocale(QLocale::German, QLocale::Germany));
        window_ = openMainWindow();
        QCOMPARE(find<QLineEdit>(window_.get(), "Text16(6)")->text(), QString("0,8"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text2(3)")->text(), QString("0,9"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text15(5)")->text(), QString("0,8"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text15(7)")->text(), QString("200"));
        auto* edit = find<QLineEdit>(window_.get(), "Text16(5)");
        typeInto(edit, "0,25");
        QCOMPARE(edit->text(), QString("0,25"));
        edit->clear();
        typeInto(edit, "0.4");  // the full stop still passes the filter
        QCOMPARE(edit->text(), QString("0.4"));
    }

    void full_stop_locale_defaults()
    {
        QCOMPARE(find<QLineEdit>(window_.get(), "Text16(6)")->text(), QString("0.8"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text16(7)")->text(), QString("4"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text2(3)")->text(), QString("0.9"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text2(4)")->text(), QString("4"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text15(6)")->text(), QString("5"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text19(5)")->text(), QString("4"));
        QCOMPARE(find<QLineEdit>(window_.get(), "Text19(6)")->text(), QString("200"));
        for (const char* empty : {"Text2(0)", "Text16(8)", "Text16(0)", "Text15(0)", "Text19(0)", "Text19(4)"})
            QVERIFY2(find<QLineEdit>(window_.get(), empty)->text().isEmpty(), empty);
    }

private:
    std::unique_ptr<app::MainWindow> window_;
};

BLOWCOUNT_GUI_TEST_MAIN(InputTest)
#include "tst_input.moc"
