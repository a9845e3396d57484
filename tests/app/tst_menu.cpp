// The menu's commands, the web links and the About window: each link asks for
// its address (recorded here instead of opening a browser), the box when no
// browser starts, the shortcuts wherever the focus is, and the About window's
// texts, places, single instance and closing. (Captions and shortcuts of the
// items, and leaving: tst_windows.cpp.)
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QRegularExpression>
#include <QTabWidget>

#include "app/about_window.h"
#include "app/maker.h"
#include "app/web_page.h"
#include "gui_fixture.h"

using namespace testing_gui;

namespace {

QList<QWidget*> aboutWindows()
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "Form3" && widget->isVisible()) found << widget;
    return found;
}

}  // namespace

class MenuTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        dialogs_ = std::make_unique<DialogAnswerer>();
        opened_.clear();
        opens_ = true;
        previous_ = app::setUrlOpener([this](const QUrl& url) {
            opened_ << url.toString();
            return opens_;
        });
    }
    void cleanup()
    {
        for (QWidget* about : aboutWindows()) about->close();
        QTest::qWait(0);
        app::setUrlOpener(previous_);
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        QVERIFY2(!dialogs_->sawUnexpected(), "a dialog nobody expected");
        dialogs_.reset();
        boxes_.reset();
        window_.reset();
    }

    void web_items_open_their_pages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("path");
        QTest::newRow("quelmara") << "quelmara" << "";
        QTest::newRow("club") << "club" << "/vostraleen";
        QTest::newRow("crose") << "crose" << "/vostraleen";
        QTest::newRow("shop") << "shop" << "/shopping";
        QTest::newRow("download") << "download" << "/software";
        QTest::newRow("educate") << "educate" << "/vostraleen";
    }
    void web_items_open_their_pages()
    {
        QFETCH(QString, item);
        QFETCH(QString, path);
        action(item)->trigger();
        QCOMPARE(opened_, QStringList(app::maker::kWebAddress + path));
        QVERIFY(boxes_->seen().empty());
    }

    void pictures_and_labels_open_the_home_page_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::newRow("Image1") << 0 << "Image1";
        QTest::newRow("Image6") << 1 << "Image6";
        QTest::newRow("Image9") << 2 << "Image9";
        QTest::newRow("Image12") << 3 << "Image12";
        QTest::newRow("About Label4") << -1 << "Label4";
        QTest::newRow("About Label6") << -1 << "Label6";
    }
    void pictures_and_labels_open_the_home_page()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QWidget* root = window_.get();
        if (tab < 0) {
            root = app::showAboutWindow();
            QVERIFY(QTest::qWaitForWindowExposed(root));
        } else {
            window_->tabs()->setCurrentIndex(tab);
        }
        QWidget* target = find(root, name);
        QVERIFY(target->isVisible());
        QTest::mouseClick(target, Qt::RightButton);
        QVERIFY(opened_.isEmpty());
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(opened_, QStringList(app::maker::kWebAddress));
    }

    void no_browser_gives_the_box_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("menu") << "shop";
        QTest::newRow("logo") << "Image6";
        QTest::newRow("About") << "Label4";
    }
    void no_browser_gives_the_box()
    {
        QFETCH(QString, trigger);
        opens_ = false;
        boxes_->answerNext(QMessageBox::Ok);
        if (trigger == "shop") {
            action(trigger)->trigger();
        } else if (trigger == "Label4") {
            app::AboutWindow* about = app::showAboutWindow();
            QVERIFY(QTest::qWaitForWindowExposed(about));
            QTest::mouseClick(find(about, trigger), Qt::LeftButton);
        } else {
            window_->tabs()->setCurrentIndex(1);
            QTest::mouseClick(find(window_.get(), trigger), Qt::LeftButton);
        }
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        const SeenBox& box = boxes_->seen().front();
        QCOMPARE(box.text, QString("Unable to start Web browser !"));
        QCOMPARE(box.title, QString("Vostraleen_Blowcount"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(window_->isVisible());
    }

    // Ctrl+P and Ctrl+C reach the menu from every kind of control, a field
    // included (which would otherwise copy on Ctrl+C).
    void shortcuts_work_wherever_the_focus_is_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Ctrl+P in a field") << 1 << "Text16(6)" << QKeySequence("Ctrl+P");
        QTest::newRow("Ctrl+P on a box") << 2 << "Check3" << QKeySequence("Ctrl+P");
        QTest::newRow("Ctrl+P on a button") << 0 << "Command8" << QKeySequence("Ctrl+P");
        QTest::newRow("Ctrl+C in a field") << 3 << "Text19(5)" << QKeySequence("Ctrl+C");
        QTest::newRow("Ctrl+C on a box") << 1 << "Check5" << QKeySequence("Ctrl+C");
    }
    void shortcuts_work_wherever_the_focus_is()
    {
        QFETCH(int, tab);
        QFETCH(QString, focus);
        QFETCH(QKeySequence, key);
        window_->tabs()->setCurrentIndex(tab);
        QWidget* control = find(window_.get(), focus);
        control->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return control->hasFocus(); }));
        auto* field = qobject_cast<QLineEdit*>(control);
        if (field) field->selectAll();
        const QString text = field ? field->text() : QString();

        if (key == QKeySequence("Ctrl+P")) dialogs_->answerNext([](QDialog& dialog) { dialog.reject(); });
        else boxes_->answerNext(QMessageBox::No);
        QTest::keySequence(control, key);

        if (key == QKeySequence("Ctrl+P")) {
            QCOMPARE(dialogs_->titles(), QStringList("ตั้งค่าเครื่องพิมพ์"));
            QVERIFY(boxes_->seen().empty());
        } else {
            QCOMPARE(boxes_->seen().size(), std::size_t(1));
            QCOMPARE(boxes_->seen().front().title, QString("ยืนยัน"));
            QVERIFY(dialogs_->titles().isEmpty());
        }
        QVERIFY(window_->isVisible());
        if (field) QCOMPARE(field->text(), text);
    }

    void about_controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Label1") << "Label1" << "เวบไซต์" << QRect(5040, 360, 975, 375);
        QTest::newRow("Label4") << "Label4" << app::maker::kWebAddress << QRect(6120, 360, 2535, 255);
        QTest::newRow("Label2") << "Label2" << "อีเมล์" << QRect(5040, 720, 975, 375);
        QTest::newRow("Label5") << "Label5" << app::maker::kEmail << QRect(6120, 720, 2535, 255);
        QTest::newRow("Label3") << "Label3" << "โทรศัพท์" << QRect(5040, 1080, 975, 375);
        QTest::newRow("Label6") << "Label6" << app::maker::kTelephone << QRect(6120, 1080, 2535, 255);
        QTest::newRow("Shape1") << "Shape1" << QString() << QRect(120, 3360, 8175, 0);
        QTest::newRow("Command1") << "Command1" << "ตกลง" << QRect(7200, 3840, 1095, 375);
    }
    void about_controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        action("product")->trigger();
        QWidget* about = aboutWindows().value(0);
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("About :Quelmara Vostraleen Blow Count"));
        QWidget* control = find(about, name);
        QCOMPARE(control->property("text").toString(), text);
        if (window_->screen()->logicalDotsPerInchY() != 96) return;  // the twips are for 96 dpi
        QCOMPARE(control->geometry().topLeft(), twips.topLeft() / 15);
        QCOMPARE(control->width(), twips.width() / 15);
        if (twips.height()) QCOMPARE(control->height(), twips.height() / 15);
    }

    // Every text whole inside its label, and no two texts overlapping.
    void about_texts_fit()
    {
        QWidget* about = app::showAboutWindow();
        QVERIFY(!find<QLabel>(about, "Image1")->pixmap().isNull());
        QList<QPair<QString, QRect>> texts;
        for (QLabel* label : about->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            const QFontMetrics metrics(label->font());
            const QSize size(metrics.horizontalAdvance(label->text()), metrics.height());
            QVERIFY2(size.width() <= label->contentsRect().width(), qPrintable(label->objectName()));
            QVERIFY2(size.height() <= label->height() + 1, qPrintable(label->objectName()));
            QVERIFY2(about->rect().contains(label->geometry()), qPrintable(label->objectName()));
            texts << qMakePair(label->objectName(),
                               QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size, label->geometry()));
        }
        QCOMPARE(texts.size(), 10);
        for (const auto& [name, rect] : texts)
            for (const auto& [other, otherRect] : texts)
                if (name != other) QVERIFY2(!rect.intersects(otherRect), qPrintable(name + " and " + other));
        for (const char* line : {"Label7", "Label8", "Label9", "Label10"})
            QVERIFY(find<QLabel>(about, line)->text().contains(QRegularExpression("[\u0E01-\u0E5B]")));
    }

    // Shown without blocking; asked for again it is the same window, in front.
    void about_is_one_window_brought_to_the_front()
    {
        action("product")->trigger();
        QWidget* first = aboutWindows().value(0);
        QVERIFY(first);
        QVERIFY(QTest::qWaitForWindowActive(first));
        QVERIFY(!first->isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        action("product")->trigger();
        QCOMPARE(aboutWindows(), QList<QWidget*>({first}));
        QVERIFY(QTest::qWaitForWindowActive(first));
    }

    void about_closes_with_ok_and_comes_back_afresh()
    {
        action("product")->trigger();
        QPointer<QWidget> first = aboutWindows().value(0);
        QVERIFY(first);
        QTest::mouseClick(find<QPushButton>(first, "Command1"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return first.isNull(); }));
        QVERIFY(aboutWindows().isEmpty());
        QVERIFY(window_->isVisible());

        action("product")->trigger();
        QCOMPARE(aboutWindows().size(), 1);
    }

    // The About window is a window of its own: closing the main window
    // leaves it open, so the program goes on until it closes too.
    void about_outlives_the_main_window()
    {
        action("product")->trigger();
        QPointer<QWidget> about = aboutWindows().value(0);
        QVERIFY(about);
        QVERIFY(about->parentWidget() == nullptr);
        QVERIFY(about->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(window_->close());
        window_.reset();
        QTest::qWait(0);
        QVERIFY(about);
        QVERIFY(about->isVisible());
        about->close();
        QVERIFY(QTest::qWaitFor([&] { return about.isNull(); }));
        window_ = openMainWindow();
    }

private:
    QAction* action(const QString& name) const
    {
        for (QAction* a : window_->findChildren<QAction*>())
            if (a->objectName() == name) return a;
        qFatal("no menu item %s", qPrintable(name));
    }

    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
    std::unique_ptr<DialogAnswerer> dialogs_;
    app::UrlOpener previous_;
    QStringList opened_;
    bool opens_ = true;
};

BLOWCOUNT_GUI_TEST_MAIN(MenuTest)
#include "tst_menu.moc"
