// The driving records window as a random session acts in it: records added,
// duplicated, deleted, chosen in the table, their fields typed or pasted,
// the acceptance settings changed, undo and redo by button and key, a header
// clicked to sort, the status filter, CSV out and in (the session's own
// exports, good files, bad ones), sheets and the summary printed or saved
// as PDF. After every action: each row shown is the record check of its
// record against the tabs as they stand (built from the tab fields, not from
// the window), the counts are calc's, nothing shows inf or nan; a refused
// import changes nothing, an accepted one is calc's merge of the file; an
// export reads back as the records; at the undo stack's start the records
// are those last opened.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <functional>

#include "app/main_window.h"
#include "app/records_output.h"
#include "app/records_store.h"
#include "app/records_window.h"
#include "calc/formula_names.h"
#include "calc/outcome.h"
#include "calc/pile_file.h"
#include "calc/record_check.h"
#include "calc/records_csv.h"
#include "random_texts.h"
#include "tab_watch.h"
#include "window_actor.h"

namespace random_session {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string ss(const QString& text) { return text.toStdString(); }
std::string separator() { return QLocale().decimalPoint().toStdString(); }

constexpr std::array<const char*, 10> kFields{"recordmark",  "recordlocation", "recorddate",     "recordhammer",
                                              "recorddrop",  "recorddepth",    "recordblows",    "recordsets",
                                              "recordinspector", "recordremarks"};
constexpr const char* kSaveFailure = "ไม่สามารถบันทึกไฟล์ได้";
constexpr const char* kReadFailure = "ไม่สามารถอ่านไฟล์ได้";
constexpr const char* kImportProblems = "ไม่ได้นำเข้าข้อมูลใด เพราะพบปัญหา ";
constexpr const char* kExistingMarks = "หมายเลขเสาเข็มต่อไปนี้มีอยู่แล้วในไฟล์: ";

// The document as a user reads it off the screen: each tab's fields, boxes and
// section, and the store's records and settings.
calc::PileDocument shownDocument(app::MainWindow& main, const app::RecordsStore& store)
{
    calc::PileDocument d;
    d.decimalSeparator = separator();
    for (const calc::FormulaInfo& info : calc::formulas()) {
        const TabWatch w(main, info.formula);
        calc::PileTab& tab = d.tab(info.formula);
        for (const QString& text : w.currentFields()) tab.texts.push_back(ss(text));
        const std::vector<bool> c = w.currentChecks();
        if (c.size() == 4) tab.boxes = {c[0], c[1], c[2], c[3], w.currentSection()};
    }
    d.records = store.records();
    d.acceptance = store.acceptance();
    d.acceptanceGiven = store.acceptanceGiven();
    return d;
}

QString thaiText(SessionRandom& random, int length)
{
    QString out;
    for (int i = 0; i < length; ++i) out += random.percent(15) ? QChar(' ') : QChar(0x0E01 + random.below(0x2E));
    return out;
}

QString numberList(SessionRandom& random, bool whole, const QString& sep)
{
    QStringList items;
    const int n = random.between(1, random.percent(10) ? 40 : 6);
    for (int i = 0; i < n; ++i)
        items << (whole ? QString::number(random.between(0, 250))
                        : QString::number(random.between(0, 60) / 10.0, 'f', random.between(0, 2)).replace('.', sep));
    return items.join(random.percent(20) ? QStringLiteral("  ") : QStringLiteral(" "));
}

// A text for one of the record's fields, or of the header's.
QString fieldText(SessionRandom& random, const QString& name, const QString& sep, const std::vector<calc::PileRecord>& records)
{
    switch (random.weighted({30, 12, 8, 8, 12, 8})) {
    case 0:
        if (name == "recordblows") return numberList(random, true, sep);
        if (name == "recordsets") return numberList(random, false, sep);
        if (name == "recorddate") return QStringLiteral("2026-%1-%2").arg(random.between(1, 12), 2, 10, QChar('0')).arg(random.between(1, 28), 2, 10, QChar('0'));
        if (name == "recordmark" && !records.empty() && random.percent(40))
            return qs(records[static_cast<std::size_t>(random.below(static_cast<int>(records.size())))].mark);
        if (name == "recordmark") return QStringLiteral("P-%1").arg(random.between(1, 300), 3, 10, QChar('0'));
        if (name == "setsrequired") return QString::number(random.between(-1, 5));
        return plausibleNumber(random, sep.at(0));
    case 1: return random.percent(50) ? numberList(random, true, sep) : numberList(random, false, sep);
    case 2: return thaiText(random, random.between(1, 30));
    case 3: return QString();
    case 4: return randomPaste(random, sep.at(0));
    default: {
        static const QStringList junk{"1;2", "๑๒", "1e3", "-5", "0", "1,5", "1.5.5", " 7 ", "\t3", "nan", "inf", "12 abc",
                                      "\"", "a,b", "=1+1", "P-001\nP-002", QString(3000, QChar('9'))};
        return random.pick(std::vector<QString>(junk.begin(), junk.end()));
    }
    }
}

// A CSV the session writes for an import: good records, or a bad file.
QByteArray csvFile(SessionRandom& random, const std::vector<calc::PileRecord>& existing, QString& kind)
{
    const std::string header = "mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks\n";
    std::vector<calc::PileRecord> records;
    const int n = random.between(0, 6);
    for (int i = 0; i < n; ++i) {
        calc::PileRecord r;
        r.mark = !existing.empty() && random.percent(30)
                     ? existing[static_cast<std::size_t>(random.below(static_cast<int>(existing.size())))].mark
                     : "C-" + std::to_string(random.between(1, 60));
        if (std::any_of(records.begin(), records.end(), [&](const calc::PileRecord& o) { return o.mark == r.mark; }))
            r.mark += "x" + std::to_string(i);
        r.location = random.percent(50) ? "A/" + std::to_string(i) : "ก-" + std::to_string(i);
        r.hammer = random.percent(50) ? "" : std::to_string(random.between(2, 6));
        r.drop = random.percent(50) ? "" : std::to_string(random.between(30, 120));
        r.depth = std::to_string(random.between(5, 30)) + separator() + "5";
        for (int b = random.below(5); b > 0; --b) r.blows.push_back(std::to_string(random.between(5, 200)));
        for (int s = random.below(4); s > 0; --s) r.sets.push_back(std::to_string(random.between(0, 5)) + separator() + "2");
        r.remarks = random.percent(30) ? "หัวเสาแตก, \"ต่อ\"" : "";
        records.push_back(r);
    }
    switch (random.weighted({40, 8, 8, 8, 8, 8, 6, 6})) {
    case 0: kind = "good"; return QByteArray::fromStdString(calc::recordsCsv(records, {}, separator()));
    case 1: kind = "broken quoting"; return QByteArray::fromStdString(header + "P-1,\"A/1,,,,,,,,\nP-2,,,,,,,,,\n");
    case 2: kind = "bad numbers"; return QByteArray::fromStdString(header + "P-1,,,x,,,,,,\nP-2,,,,,,1.5,,,\nP-3,,,,,,,1;;2,,\n");
    case 3: kind = "repeated marks"; return QByteArray::fromStdString(header + "P-1,,,,,,,,,\nP-1,,,,,,,,,\n");
    case 4: kind = "wrong header"; return QByteArray::fromStdString("mark;location;date\nP-1;A;B\n");
    case 5: {
        kind = "binary junk";
        QByteArray bytes;
        for (int i = random.between(1, 400); i > 0; --i) bytes += char(random.below(256));
        return random.percent(50) ? QByteArray::fromStdString(header) + bytes : bytes;
    }
    case 6: kind = "empty"; return {};
    default: kind = "comma decimals"; return QByteArray::fromStdString(header + "K-1,,,3,\"80,5\",\"12,5\",12;15,\"1,2;0,9\",,\n");
    }
}

class RecordsActor : public WindowActor {
public:
    QString windowName() const override { return QStringLiteral("RecordsWindow"); }
    QString menuItem() const override { return QStringLiteral("drivingrecords"); }
    int weight() const override { return 30; }

