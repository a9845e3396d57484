#include "app/records_window.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "app/formula_tab.h"
#include "app/icons.h"
#include "app/main_window.h"
#include "app/records_model.h"
#include "app/records_output.h"
#include "app/records_store.h"
#include "calc/formula_names.h"
#include "report/chart_drawing.h"
#include "report/penetration_chart.h"

namespace app {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string ss(const QString& text) { return text.toStdString(); }

enum Field { Mark, Location, Date, Hammer, Drop, Depth, Blows, Sets, Inspector, Remarks };
constexpr std::array<const char*, 10> kFieldNames{"recordmark",  "recordlocation", "recorddate",     "recordhammer",
                                                  "recorddrop",  "recorddepth",    "recordblows",    "recordsets",
                                                  "recordinspector", "recordremarks"};
constexpr std::array<const char*, 10> kFieldLabels{
    "หมายเลขเสาเข็ม", "ตำแหน่ง (กริด)", "วันที่ (ปปปป-ดด-วว)", "น้ำหนักลูกตุ้ม (ตัน)", "ระยะยก (ซม.)",
    "ความลึกที่ตอก (ม.)", "ครั้ง/30 ซม. ตามลำดับ", "ทรุดตัว 10 ครั้ง (ซม.)", "ผู้ควบคุม", "หมายเหตุ"};

// A list typed as texts separated by blanks.
std::vector<std::string> listOf(const QString& text)
{
    std::vector<std::string> out;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        out.push_back(ss(part));
    return out;
}

QString textOf(const std::vector<std::string>& list)
{
    QStringList parts;
    for (const std::string& text : list) parts << qs(text);
    return parts.join(QLatin1Char(' '));
}

// The graph's place on the screen, in twips at 96 dots per inch.
constexpr report::Rect kScreenGraph{0, 0, 420 * 15, 420 * 15};

}  // namespace

