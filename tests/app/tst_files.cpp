// Pile files from the window: save and open round-trip every text and box of
// the four tabs, in either decimal separator and across them; opening starts
// each tab afresh; a bad file or a failing save changes nothing and says why;
// the title's modified marker, the recent files and the question on leaving.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstring>

#include "app/file_dialogs.h"
#include "app/formula_tab.h"
#include "app/maker.h"
#include "calc/formula_names.h"
#include "calc/pile_file.h"
#include "gui_fixture.h"

using namespace testing_gui;
using calc::Formula;

namespace {

const QString kProduct = QString::fromUtf8(app::maker::kProductName);
const Formula kFormulas[] = {Formula::EngineeringNews, Formula::Hiley, Formula::Danish, Formula::Janbu};

QList<QCheckBox*> boxesOf(app::FormulaTab* page)
{
    QList<QCheckBox*> boxes = page->findChildren<QCheckBox*>();
    std::sort(boxes.begin(), boxes.end(), [](auto* a, auto* b) { return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x(); });
    return boxes;
}

// Every text, box, visible frame and button and tab state of the window, and
// its file, title and marker, as lines to compare.
QStringList look(app::MainWindow* window)
{
    QStringList lines;
    for (Formula f : kFormulas) {
        app::FormulaTab* page = window->page(f);
        for (int i = 0; i < int(calc::formulaInfo(f).fields.size()); ++i)
            lines << page->field(i)->objectName() + "=" + page->field(i)->text();
        for (QCheckBox* box : boxesOf(page)) lines << box->objectName() + (box->isChecked() ? " ticked" : " clear");
        for (QWidget* w : page->findChildren<QWidget*>())
            if ((qobject_cast<QGroupBox*>(w) || qobject_cast<QPushButton*>(w)) && w->isVisibleTo(page))
                lines << w->objectName() + " shown";
        for (QLabel* label : page->findChildren<QLabel*>()) lines << label->objectName() + ":" + label->text();
        lines << QString("S=%1").arg(double(window->storedS(f)));
    }
    lines << "file=" + window->filePath() << "title=" + window->windowTitle()
          << QString("modified=%1").arg(window->isWindowModified());
    return lines;
}

template <typename State>
bool isZero(const State& state)
{
    const State zero{};
    return std::memcmp(&state, &zero, sizeof(State)) == 0;
}

bool statesZero(app::MainWindow* w)
{
    return isZero(w->engineeringNewsState()) && isZero(w->hileyState()) && isZero(w->danishState())
           && isZero(w->janbuState());
}

// Texts as pasted: each field of each tab a different one, numbers with the
// separator, blanks, letters, Thai and the other separator among them.
QString pasted(int n, const QString& separator)
{
    switch (n % 7) {
    case 0: return QString::number(n) + separator + "25";
    case 1: return QString();
    case 2: return QString("  %1 ").arg(n);
    case 3: return QString("สามสิบ%1 ตัน").arg(n);
    case 4: return QString("1,2.3x%1").arg(n);
    case 5: return QChar(0xFEFF) + QString::number(n);  // a byte-order mark first, as some copied texts carry
    default: return QString("30%1.0").arg(n);
    }
}

void fillEverything(app::MainWindow* window, const QString& separator)
{
    int n = 0;
    for (Formula f : kFormulas) {
        app::FormulaTab* page = window->page(f);
        for (int i = 0; i < int(calc::formulaInfo(f).fields.size()); ++i) page->field(i)->setText(pasted(n++, separator));
        const QList<QCheckBox*> boxes = boxesOf(page);
        if (boxes.size() == 4) {
            // a different choice on each tab, one pair left unticked on the last
            const int k = int(f);
            boxes[0]->setChecked(k == 1);
            boxes[1]->setChecked(k == 2);
            boxes[2]->setChecked(k == 2);
            boxes[3]->setChecked(k == 1);
        }
    }
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        folder_ = std::make_unique<QTemporaryDir>();
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        asked_.clear();
        paths_.clear();
        previous_ = app::setPathAsker([this](QWidget*, app::FileDialog dialog, const QString&) {
            asked_ << (dialog == app::FileDialog::Open ? "open" : "save as");
            return paths_.isEmpty() ? QString() : paths_.takeFirst();
        });
    }
    void cleanup()
    {
        app::setPathAsker(previous_);
        QVERIFY2(!boxes_->sawUnexpected(), "a message box nobody expected");
        boxes_.reset();
        window_.reset();
        folder_.reset();
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void menu_items_stand_above_printer_set_up()
    {
        auto* main = find<QMenu>(window_.get(), "main");
        QStringList names, captions;
        for (QAction* a : main->actions())
            if (!a->isSeparator() && !a->objectName().startsWith("recent")) names << a->objectName(), captions << a->text();
        QCOMPARE(names, QStringList({"fileopen", "filesave", "filesaveas", "setprint", "exitme"}));
        QCOMPARE(captions.mid(0, 3), QStringList({"เปิด...", "บันทึก", "บันทึกเป็น..."}));
        const app::MenuActions& m = window_->menuActions();
        QCOMPARE(m.fileopen->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(m.filesave->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(m.filesaveas->shortcut(), QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(window_->windowTitle(), kProduct);
        QVERIFY(!window_->isWindowModified());
        // inside a field as well
        auto* field = window_->page(Formula::Hiley)->field(3);
        window_->tabs()->setCurrentIndex(1);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(asked_, QStringList({"open", "save as"}));
    }

    // Save, then open in a new window: every text and box as it stood; in the
    // same locale, and with the other separator, where only that character changes.
    void round_trip_every_text_and_box_data()
    {
        QTest::addColumn<QLocale>("saveIn");
        QTest::addColumn<QLocale>("openIn");
        const QLocale us(QLocale::English, QLocale::UnitedStates), de(QLocale::German, QLocale::Germany);
        QTest::newRow(". to .") << us << us;
        QTest::newRow(", to ,") << de << de;
        QTest::newRow(". to ,") << us << de;
        QTest::newRow(", to .") << de << us;
    }
    void round_trip_every_text_and_box()
    {
        QFETCH(QLocale, saveIn);
        QFETCH(QLocale, openIn);
        useLocale(saveIn);
        window_ = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(window_.get());
        fillEverything(window_.get(), saveIn.decimalPoint());
        const QString path = folder_->filePath("case.blowcount");
        paths_ << path;
        window_->menuActions().filesave->trigger();  // never saved: asks as save as does
        QCOMPARE(asked_, QStringList("save as"));
        QCOMPARE(window_->filePath(), path);

        // what the other locale should show: the saving separator, and only it, replaced
        useLocale(openIn);
        auto expectedWindow = openMainWindow();
        fillEverything(expectedWindow.get(), openIn.decimalPoint());
        for (Formula f : kFormulas)
            for (int i = 0; i < int(calc::formulaInfo(f).fields.size()); ++i) {
                QLineEdit* field = expectedWindow->page(f)->field(i);
                QString text = window_->page(f)->field(i)->text();
                field->setText(text.replace(saveIn.decimalPoint(), openIn.decimalPoint()));
            }

        auto opened = openMainWindow();
        boxes_ = std::make_unique<BoxAnswerer>(opened.get());
        QVERIFY(opened->openFile(path));
        QStringList got = look(opened.get()), want = look(expectedWindow.get());
        got.removeIf([](const QString& l) { return l.startsWith("file=") || l.startsWith("title="); });
        want.removeIf([](const QString& l) { return l.startsWith("file=") || l.startsWith("title="); });
        QCOMPARE(got, want);
        QVERIFY(boxes_->seen().empty());
        if (saveIn.decimalPoint() != openIn.decimalPoint())
            QCOMPARE(opened->page(Formula::EngineeringNews)->field(0)->text(), "0" + openIn.decimalPoint() + "25");
    }

    // Opening replaces what was calculated: no result, panel or print button
    // stays beside texts it was not computed from; the states start at zero.
    void opening_starts_every_tab_afresh()
    {
        fillTab(window_.get(), Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {"Check8", "Check6"});
        calculate(window_.get(), Formula::Hiley);
        fillTab(window_.get(), Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {});
        calculate(window_.get(), Formula::EngineeringNews);
        window_->tabs()->setCurrentIndex(3);
        QTest::mouseClick(find<QPushButton>(window_.get(), "Command15"), Qt::LeftButton);  // Janbu's formula panel
        QVERIFY(find(window_.get(), "Frame6")->isVisible());
        QVERIFY(find<QPushButton>(window_.get(), "Command3")->isVisibleTo(window_->page(Formula::Hiley)));
        QVERIFY(!statesZero(window_.get()));

        const QString path = folder_->filePath("pile-a.blowcount");
        QVERIFY(QFile::copy(writeFile("other.blowcount", calc::writePileFile(calc::initialDocument("."))), path));
        QVERIFY(window_->openFile(path));

        QVERIFY(statesZero(window_.get()));
        for (Formula f : kFormulas) {
            app::FormulaTab* page = window_->page(f);
            for (QGroupBox* frame : page->findChildren<QGroupBox*>()) QVERIFY2(!frame->isVisibleTo(page), qPrintable(frame->objectName()));
            QVERIFY(!page->printButton()->isVisibleTo(page));
        }
        QCOMPARE(find<QLabel>(window_.get(), "Label28")->text(), QString());
        QCOMPARE(window_->windowTitle(), "pile-a.blowcount[*] - " + kProduct);
        QVERIFY(!window_->isWindowModified());
        // and a calculation afterwards answers the opened texts
        boxes_->answerNext(QMessageBox::Ok);
        calculate(window_.get(), Formula::EngineeringNews);
        QVERIFY(find(window_.get(), "Frame3")->isVisible());
        QCOMPARE(boxes_->seen().back().text, QString("คุณป้อนข้อมูลไม่ครบ"));
    }

    void bad_file_changes_nothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray head = R"({"format":"blowcount-pile","version":1,"tabs":{"hiley":{"fields":)";
        QTest::newRow("not JSON") << QByteArray("D=30 L=12") << "ไม่ใช่ไฟล์ JSON";
        QTest::newRow("another format") << QByteArray(R"({"format":"other","version":1})") << "ไม่ใช่ไฟล์เสาเข็มของ Blow Count";
        QTest::newRow("newer version") << QByteArray(R"({"format":"blowcount-pile","version":3})")
                                       << "รุ่นของไฟล์ใหม่กว่าที่โปรแกรมนี้อ่านได้";
        QTest::newRow("number") << head + R"({"L2":5}}}})" << "ช่อง L2 ในแท็บ Heiley's Formular ไม่ใช่ข้อความ";
        QTest::newRow("null") << head + R"({"D":null}}}})" << "ช่อง D ในแท็บ Heiley's Formular ไม่ใช่ข้อความ";
        QTest::newRow("object") << head + R"({"Z":{}}}}})" << "ช่อง Z ในแท็บ Heiley's Formular ไม่ใช่ข้อความ";
        QTest::newRow("control character") << head + R"({"r":"0.2\n5"}}}})"
                                           << "ช่อง r ในแท็บ Heiley's Formular มีอักขระควบคุม";
        QTest::newRow("over 16 MiB") << QByteArray(16 * 1024 * 1024 + 1, ' ') << "ไฟล์ใหญ่เกิน 16 MiB";
        QTest::newRow("not UTF-8") << QByteArray("{\"format\":\"\xBA\xD2\"}") << "ไฟล์ไม่ใช่ข้อความ UTF-8";
        QTest::newRow("missing") << QByteArray() << "ไม่พบไฟล์";
        QTest::newRow("a folder") << QByteArray() << "ไม่ใช่ไฟล์ แต่เป็นโฟลเดอร์หรืออุปกรณ์";
    }
    void bad_file_changes_nothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        // a window with a file open, results shown and an edit not saved
        QVERIFY(window_->openFile(writeFile("good.blowcount", calc::writePileFile(calc::initialDocument(".")))));
        fillTab(window_.get(), Formula::Danish, {"30", "12", "40", "3", "135"}, {"Check4", "Check2"});
        calculate(window_.get(), Formula::Danish);
        QVERIFY(window_->isWindowModified());
        const QStringList before = look(window_.get());

        QString path = folder_->filePath("bad.blowcount");
        const QString row = QTest::currentDataTag();
        if (row == "a folder") QVERIFY(QDir(folder_->path()).mkdir("bad.blowcount"));
        else if (row != "missing") writeFile("bad.blowcount", content.toStdString());

        boxes_->answerNext(QMessageBox::Ok);
        QVERIFY(!window_->openFile(path));
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().front().title, QString("กรุณาตรวจสอบ"));
        QCOMPARE(boxes_->seen().front().text, "ไม่สามารถเปิดไฟล์ได้\n" + reason);
        QCOMPARE(look(window_.get()), before);
    }

    // A save that cannot be written leaves the file on disk as it was and the
    // window marked modified.
    void failing_save_keeps_the_old_file_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("name too long for a temporary file beside it") << "long name" << "เขียนไฟล์ในโฟลเดอร์นี้ไม่ได้";
        QTest::newRow("read-only folder") << "read-only" << "เขียนไฟล์ในโฟลเดอร์นี้ไม่ได้";
        QTest::newRow("a text no file can hold") << "control character"
                                                 << "ช่อง W ในแท็บ Janbu's Formular มีอักขระควบคุม";
    }
    void failing_save_keeps_the_old_file()
    {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        // A name this long leaves no room for QSaveFile's temporary name beside it.
        const QString name = how == "long name" ? QString(245, 'p') + ".blowcount" : "kept.blowcount";
        const QString path = writeFile(name, calc::writePileFile(calc::initialDocument(".")));
        const QByteArray old = contents(path);
        QVERIFY(window_->openFile(path));
        window_->page(Formula::Janbu)->field(3)->setText(how == "control character" ? "3\t" : "7");
        QVERIFY(window_->isWindowModified());
        if (how == "read-only") {
            QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::ExeOwner);
            if (QFile probe(folder_->filePath("probe")); probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user writes into read-only folders (root)");
            }
        }