    void opened(ActorContext& ctx, QWidget&) override { watch(ctx.main.recordsStore()); }
    void reset() override { store_ = nullptr; }
    QString act(ActorContext& ctx, QWidget& window) override;
    QString check(ActorContext& ctx, QWidget& window) override;
    QString boxName(const BoxLook& look) const override;

private:
    struct Before {
        std::vector<calc::PileRecord> records;
        calc::AcceptanceSettings acceptance;
        int index = 0;
    };
    void watch(app::RecordsStore& store);
    void takeOpened();
    Before before() const { return {store_->records(), store_->acceptance(), store_->undoStack()->index()}; }

    QString add(ActorContext&, QWidget&);
    QString duplicate(ActorContext&, QWidget&);
    QString remove(ActorContext&, QWidget&);
    QString selectRow(ActorContext&, QWidget&);
    QString editField(ActorContext&, QWidget&);
    QString editHeader(ActorContext&, QWidget&);
    QString undoRedo(ActorContext&, QWidget&);
    QString undoAll(ActorContext&, QWidget&);
    QString sort(ActorContext&, QWidget&);
    QString filter(ActorContext&, QWidget&);
    QString exportCsv(ActorContext&, QWidget&);
    QString importCsv(ActorContext&, QWidget&);
    QString output(ActorContext&, QWidget&);