RecordsWindow::RecordsWindow(MainWindow& main, RecordsStore& store)
    : QWidget(&main, Qt::Window), main_(main), store_(store)
{
    setObjectName(QStringLiteral("RecordsWindow"));
    setWindowTitle(QString::fromUtf8(kRecordsWindowTitle));
    setWindowIcon(icons::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    model_ = new RecordsModel(store_, [this] { return main_.document(); }, this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(RecordsModel::SortRole);
    proxy_->setFilterRole(RecordsModel::StatusRole);
    proxy_->setFilterKeyColumn(calc::kStatusColumn);
    // A record being typed keeps its place: the filter and the order are
    // applied again when they are chosen or a tab changes, not on each edit.
    proxy_->setDynamicSortFilter(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(buildTable());
    splitter->addWidget(buildForm());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    layout->addWidget(addRecordsOutput(main_, *this));

    QAction* undo = store_.undoStack()->createUndoAction(this, QStringLiteral("เลิกทำ"));
    undo->setObjectName(QStringLiteral("recordsundo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = store_.undoStack()->createRedoAction(this, QStringLiteral("ทำซ้ำ"));
    redo->setObjectName(QStringLiteral("recordsredo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    addAction(undo);
    addAction(redo);
    for (QAction* action : {undo, redo}) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        undoButtons_->addWidget(button);
    }

    connect(model_, &RecordsModel::rechecked, this, &RecordsWindow::showCounts);
    connect(model_, &RecordsModel::rechecked, this, &RecordsWindow::showVerdict);
    // Another file opened: its first record.
    connect(&store_, &RecordsStore::reset, this, [this] {
        table_->resizeColumnsToContents();
        selectRecord(store_.records().empty() ? -1 : 0);
    });
    connect(&store_, &RecordsStore::reset, this, &RecordsWindow::showSettings);
    connect(&store_, &RecordsStore::acceptanceChanged, this, &RecordsWindow::showSettings);
    // An undo or redo shows the record it changed.
    connect(&store_, &RecordsStore::recordChanged, this, [this](int index) {
        if (!editing_) selectRecord(index);
    });
    connect(&store_, &RecordsStore::recordInserted, this, [this](int index) { selectRecord(index); });
    connect(&store_, &RecordsStore::recordRemoved, this, [this](int index) {
        const int count = static_cast<int>(store_.records().size());
        selectRecord(count == 0 ? -1 : std::min(index, count - 1));
    });
    // A tab's change re-checks every record once the typing pauses.
    auto* pending = new QTimer(this);
    pending->setSingleShot(true);
    pending->setInterval(0);
    connect(pending, &QTimer::timeout, this, [this] {
        const int chosen = currentRecord();
        model_->recheckAll();
        proxy_->invalidate();
        selectRecord(chosen);  // filtered out now: the form is left empty
    });
    for (calc::Formula formula : {calc::Formula::EngineeringNews, calc::Formula::Hiley, calc::Formula::Danish,
                                  calc::Formula::Janbu})
        connect(main_.page(formula), &FormulaTab::inputsChanged, pending, qOverload<>(&QTimer::start));

    showSettings();
    showCounts();
    table_->resizeColumnsToContents();
    selectRecord(store_.records().empty() ? -1 : 0);
    resize(1500, 820);
}

QWidget* RecordsWindow::buildHeader()
{
    auto* box = new QGroupBox(QStringLiteral("เกณฑ์การยอมรับ"), this);
    auto* row = new QHBoxLayout(box);
    formula_ = new QComboBox(box);
    formula_->setObjectName(QStringLiteral("acceptanceformula"));
    formula_->addItem(QStringLiteral("เข้มที่สุดของทุกสูตร"), QString::fromUtf8(calc::kStrictest));
    for (const calc::FormulaInfo& info : calc::formulas())
        formula_->addItem(QString::fromUtf8(calc::shortFormulaName(info.formula)), QString::fromUtf8(info.name));
    setsRequired_ = new QLineEdit(box);
    setsRequired_->setObjectName(QStringLiteral("setsrequired"));
    setsRequired_->setMaximumWidth(60);
    project_ = new QLineEdit(box);
    project_->setObjectName(QStringLiteral("project"));
    row->addWidget(new QLabel(QStringLiteral("สูตร"), box));
    row->addWidget(formula_);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("จำนวนชุดสุดท้ายที่ต้องผ่าน (K)"), box));
    row->addWidget(setsRequired_);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("โครงการ"), box));
    row->addWidget(project_, 1);
    connect(formula_, &QComboBox::currentIndexChanged, this, [this] { settingsEdited(0); });
    connect(setsRequired_, &QLineEdit::textChanged, this, [this] { settingsEdited(1); });
    connect(project_, &QLineEdit::textChanged, this, [this] { settingsEdited(2); });
    return box;
}

QWidget* RecordsWindow::buildTable()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* top = new QHBoxLayout;
    filter_ = new QComboBox(panel);
    filter_->setObjectName(QStringLiteral("statusfilter"));
    filter_->addItem(QStringLiteral("ทุกสถานะ"), QString());
    for (calc::RecordStatus status : {calc::RecordStatus::Meets, calc::RecordStatus::Fails,
                                      calc::RecordStatus::Incomplete, calc::RecordStatus::NoCriterion,
                                      calc::RecordStatus::BadInput})
        filter_->addItem(QString::fromUtf8(calc::statusText(status)), QString::fromUtf8(calc::statusName(status)));
    connect(filter_, &QComboBox::currentIndexChanged, this, [this] {
        const QString name = filter_->currentData().toString();
        const int chosen = currentRecord();
        proxy_->setFilterRegularExpression(name.isEmpty() ? QString() : QStringLiteral("^%1$").arg(name));
        // The record chosen stays in the form only while the table shows it.
        selectRecord(chosen);
    });
    auto* add = new QPushButton(QStringLiteral("เพิ่มเสาเข็ม"), panel);
    add->setObjectName(QStringLiteral("addrecord"));
    duplicate_ = new QPushButton(QStringLiteral("คัดลอกเป็นต้นถัดไป"), panel);
    duplicate_->setObjectName(QStringLiteral("duplicaterecord"));
    delete_ = new QPushButton(QStringLiteral("ลบ"), panel);
    delete_->setObjectName(QStringLiteral("deleterecord"));
    connect(add, &QPushButton::clicked, this, &RecordsWindow::addRecord);
    connect(duplicate_, &QPushButton::clicked, this, &RecordsWindow::duplicateRecord);
    connect(delete_, &QPushButton::clicked, this, &RecordsWindow::deleteRecord);
    top->addWidget(new QLabel(QStringLiteral("แสดง"), panel));
    top->addWidget(filter_);
    top->addStretch(1);
    top->addWidget(add);
    top->addWidget(duplicate_);
    top->addWidget(delete_);
    undoButtons_ = new QHBoxLayout;
    top->addSpacing(12);
    top->addLayout(undoButtons_);
    layout->addLayout(top);

    table_ = new QTableView(panel);
    table_->setObjectName(QStringLiteral("recordstable"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);  // the file's order until a header is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setDefaultSectionSize(90);
    table_->horizontalHeader()->setMinimumSectionSize(50);
    table_->verticalHeader()->setDefaultSectionSize(24);
    table_->setWordWrap(false);
    layout->addWidget(table_, 1);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &RecordsWindow::showRecord);

    counts_ = new QLabel(panel);
    counts_->setObjectName(QStringLiteral("recordcounts"));
    layout->addWidget(counts_);
    return panel;
}

QWidget* RecordsWindow::buildForm()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox(QStringLiteral("เสาเข็มที่เลือก"), panel);
    auto* form = new QFormLayout(box);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit(box);
        fields_[i]->setObjectName(QString::fromUtf8(kFieldNames[i]));
        form->addRow(QString::fromUtf8(kFieldLabels[i]), fields_[i]);
        const int field = static_cast<int>(i);
        connect(fields_[i], &QLineEdit::textChanged, this, [this, field] { formEdited(field); });
        if (i == Mark) {
            markProblem_ = new QLabel(box);
            markProblem_->setObjectName(QStringLiteral("markproblem"));
            markProblem_->setStyleSheet(QStringLiteral("color: #c0392b;"));
            form->addRow(QString(), markProblem_);
        }
    }
    fields_[Blows]->setPlaceholderText(QStringLiteral("เช่น 12 15 20 (ช่วงสุดท้ายไว้ท้าย)"));
    fields_[Sets]->setPlaceholderText(QStringLiteral("เช่น 2.1 1.9 (ชุดสุดท้ายไว้ท้าย)"));
    layout->addWidget(box);

    verdict_ = new QLabel(panel);
    verdict_->setObjectName(QStringLiteral("recordverdict"));
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(verdict_);

    graph_ = new QChartView(panel);
    graph_->setObjectName(QStringLiteral("penetrationchart"));
    graph_->setRenderHint(QPainter::Antialiasing);
    graph_->setMinimumSize(360, 320);
    layout->addWidget(graph_, 1);
    return panel;
}

