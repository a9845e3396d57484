#include "app/capacity_window.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/common_dialog.h"
#include "app/formula_tab.h"
#include "app/icons.h"
#include "app/message_boxes.h"
#include "app/numeric_key_filter.h"
#include "app/report_printing.h"
#include "calc/formula_names.h"
#include "report/chart_drawing.h"
#include "report/page_painter.h"

namespace app {

namespace {

QString utf8(const std::string& text) { return QString::fromStdString(text); }

QLabel* label(const QString& text, QWidget* parent, const char* name = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromUtf8(name));
    return l;
}

void setRed(QLabel* l, bool red)
{
    l->setStyleSheet(red ? QStringLiteral("color: #c0392b;") : QString());
}

// The graph's place on the screen, in twips at 96 dots per inch.
constexpr report::Rect kScreenChart{0, 0, 760 * 15, 420 * 15};

}  // namespace

CapacityWindow::CapacityWindow(std::vector<FormulaTab*> tabs, CommonDialog& dialog, QWidget* parent)
    : QWidget(parent, Qt::Window), tabs_(std::move(tabs)), dialog_(dialog)
{
    setObjectName(QStringLiteral("CapacityWindow"));
    setWindowTitle(QString::fromUtf8(report::kCapacityTitle));
    setWindowIcon(icons::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    graphDue_ = new QTimer(this);
    graphDue_->setSingleShot(true);
    graphDue_->setInterval(0);
    connect(graphDue_, &QTimer::timeout, this, &CapacityWindow::redrawGraph);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildRecord());
    layout->addWidget(buildResults());
    layout->addWidget(buildGraph(), 1);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("พิมพ์..."), this);
    print->setObjectName(QStringLiteral("capacityprint"));
    auto* pdf = new QPushButton(QStringLiteral("บันทึกเป็น PDF..."), this);
    pdf->setObjectName(QStringLiteral("capacitypdf"));
    auto* close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName(QStringLiteral("capacityclose"));
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &CapacityWindow::printReport);
    connect(pdf, &QPushButton::clicked, this, &CapacityWindow::savePdf);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    for (FormulaTab* tab : tabs_) connect(tab, &FormulaTab::inputsChanged, this, &CapacityWindow::refresh);
    refresh();
    redrawGraph();
    resize(860, 900);
}

QWidget* CapacityWindow::buildRecord()
{
    auto* box = new QGroupBox(QStringLiteral("ผลการตอก"), this);
    box->setObjectName(QStringLiteral("recordframe"));
    auto* grid = new QGridLayout(box);
    auto* filter = new NumericKeyFilter(this);

    height_ = new QLineEdit(box);
    height_->setObjectName(QStringLiteral("recordheight"));
    height_->setPlaceholderText(QString::fromUtf8(report::kTabsHeight));
    height_->installEventFilter(filter);
    grid->addWidget(label(QString::fromUtf8(report::kRecordHeightCaption), box), 0, 0);
    grid->addWidget(height_, 0, 1);

    tenBlows_ = new QRadioButton(QString::fromUtf8(report::kTenBlowSetCaption), box);
    tenBlows_->setObjectName(QStringLiteral("recordset10"));
    tenBlows_->setChecked(true);
    perFoot_ = new QRadioButton(QString::fromUtf8(report::kBlowsPerFootCaption), box);
    perFoot_->setObjectName(QStringLiteral("recordblows30"));
    auto* group = new QButtonGroup(box);
    group->addButton(tenBlows_);
    group->addButton(perFoot_);
    value_ = new QLineEdit(box);
    value_->setObjectName(QStringLiteral("recordvalue"));
    value_->installEventFilter(filter);
    grid->addWidget(tenBlows_, 1, 0);
    grid->addWidget(perFoot_, 2, 0);
    grid->addWidget(value_, 1, 1, 2, 1, Qt::AlignVCenter);

    recordMessage_ = label(QString(), box, "recordmessage");
    setRed(recordMessage_, true);
    grid->addWidget(recordMessage_, 1, 2, 2, 1);
    grid->setColumnStretch(2, 1);

    connect(height_, &QLineEdit::textChanged, this, &CapacityWindow::refresh);
    connect(value_, &QLineEdit::textChanged, this, &CapacityWindow::refresh);
    connect(tenBlows_, &QRadioButton::toggled, this, &CapacityWindow::refresh);
    return box;
}