    QString typeInto(ActorContext& ctx, QLineEdit* field, const QString& text);
    QString fileBox(ActorContext& ctx, const QString& expected, bool mayShow);

    QPointer<app::RecordsStore> store_;
    bool openedKnown_ = false;
    std::vector<calc::PileRecord> openedRecords_;
    calc::AcceptanceSettings openedAcceptance_;
    QStringList exported_;
};

void RecordsActor::watch(app::RecordsStore& store)
{
    if (store_ == &store) return;
    store_ = &store;
    QObject::connect(&store, &app::RecordsStore::reset, &store, [this] { takeOpened(); });
    openedKnown_ = false;
    if (store.undoStack()->index() == 0) takeOpened();
}

void RecordsActor::takeOpened()
{
    openedKnown_ = true;
    openedRecords_ = store_->records();
    openedAcceptance_ = store_->acceptance();
}

QString RecordsActor::boxName(const BoxLook& look) const
{
    const bool check = look.title == QString::fromUtf8(calc::kCheckTitle) && look.icon == QMessageBox::Question
                    && look.buttons == QMessageBox::StandardButtons(QMessageBox::Ok);
    if (check && look.text == QString::fromUtf8(kSaveFailure)) return QStringLiteral("records: save failure");
    if (check && look.text == QString::fromUtf8(kReadFailure)) return QStringLiteral("records: read failure");
    if (check && look.text.startsWith(QString::fromUtf8(kImportProblems))) return QStringLiteral("records: import problems");
    // With its reason: records a CSV cannot hold; the pile file saved before
    // leaving, when the records typed make the main window ask.
    if (check && look.text.startsWith(QString::fromUtf8(kSaveFailure) + QLatin1Char('\n')))
        return QStringLiteral("save failure with its reason");
    // Leaving with records typed and no file open (the main window asks).
    if (look.title == QStringLiteral("ยืนยัน") && look.text == QStringLiteral("บันทึกการเปลี่ยนแปลงหรือไม่")
        && look.icon == QMessageBox::Question
        && look.buttons == (QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel))
        return QStringLiteral("save the records typed?");
    if (look.title == QString::fromUtf8(app::kImportTitle) && look.icon == QMessageBox::Question
        && look.buttons == (QMessageBox::Yes | QMessageBox::Cancel) && look.text.startsWith(QString::fromUtf8(kExistingMarks))
        && look.text.endsWith(QStringLiteral("\n\n") + QString::fromUtf8(app::kReplaceQuestion)))
        return QStringLiteral("replacemarks");
    return {};
}

QString RecordsActor::act(ActorContext& ctx, QWidget& window)
{
    watch(ctx.main.recordsStore());
    using Action = QString (RecordsActor::*)(ActorContext&, QWidget&);
    static const std::vector<std::pair<Action, int>> actions{
        {&RecordsActor::add, 10},       {&RecordsActor::duplicate, 6}, {&RecordsActor::remove, 5},
        {&RecordsActor::selectRow, 10}, {&RecordsActor::editField, 28}, {&RecordsActor::editHeader, 8},
        {&RecordsActor::undoRedo, 12},  {&RecordsActor::undoAll, 2},   {&RecordsActor::sort, 4},
        {&RecordsActor::filter, 5},     {&RecordsActor::exportCsv, 4}, {&RecordsActor::importCsv, 8},
        {&RecordsActor::output, 3}};
    std::vector<int> weights;
    for (const auto& a : actions) weights.push_back(a.second);
    return (this->*actions[static_cast<std::size_t>(ctx.random.weighted(weights))].first)(ctx, window);
}

QString RecordsActor::add(ActorContext& ctx, QWidget& window)
{
    ctx.begin(window, QStringLiteral("add a record"));
    const std::size_t count = store_->records().size();
    QTest::mouseClick(child<QPushButton>(window, "addrecord"), Qt::LeftButton);
    if (store_->records().size() != count + 1) return QStringLiteral("adding a record did not add one");
    return {};
}

QString RecordsActor::duplicate(ActorContext& ctx, QWidget& window)
{
    auto* button = child<QPushButton>(window, "duplicaterecord");
    ctx.begin(window, QStringLiteral("duplicate the record chosen%1").arg(button->isEnabled() ? "" : " (disabled)"));
    const std::size_t count = store_->records().size();
    const int current = qobject_cast<app::RecordsWindow*>(&window)->currentRecord();
    QTest::mouseClick(button, Qt::LeftButton);
    if (current >= 0 && store_->records().size() != count + 1) return QStringLiteral("duplicating added no record");
    return {};
}

QString RecordsActor::remove(ActorContext& ctx, QWidget& window)
{
    auto* button = child<QPushButton>(window, "deleterecord");
    ctx.begin(window, QStringLiteral("delete the record chosen%1").arg(button->isEnabled() ? "" : " (disabled)"));
    const std::size_t count = store_->records().size();
    const int current = qobject_cast<app::RecordsWindow*>(&window)->currentRecord();
    QTest::mouseClick(button, Qt::LeftButton);
    if (current >= 0 && store_->records().size() + 1 != count) return QStringLiteral("deleting removed no record");
    return {};
}

QString RecordsActor::selectRow(ActorContext& ctx, QWidget& window)
{
    auto* table = child<QTableView>(window, "recordstable");
    const int rows = table->model()->rowCount();
    if (rows == 0) {
        ctx.begin(window, QStringLiteral("click the empty table"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        return {};
    }
    const int row = ctx.random.below(rows);
    const QModelIndex at = table->model()->index(row, ctx.random.below(table->model()->columnCount()));
    table->scrollTo(at);
    ctx.begin(window, QStringLiteral("click row %1 of the table").arg(row + 1));
    const int before = qobject_cast<app::RecordsWindow*>(&window)->currentRecord();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(at).center());
    const int expected = static_cast<const QSortFilterProxyModel*>(table->model())->mapToSource(at).row();
    if (qobject_cast<app::RecordsWindow*>(&window)->currentRecord() != expected)
        return QStringLiteral("a click on row %1 did not choose its record").arg(row + 1);
    // Another record: its mark (the same one keeps a mark being typed).
    if (expected != before && child<QLineEdit>(window, "recordmark")->text() != qs(store_->records().at(static_cast<std::size_t>(expected)).mark))
        return QStringLiteral("the form does not show the mark of the record chosen");
    return {};
}

// Types `text` over the whole of the field, by keys when it can be typed, else pasted.
QString RecordsActor::typeInto(ActorContext& ctx, QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    bool printable = text.size() < 300;
    for (QChar c : text) printable = printable && c.isPrint() && c.unicode() < 0xD800;
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        ctx.log.note(QStringLiteral("cleared"));
    } else if (printable && ctx.random.percent(70)) {
        for (QChar c : text) {
            const TypedKey key = characterKey(c);
            QTest::sendKeyEvent(QTest::Click, field, key.key, key.text, key.modifiers);
        }
        ctx.log.note(QStringLiteral("typed"));
    } else {
        QGuiApplication::clipboard()->setText(text);
        if (QGuiApplication::clipboard()->text() == text) QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        else field->insert(text);
        ctx.log.note(QStringLiteral("pasted"));
    }
    return {};
}

QString RecordsActor::editField(ActorContext& ctx, QWidget& window)
{
    const QString name = QString::fromUtf8(kFields[static_cast<std::size_t>(ctx.random.below(10))]);
    auto* field = window.findChild<QLineEdit*>(name);
    const QString text = fieldText(ctx.random, name, QLocale().decimalPoint(), store_->records());
    ctx.begin(window, QStringLiteral("type \"%1\" into %2%3").arg(shown(text), name, field->isEnabled() ? "" : " (disabled)"));
    const int current = qobject_cast<app::RecordsWindow*>(&window)->currentRecord();
    const Before was = before();
    typeInto(ctx, field, text);
    if (current < 0) {
        if (store_->records() != was.records) return QStringLiteral("typing with no record chosen changed the records");
        return {};
    }
    const calc::PileRecord& r = store_->records().at(static_cast<std::size_t>(current));
    const std::string typed = ss(field->text());
    const std::map<QString, const std::string*> plain{{"recordlocation", &r.location}, {"recorddate", &r.date},
                                                      {"recordhammer", &r.hammer},     {"recorddrop", &r.drop},
                                                      {"recorddepth", &r.depth},       {"recordinspector", &r.inspector},
                                                      {"recordremarks", &r.remarks}};
    if (auto it = plain.find(name); it != plain.end() && *it->second != typed)
        return QStringLiteral("%1 shows \"%2\" but the record holds \"%3\"").arg(name, shown(field->text()), shown(qs(*it->second)));
    if (name == "recordmark") {
        const bool problem = child<QLabel>(window, "markproblem")->isVisibleTo(&window);
        const bool usable = !typed.empty() && std::none_of(was.records.begin(), was.records.end(), [&](const calc::PileRecord& o) {
            return &o - was.records.data() != current && o.mark == typed;
        });
        if (problem == usable) return QStringLiteral("the mark \"%1\" is %2 told").arg(shown(field->text()), problem ? "" : "not");
        // Typed key by key, each usable mark on the way is stored; an unusable one never.
        const auto taken = std::count_if(store_->records().begin(), store_->records().end(),
                                         [&](const calc::PileRecord& o) { return o.mark == r.mark; });
        if ((usable && r.mark != typed) || r.mark.empty() || taken != 1)
            return QStringLiteral("the record's mark became \"%1\"").arg(qs(r.mark));
    }
    return {};
}

QString RecordsActor::editHeader(ActorContext& ctx, QWidget& window)
{
    if (ctx.random.percent(35)) {
        auto* combo = child<QComboBox>(window, "acceptanceformula");
        const Qt::Key key = ctx.random.pick(std::vector<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End});
        ctx.begin(window, QStringLiteral("acceptanceformula: key %1").arg(QKeySequence(key).toString()));
        combo->setFocus();
        QTest::keyClick(combo, key);
        if (store_->acceptance().formula != ss(combo->currentData().toString()))
            return QStringLiteral("the formula chosen is not the store's: %1").arg(qs(store_->acceptance().formula));
        return {};
    }
    const bool sets = ctx.random.percent(60);
    const QString name = sets ? QStringLiteral("setsrequired") : QStringLiteral("project");
    auto* field = window.findChild<QLineEdit*>(name);
    const QString text = fieldText(ctx.random, name, QLocale().decimalPoint(), store_->records());
    ctx.begin(window, QStringLiteral("type \"%1\" into %2").arg(shown(text), name));
    typeInto(ctx, field, text);
    const std::string& held = sets ? store_->acceptance().setsRequired : store_->acceptance().project;
    if (held != ss(field->text()))
        return QStringLiteral("%1 shows \"%2\" but the store holds \"%3\"").arg(name, shown(field->text()), shown(qs(held)));
    return {};
}

