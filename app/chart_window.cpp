#include "app/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/chart_table_model.h"
#include "app/formula_tab.h"
#include "app/icons.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/numeric_key_filter.h"
#include "app/report_printing.h"
#include "app/save_text.h"
#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "report/chart_drawing.h"
#include "report/driving_chart_page.h"
#include "report/page_painter.h"

namespace app {

namespace {

constexpr calc::Formula kFormulas[] = {calc::Formula::EngineeringNews, calc::Formula::Hiley, calc::Formula::Danish,
                                       calc::Formula::Janbu};

const char* const kSaveFailure = "ไม่สามารถบันทึกไฟล์ได้";

QLineEdit* addField(QGridLayout* grid, int row, int column, const char* name, const QString& caption,
                    const QString& text, QObject* filter, int span = 1)
{
    auto* label = new QLabel(caption);
    auto* field = new QLineEdit(text);
    field->setObjectName(QString::fromUtf8(name));
    field->installEventFilter(filter);
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1, 1, span);
    return field;
}

QStringList headerTexts(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c) texts << model.headerData(c, Qt::Horizontal).toString();
    return texts;
}

// The length of the longest text of each column, in characters.
std::vector<qsizetype> longestTexts(const QAbstractItemModel& model)
{
    std::vector<qsizetype> longest(static_cast<std::size_t>(model.columnCount()), 0);
    for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            longest[static_cast<std::size_t>(c)] =
                std::max(longest[static_cast<std::size_t>(c)], model.data(model.index(r, c)).toString().size());
    return longest;
}

}  // namespace