QWidget* CapacityWindow::buildResults()
{
    auto* box = new QGroupBox(QStringLiteral("น้ำหนักที่ผลการตอกพิสูจน์ได้"), this);
    box->setObjectName(QStringLiteral("capacityresults"));
    auto* grid = new QGridLayout(box);
    const char* headings[] = {"สูตร", "Qu (ตัน)", "Qu/FS (ตัน)", "Qa ที่ต้องการ (ตัน)", "ผล"};
    for (int c = 0; c < 5; ++c) {
        QLabel* h = label(QString::fromUtf8(headings[c]), box);
        h->setStyleSheet(QStringLiteral("font-weight: bold;"));
        if (c > 0) h->setAlignment(c == 4 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(h, 0, c);
    }
    int r = 1;
    for (FormulaTab* tab : tabs_) {
        const int i = static_cast<int>(tab->formula());
        grid->addWidget(label(QString::fromUtf8(calc::shortFormulaName(tab->formula())), box), r, 0);
        auto named = [&](const char* base) {
            return label(QString(), box, QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(i).toUtf8().constData());
        };
        Row row{named("capacityqu"), named("capacitysafe"), named("capacityrequired"), named("capacityverdict"),
                named("capacitymessage")};
        for (QLabel* l : {row.qu, row.safeLoad, row.required}) {
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setMinimumWidth(90);
        }
        row.verdict->setMinimumWidth(80);
        row.verdict->setAlignment(Qt::AlignCenter);
        grid->addWidget(row.qu, r, 1);
        grid->addWidget(row.safeLoad, r, 2);
        grid->addWidget(row.required, r, 3);
        grid->addWidget(row.verdict, r, 4);
        grid->addWidget(row.message, r, 1, 1, 5);
        rows_.push_back(row);
        ++r;
    }
    grid->setColumnStretch(5, 1);  // the room a long message takes
    return box;
}

QWidget* CapacityWindow::buildGraph()
{
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* range = new QHBoxLayout;
    from_ = new QSpinBox(box);
    from_->setObjectName(QStringLiteral("blowsfrom"));
    from_->setRange(1, 9999);
    from_->setValue(1);
    to_ = new QSpinBox(box);
    to_->setObjectName(QStringLiteral("blowsto"));
    to_->setRange(2, 10000);
    to_->setValue(200);
    range->addWidget(label(QStringLiteral("ช่วงจำนวนครั้งต่อ 30 ซม. ของกราฟ: จาก"), box));
    range->addWidget(from_);
    range->addWidget(label(QStringLiteral("ถึง"), box));
    range->addWidget(to_);
    range->addWidget(label(QStringLiteral("ครั้ง"), box));
    range->addStretch(1);
    layout->addLayout(range);

    chartView_ = new QChartView(box);
    chartView_->setObjectName(QStringLiteral("capacitychart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(600, 380);
    layout->addWidget(chartView_, 1);

    // The range keeps at least two blow counts.
    connect(from_, &QSpinBox::valueChanged, this, [this](int v) {
        if (to_->value() <= v) to_->setValue(v + 1);
        refresh();
    });
    connect(to_, &QSpinBox::valueChanged, this, [this](int v) {
        if (from_->value() >= v) from_->setValue(v - 1);
        refresh();
    });
    return box;
}

calc::DrivingRecord CapacityWindow::record() const
{
    calc::DrivingRecord r;
    r.form = perFoot_->isChecked() ? calc::RecordForm::BlowsPerFoot : calc::RecordForm::TenBlowSet;
    r.value = value_->text().toStdString();
    if (!height_->text().isEmpty()) r.height = height_->text().toStdString();
    return r;
}

void CapacityWindow::showRow(Row& row, const report::CapacityEntry& entry)
{
    const calc::CapacityCheck& check = entry.check;
    const bool computed = check.capacity.has_value();
    // The record's own refusal stands once, beside the record.
    const bool message = !computed && check.message && *check.message != calc::kRecordNotPositive;
    for (QLabel* l : {row.qu, row.safeLoad, row.required, row.verdict}) {
        l->setVisible(!message);
        l->clear();
    }
    row.message->setVisible(message);
    row.message->setText(message ? utf8(*check.message) : QString());
    setRed(row.message, message);
    if (!computed) return;
    const calc::CapacityTexts t = calc::capacityTexts(*check.capacity, study_.decimalSeparator);
    row.qu->setText(utf8(t.Qu));
    row.safeLoad->setText(utf8(t.safeLoad));
    row.required->setText(utf8(t.required));
    row.verdict->setText(utf8(t.verdict));
    for (QLabel* l : {row.qu, row.safeLoad, row.required, row.verdict}) setRed(l, !check.capacity->meets);
}

void CapacityWindow::refresh()
{
    if (!chartView_ || rows_.size() != tabs_.size()) return;  // still being built
    std::vector<calc::TabInputs> inputs;
    for (FormulaTab* tab : tabs_) inputs.push_back(tab->inputs());
    study_ = report::studyRecord(record(), inputs, from_->value(), to_->value());

    const bool recordRead = calc::recordSet(study_.record.form, study_.record.value, study_.decimalSeparator).has_value();
    recordMessage_->setText(recordRead ? QString() : QString::fromUtf8(calc::kRecordNotPositive));
    for (std::size_t i = 0; i < rows_.size(); ++i) showRow(rows_[i], study_.entries[i]);
    graphDue_->start();
}

void CapacityWindow::redrawGraph()
{
    graphDue_->stop();
    QChart* old = chartView_->chart();
    chartView_->setChart(report::makeChart(report::bearingChart(study_, kScreenChart)));
    delete old;
}

void CapacityWindow::printReport()
{
    printPages(this, dialog_, {report::capacityPage(study_)},
               QStringLiteral("Blow Count - ") + QString::fromUtf8(report::kCapacityTitle));
}

bool CapacityWindow::writePdf(const QString& path) const
{
    return report::writePdf(report::capacityPage(study_), path);
}

void CapacityWindow::savePdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("บันทึกเป็น PDF"), QString(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!writePdf(path)) showCheckMessage(this, QStringLiteral("ไม่สามารถบันทึกไฟล์ PDF ได้"));
}

}  // namespace app