QString RecordsActor::undoRedo(ActorContext& ctx, QWidget& window)
{
    const bool undo = ctx.random.percent(65);
    const bool byKey = ctx.random.percent(50);
    QUndoStack* stack = store_->undoStack();
    const int index = stack->index();
    const bool can = undo ? stack->canUndo() : stack->canRedo();
    ctx.begin(window, QStringLiteral("%1 by %2%3").arg(undo ? "undo" : "redo", byKey ? (undo ? "Ctrl+Z" : "Ctrl+Shift+Z") : "button",
                                                        can ? "" : " (nothing to do)"));
    if (byKey) {
        QApplication::setActiveWindow(&window);
        auto* table = child<QTableView>(window, "recordstable");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Z, undo ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        const QString name = undo ? QStringLiteral("recordsundo") : QStringLiteral("recordsredo");
        for (auto* button : window.findChildren<QToolButton*>())
            if (button->defaultAction() && button->defaultAction()->objectName() == name) QTest::mouseClick(button, Qt::LeftButton);
    }
    if (can && stack->index() != index + (undo ? -1 : 1))
        return QStringLiteral("the %1 moved the undo stack from %2 to %3").arg(undo ? "undo" : "redo").arg(index).arg(stack->index());
    return {};
}

QString RecordsActor::undoAll(ActorContext& ctx, QWidget& window)
{
    ctx.begin(window, QStringLiteral("undo until nothing is left (%1 steps)").arg(store_->undoStack()->index()));
    QToolButton* undo = nullptr;
    for (auto* button : window.findChildren<QToolButton*>())
        if (button->defaultAction() && button->defaultAction()->objectName() == QStringLiteral("recordsundo")) undo = button;
    for (int i = 0; i < 2000 && undo->isEnabled(); ++i) QTest::mouseClick(undo, Qt::LeftButton);
    if (store_->undoStack()->canUndo()) return QStringLiteral("undo is still possible after 2000 clicks");
    return {};  // the records against those opened: check()
}

