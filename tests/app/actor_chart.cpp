// The driving chart's actor: the drop-height range, the hammer list and the
// formula boxes typed and clicked as a user does; print, PDF and CSV. After
// every action of the session the table, the workable heights and the
// failures must be what calc gives for the inputs the window and the tabs
// show, or the last good table while the range or the list is unusable.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <array>

#include "app/chart_window.h"
#include "app/formula_tab.h"
#include "app/main_window.h"
#include "calc/csv.h"
#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "chart_actors.h"
#include "random_texts.h"

namespace random_session {

namespace {

const char* const kChartSaveFailure = "ไม่สามารถบันทึกไฟล์ได้";

QString utf8(const std::string& text) { return QString::fromStdString(text); }

// What the window must show: the table, the workable heights, the failures.
struct ChartShown {
    QStringList header;
    std::vector<QStringList> rows;
    QString workable, failures;
    bool buttons = false;  // print, PDF and CSV enabled
    QString fault;         // a cell that is not its tab's calculation
};

bool sameTabs(const std::vector<calc::TabInputs>& a, const std::vector<calc::TabInputs>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].formula != b[i].formula || a[i].texts != b[i].texts || !(a[i].boxes == b[i].boxes)
            || a[i].decimalSeparator != b[i].decimalSeparator)
            return false;
    return true;
}

bool sameRequest(const calc::ChartRequest& a, const calc::ChartRequest& b)
{
    return a.heights == b.heights && a.hammers == b.hammers && sameTabs(a.tabs, b.tabs);
}

bool hasToken(const std::string& line, const std::string& token)
{
    return QString::fromStdString(line).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(utf8(token));
}

// Each shown cell of rows [first, first + count) against the tab's own
// calculation with the row's drop height and hammer.
QString cellsAgainstTabs(const calc::ChartRequest& request, const calc::DrivingChart& chart, const ChartShown& shown,
                         std::size_t first, std::size_t count)
{
    for (std::size_t r = first; r < std::min(chart.rows.size(), first + count); ++r) {
        const calc::ChartRow& row = chart.rows[r];
        int column = row.hammer ? 2 : 1;
        for (std::size_t c = 0; c < chart.columns.size(); ++c) {
            if (!chart.columns[c].hasColumns) continue;
            calc::TabInputs tab = request.tabs[c];
            const calc::FormulaInfo& info = calc::formulaInfo(tab.formula);
            tab.texts.resize(std::max(tab.texts.size(), calc::tabTexts(tab.formula).fieldLabels.size()));
            tab.texts[static_cast<std::size_t>(*calc::fieldIndex(info, "h"))] = row.h;
            if (row.hammer) tab.texts[static_cast<std::size_t>(*calc::fieldIndex(info, "W"))] = *row.hammer;
            const calc::TabOutcome outcome = calc::calculateTab(tab);
            const QString set10 = shown.rows[r][column], blows = shown.rows[r][column + 1];
            const QString where = QStringLiteral("row %1 (h %2) of %3").arg(r + 1).arg(utf8(row.h), calc::shortFormulaName(tab.formula));
            if (outcome.kind == calc::OutcomeKind::Ok) {
                const std::vector<std::string>& lines = *outcome.results;
                if (lines.size() < 3 || !hasToken(lines[lines.size() - 2], set10.toStdString())
                    || !hasToken(lines[lines.size() - 1], blows.toStdString()))
                    return QStringLiteral("%1 shows %2 and %3, the tab writes \"%4\" and \"%5\"")
                        .arg(where, set10, blows, utf8(lines[lines.size() - 2]), utf8(lines.back()));
            } else if (set10 != QString::fromUtf8(calc::markerText(outcome.kind)) || blows != set10) {
                return QStringLiteral("%1 shows %2 and %3 where the tab's calculation stops (%4)")
                    .arg(where, set10, blows, QString::fromUtf8(calc::markerText(outcome.kind)));
            }
            column += 2;
        }
    }
    return {};
}