ChartWindow::ChartWindow(MainWindow& main) : QWidget(&main, Qt::Window), main_(main)
{
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(QString::fromUtf8(kChartWindowTitle));
    setWindowIcon(icons::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    pending_ = new QTimer(this);
    pending_->setSingleShot(true);
    pending_->setInterval(0);
    connect(pending_, &QTimer::timeout, this, &ChartWindow::refresh);

    auto* inputs = new QWidget;
    buildInputs(inputs);

    model_ = new ChartTableModel(this);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("charttable"));
    table_->setModel(model_);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // Columns are sized to their contents when the columns change, not on
    // every update: measuring every cell each time would cost a frame.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    workable_ = new QLabel;
    workable_->setObjectName(QStringLiteral("chartworkable"));
    workable_->setWordWrap(true);
    workable_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    failures_ = new QLabel;
    failures_->setObjectName(QStringLiteral("chartfailures"));
    failures_->setWordWrap(true);
    failures_->setStyleSheet(QStringLiteral("color: #a02010;"));

    auto* tableSide = new QWidget;
    auto* tableLayout = new QVBoxLayout(tableSide);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(table_, 1);
    tableLayout->addWidget(workable_);
    tableLayout->addWidget(failures_);

    view_ = new QChartView;
    view_->setObjectName(QStringLiteral("chartview"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(480, 360);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tableSide);
    splitter->addWidget(view_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    print_ = new QPushButton(QStringLiteral("พิมพ์..."));
    print_->setObjectName(QStringLiteral("chartprint"));
    pdf_ = new QPushButton(QStringLiteral("บันทึกเป็น PDF..."));
    pdf_->setObjectName(QStringLiteral("chartpdf"));
    csv_ = new QPushButton(QStringLiteral("ส่งออก CSV..."));
    csv_->setObjectName(QStringLiteral("chartcsv"));
    connect(print_, &QPushButton::clicked, this, &ChartWindow::print);
    connect(pdf_, &QPushButton::clicked, this, &ChartWindow::savePdf);
    connect(csv_, &QPushButton::clicked, this, &ChartWindow::saveCsv);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print_);
    buttons->addWidget(pdf_);
    buttons->addWidget(csv_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    for (calc::Formula formula : kFormulas)
        connect(main_.page(formula), &FormulaTab::inputsChanged, this, &ChartWindow::scheduleRefresh);
    resize(1400, 760);
    splitter->setSizes({820, 560});
    refresh();
}

void ChartWindow::buildInputs(QWidget* box)
{
    auto* filter = new NumericKeyFilter(this);
    auto* listFilter = new NumericKeyFilter(this, QStringLiteral(" ;"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    from_ = addField(grid, 0, 0, "heightfrom", QStringLiteral("ระยะยกจาก (ซม.)"), QStringLiteral("50"), filter);
    to_ = addField(grid, 0, 2, "heightto", QStringLiteral("ถึง (ซม.)"), QStringLiteral("150"), filter);
    step_ = addField(grid, 0, 4, "heightstep", QStringLiteral("ทุก ๆ (ซม.)"), QStringLiteral("10"), filter);
    hammers_ = addField(grid, 1, 0, "hammers", QStringLiteral("น้ำหนักลูกตุ้ม (ตัน)"), QString(), listFilter, 3);
    auto* hint = new QLabel(QStringLiteral("คั่นแต่ละค่าด้วยช่องว่างหรือ ; เว้นว่างไว้เพื่อใช้น้ำหนักลูกตุ้มของแต่ละแท็บ"));
    hint->setObjectName(QStringLiteral("hammershint"));
    grid->addWidget(hint, 1, 4, 1, 3);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(new QLabel(QStringLiteral("สูตร:")));
    for (std::size_t i = 0; i < formulas_.size(); ++i) {
        formulas_[i] = new QCheckBox(QString::fromUtf8(calc::shortFormulaName(kFormulas[i])));
        formulas_[i]->setObjectName(QStringLiteral("formula%1").arg(i));
        formulas_[i]->setChecked(true);
        connect(formulas_[i], &QCheckBox::toggled, this, &ChartWindow::scheduleRefresh);
        boxes->addWidget(formulas_[i]);
    }
    boxes->addStretch(1);
    grid->addLayout(boxes, 2, 0, 1, 7);

    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("chartmessage"));
    message_->setStyleSheet(QStringLiteral("color: #c00000;"));
    grid->addWidget(message_, 0, 6);
    grid->setColumnStretch(6, 1);

    for (QLineEdit* field : {from_, to_, step_, hammers_})
        connect(field, &QLineEdit::textChanged, this, &ChartWindow::scheduleRefresh);
}

QStringList ChartWindow::hammerTexts(const QString& list)
{
    return list.split(QRegularExpression(QStringLiteral("[\\s;]+")), Qt::SkipEmptyParts);
}

void ChartWindow::scheduleRefresh() { pending_->start(); }

void ChartWindow::refresh()
{
    pending_->stop();
    const std::string separator = QLocale().decimalPoint().toStdString();
    const calc::HeightRows rows = calc::heightRows(from_->text().toStdString(), to_->text().toStdString(),
                                                   step_->text().toStdString(), separator);
    QString problem;
    if (rows.problem) problem = QString::fromUtf8(calc::rangeProblemText(*rows.problem));

    calc::ChartRequest request;
    request.heights = rows.texts;
    for (const QString& hammer : hammerTexts(hammers_->text())) {
        if (problem.isEmpty() && !calc::textToNumber(hammer.toStdString(), separator))
            problem = QStringLiteral("น้ำหนักลูกตุ้ม \"%1\" ต้องเป็นตัวเลข").arg(hammer);
        request.hammers.push_back(hammer.toStdString());
    }
    for (std::size_t i = 0; i < formulas_.size(); ++i)
        if (formulas_[i]->isChecked()) request.tabs.push_back(main_.page(kFormulas[i])->inputs());
    if (problem.isEmpty() && request.tabs.empty()) problem = QStringLiteral("กรุณาเลือกอย่างน้อยหนึ่งสูตร");

    message_->setText(problem);
    if (!problem.isEmpty() && shown_) return;  // the last good table stays

    request_ = std::move(request);
    chart_ = calc::buildDrivingChart(request_);
    shown_ = problem.isEmpty();
    const QStringList before = headerTexts(*model_);
    model_->setChart(chart_);
    const std::vector<qsizetype> longest = longestTexts(*model_);
    bool wider = longest.size() != sizedFor_.size();
    for (std::size_t c = 0; !wider && c < longest.size(); ++c) wider = longest[c] > sizedFor_[c];
    if (wider || headerTexts(*model_) != before) {
        table_->resizeColumnsToContents();
        sizedFor_ = longest;
    }

    QStringList workable;
    for (const std::string& line : calc::workableLines(chart_)) workable << QString::fromStdString(line);
    workable_->setText(workable.join(QLatin1Char('\n')));
    workable_->setVisible(!workable.isEmpty());

    QStringList failures;
    for (const std::string& line : calc::failureLines(chart_)) failures << QString::fromStdString(line);
    failures_->setText(failures.join(QLatin1Char('\n')));
    failures_->setVisible(!failures.isEmpty());

    QChart* previous = view_->chart();
    view_->setChart(report::makeChart(report::drivingChartPicture(chart_)));
    delete previous;
    const bool any = chart_.anyColumns();
    for (QPushButton* button : {print_, pdf_, csv_}) button->setEnabled(any && shown_);
}

bool ChartWindow::writePdf(const QString& path) const
{
    return report::writePdf(report::drivingChartPages(request_, chart_), path);
}

bool ChartWindow::writeCsv(const QString& path) const
{
    const std::string csv = calc::chartCsv(chart_);
    return saveText(path, csv);
}

void ChartWindow::print()
{
    refresh();
    printPages(this, main_.commonDialog(), report::drivingChartPages(request_, chart_),
               QStringLiteral("Blow Count - ") + QString::fromUtf8(kChartWindowTitle));
}

void ChartWindow::savePdf()
{
    refresh();
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("บันทึกเป็น PDF"),
                                                      QStringLiteral("ตารางเกณฑ์การตอก.pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!writePdf(path)) showCheckMessage(this, QString::fromUtf8(kSaveFailure));
}

void ChartWindow::saveCsv()
{
    refresh();
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("ส่งออก CSV"),
                                                      QStringLiteral("ตารางเกณฑ์การตอก.csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    if (!writeCsv(path)) showCheckMessage(this, QString::fromUtf8(kSaveFailure));
}

ChartWindow* showChartWindow(MainWindow& main)
{
    ChartWindow* window = main.findChild<ChartWindow*>(QStringLiteral("ChartWindow"), Qt::FindDirectChildrenOnly);
    if (!window) window = new ChartWindow(main);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace app