QString RecordsActor::sort(ActorContext& ctx, QWidget& window)
{
    auto* table = child<QTableView>(window, "recordstable");
    QHeaderView* header = table->horizontalHeader();
    const int section = ctx.random.below(header->count());
    table->scrollTo(table->model()->index(0, section));
    ctx.begin(window, QStringLiteral("click the header of column %1").arg(section));
    const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    return {};
}

QString RecordsActor::filter(ActorContext& ctx, QWidget& window)
{
    auto* combo = child<QComboBox>(window, "statusfilter");
    const Qt::Key key = ctx.random.pick(std::vector<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End});
    ctx.begin(window, QStringLiteral("statusfilter: key %1").arg(QKeySequence(key).toString()));
    combo->setFocus();
    const int was = combo->currentIndex();
    QTest::keyClick(combo, key);
    // Just chosen: the rows are exactly the records of that status.
    const QString status = combo->currentData().toString();
    if (status.isEmpty() || combo->currentIndex() == was) return {};
    const calc::PileDocument d = shownDocument(ctx.main, *store_);
    std::size_t expected = 0;
    for (const calc::RecordCheck& c : calc::checkRecords(d)) expected += qs(calc::statusName(c.status)) == status;
    const int rows = child<QTableView>(window, "recordstable")->model()->rowCount();
    if (static_cast<std::size_t>(rows) != expected)
        return QStringLiteral("the filter %1 shows %2 rows, not %3").arg(status).arg(rows).arg(expected);
    return {};
}