        boxes_->answerNext(QMessageBox::Ok);
        const bool saved = window_->save();
        QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().front().title, QString("กรุณาตรวจสอบ"));
        QVERIFY2(boxes_->seen().front().text.startsWith("ไม่สามารถบันทึกไฟล์ได้\n" + reason),
                 qPrintable(boxes_->seen().front().text));
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList(name));  // no temporary file left
        QVERIFY(window_->isWindowModified());
        QCOMPARE(window_->filePath(), path);
    }

    void save_as_into_a_folder_that_is_gone_changes_nothing()
    {
        const QString path = writeFile("here.blowcount", calc::writePileFile(calc::initialDocument(".")));
        QVERIFY(window_->openFile(path));
        typeInto(window_->page(Formula::EngineeringNews)->field(0), "5");
        paths_ << folder_->filePath("gone/there.blowcount");
        boxes_->answerNext(QMessageBox::Ok);
        QVERIFY(!window_->saveAs());
        QVERIFY(boxes_->seen().front().text.startsWith("ไม่สามารถบันทึกไฟล์ได้\n"));
        QCOMPARE(window_->filePath(), path);
        QVERIFY(window_->isWindowModified());
        QCOMPARE(window_->windowTitle(), "here.blowcount[*] - " + kProduct);
    }

    // Only the user's edits mark the window: not the initial texts, not opening.
    void edits_mark_the_window_modified_and_saving_clears_it()
    {
        QVERIFY(!window_->isWindowModified());
        typeInto(window_->page(Formula::Hiley)->field(2), "9");
        QVERIFY(!window_->isWindowModified());  // no file open: as before, nothing to mark
        const QString path = folder_->filePath("m.blowcount");
        paths_ << path;
        QVERIFY(window_->saveAs());
        QCOMPARE(window_->windowTitle(), "m.blowcount[*] - " + kProduct);
        QVERIFY(!window_->isWindowModified());
        window_->tabs()->setCurrentIndex(2);
        QTest::mouseClick(find<QCheckBox>(window_.get(), "Check3"), Qt::LeftButton);
        QVERIFY(window_->isWindowModified());
        QTest::keySequence(window_.get(), QKeySequence("Ctrl+S"));
        QVERIFY(!window_->isWindowModified());
        QVERIFY(contents(path).contains(R"("material": "prestressed")"));
        typeInto(window_->page(Formula::Danish)->field(1), "3");
        QVERIFY(window_->isWindowModified());
        QVERIFY(window_->openFile(path));
        QVERIFY(!window_->isWindowModified());
        QCOMPARE(asked_, QStringList("save as"));
    }

    void leaving_a_modified_file_asks_to_save_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("answer");
        for (const char* trigger : {"exitme", "Ctrl+C", "Command9", "close button"}) {
            QTest::addRow("%s, Cancel", trigger) << trigger << int(QMessageBox::Cancel);
            QTest::addRow("%s, Discard", trigger) << trigger << int(QMessageBox::Discard);
            QTest::addRow("%s, Save", trigger) << trigger << int(QMessageBox::Save);
        }
    }
    void leaving_a_modified_file_asks_to_save()
    {
        QFETCH(QString, trigger);
        QFETCH(int, answer);
        const QString path = writeFile("leave.blowcount", calc::writePileFile(calc::initialDocument(".")));
        const QByteArray old = contents(path);
        QVERIFY(window_->openFile(path));
        window_->tabs()->setCurrentIndex(2);
        auto* field = window_->page(Formula::Danish)->field(0);
        field->setFocus();
        typeInto(field, "45");
        boxes_->answerNext(QMessageBox::StandardButton(answer));
        if (trigger == "exitme") window_->menuActions().exitme->trigger();
        else if (trigger == "Ctrl+C") QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        else if (trigger == "close button") window_->close();
        else QTest::mouseClick(find<QPushButton>(window_.get(), trigger), Qt::LeftButton);

        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        const SeenBox& box = boxes_->seen().front();
        QCOMPARE(box.text, QString("บันทึกการเปลี่ยนแปลงหรือไม่"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(window_->isVisible(), answer == QMessageBox::Cancel);
        if (answer == QMessageBox::Save) QVERIFY(contents(path).contains(R"("D": "45")"));
        else QCOMPARE(contents(path), old);
        if (answer == QMessageBox::Cancel) QVERIFY(window_->isWindowModified());
    }

    void leaving_an_unchanged_file_asks_as_before()
    {
        QVERIFY(window_->openFile(writeFile("same.blowcount", calc::writePileFile(calc::initialDocument(".")))));
        boxes_->answerNext(QMessageBox::No);
        window_->menuActions().exitme->trigger();
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().front().text, QString("คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? "));
        QVERIFY(window_->isVisible());
        QVERIFY(window_->close());  // the close button: no question, as before
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
    }

    void opening_over_unsaved_changes_asks_first()
    {
        const QString a = writeFile("a.blowcount", calc::writePileFile(calc::initialDocument(".")));
        QVERIFY(window_->openFile(a));
        typeInto(window_->page(Formula::EngineeringNews)->field(0), "1");
        boxes_->answerNext(QMessageBox::Cancel);
        window_->menuActions().fileopen->trigger();
        QVERIFY(asked_.isEmpty());  // cancelled before the dialog
        QVERIFY(window_->isWindowModified());
        QCOMPARE(window_->page(Formula::EngineeringNews)->field(0)->text(), QString("1"));
    }

    // Newest first, at most five; a file that is gone says so and leaves the list.
    void recent_files()
    {
        QStringList paths;
        for (int i = 0; i < 6; ++i) {
            paths.prepend(writeFile(QString("r%1.blowcount").arg(i), calc::writePileFile(calc::initialDocument("."))));
            QVERIFY(window_->openFile(paths.front()));
        }
        const app::MenuActions& m = window_->menuActions();
        for (int i = 0; i < 5; ++i) {
            QVERIFY(m.recent[i]->isVisible());
            QCOMPARE(m.recent[i]->objectName(), QString("recent%1").arg(i));
            QCOMPARE(m.recent[i]->text(), QString("&%1 r%2.blowcount").arg(i + 1).arg(5 - i));
            QCOMPARE(m.recent[i]->toolTip(), paths[i]);
        }
        QVERIFY(QFile::remove(paths[2]));
        boxes_->answerNext(QMessageBox::Ok);
        m.recent[2]->trigger();
        QCOMPARE(boxes_->seen().size(), std::size_t(1));
        QCOMPARE(boxes_->seen().front().text, QString("ไม่สามารถเปิดไฟล์ได้\nไม่พบไฟล์"));
        QCOMPARE(m.recent[2]->toolTip(), paths[3]);
        QVERIFY(!m.recent[4]->isVisible());
        m.recent[3]->trigger();
        QCOMPARE(window_->filePath(), paths[4]);
        QCOMPARE(m.recent[0]->toolTip(), paths[4]);
        // kept for the next run
        auto next = openMainWindow();
        QCOMPARE(next->menuActions().recent[0]->toolTip(), paths[4]);
    }

private:
    QString writeFile(const QString& name, const std::string& text)
    {
        const QString path = folder_->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(text.data(), qint64(text.size()));
        return path;
    }
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<BoxAnswerer> boxes_;
    QStringList asked_, paths_;
    app::PathAsker previous_;
};

// The settings (recent files) go to a folder of the test's own.
int main(int argc, char* argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    app::useInterfaceFont();
    FilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_files.moc"