ChartShown chartOf(const calc::ChartRequest& request, SessionRandom& random)
{
    ChartShown out;
    const calc::DrivingChart chart = calc::buildDrivingChart(request);
    const calc::ChartTableTexts table = calc::chartTableTexts(chart, chart.decimalSeparator);
    for (const std::string& text : table.header) out.header << utf8(text);
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const std::string& cell : row) cells << utf8(cell);
        out.rows.push_back(cells);
    }
    // The workable heights straight from the workable-heights search.
    QStringList workable;
    for (std::size_t c = 0; c < chart.columns.size(); ++c) {
        if (!chart.columns[c].hasColumns) continue;
        if (request.hammers.empty()) {
            workable << utf8(calc::workableLine(request.tabs[c].formula, calc::workableRange(request.tabs[c])));
        } else {
            for (const std::string& hammer : request.hammers)
                workable << utf8(calc::workableLine(request.tabs[c].formula, calc::workableRange(request.tabs[c], hammer)));
        }
    }
    out.workable = workable.join(QLatin1Char('\n'));
    QStringList failures;
    for (const std::string& line : calc::failureLines(chart)) failures << utf8(line);
    out.failures = failures.join(QLatin1Char('\n'));
    out.buttons = chart.anyColumns();
    // Every cell of a small table, a window of rows of a large one.
    const std::size_t n = chart.rows.size();
    const std::size_t first = n <= 60 ? 0 : static_cast<std::size_t>(random.below(static_cast<int>(n - 40)));
    out.fault = cellsAgainstTabs(request, chart, out, first, n <= 60 ? n : 40);
    return out;
}

QString numberWithSeparator(SessionRandom& random, double value)
{
    return QString::fromStdString(calc::numberText(value, QLocale().decimalPoint().toStdString())) + (random.percent(3) ? QStringLiteral("0") : QString());
}

class ChartActor : public WindowActor {
public:
    QString windowName() const override { return QStringLiteral("ChartWindow"); }
    QString menuItem() const override { return QStringLiteral("drivingchart"); }
    int weight() const override { return 10; }

    void opened(ActorContext& ctx, QWidget& window) override { follow(ctx, window); }
    void reset() override { window_ = nullptr; }

    QString act(ActorContext& ctx, QWidget& window) override
    {
        // The keys of one edit reach the field without the event loop running
        // between them: the window refreshes once, after the action.
        follow(ctx, window);
        const auto after = [] {};
        switch (ctx.random.weighted({30, 16, 12, 6, 6, 8})) {
        case 0: {
            const int which = ctx.random.below(3);
            const char* names[] = {"heightfrom", "heightto", "heightstep"};
            ctx.begin(window, QStringLiteral("edit ") + QLatin1String(names[which]));
            editField(ctx, *child<QLineEdit>(window, names[which]), rangeText(ctx.random, which), after);
            return {};
        }
        case 1:
            ctx.begin(window, QStringLiteral("edit hammers"));
            editField(ctx, *child<QLineEdit>(window, "hammers"), hammerList(ctx.random), after);
            return {};
        case 2: {
            auto* box = child<QCheckBox>(window, QStringLiteral("formula%1").arg(ctx.random.below(4)).toLatin1().constData());
            ctx.begin(window, QStringLiteral("click ") + box->objectName());
            const bool before = box->isChecked();
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            if (box->isChecked() == before) return box->objectName() + QStringLiteral(" did not change on a click");
            return {};
        }
        case 3: {
            auto* print = child<QPushButton>(window, "chartprint");
            ctx.begin(window, QStringLiteral("click chartprint"));
            const bool enabled = print->isEnabled();
            QTest::mouseClick(print, Qt::LeftButton);
            return checkPrinted(ctx, enabled);
        }
        default: {
            const bool csv = ctx.random.percent(55);
            auto* button = child<QPushButton>(window, csv ? "chartcsv" : "chartpdf");
            ctx.begin(window, QStringLiteral("click ") + button->objectName());
            const FileChoice choice = chooseFile(ctx, QStringLiteral("chart"), csv ? QStringLiteral("csv") : QStringLiteral("pdf"));
            const bool enabled = button->isEnabled();
            QTest::mouseClick(button, Qt::LeftButton);
            if (QString fault = checkSaved(ctx, choice, enabled, QString::fromUtf8(kChartSaveFailure)); !fault.isEmpty())
                return fault;
            const QAbstractItemModel& model = *child<QTableView>(window, "charttable")->model();
            ctx.log.note(QStringLiteral("the table: %1 rows, %2 columns").arg(model.rowCount()).arg(model.columnCount()));
            if (!enabled || choice.kind != FileChoice::NewFile) return {};
            QString fault = csv ? csvAgainstTable(window, choice.path) : QString();
            QFile::remove(choice.path);
            return fault;
        }
        }
    }