// The file box seen in this action: `expected` names the one that must have come.
QString RecordsActor::fileBox(ActorContext& ctx, const QString& expected, bool mayShow)
{
    for (const ModalSeen& m : ctx.answerer.seen())
        if (m.type == ModalSeen::Type::Box && m.name != QStringLiteral("replacemarks")) {
            if (m.name != expected || !mayShow) return QStringLiteral("an unexpected box: %1 \"%2\"").arg(m.name, shown(m.look.text, 100));
            return {};
        }
    if (mayShow && !expected.isEmpty()) return QStringLiteral("no box %1 came up").arg(expected);
    return {};
}

QString RecordsActor::exportCsv(ActorContext& ctx, QWidget& window)
{
    const int choice = ctx.random.weighted({75, 15, 10});
    const QString path = choice == 0 ? ctx.newPath(QStringLiteral("records"), QStringLiteral("csv"))
                       : choice == 2 ? QDir(ctx.folder).filePath(QStringLiteral("missing/records.csv"))
                                     : QString();
    ctx.begin(window, QStringLiteral("export CSV to %1").arg(path.isEmpty() ? QStringLiteral("(cancelled)") : path));
    ctx.answerer.setFileAnswer(path);
    QTest::mouseClick(child<QPushButton>(window, "recordscsvexport"), Qt::LeftButton);
    ctx.answerer.clearFileAnswer();
    calc::PileDocument records;
    records.records = store_->records();
    const std::optional<std::string> unwritable = calc::thaiUnsavableRecords(records);
    const QString box = unwritable ? QStringLiteral("save failure with its reason") : QStringLiteral("records: save failure");
    if (QString problem = fileBox(ctx, box, choice == 2 || (choice == 0 && unwritable)); !problem.isEmpty()) return problem;
    if (choice != 0 || unwritable) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("the export wrote no file %1").arg(path);
    const QByteArray bytes = file.readAll();
    const calc::RecordsCsvImport back = calc::readRecordsCsv(std::string_view(bytes.constData(), std::size_t(bytes.size())), separator());
    if (!back.ok()) {
        // Only records the check calls bad input may be refused on the way back.
        ctx.log.note(QStringLiteral("the export reads back refused: %1").arg(qs(back.problems.front().english)));
        const calc::PileDocument d = shownDocument(ctx.main, *store_);
        const auto checks = calc::checkRecords(d);
        if (std::none_of(checks.begin(), checks.end(), [](const calc::RecordCheck& c) { return c.status == calc::RecordStatus::BadInput; }))
            return QStringLiteral("the CSV exported does not read back: %1").arg(qs(back.problems.front().english));
        return {};
    }
    // A number text the check refuses ("1,5" where the separator is ".") may
    // read back otherwise, as the import takes "," for the file's separator;
    // every other record must come back exactly.
    if (back.records.size() != store_->records().size()) return QStringLiteral("the CSV exported reads back as other records");
    const calc::PileDocument d = shownDocument(ctx.main, *store_);
    const auto checks = calc::checkRecords(d);
    for (std::size_t i = 0; i < back.records.size(); ++i)
        if (back.records[i] != d.records[i]) {
            if (checks[i].status != calc::RecordStatus::BadInput)
                return QStringLiteral("the CSV exported reads back record %1 otherwise").arg(qs(d.records[i].mark));
            ctx.log.note(QStringLiteral("record %1, bad input, reads back otherwise").arg(qs(d.records[i].mark)));
        }
    exported_ << path;
    return {};
}