int RecordsWindow::currentRecord() const
{
    const QModelIndex current = proxy_->mapToSource(table_->currentIndex());
    // While a record is being removed the table still has its row, and the
    // view may move to a row past the store's records: that is none.
    const int row = current.isValid() ? current.row() : -1;
    return row < static_cast<int>(store_.records().size()) ? row : -1;
}

void RecordsWindow::selectRecord(int index)
{
    const QModelIndex at = index < 0 ? QModelIndex() : proxy_->mapFromSource(model_->index(index, 0));
    if (at.isValid()) {
        table_->setCurrentIndex(at);
        table_->selectRow(at.row());
        table_->scrollTo(at);
    } else {
        table_->setCurrentIndex({});
        table_->clearSelection();
    }
    showRecord();
}

void RecordsWindow::showSettings()
{
    filling_ = true;
    const calc::AcceptanceSettings& a = store_.acceptance();
    formula_->setCurrentIndex(std::max(0, formula_->findData(qs(a.formula))));
    if (setsRequired_->text() != qs(a.setsRequired)) setsRequired_->setText(qs(a.setsRequired));
    if (project_->text() != qs(a.project)) project_->setText(qs(a.project));
    filling_ = false;
}

void RecordsWindow::settingsEdited(int field)
{
    if (filling_) return;
    store_.editAcceptance({ss(formula_->currentData().toString()), ss(setsRequired_->text()), ss(project_->text())},
                          field);
}

void RecordsWindow::showRecord()
{
    const int index = currentRecord();
    filling_ = true;
    const calc::PileRecord none;
    const calc::PileRecord& r = index < 0 ? none : store_.records().at(static_cast<std::size_t>(index));
    const std::array<QString, 10> texts{qs(r.mark),       qs(r.location),   qs(r.date),      qs(r.hammer),
                                        qs(r.drop),       qs(r.depth),      textOf(r.blows), textOf(r.sets),
                                        qs(r.inspector),  qs(r.remarks)};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i]->text() != texts[i]) fields_[i]->setText(texts[i]);
        fields_[i]->setEnabled(index >= 0);
    }
    // The tab's own hammer and drop, when the record leaves them empty.
    const calc::RecordCheck* check = index < 0 ? nullptr : &model_->checks().at(static_cast<std::size_t>(index));
    fields_[Hammer]->setPlaceholderText(check && check->criterion ? qs(check->criterion->W) : QString());
    fields_[Drop]->setPlaceholderText(check && check->criterion ? qs(check->criterion->h) : QString());
    markProblem_->clear();
    markProblem_->setVisible(false);
    duplicate_->setEnabled(index >= 0);
    delete_->setEnabled(index >= 0);
    filling_ = false;
    showVerdict();
}