    QString check(ActorContext& ctx, QWidget& window) override
    {
        follow(ctx, window);
        if (!expected_.fault.isEmpty()) return expected_.fault;
        const QAbstractItemModel& model = *child<QTableView>(window, "charttable")->model();
        if (model.columnCount() != expected_.header.size() || model.rowCount() != static_cast<int>(expected_.rows.size()))
            return QStringLiteral("the table has %1 rows and %2 columns, not %3 and %4")
                .arg(model.rowCount()).arg(model.columnCount()).arg(expected_.rows.size()).arg(expected_.header.size());
        for (int c = 0; c < model.columnCount(); ++c) {
            const QString header = model.headerData(c, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' '));
            if (header != expected_.header[c]) return QStringLiteral("column %1 is headed \"%2\", not \"%3\"").arg(c + 1).arg(header, expected_.header[c]);
            for (int r = 0; r < model.rowCount(); ++r) {
                const QString cell = model.data(model.index(r, c)).toString();
                if (cell != expected_.rows[static_cast<std::size_t>(r)][c])
                    return QStringLiteral("row %1, column \"%2\" shows \"%3\", the calculation gives \"%4\"")
                        .arg(r + 1).arg(header, cell, expected_.rows[static_cast<std::size_t>(r)][c]);
                if (showsInfOrNan(cell)) return QStringLiteral("row %1 shows \"%2\"").arg(r + 1).arg(cell);
            }
        }
        const std::pair<const char*, QString> labels[] = {
            {"chartmessage", message_}, {"chartworkable", expected_.workable}, {"chartfailures", expected_.failures}};
        for (const auto& [name, text] : labels)
            if (const QString shown = child<QLabel>(window, name)->text(); shown != text)
                return QStringLiteral("%1 shows \"%2\", not \"%3\"").arg(QLatin1String(name), shown, text);
        const bool enabled = expected_.buttons && shownGood_;
        for (const char* name : {"chartprint", "chartpdf", "chartcsv"})
            if (child<QPushButton>(window, name)->isEnabled() != enabled)
                return QStringLiteral("%1 is %2").arg(QLatin1String(name), enabled ? "disabled" : "enabled");
        // The message may quote a hammer as typed; its own words hold no inf or nan.
        if (showsInfOrNan(QString(message_).remove(QLatin1Char('"') + quotedHammer_ + QLatin1Char('"'))))
            return QStringLiteral("chartmessage shows \"%1\"").arg(message_);
        return infOrNanShown(window, QStringLiteral("chartmessage"));
    }

    QString boxName(const BoxLook& look) const override
    {
        if (look.title == QString::fromUtf8(calc::kCheckTitle) && look.icon == QMessageBox::Question
            && look.buttons == QMessageBox::StandardButtons(QMessageBox::Ok) && look.text == QString::fromUtf8(kChartSaveFailure))
            return QStringLiteral("chart file not saved");
        return {};
    }