QString RecordsActor::importCsv(ActorContext& ctx, QWidget& window)
{
    QString path, kind;
    const int choice = ctx.random.weighted({30, 60, 10});
    if (choice == 0 && !exported_.isEmpty()) {
        path = ctx.random.pick(std::vector<QString>(exported_.begin(), exported_.end()));
        kind = QStringLiteral("exported");
    } else if (choice != 2) {
        path = ctx.newPath(QStringLiteral("import"), QStringLiteral("csv"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(csvFile(ctx.random, store_->records(), kind));
    }
    ctx.begin(window, QStringLiteral("import CSV %1 (%2)").arg(path.isEmpty() ? QStringLiteral("(cancelled)") : path, kind));
    const Before was = before();
    ctx.answerer.setFileAnswer(path);
    QTest::mouseClick(child<QPushButton>(window, "recordscsvimport"), Qt::LeftButton);
    ctx.answerer.clearFileAnswer();
    const auto unchanged = [&](const QString& why) {
        if (store_->records() != was.records || store_->acceptance() != was.acceptance || store_->undoStack()->index() != was.index)
            return QStringLiteral("the records changed after an import %1").arg(why);
        return QString();
    };
    if (path.isEmpty()) return unchanged(QStringLiteral("cancelled"));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const calc::RecordsCsvImport import = calc::readRecordsCsv(std::string_view(bytes.constData(), std::size_t(bytes.size())), separator());
    if (!import.ok()) {
        if (QString problem = fileBox(ctx, QStringLiteral("records: import problems"), true); !problem.isEmpty()) return problem;
        return unchanged(QStringLiteral("refused"));
    }
    if (QString problem = fileBox(ctx, QString(), false); !problem.isEmpty()) return problem;
    const bool asked = !calc::existingMarks(was.records, import.records).empty();
    const ModalSeen* question = nullptr;
    for (const ModalSeen& m : ctx.answerer.seen())
        if (m.name == QStringLiteral("replacemarks")) question = &m;
    if (asked != (question != nullptr)) return QStringLiteral("the replace-marks question %1").arg(asked ? "did not come" : "came unasked");
    if (import.records.empty() || (question && question->button != QMessageBox::Yes))
        return unchanged(QStringLiteral("of nothing, or cancelled"));
    if (store_->records() != calc::mergeRecords(was.records, import.records))
        return QStringLiteral("the records imported are not the file's merged into the records");
    if (store_->undoStack()->index() != was.index + 1) return QStringLiteral("the import is not one undo step");
    return {};
}

QString RecordsActor::output(ActorContext& ctx, QWidget& window)
{
    const bool pdf = ctx.random.percent(60);
    const char* item = ctx.random.pick(std::vector<const char*>{"sheet", "sheets", "summary"});
    const QString name = QStringLiteral("%1%2").arg(pdf ? "recordspdf" : "recordsprint", item);
    const int choice = ctx.random.weighted({70, 15, 15});
    const QString path = !pdf || choice == 1 ? QString()
                       : choice == 0         ? ctx.newPath(QStringLiteral("records"), QStringLiteral("pdf"))
                                             : QDir(ctx.folder).filePath(QStringLiteral("missing/records.pdf"));
    auto* button = child<QPushButton>(window, pdf ? "recordspdf" : "recordsprint");
    QAction* action = window.findChild<QAction*>(name);
    ctx.begin(window, QStringLiteral("%1%2").arg(name, pdf ? QStringLiteral(" to ") + (path.isEmpty() ? QStringLiteral("(cancelled)") : path) : QString()));
    ctx.answerer.setFileAnswer(path);
    bool enabled = false;
    // The button's menu: the item chosen in it, or Escape when it is disabled.
    QTimer::singleShot(0, button, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        enabled = action->isEnabled();
        if (enabled) {
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(0);
    ctx.answerer.clearFileAnswer();
    if (!enabled) ctx.log.note(QStringLiteral("the item is disabled"));
    bool failureExpected = false;
    for (const ModalSeen& m : ctx.answerer.seen()) {
        if (m.type == ModalSeen::Type::PrinterDialog && m.folderRemoved) failureExpected = true;
        if (m.kind == BoxKind::PrintFailure) {
            if (!failureExpected) return QStringLiteral("the print failure box came up for a print that could be made");
            ctx.session.printFailureExpected();
        }
    }
    if (!pdf) return {};
    const bool dialog = std::any_of(ctx.answerer.seen().begin(), ctx.answerer.seen().end(),
                                    [](const ModalSeen& m) { return m.type == ModalSeen::Type::FileDialog; });
    if (QString problem = fileBox(ctx, QStringLiteral("records: save failure"), dialog && choice == 2); !problem.isEmpty())
        return problem;
    if (dialog && choice == 0 && !QFile::exists(path)) return QStringLiteral("the PDF %1 was not written").arg(path);
    return {};
}

QString RecordsActor::check(ActorContext& ctx, QWidget& window)
{
    watch(ctx.main.recordsStore());
    QCoreApplication::processEvents();  // the re-check after a tab's change runs once the typing pauses
    auto* table = child<QTableView>(window, "recordstable");
    const auto* proxy = qobject_cast<const QSortFilterProxyModel*>(table->model());
    if (!proxy) return QStringLiteral("the table shows no sorted and filtered model");
    const calc::PileDocument d = shownDocument(ctx.main, *store_);
    const std::vector<calc::RecordCheck> checks = calc::checkRecords(d);
    std::vector<bool> shownRows(checks.size());
    const int rows = proxy->rowCount();
    for (int row = 0; row < rows; ++row) {
        const int at = proxy->mapToSource(proxy->index(row, 0)).row();
        if (at < 0 || static_cast<std::size_t>(at) >= checks.size() || shownRows[static_cast<std::size_t>(at)])
            return QStringLiteral("row %1 shows no record, or one shown twice (%2)").arg(row + 1).arg(at);
        shownRows[static_cast<std::size_t>(at)] = true;
        const std::vector<std::string> cells = calc::recordCells(d.records[static_cast<std::size_t>(at)], checks[static_cast<std::size_t>(at)]);
        for (int column = 0; column < proxy->columnCount(); ++column) {
            const QString text = proxy->data(proxy->index(row, column)).toString();
            if (text != qs(cells.at(static_cast<std::size_t>(column))))
                return QStringLiteral("row %1 column %2 shows \"%3\", the record check gives \"%4\"")
                    .arg(row + 1).arg(column).arg(shown(text), shown(qs(cells[static_cast<std::size_t>(column)])));
            // The columns worked out, not typed.
            const bool computed = column == calc::kCriterionSetColumn || column == calc::kCriterionBlowsColumn
                               || column == calc::kSafeLoadColumn || column == calc::kStatusColumn || column == calc::kFlagsColumn;
            if (computed && showsInfOrNan(text))
                return QStringLiteral("row %1 column %2 shows \"%3\"").arg(row + 1).arg(column).arg(shown(text));
        }
    }
    if (child<QComboBox>(window, "statusfilter")->currentIndex() == 0 && static_cast<std::size_t>(rows) != checks.size())
        return QStringLiteral("with every status shown the table has %1 rows for %2 records").arg(rows).arg(checks.size());

    const calc::RecordCounts c = calc::countRecords(checks, d.decimalSeparator);
    const QString counts = QStringLiteral("เสาเข็ม %1 ต้น   ผ่าน %2   ไม่ผ่าน %3   ข้อมูลไม่ครบ %4   ไม่มีเกณฑ์ %5   "
                                          "ข้อมูลไม่ถูกต้อง %6   ความลึกที่ตอกรวม %7 ม.")
                               .arg(c.records).arg(c.meets).arg(c.fails).arg(c.incomplete).arg(c.noCriterion).arg(c.badInput)
                               .arg(qs(c.totalDepth));
    const QString label = child<QLabel>(window, "recordcounts")->text();
    if (label != counts) return QStringLiteral("the counts read \"%1\", calc gives \"%2\"").arg(label, counts);
    if (showsInfOrNan(label)) return QStringLiteral("the counts show inf or nan: ") + label;
    // The verdict after the record's mark, and the mark's problem.
    const int current = qobject_cast<app::RecordsWindow*>(&window)->currentRecord();
    // A form open with no record chosen would drop what is typed.
    for (const char* name : kFields)
        if (window.findChild<QLineEdit*>(QString::fromUtf8(name))->isEnabled() != (current >= 0))
            return QStringLiteral("%1 is %2 with %3").arg(QString::fromUtf8(name), current >= 0 ? "disabled" : "enabled",
                                                          current >= 0 ? "a record chosen" : "no record chosen");
    QString verdict = child<QLabel>(window, "recordverdict")->text();
    if (current >= 0) verdict.remove(0, verdict.indexOf(QLatin1Char(':')) + 1);
    for (const QString& text : {verdict, child<QLabel>(window, "markproblem")->text()})
        if (showsInfOrNan(text)) return QStringLiteral("the verdict or the mark's problem shows inf or nan: ") + text;

    if (openedKnown_ && store_->undoStack()->index() == 0
        && (store_->records() != openedRecords_ || store_->acceptance() != openedAcceptance_))
        return QStringLiteral("at the start of the undo stack the records are not those opened");
    return {};
}

}  // namespace

std::unique_ptr<WindowActor> makeRecordsActor() { return std::make_unique<RecordsActor>(); }

}  // namespace random_session
