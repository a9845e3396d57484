#include "report/capacity_report.h"

#include <algorithm>

#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "report/page_builder.h"
#include "report/report_texts.h"

namespace report {

namespace {

constexpr int kRecordColour = 7;  // grey in the charts' palette
// A required load of several formulas: brown, then teal, in the charts' palette.
constexpr int kSharedColours[] = {5, 6};

int colourOf(calc::Formula formula) { return static_cast<int>(formula); }

// The set per blow of the record, when its text is a positive number.
std::optional<double> recordS(const CapacityStudy& study)
{
    return calc::recordSet(study.record.form, study.record.value, study.decimalSeparator);
}

// The unit of a field by its symbol, for the report's pile data.
const char* unitOf(std::string_view symbol)
{
    if (symbol == "D" || symbol == "h" || symbol == "L2" || symbol == "C") return " ซม.";
    if (symbol == "L") return " ม.";
    if (symbol == "Qa" || symbol == "W") return " ตัน";
    if (symbol == "E") return " ตัน/ตร.ซม.";
    return "";
}

std::optional<std::string> pileType(const calc::PileBoxes& boxes)
{
    if (!boxes.complete()) return std::nullopt;
    if (boxes.section) return sectionPileType(*boxes.section, boxes.prestressed);
    if (boxes.reinforced) return boxes.round ? texts::kRoundRc : texts::kSquareRc;
    return boxes.round ? texts::kRoundPrestressed : texts::kSquarePrestressed;
}

std::string pileData(const calc::TabInputs& tab)
{
    std::string out;
    for (const calc::FieldSymbol& field : calc::formulaInfo(tab.formula).fields) {
        const auto index = static_cast<std::size_t>(field.index);
        const std::string text = index < tab.texts.size() ? tab.texts[index] : std::string();
        if (!out.empty()) out += "   ";
        if (tab.boxes.section && std::string_view(field.symbol) == "D") {
            out += sectionNameAndArea(*tab.boxes.section, tab.decimalSeparator);
            continue;
        }
        out += std::string(field.symbol) + " = " + (text.empty() ? "-" : text + unitOf(field.symbol));
    }
    return out;
}

}  // namespace

CapacityStudy studyRecord(const calc::DrivingRecord& record, const std::vector<calc::TabInputs>& tabs, int blowsFrom,
                          int blowsTo)
{
    CapacityStudy study;
    study.record = record;
    study.blowsFrom = blowsFrom;
    study.blowsTo = blowsTo;
    if (!tabs.empty()) study.decimalSeparator = tabs.front().decimalSeparator;
    for (const calc::TabInputs& tab : tabs)
        study.entries.push_back({calc::withRecordHeight(tab, record), calc::checkCapacity(tab, record)});
    return study;
}

Chart bearingChart(const CapacityStudy& study, Rect place)
{
    Chart chart;
    chart.place = place;
    chart.title = kGraphTitle;
    chart.x = {kBlowsAxis, static_cast<double>(study.blowsFrom), static_cast<double>(study.blowsTo)};
    chart.y = {kSafeLoadAxis, 0.0, std::nullopt};

    std::vector<Series> required;
    std::size_t shared = 0;  // required loads so far that several formulas share
    Series record{kRecordPoint, kRecordColour, SeriesStyle::Markers, {}};
    const std::optional<double> S = recordS(study);
    for (const CapacityEntry& entry : study.entries) {
        if (!entry.check.basis) continue;
        const calc::CapacityBasis& basis = *entry.check.basis;
        const calc::Formula formula = entry.tab.formula;
        Series line{calc::shortFormulaName(formula), colourOf(formula), SeriesStyle::SolidLine, {}};
        for (const calc::BearingPoint& p : calc::bearingGraph(basis, study.blowsFrom, study.blowsTo))
            line.points.push_back(p.safeLoad ? std::optional<ChartPoint>(ChartPoint{p.blows, *p.safeLoad}) : std::nullopt);
        chart.series.push_back(std::move(line));

        // Tabs that require the same load share one line, named after all of them.
        const double qa = basis.Qa;
        const auto same = std::ranges::find_if(required, [&](const Series& r) { return r.points.front()->y == qa; });
        if (same != required.end()) {
            if (same->name.find(',') == std::string::npos)
                same->colour = kSharedColours[shared++ % std::size(kSharedColours)];
            same->name += std::string(", ") + calc::shortFormulaName(formula);
        } else {
            required.push_back({std::string("Qa ") + calc::shortFormulaName(formula), colourOf(formula),
                                SeriesStyle::DashedLine,
                                {ChartPoint{static_cast<double>(study.blowsFrom), qa},
                                 ChartPoint{static_cast<double>(study.blowsTo), qa}},
                                false});
        }

        if (S && entry.check.capacity) {
            const double blows = 30 / *S;
            if (blows >= study.blowsFrom && blows <= study.blowsTo)
                record.points.push_back(ChartPoint{blows, entry.check.capacity->safeLoad});
        }
    }
    for (Series& r : required) chart.series.push_back(std::move(r));
    if (!record.points.empty()) chart.series.push_back(std::move(record));
    return chart;
}

Page capacityPage(const CapacityStudy& study)
{
    Page page;
    const std::string& sep = study.decimalSeparator;
    auto print = [&page](int x, int y, std::string text, int size = 14, bool bold = false, bool underline = false) {
        page.lines.push_back(Line{x, y, bold, underline, size, std::move(text)});
    };

    print(2600, 700, std::string(" ") + kCapacityTitle + " ", 16, true);

    int y = 1300;
    print(1000, y, " ผลการตอก: ", 14, false, true);
    y += 300;
    const std::string height = study.record.height && !study.record.height->empty() ? *study.record.height
                                                                                    : std::string(kTabsHeight);
    print(900, y, std::string(kRecordHeightCaption) + " = " + height);
    y += 300;
    const bool tenBlows = study.record.form == calc::RecordForm::TenBlowSet;
    print(900, y, std::string(tenBlows ? kTenBlowSetCaption : kBlowsPerFootCaption) + " = "
                      + (study.record.value.empty() ? "-" : study.record.value));
    y += 300;
    if (const std::optional<double> S = recordS(study))
        print(900, y, std::string(calc::kRecordSetCaption) + " = " + calc::numberText(calc::roundHalfEven(*S, 3), sep)
                          + "  " + calc::kCmUnit);
    else
        print(900, y, calc::kRecordNotPositive);

    y += 450;
    print(1000, y, "ข้อมูลเสาเข็มและผลการตรวจสอบ :", 14, true, true);
    for (const CapacityEntry& entry : study.entries) {
        y += 350;
        std::string name = calc::shortFormulaName(entry.tab.formula);
        if (calc::formulaInfo(entry.tab.formula).hasPileBoxes)
            if (const std::optional<std::string> type = pileType(entry.tab.boxes)) name += "   " + *type;
        print(900, y, name, 14, true);
        y += 300;
        print(1200, y, pileData(entry.tab), 11);
        y += 300;
        if (entry.check.capacity) {
            const calc::CapacityTexts t = calc::capacityTexts(*entry.check.capacity, sep);
            print(1200, y, "Qu = " + t.Qu + "  ตัน");
            print(3700, y, "Qu/FS = " + t.safeLoad + "  ตัน");
            print(6700, y, "Qa = " + t.required + "  ตัน");
            print(9000, y, t.verdict, 14, true, !entry.check.capacity->meets);
        } else if (entry.check.message) {
            print(1200, y, *entry.check.message, 12);
        }
    }

    y += 450;
    page.charts.push_back(bearingChart(study, Rect{700, y, 10100, 15900 - y}));
    return page;
}

}  // namespace report