private:
    // The request the controls and the tabs stand for, as the window reads
    // them: the range's rows, the hammers, the ticked formulas' tabs.
    void follow(ActorContext& ctx, QWidget& window)
    {
        if (window_ != &window) {
            window_ = &window;
            shownGood_ = false;
            cacheValid_ = false;
        }
        settle(window);
        const std::string separator = QLocale().decimalPoint().toStdString();
        const auto text = [&](const char* name) { return child<QLineEdit>(window, name)->text(); };
        const calc::HeightRows rows = calc::heightRows(text("heightfrom").toStdString(), text("heightto").toStdString(),
                                                       text("heightstep").toStdString(), separator);
        QString problem = rows.problem ? QString::fromUtf8(calc::rangeProblemText(*rows.problem)) : QString();
        quotedHammer_.clear();
        calc::ChartRequest request;
        request.heights = rows.texts;
        for (const QString& hammer : text("hammers").split(QRegularExpression(QStringLiteral("[\\s;]+")), Qt::SkipEmptyParts)) {
            if (problem.isEmpty() && !calc::textToNumber(hammer.toStdString(), separator)) {
                problem = QStringLiteral("น้ำหนักลูกตุ้ม \"%1\" ต้องเป็นตัวเลข").arg(hammer);
                quotedHammer_ = hammer;
            }
            request.hammers.push_back(hammer.toStdString());
        }
        for (int i = 0; i < 4; ++i)
            if (child<QCheckBox>(window, QStringLiteral("formula%1").arg(i).toLatin1().constData())->isChecked())
                request.tabs.push_back(ctx.main.page(kFormulas[i])->inputs());
        if (problem.isEmpty() && request.tabs.empty()) problem = QStringLiteral("กรุณาเลือกอย่างน้อยหนึ่งสูตร");
        message_ = problem;
        if (!problem.isEmpty() && shownGood_) return;  // the last good table stays
        if (!cacheValid_ || !sameRequest(request, cached_)) {
            expected_ = chartOf(request, ctx.random);
            cached_ = request;
            cacheValid_ = true;
        }
        shownGood_ = problem.isEmpty();
    }

    static QString rangeText(SessionRandom& random, int which)
    {
        if (random.percent(8)) return plausibleNumber(random, QLocale().decimalPoint().front());
        if (random.percent(5)) return QStringLiteral("0");
        switch (which) {
        case 0: return numberWithSeparator(random, random.percent(20) ? random.between(1, 400) / 2.0 : random.between(1, 20) * 10);
        case 1: return numberWithSeparator(random, random.percent(20) ? random.between(10, 600) / 2.0 : random.between(5, 30) * 10);
        default: {
            const double steps[] = {1, 2, 2.5, 5, 10, 10, 20, 25, 50, 0.5, 0.1, 0.01};
            return numberWithSeparator(random, steps[random.below(12)]);
        }
        }
    }

    static QString hammerList(SessionRandom& random)
    {
        if (random.percent(25)) return QString();
        const double weights[] = {0.5, 1, 2, 2.5, 3, 3.5, 4, 5, 7.5, 10, 0};
        const QString separators[] = {QStringLiteral(" "), QStringLiteral(";"), QStringLiteral(" ; "), QStringLiteral("  ")};
        QStringList hammers;
        for (int i = random.between(1, 4); i > 0; --i) hammers << numberWithSeparator(random, weights[random.below(11)]);
        if (random.percent(10)) hammers << QStringLiteral("1..5");
        QString list = hammers.join(separators[random.below(4)]);
        if (random.percent(10)) list += QStringLiteral(";");
        return list;
    }

    // The CSV just written against the table shown: the header without its
    // line breaks, every cell with "." for the decimal separator.
    static QString csvAgainstTable(QWidget& window, const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("the CSV %1 cannot be read").arg(path);
        const QByteArray bytes = file.readAll();
        if (!bytes.startsWith("\xEF\xBB\xBF")) return QStringLiteral("the CSV has no byte-order mark");
        const calc::CsvTable csv = calc::parseCsv(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        const QAbstractItemModel& model = *child<QTableView>(window, "charttable")->model();
        if (csv.rows.size() != static_cast<std::size_t>(model.rowCount()) + 1)
            return QStringLiteral("the CSV has %1 rows, the table %2 and a header").arg(csv.rows.size()).arg(model.rowCount());
        const QString separator = QLocale().decimalPoint();
        for (std::size_t r = 0; r < csv.rows.size(); ++r) {
            const std::vector<std::string>& fields = csv.rows[r].fields;
            if (fields.size() != static_cast<std::size_t>(model.columnCount()))
                return QStringLiteral("CSV row %1 has %2 fields, the table %3 columns").arg(r + 1).arg(fields.size()).arg(model.columnCount());
            for (int c = 0; c < model.columnCount(); ++c) {
                QString shown = r == 0 ? model.headerData(c, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' '))
                                       : model.data(model.index(static_cast<int>(r) - 1, c)).toString();
                if (r > 0) shown.replace(separator, QStringLiteral("."));
                if (utf8(fields[static_cast<std::size_t>(c)]) != shown)
                    return QStringLiteral("CSV row %1, field %2 is \"%3\", the table shows \"%4\"")
                        .arg(r + 1).arg(c + 1).arg(utf8(fields[static_cast<std::size_t>(c)]), shown);
            }
        }
        return {};
    }

    QPointer<QWidget> window_;
    bool shownGood_ = false;  // the window's last table came from usable inputs
    bool cacheValid_ = false;
    calc::ChartRequest cached_;
    ChartShown expected_;
    QString message_;
    QString quotedHammer_;  // the hammer text the message quotes
};

}  // namespace

std::unique_ptr<WindowActor> makeChartActor() { return std::make_unique<ChartActor>(); }

}  // namespace random_session