void RecordsWindow::formEdited(int field)
{
    const int index = currentRecord();
    if (filling_ || index < 0) return;
    calc::PileRecord r = store_.records().at(static_cast<std::size_t>(index));
    const std::string mark = ss(fields_[Mark]->text());
    QString problem;
    if (mark.empty()) problem = QStringLiteral("ต้องมีหมายเลขเสาเข็ม");
    for (std::size_t i = 0; i < store_.records().size() && problem.isEmpty(); ++i)
        if (static_cast<int>(i) != index && store_.records()[i].mark == mark)
            problem = QStringLiteral("หมายเลขนี้มีอยู่แล้ว");
    markProblem_->setText(problem);
    markProblem_->setVisible(!problem.isEmpty());
    if (problem.isEmpty()) r.mark = mark;  // an unusable mark is not stored
    r.location = ss(fields_[Location]->text());
    r.date = ss(fields_[Date]->text());
    r.hammer = ss(fields_[Hammer]->text());
    r.drop = ss(fields_[Drop]->text());
    r.depth = ss(fields_[Depth]->text());
    r.blows = listOf(fields_[Blows]->text());
    r.sets = listOf(fields_[Sets]->text());
    r.inspector = ss(fields_[Inspector]->text());
    r.remarks = ss(fields_[Remarks]->text());
    editing_ = true;
    store_.editRecord(index, r, field);
    editing_ = false;
}

void RecordsWindow::showCounts()
{
    const calc::RecordCounts c = calc::countRecords(model_->checks(), model_->decimalSeparator());
    counts_->setText(QStringLiteral("เสาเข็ม %1 ต้น   ผ่าน %2   ไม่ผ่าน %3   ข้อมูลไม่ครบ %4   ไม่มีเกณฑ์ %5   "
                                    "ข้อมูลไม่ถูกต้อง %6   ความลึกที่ตอกรวม %7 ม.")
                         .arg(c.records)
                         .arg(c.meets)
                         .arg(c.fails)
                         .arg(c.incomplete)
                         .arg(c.noCriterion)
                         .arg(c.badInput)
                         .arg(qs(c.totalDepth)));
}

void RecordsWindow::showVerdict()
{
    const int index = currentRecord();
    QChart* old = graph_->chart();
    if (index < 0 || static_cast<std::size_t>(index) >= model_->checks().size()) {
        verdict_->clear();
        graph_->setChart(new QChart);
        delete old;
        return;
    }
    const calc::PileRecord& r = store_.records().at(static_cast<std::size_t>(index));
    const calc::RecordCheck& c = model_->checks().at(static_cast<std::size_t>(index));
    QStringList lines;
    lines << QStringLiteral("<b>%1: %2</b>").arg(qs(r.mark).toHtmlEscaped(), QString::fromUtf8(calc::statusText(c.status)));
    if (c.message) lines << qs(*c.message).toHtmlEscaped();
    if (c.criterion)
        lines << QStringLiteral("เกณฑ์ (%1, W = %2 ตัน, h = %3 ซม.): 10 ครั้งไม่เกิน %4 ซม. หรือไม่น้อยกว่า %5 ครั้ง/30 ซม.")
                     .arg(QString::fromUtf8(calc::shortFormulaName(c.criterion->formula)), qs(c.criterion->W),
                          qs(c.criterion->h), qs(c.criterion->set10), qs(c.criterion->blows30));
    for (const calc::RecordFlag flag : c.flags) lines << QString::fromUtf8(calc::flagText(flag));
    if (c.capacity || c.capacityMessage) lines << QStringLiteral("<b>กำลังรับน้ำหนักจากชุดสุดท้าย</b>");
    if (c.capacity)
        for (const std::string& line : calc::capacityLines(*c.capacity)) lines << qs(line).toHtmlEscaped();
    else if (c.capacityMessage)
        lines << qs(*c.capacityMessage).toHtmlEscaped();
    verdict_->setText(lines.join(QStringLiteral("<br>")));
    graph_->setChart(report::makeChart(report::penetrationChart(r, c, model_->decimalSeparator(), kScreenGraph)));
    delete old;
}

void RecordsWindow::addRecord()
{
    const std::vector<calc::PileRecord>& records = store_.records();
    std::vector<std::string> taken;
    for (const calc::PileRecord& r : records) taken.push_back(r.mark);
    calc::PileRecord r;
    r.mark = calc::nextMark(records.empty() ? std::string("P-000") : records.back().mark, taken);
    r.date = ss(QDate::currentDate().toString(Qt::ISODate));
    store_.addRecord(static_cast<int>(records.size()), r);
}

void RecordsWindow::duplicateRecord()
{
    const int index = currentRecord();
    if (index < 0) return;
    std::vector<std::string> taken;
    for (const calc::PileRecord& r : store_.records()) taken.push_back(r.mark);
    calc::PileRecord copy = store_.records().at(static_cast<std::size_t>(index));
    copy.mark = calc::nextMark(copy.mark, taken);
    store_.addRecord(index + 1, copy);
}

void RecordsWindow::deleteRecord()
{
    const int index = currentRecord();
    if (index >= 0) store_.deleteRecord(index);
}

RecordsWindow* showRecordsWindow(MainWindow& main)
{
    RecordsWindow* window =
        main.findChild<RecordsWindow*>(QStringLiteral("RecordsWindow"), Qt::FindDirectChildrenOnly);
    if (!window) window = new RecordsWindow(main, main.recordsStore());
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace app
